// The window procedure of skinned top-level windows: frame painting, caption buttons, moving
// and sizing, control colouring and forced repaints, deactivation, and the window's release.
#include <cstring>

#include "skin/SkinFrame.h"
#include "skin/SkinSystemCalls.h"
#include "trimmer/TrimWorkingSet.h"

namespace skin {

using namespace frame;

namespace frame {

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(ReadProperty(window, props::kPreviousProc));
    return previous ? sys::CallWindowProcA(previous, window, message, wParam, lParam) : sys::DefWindowProcA(window, message, wParam, lParam);
}

bool ClassIs(HWND window, const char* name) {
    char className[256] = {};
    sys::GetClassNameA(window, className, 255);
    return std::strcmp(className, name) == 0;
}

}  // namespace frame

namespace {

constexpr int32_t kFadeSteps = 8;
constexpr UINT kHoverPeriodMs = 20;

// The signed halves of a mouse message's lParam, for the hit tests.
int32_t SignedX(LPARAM lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
int32_t SignedY(LPARAM lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }

RECT ClientRectOf(HWND window) {
    RECT client{};
    sys::GetClientRect(window, &client);
    return client;
}

UINT_PTR HoverTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

// In-strip test of the hover timer.
bool InStrip(const SkinnedWindowRecord& w, int32_t x, int32_t y) {
    return x >= w.stripX - 2 && x <= w.stripX + w.stripWidth && 0 <= y && y <= w.stripHeight;
}

// ---- painting and state ----

LRESULT OnPaint(SkinEngine* skin, int32_t n, HWND window, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(window, &paint);
    if (SkinnedWindowRecord* w = WindowRecord(n); w && !w->isMinimized) {
        if (w->needsFullPaint) {
            skin->RenderFrame(n, dc, 1);
            if ((w = WindowRecord(n))) w->needsFullPaint = 0;
        } else {
            skin->BlitFrame(n, dc);
        }
    }
    sys::EndPaint(window, &paint);
    return sys::DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

void OnShowWindow(SkinEngine* skin, int32_t n, HWND window, WPARAM shown) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (shown != 1 || !w) return;
    if (w->isMinimized) {
        w->isMinimized = 0;
        return;
    }
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(window, &paint);
    skin->RenderFrame(n, dc, 1);
    sys::EndPaint(window, &paint);
}

void OnSize(SkinEngine* skin, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    w->hotButton = 0;
    if (settings.firstSizePending) settings.firstSizePending = 0;
    else w->needsFullPaint = 1;
    skin->OnWindowSized(n);
}

void OnSysCommand(SkinnedWindowRecord& w, WPARAM command) {
    switch (command) {  // compared exactly: the system's own variants (0xF032, ...) do not count
    case SC_MAXIMIZE:
        w.isMaximized = 1;
        w.needsFullPaint = 1;
        break;
    case SC_RESTORE:
        w.needsFullPaint = 1;
        w.isMinimized = 0;
        break;
    case SC_MINIMIZE:
        w.needsFullPaint = 1;
        w.isMinimized = 1;
        break;
    default:
        break;
    }
}

void OnGetMinMaxInfo(const SkinnedWindowRecord& w, LPARAM lParam) {
    MINMAXINFO info = *reinterpret_cast<const MINMAXINFO*>(lParam);
    LONG maxWidth = w.screenWidth, maxHeight = w.screenHeight;
    if (w.isMaximized) {
        maxWidth = sys::GetSystemMetrics(SM_CXSCREEN);
        maxHeight = HeightAboveTaskbar(sys::GetSystemMetrics(SM_CYSCREEN));
    }
    info.ptMinTrackSize = POINT{w.minTrackWidth, w.minTrackHeight};
    info.ptMaxTrackSize = POINT{maxWidth, maxHeight};
    *reinterpret_cast<MINMAXINFO*>(lParam) = info;
}

void OnWindowPosChanged(SkinEngine* skin, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    if (w->hasMaximizeButton) {
        const RECT client = ClientRectOf(w->hwnd);
        const int32_t screenWidth = sys::GetSystemMetrics(SM_CXSCREEN), screenHeight = sys::GetSystemMetrics(SM_CYSCREEN);
        if (client.right - client.left == screenWidth && client.bottom - client.top == screenHeight) {
            w->isMaximized = 1;
            sys::SetWindowPos(w->hwnd, nullptr, 0, 0, screenWidth, HeightAboveTaskbar(screenHeight), SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
    }
    if (!(w = WindowRecord(n))) return;
    skin->LayoutCaptionButtons(n);
    if (!w->captionStrip.items.empty()) skin->LayoutCaptionStrip(n);
}

// ---- the mouse ----

void OnMouseMove(SkinEngine* skin, int32_t n, HWND window, LPARAM lParam) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    const RECT client = ClientRectOf(window);
    if (w->hover.trackingArmed == 0) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, window, 1};
        sys::TrackMouseEvent(&track);
    }
    if (!w->captionActive) return;
    const int32_t x = SignedX(lParam), y = SignedY(lParam);
    if (InStrip(*w, x, y)) {
        if (w->hover.inStrip == 0) {
            sys::SetTimer(window, HoverTimerId(window), kHoverPeriodMs, nullptr);
            w->hover.inStrip = 1;
        }
    } else {
        w->hover.inStrip = 0;  // the timer stops itself once the fades are done
    }
    skin->hotCaptionButton = skin->HitTestCaptionButtons(n, x, y);
    if (w->hotButton >= 1 && w->hotButton != skin->hotCaptionButton) {
        if (w->hover.fadeOut.step < kFadeSteps) skin->PaintCaptionButton(n, w->hover.fadeOut.button, nullptr, 0, 0, 0);
        w->hover.fadeOut = {w->hotButton, 0};
    }
    if (skin->hotCaptionButton >= 1 && skin->hotCaptionButton != w->hotButton) w->hover.fadeIn = {skin->hotCaptionButton, 0};
    w->hotButton = skin->hotCaptionButton;
    if (!w->isMaximized) skin->UpdateResizeCursor(n, lParam, &client);
}

void OnLeftButtonDown(SkinEngine* skin, int32_t n, HWND window, LPARAM lParam) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    const RECT client = ClientRectOf(window);
    w->hover.fadeIn.button = 0;
    if (!w->captionActive) return;
    if (!w->isMaximized && !w->isMinimized) {
        skin->BeginMoveOrResize(n, lParam, &client);  // may run Windows' move or size loop
        if (WindowRecord(n) != w) return;
    }
    skin->hotCaptionButton = skin->HitTestCaptionButtons(n, SignedX(lParam), SignedY(lParam));
    if (skin->hotCaptionButton >= 1) skin->PaintCaptionButton(n, skin->hotCaptionButton, nullptr, 0, 1, 0);
}

void OnLeftButtonUp(SkinEngine* skin, int32_t n) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !skin->captionClickEntry) return;
    const int32_t button = skin->hotCaptionButton;
    if (button >= 1 && button <= static_cast<int32_t>(w->captionButtons.size()) && w->captionActive) skin->captionClickEntry(n, button);
}

void OnLeftButtonDoubleClick(SkinEngine* skin, int32_t n, LPARAM lParam) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || SignedY(lParam) > w->captionHeight || !w->resizable) return;
    if (const int32_t button = skin->FindMaximizeButton(n); button > 0) skin->OnCaptionButton(n, button);
}

void OnMouseLeave(SkinEngine* skin, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    HoverState& hover = w->hover;
    hover.trackingArmed = 0;
    if (w->hotButton < 1 || !w->captionActive) return;
    if (hover.fadeIn.step < kFadeSteps && hover.fadeOut.step < kFadeSteps) {
        skin->PaintCaptionButton(n, hover.fadeOut.button, nullptr, 0, 0, 0);
        hover.fadeIn = {};
    }
    hover.fadeOut = {w->hotButton, 0};
    w->hotButton = 0;
}

// ---- controls ----

void RepaintOnNotify(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return;
    const auto code = static_cast<int>(header->code);
    if (code == static_cast<int>(TVN_ITEMEXPANDEDA) || code == static_cast<int>(TVN_ITEMEXPANDINGA))
        sys::InvalidateRect(header->hwndFrom, nullptr, TRUE);
}

}  // namespace

LRESULT SkinEngineOps::FrameWindowProc(SkinEngine* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto n = static_cast<int32_t>(ReadProperty(window, props::kNumber));
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || w->hwnd != window) return CallPrevious(window, message, wParam, lParam);

    switch (message) {
    case WM_SIZE: OnSize(self, n); break;
    case WM_SETTEXT:
        if (w->showTitle && w->captionActive) self->DrawCaptionTitle(n, reinterpret_cast<const char*>(lParam), 1);
        break;
    case WM_PAINT: return OnPaint(self, n, window, wParam, lParam);
    case WM_ERASEBKGND:
        sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_SHOWWINDOW: OnShowWindow(self, n, window, wParam); break;
    case WM_SYSCOMMAND: OnSysCommand(*w, wParam); break;
    case WM_QUERYOPEN: w->isMinimized = 0; break;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*w, lParam); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(self, n); break;
    case WM_MOUSEMOVE: OnMouseMove(self, n, window, lParam); break;
    case WM_LBUTTONDOWN: OnLeftButtonDown(self, n, window, lParam); break;
    case WM_LBUTTONUP: OnLeftButtonUp(self, n); break;
    case WM_LBUTTONDBLCLK: OnLeftButtonDoubleClick(self, n, lParam); break;
    case WM_MOUSEHOVER: w->hover.trackingArmed = 1; break;
    case WM_MOUSELEAVE: OnMouseLeave(self, n); break;
    case WM_TIMER:
        if (wParam == HoverTimerId(window)) HoverFadeTick(self, n);
        break;
    case WM_DRAWITEM: controls::OnDrawItem(n, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (LRESULT brush = 0; controls::ColourControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), &brush))
            return brush;
        break;
    case WM_COMMAND: controls::RepaintOnCommand(wParam, lParam); break;
    case WM_NOTIFY: RepaintOnNotify(lParam); break;
    case WM_ACTIVATEAPP: StartTrimOnDeactivate(wParam); break;
    case WM_NCDESTROY: {
        // The previous procedure is read before the record goes; the property itself stays.
        auto previous = reinterpret_cast<WNDPROC>(ReadProperty(window, props::kPreviousProc));
        ReleaseWindow(window);
        sys::KillTimer(window, HoverTimerId(window));
        return previous ? sys::CallWindowProcA(previous, window, message, wParam, lParam) : sys::DefWindowProcA(window, message, wParam, lParam);
    }
    default: break;
    }
    return CallPrevious(window, message, wParam, lParam);
}

}  // namespace skin
