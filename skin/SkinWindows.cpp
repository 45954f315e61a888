// Taking over top-level windows and letting them go: SkinWindow and the caption buttons it
// makes, the window options, the caption-button actions, ReleaseWindow with renumbering, the
// object's destruction and copy, and SkinSetup.
#include <cstring>

#include "skin/SkinFrame.h"
#include "skin/SkinPaint.h"
#include "skin/SkinPictures.h"
#include "skin/SkinSystemCalls.h"
#include "trimmer/TrimWorkingSet.h"

namespace skin {

using namespace frame;

namespace {

RT_CONSTANT const char kDefaultFont[] = "宋体";
RT_CONSTANT const char kHelpTip[] = "帮助";
RT_CONSTANT const char kMenuTip[] = "主菜单";
RT_CONSTANT const char kMinimizeTip[] = "最小化";
RT_CONSTANT const char kMaximizeTip[] = "最大化";
RT_CONSTANT const char kCloseTip[] = "关闭";

constexpr int32_t kMinimumCaptionHeight = 25;
constexpr int32_t kButtonWidth = 26;
constexpr int32_t kCloseButtonWidth = 38;
constexpr int32_t kButtonHeight = 18;
constexpr int32_t kButtonPitch = 27;  // a button and the one-pixel gap after it

CaptionButtonRecord MakeButton(int32_t kind, int32_t width, const ByteSet* image, const ByteSet* altImage, const char* tooltip) {
    CaptionButtonRecord button;
    button.width = width;
    button.height = kButtonHeight;
    button.image = Bytes::Copy(image->Bytes(), image->length);
    if (altImage) button.altImage = Bytes::Copy(altImage->Bytes(), altImage->length);
    button.kind = kind;
    button.tooltip = Text::Copy(tooltip);
    return button;
}

RECT ToolRect(const CaptionButtonRecord& button) {
    const auto left = static_cast<LONG>(button.rect.x), top = static_cast<LONG>(button.rect.y);
    return RECT{left, top, left + static_cast<LONG>(button.rect.width), top + static_cast<LONG>(button.rect.height)};
}

// The tooltip control's class comes with the common controls.
void LoadCommonControls() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return sys::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)loaded;
}

}  // namespace

// ---- SkinWindow ----

int32_t SkinEngineOps::SkinWindow(SkinEngine* self, HWND window, Optional<int32_t> captionHeight, Optional<int32_t> captionActive,
                                  Optional<int32_t> resizable, Optional<int32_t> helpButton, Optional<int32_t> menuButton,
                                  Optional<int32_t> showTitle, Optional<int32_t> captionGloss, Optional<int32_t> stripItemCount,
                                  Optional<const ArrayValue*> stripTexts, Optional<const ByteSet*> picture,
                                  Optional<int32_t> pictureMode) {
    if (!window) return 0;
    for (int32_t n = 1; n <= WindowCount(); ++n)
        if (WindowRecord(n)->hwnd == window) return 0;

    const auto style = static_cast<DWORD>(sys::GetWindowLongValue(window, GWL_STYLE));
    RECT client{};
    sys::GetClientRect(window, &client);
    self->frameInset = 3;

    auto record = std::make_unique<SkinnedWindowRecord>();
    SkinnedWindowRecord& w = *record;
    w.hwnd = window;
    w.captionHeight = std::max(captionHeight.Or(kMinimumCaptionHeight), kMinimumCaptionHeight);
    w.hasHelpButton = helpButton.Or(0);
    w.hasMenuButton = menuButton.Or(0);
    w.hasMinimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    w.hasMaximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    w.takenOver = 1;
    w.showTitle = showTitle.Or(1);
    w.captionGloss = captionGloss.Or(0);
    w.resizable = resizable.Or(1);
    w.captionActive = captionActive.Or(1);
    w.minTrackWidth = 200;
    w.minTrackHeight = 150;
    w.screenWidth = sys::GetSystemMetrics(SM_CXSCREEN);
    w.screenHeight = sys::GetSystemMetrics(SM_CYSCREEN);
    w.pictureMode = pictureMode.Or(settings.backgroundMode);
    if (ByteSetLength(picture.Or(nullptr)) > 0) {
        w.pictureColour = AverageColour(nullptr, picture.value);
        w.windowPicture = PreparePicture(nullptr, picture.value, w.pictureColour, w.pictureMode);
    }
    w.titleColour = 0xFFFFFF;
    w.titleShadowColour = 0x808080;
    w.titleFont = Text::Copy(kDefaultFont);
    w.titleSize = 12;
    w.titleFlag = 1;

    if (w.hasHelpButton) w.captionButtons.push_back(MakeButton(kHelpButton, kButtonWidth, pictures::HelpButton(), nullptr, kHelpTip));
    if (w.hasMenuButton) w.captionButtons.push_back(MakeButton(kMenuButton, kButtonWidth, pictures::MenuButton(), nullptr, kMenuTip));
    if (w.hasMinimizeButton)
        w.captionButtons.push_back(MakeButton(kMinimizeButton, kButtonWidth, pictures::MinimizeButton(), nullptr, kMinimizeTip));
    if (w.hasMaximizeButton)
        w.captionButtons.push_back(
            MakeButton(kMaximizeButton, kButtonWidth, pictures::MaximizeButton(), pictures::RestoreButton(), kMaximizeTip));
    w.captionButtons.push_back(MakeButton(kCloseButton, kCloseButtonWidth, pictures::CloseButton(), nullptr, kCloseTip));

    int32_t widths = 0;
    for (const auto& button : w.captionButtons) widths += button.width;
    w.stripWidth = widths + static_cast<int32_t>(w.captionButtons.size()) - 1 + 3;
    w.stripHeight = 22;
    w.stripX = client.right - self->frameInset - w.stripWidth - 2;
    w.stripY = 0;

    sys::SetWindowLongValue(window, GWL_STYLE, static_cast<LONG_PTR>(style | WS_SYSMENU));

    Records().push_back(std::move(record));
    const int32_t n = WindowCount();
    SkinnedWindowRecord& registered = *WindowRecord(n);

    LoadCommonControls();
    registered.tooltip.Reset(gdip::New<gdip::ToolTip>());
    registered.tooltip->Create(window);
    for (size_t i = 0; i < registered.captionButtons.size(); ++i) {
        const CaptionButtonRecord& button = registered.captionButtons[i];
        const RECT rect = ToolRect(button);
        registered.tooltip->AddTool(&rect, button.tooltip.Get(), static_cast<UINT_PTR>(i + 1));
    }

    self->LayoutCaptionButtons(n);
    if (stripItemCount.Or(0) > 0) {
        self->BuildCaptionStrip(n, stripItemCount.value, stripTexts.Or(nullptr));
        self->LayoutCaptionStrip(n);
    }

    controls::TakeOverButtons(n, window);
    controls::TakeOverCheckBoxes(n, window);
    controls::TakeOverEditsAndCombos(n, window);
    controls::TakeOverTrackbars(n, window);
    controls::TakeOverProgressBars(n, window);
    controls::TakeOverLists(n, window);
    controls::TakeOverUpDowns(n, window);
    controls::TakeOverHeaders(n, window);

    // The number goes on before the procedure, so the first message already finds its record.
    WriteProperty(window, props::kNumber, n);
    const LONG_PTR previous = sys::SetWindowLongValue(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->frameEntry));
    WriteProperty(window, props::kPreviousProc, previous);
    return n;
}

int32_t SkinEngineOps::AddCaptionButton(SkinEngine* self, HWND window, const ByteSet* picture, const char* tooltip,
                                        SkinRoutine callback) {
    const int32_t n = WindowNumberOf(window);
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    CaptionButtonRecord button;
    button.width = kButtonWidth;
    button.height = kButtonHeight;
    button.image = Bytes::Copy(picture ? picture->Bytes() : nullptr, ByteSetLength(picture));
    button.kind = kCallerButton;
    button.tooltip = Text::Copy(tooltip);
    button.callback = callback;
    w->captionButtons.push_back(std::move(button));
    const auto id = static_cast<UINT_PTR>(w->captionButtons.size());
    const RECT rect{};
    w->tooltip->AddTool(&rect, w->captionButtons.back().tooltip.Get(), id);
    w->stripWidth += kButtonPitch;
    self->LayoutCaptionButtons(n);
    w->needsFullPaint = 1;
    return static_cast<int32_t>(id);
}

int32_t SkinEngineOps::SetTitleStyle(SkinEngine* self, HWND window, Optional<COLORREF> colour, Optional<COLORREF> shadowColour,
                                     Optional<const char*> fontName, Optional<int32_t> size, Optional<int32_t> flag) {
    const int32_t n = WindowNumberOf(window);
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    if (colour.given) w->titleColour = colour.value;
    if (shadowColour.given) w->titleShadowColour = shadowColour.value;
    if (fontName.given) w->titleFont = Text::Copy(fontName.value);
    if (size.given) w->titleSize = size.value;
    if (flag.given) w->titleFlag = flag.value;
    if (w->showTitle && w->cache.frameDC) {
        char title[256] = {};
        sys::GetWindowTextA(window, title, sizeof title);
        self->DrawCaptionTitle(n, title, 1);
    }
    return 1;
}

int32_t SkinEngineOps::SetHelpHandler(SkinEngine*, HWND window, SkinRoutine routine) {
    SkinnedWindowRecord* w = WindowRecord(WindowNumberOf(window));
    if (!w) return 0;
    w->helpHandler = routine;
    return 1;
}

int32_t SkinEngineOps::SetMenuHandler(SkinEngine*, HWND window, SkinRoutine routine) {
    SkinnedWindowRecord* w = WindowRecord(WindowNumberOf(window));
    if (!w) return 0;
    w->menuHandler = routine;
    return 1;
}

// ---- the caption buttons' actions ----

int32_t SkinEngineOps::OnCaptionButton(SkinEngine*, int32_t windowNumber, int32_t buttonNumber) {
    SkinnedWindowRecord* w = WindowRecord(windowNumber);
    if (!w || buttonNumber < 1 || buttonNumber > static_cast<int32_t>(w->captionButtons.size())) return 0;
    const CaptionButtonRecord& button = w->captionButtons[static_cast<size_t>(buttonNumber - 1)];
    // The record may be gone once a message has been sent (closing destroys the window).
    const HWND window = w->hwnd;
    switch (button.kind) {
    case kCloseButton:
        sys::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case kMaximizeButton:
        w->needsFullPaint = 1;
        if (w->isMaximized) {
            w->isMinimized = 0;
            w->isMaximized = 0;
            sys::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            w->isMaximized = 1;
            w->isMinimized = 0;
            sys::SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kMinimizeButton:
        w->isMinimized = 1;
        sys::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kMenuButton:
        if (w->menuHandler) w->menuHandler();
        break;
    case kHelpButton:
        if (w->helpHandler) w->helpHandler();
        break;
    case kCallerButton:
        if (button.callback) button.callback();
        break;
    default:
        break;
    }
    return 1;
}

int32_t SkinEngineOps::ReplaceCaptionPictures(SkinEngine* self, HWND window, Optional<const ByteSet*> minimize,
                                              Optional<const ByteSet*> maximize, Optional<const ByteSet*> restore,
                                              Optional<const ByteSet*> close) {
    const int32_t n = WindowNumberOf(window);
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    auto replace = [](Bytes& slot, Optional<const ByteSet*> picture) {
        if (ByteSetLength(picture.Or(nullptr)) > 0) slot = Bytes::Copy(picture.value->Bytes(), picture.value->length);
    };
    for (auto& button : w->captionButtons) {
        if (button.kind == kMinimizeButton) replace(button.image, minimize);
        if (button.kind == kMaximizeButton) {
            replace(button.image, maximize);
            replace(button.altImage, restore);
        }
        if (button.kind == kCloseButton) replace(button.image, close);
    }
    if (w->cache.frameDC)
        for (int32_t i = 1; i <= static_cast<int32_t>(w->captionButtons.size()); ++i) self->PaintCaptionButton(n, i, nullptr, 0, 0, 0);
    return 1;
}

// ---- controls ----

int32_t SkinEngineOps::SetControlTextColour(SkinEngine*, HWND control, COLORREF colour) {
    if (!control) return 0;
    HWND target = control;
    if (ClassIs(control, "ComboBox")) {
        target = sys::FindWindowExA(control, nullptr, "Edit", nullptr);
        if (!target) return 0;
    }
    WriteProperty(target, props::kTextColour, static_cast<intptr_t>(colour));
    return 1;
}

int32_t SkinEngineOps::AddDrawnButton(SkinEngine*, HWND window, HWND button, DrawnButtonRoutine paint) {
    return controls::AddDrawnButton(window, button, paint, 1);
}

int32_t SkinEngineOps::AddDrawnStateButton(SkinEngine*, HWND window, HWND button, DrawnButtonRoutine paint) {
    return controls::AddDrawnButton(window, button, paint, 3);
}

int32_t SkinEngineOps::SkinChildWindow(SkinEngine*, HWND container, Optional<COLORREF> fillColour, Optional<int32_t> fillAlpha,
                                       Optional<int32_t> rounded) {
    return controls::SkinChildWindow(container, fillColour.Or(kWhite), fillAlpha.Or(settings.controlAlpha), rounded.Or(1));
}

int32_t SkinEngineOps::SetButtonState(SkinEngine*, HWND button, int32_t state) { return controls::SetButtonState(button, state); }

int32_t SkinEngineOps::SkinOtherControls(SkinEngine*, HWND control, Optional<COLORREF> keyColour) {
    return controls::SkinOtherControls(control, keyColour.Or(kMagenta));
}

void SkinEngineOps::OnWindowSized(SkinEngine*, int32_t windowNumber) { controls::LayoutContainers(windowNumber); }

// ---- letting go ----

namespace frame {

void ReleaseWindow(HWND window) {
    auto& records = Records();
    size_t index = 0;
    while (index < records.size() && records[index]->hwnd != window) ++index;
    if (index == records.size()) return;
    SkinnedWindowRecord& w = *records[index];

    for (const auto& edit : w.controls.edits.records) {
        if (!edit.hwnd) continue;
        if (auto bitmap = reinterpret_cast<HGDIOBJ>(ReadProperty(edit.hwnd, props::kBrushBitmap))) sys::DeleteObject(bitmap);
        if (auto brush = reinterpret_cast<HGDIOBJ>(ReadProperty(edit.hwnd, props::kBrush))) sys::DeleteObject(brush);
    }
    ReleaseFrameCache(w);
    // The tooltip belongs to no window; it goes with the one it served.
    if (w.tooltip.Get() && w.tooltip->GetHwnd()) sys::DestroyWindow(w.tooltip->GetHwnd());

    records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));

    for (int32_t n = 1; n <= WindowCount(); ++n) {
        SkinnedWindowRecord& other = *WindowRecord(n);
        WriteProperty(other.hwnd, props::kNumber, n);
        controls::ForEachControl(other.controls, [n](HWND control, const char* key) { WriteProperty(control, key, n); });
    }
}

}  // namespace frame

void SkinEngineOps::Destroy(SkinEngine*) {
    // The trims that the windows' deactivation started (closing the last window deactivates the
    // program) end before the program does.
    WaitForRunningTrims(5000);
    if (settings.programIcon) sys::DestroyIcon(settings.programIcon);
    settings.programIcon = nullptr;
    if (settings.gdiplusToken) sys::GdiplusShutdown(settings.gdiplusToken);
    settings.gdiplusToken = 0;
    settings.backgroundPicture.Reset();
}

void SkinEngineOps::CopyFrom(SkinEngine* self, const SkinEngine* other) {
    if (!other || other == self) return;
    // The entries are plain routines that reach the one object; the copy gets the same ones.
    self->frameEntry = other->frameEntry;
    self->frameInset = other->frameInset;
    self->hotCaptionButton = other->hotCaptionButton;
    self->captionClickEntry = other->captionClickEntry;
}

// ---- the program's routine ----

void SkinSetup(const ByteSet* picture, int32_t backgroundColour, int32_t accentColour, HWND window, int32_t alpha,
               int32_t captionHeight, int32_t helpButton, int32_t menuButton, int32_t showTitle) {
    SkinEngine* skin = TheSkin();
    if (!skin) return;
    skin->SetBackground(Optional<const char*>(), picture, backgroundColour, accentColour, 3);
    skin->SetOptions(1, alpha);
    skin->SkinWindow(window, captionHeight, 1, 1, helpButton, menuButton, showTitle, 0);
}

}  // namespace skin
