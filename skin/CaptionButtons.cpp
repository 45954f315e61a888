// The caption buttons' layout and hit tests, the hover fade, and the move and resize zones.
#include "skin/SkinFrame.h"
#include "skin/SkinSystemCalls.h"

namespace skin {

using namespace frame;

namespace {

constexpr int32_t kFadeSteps = 8;
constexpr int32_t kFadeOpacityStep = 30;

// One resize zone: where it lies on a client area of w by h (frame inset i), its cursor and
// the size command that starts Windows' sizing loop.
struct ResizeZone {
    bool (*contains)(int32_t x, int32_t y, int32_t w, int32_t h, int32_t i);
    LPCSTR cursor;
    WPARAM command;
};

// In the order they are tested: edges first, then corners.
const ResizeZone kResizeZones[] = {
    {[](int32_t x, int32_t y, int32_t, int32_t h, int32_t i) { return x <= i && 11 <= y && y < h - 10; }, IDC_SIZEWE, SC_SIZE | WMSZ_LEFT},
    {[](int32_t x, int32_t y, int32_t w, int32_t h, int32_t i) { return x >= w - i && 11 <= y && y < h - 10; }, IDC_SIZEWE,
     SC_SIZE | WMSZ_RIGHT},
    {[](int32_t x, int32_t y, int32_t w, int32_t, int32_t i) { return y <= i && 11 <= x && x < w - 10; }, IDC_SIZENS, SC_SIZE | WMSZ_TOP},
    {[](int32_t x, int32_t y, int32_t w, int32_t h, int32_t i) { return y >= h - i && 11 <= x && x < w - 10; }, IDC_SIZENS,
     SC_SIZE | WMSZ_BOTTOM},
    {[](int32_t x, int32_t y, int32_t, int32_t, int32_t) { return x <= 10 && y <= 10; }, IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT},
    {[](int32_t x, int32_t y, int32_t w, int32_t, int32_t) { return x >= w - 10 && y <= 10; }, IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT},
    {[](int32_t x, int32_t y, int32_t, int32_t h, int32_t) { return x <= 10 && y >= h - 10; }, IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT},
    {[](int32_t x, int32_t y, int32_t w, int32_t h, int32_t) { return x >= w - 10 && y >= h - 10; }, IDC_SIZENWSE,
     SC_SIZE | WMSZ_BOTTOMRIGHT},
};

const ResizeZone* ZoneAt(int32_t x, int32_t y, const RECT* client, int32_t inset) {
    const int32_t w = client->right - client->left, h = client->bottom - client->top;
    for (const ResizeZone& zone : kResizeZones)
        if (zone.contains(x, y, w, h, inset)) return &zone;
    return nullptr;
}

// The unsigned 16-bit halves of a mouse message's lParam, as the zones read them.
int32_t UnsignedX(LPARAM lParam) { return static_cast<int32_t>(static_cast<uint16_t>(lParam & 0xFFFF)); }
int32_t UnsignedY(LPARAM lParam) { return static_cast<int32_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF)); }

// The press as the non-client and system-command messages carry it: in screen coordinates.
LPARAM ScreenPoint(HWND window, int32_t x, int32_t y) {
    POINT point{x, y};
    sys::ClientToScreen(window, &point);
    return MAKELPARAM(static_cast<int16_t>(point.x), static_cast<int16_t>(point.y));
}

}  // namespace

int32_t SkinEngineOps::LayoutCaptionButtons(SkinEngine*, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    if (w->hwnd) {
        RECT client{};
        sys::GetClientRect(w->hwnd, &client);
        w->stripX = (client.right - client.left) - w->stripWidth + 1;
        w->stripHeight = 22;
    }
    for (size_t index = 0; index < w->captionButtons.size(); ++index) {
        CaptionButtonRecord& button = w->captionButtons[index];
        button.rect.x = static_cast<float>(w->stripX + 2 + 27 * static_cast<int32_t>(index));
        button.rect.y = static_cast<float>(w->stripY + 1);
        button.rect.width = button.kind == kCloseButton ? 40.0f : 26.0f;
        button.rect.height = 18.0f;
        if (w->tooltip.Get()) {
            const auto left = static_cast<LONG>(button.rect.x), top = static_cast<LONG>(button.rect.y);
            const RECT rect{left, top, left + static_cast<LONG>(button.rect.width), top + static_cast<LONG>(button.rect.height)};
            const auto id = static_cast<UINT_PTR>(index + 1);
            w->tooltip->SetToolRect(id, &rect);
            w->tooltip->UpdateTipText(id, button.tooltip.Get());
        }
    }
    return 1;
}

int32_t SkinEngineOps::HitTestCaptionButtons(SkinEngine*, int32_t n, int32_t x, int32_t y) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    if (x < w->stripX || y < w->stripY || y > w->stripY + w->stripHeight) return 0;
    for (size_t index = 0; index < w->captionButtons.size(); ++index) {
        const gdip::PlusRectF& r = w->captionButtons[index].rect;
        const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
        if (r.x < fx && fx < r.x + r.width && r.y < fy && fy < r.y + r.height) return static_cast<int32_t>(index + 1);
    }
    return 0;
}

int32_t SkinEngineOps::FindMaximizeButton(SkinEngine*, int32_t n) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    for (size_t index = 0; index < w->captionButtons.size(); ++index)
        if (w->captionButtons[index].kind == kMaximizeButton) return static_cast<int32_t>(index + 1);
    return 0;
}

void SkinEngineOps::BeginMoveOrResize(SkinEngine* self, int32_t n, LPARAM lParam, const RECT* client) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    const int32_t x = UnsignedX(lParam), y = UnsignedY(lParam);
    if (x >= w->stripX && x <= w->stripX + w->stripWidth && y <= w->stripHeight && y >= 3) return;  // the buttons' own
    if (!w->captionActive) return;
    const HWND window = w->hwnd;
    // A window that is not resizable moves by its caption band and has no sizing edges.
    if (!w->resizable) {
        if (y <= w->captionHeight) sys::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(window, x, y));
        return;
    }
    if (const ResizeZone* zone = ZoneAt(x, y, client, self->frameInset)) {
        w->needsFullPaint = 1;
        sys::SetCursor(sys::LoadCursorA(nullptr, zone->cursor));
        sys::SendMessageA(window, WM_SYSCOMMAND, zone->command, ScreenPoint(window, x, y));
        return;
    }
    if (y <= w->captionHeight) sys::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(window, x, y));
}

void SkinEngineOps::UpdateResizeCursor(SkinEngine* self, int32_t n, LPARAM lParam, const RECT* client) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->resizable) return;
    if (const ResizeZone* zone = ZoneAt(UnsignedX(lParam), UnsignedY(lParam), client, self->frameInset))
        sys::SetCursor(sys::LoadCursorA(nullptr, zone->cursor));
}

namespace frame {

void HoverFadeTick(SkinEngine* skin, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    HoverState& hover = w->hover;
    if (hover.fadeIn.button >= 1 && hover.fadeIn.step <= kFadeSteps - 1) {
        ++hover.fadeIn.step;
        skin->PaintCaptionButton(n, hover.fadeIn.button, nullptr, 0, 0, hover.fadeIn.step * kFadeOpacityStep);
    }
    if (hover.fadeOut.button >= 1 && hover.fadeOut.step <= kFadeSteps - 1) {
        ++hover.fadeOut.step;
        skin->PaintCaptionButton(n, hover.fadeOut.button, nullptr, 0, 0, (kFadeSteps - hover.fadeOut.step) * kFadeOpacityStep);
    }
    const bool fadeOutDone = hover.fadeOut.step > kFadeSteps - 1 || hover.fadeOut.button == 0;
    if ((hover.trackingArmed == 0 || hover.inStrip == 0) && fadeOutDone) {
        hover.inStrip = 0;
        sys::KillTimer(w->hwnd, reinterpret_cast<UINT_PTR>(w->hwnd));
        w->hotButton = 0;
        hover.fadeIn = {};
        hover.fadeOut = {};
    }
}

int32_t HeightAboveTaskbar(int32_t screenHeight) {
    HWND taskbar = sys::FindWindowA("Shell_TrayWnd", nullptr);
    RECT rect{};
    if (!taskbar || !sys::GetWindowRect(taskbar, &rect)) return screenHeight;
    return screenHeight - (rect.bottom - rect.top);
}

}  // namespace frame

}  // namespace skin
