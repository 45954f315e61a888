#include "skin/controls/ControlBackground.h"

#include <vector>

#include "skin/SkinEngine.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

namespace {

// The number of the skinned top-level window a control belongs to.
int32_t OwningWindowNumber(HWND control) {
    const auto number = static_cast<int32_t>(ReadProperty(control, props::kWindowNumber));
    return number ? number : static_cast<int32_t>(ReadProperty(control, props::kOtherWindowNumber));
}

// The point of the top-level window's client area at the control's top left.
POINT OffsetInWindow(HWND control, HWND window) {
    RECT rect{};
    sys::GetWindowRect(control, &rect);
    POINT origin{0, 0};
    sys::MapWindowPoints(window, nullptr, &origin, 1);
    return {rect.left - origin.x, rect.top - origin.y};
}

// The containers the control lies in (the control itself when it is one), outermost first.
std::vector<HWND> ContainersAround(HWND control, HWND window) {
    std::vector<HWND> containers;
    for (HWND w = control; w && w != window; w = sys::GetParent(w))
        if (ReadProperty(w, props::kContainerLink) != 0) containers.insert(containers.begin(), w);
    return containers;
}

// Each container's own fill over the copy; `origin` is the canvas's top left in the window's
// client coordinates.
void PaintContainerFills(HWND control, HWND window, int32_t windowNumber, HDC canvas, POINT origin) {
    const std::vector<HWND> containers = ContainersAround(control, window);
    if (containers.empty()) return;
    auto g = GraphicsOn(canvas);
    for (HWND container : containers) {
        const auto* record =
            RecordAt<ContainerRecord>(windowNumber, static_cast<int32_t>(ReadProperty(container, props::kContainerLink)));
        if (!record) continue;
        RECT rect{};
        sys::GetWindowRect(container, &rect);
        const POINT at = OffsetInWindow(container, window);
        const float x = static_cast<float>(at.x - origin.x), y = static_cast<float>(at.y - origin.y);
        const float w = static_cast<float>(rect.right - rect.left), h = static_cast<float>(rect.bottom - rect.top);
        auto brush = SolidBrush(ToArgb(record->fillColour, record->fillAlpha));
        if (record->rounded) g->FillPath(brush.Get(), RoundedPath(x, y, w - 1, h - 1, 5).Get());
        else g->FillRectangle(brush.Get(), x, y, w, h);
    }
}

}  // namespace

std::unique_ptr<MemoryCanvas> ComposeControlBackground(HWND control, const RECT& area) {
    const int32_t w = area.right - area.left, h = area.bottom - area.top;
    auto canvas = std::make_unique<MemoryCanvas>(w, h);
    const int32_t windowNumber = OwningWindowNumber(control);
    SkinnedWindowRecord* window = WindowRecord(windowNumber);
    if (!window || !window->cache.frameDC) {
        FillVeil(canvas->Get(), w, h, 255);
        return canvas;
    }
    const POINT at = OffsetInWindow(control, window->hwnd);
    const POINT origin{at.x + area.left, at.y + area.top};
    sys::BitBlt(canvas->Get(), 0, 0, w, h, window->cache.frameDC, origin.x, origin.y, SRCCOPY);
    PaintContainerFills(control, window->hwnd, windowNumber, canvas->Get(), origin);
    return canvas;
}

RECT ClientAreaInWindow(HWND control) { return GeometryOf(control).client; }

std::unique_ptr<MemoryCanvas> ComposeVeiledBackground(HWND control) {
    const RECT area = ClientAreaInWindow(control);
    auto canvas = ComposeControlBackground(control, area);
    FillVeil(canvas->Get(), canvas->Width(), canvas->Height(), settings.controlAlpha);
    return canvas;
}

void FillVeil(HDC dc, int32_t width, int32_t height, int32_t alpha) {
    auto g = GraphicsOn(dc);
    g->FillRectangle(SolidBrush(ToArgb(kWhite, alpha)).Get(), 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
}

void FillKey(HDC dc, const RECT& area, COLORREF key) {
    HBRUSH brush = sys::CreateSolidBrush(key);
    sys::FillRect(dc, &area, brush);
    sys::DeleteObject(brush);
}

void CopyCanvas(const MemoryCanvas& canvas, HDC dc, int32_t x, int32_t y) {
    sys::BitBlt(dc, x, y, canvas.Width(), canvas.Height(), canvas.Get(), 0, 0, SRCCOPY);
}

void CopyCanvasKeyed(const MemoryCanvas& canvas, HDC dc, COLORREF key, int32_t x, int32_t y) {
    sys::TransparentBlt(dc, x, y, canvas.Width(), canvas.Height(), canvas.Get(), 0, 0, canvas.Width(), canvas.Height(), key);
}

}  // namespace skin::controls
