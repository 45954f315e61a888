#include "skin/controls/ControlSupport.h"

#include <cstring>

#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

LRESULT CallPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam, const RecordKeys& keys) {
    const auto previous = reinterpret_cast<WNDPROC>(ReadProperty(control, keys.previousProc));
    if (!previous) return sys::DefWindowProcA(control, message, wParam, lParam);
    return sys::CallWindowProcA(previous, control, message, wParam, lParam);
}

LRESULT CallDefault(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return sys::DefWindowProcA(control, message, wParam, lParam);
}

bool ClassIs(HWND window, const char* className) {
    char name[256] = {};
    sys::GetClassNameA(window, name, 255);
    return std::strcmp(name, className) == 0;
}

COLORREF TextColourOf(HWND control) { return static_cast<COLORREF>(ReadProperty(control, props::kTextColour)); }

LONG StyleOf(HWND window) { return static_cast<LONG>(sys::GetWindowLongValue(window, GWL_STYLE)); }
LONG ExStyleOf(HWND window) { return static_cast<LONG>(sys::GetWindowLongValue(window, GWL_EXSTYLE)); }

void TrackLeave(HWND control) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, control, 0};
    sys::TrackMouseEvent(&track);
}

WindowGeometry GeometryOf(HWND window) {
    WindowGeometry geometry;
    RECT outer{}, client{};
    sys::GetWindowRect(window, &outer);
    sys::GetClientRect(window, &client);
    POINT origin{0, 0};
    sys::MapWindowPoints(window, nullptr, &origin, 1);
    geometry.width = outer.right - outer.left;
    geometry.height = outer.bottom - outer.top;
    geometry.client = {origin.x - outer.left, origin.y - outer.top, origin.x - outer.left + client.right,
                       origin.y - outer.top + client.bottom};
    return geometry;
}

RECT RectInParent(HWND child) {
    RECT rect{};
    sys::GetWindowRect(child, &rect);
    sys::MapWindowPoints(nullptr, sys::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace skin::controls
