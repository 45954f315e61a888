// The skinned list family: list boxes, the drop-down lists of combo boxes, list views, tree
// views, IP-address and date-time controls. They keep the system's painting of their
// contents; list boxes and list views paint it into a memory context that already holds the
// veiled background, tree views are laid over it, and every one gets the skinned border.
#include <windows.h>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"
#include "skin/controls/FrameBorders.h"

namespace skin::controls {

namespace {

constexpr BorderLooks kListBorders{200, 90};

// The members of the family whose painting the skin treats apart.
enum class ListKind { kListBox, kDropDown, kListView, kTreeView, kOther };

ListKind KindOf(HWND control) {
    const struct {
        const char* className;
        ListKind kind;
    } kClasses[] = {{"ListBox", ListKind::kListBox},
                    {"ComboLBox", ListKind::kDropDown},
                    {"SysListView32", ListKind::kListView},
                    {"SysTreeView32", ListKind::kTreeView}};
    for (const auto& row : kClasses)
        if (ClassIs(control, row.className)) return row.kind;
    return ListKind::kOther;
}

bool IsOwnerDrawn(HWND control, ListKind kind) {
    const LONG style = StyleOf(control);
    switch (kind) {
        case ListKind::kListBox:
        case ListKind::kDropDown:
            return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
        case ListKind::kListView:
            return (style & LVS_OWNERDRAWFIXED) != 0;
        default:
            return false;
    }
}

void PaintRecordedFrame(HWND control) {
    const auto found = Locate<ListRecord>(control);
    PaintListFrame(control, found.record && found.record->isHot, found.record && found.record->hasFocus);
}

// Calls fn for each visible direct child of the control that is painted over by the copy.
template <class Fn>
void ForEachOpaqueChild(HWND control, Fn fn) {
    for (HWND child = sys::GetWindow(control, GW_CHILD); child; child = sys::GetWindow(child, GW_HWNDNEXT))
        if (sys::IsWindowVisible(child) && !(ExStyleOf(child) & WS_EX_TRANSPARENT)) fn(child);
}

void OnMouseMove(HWND control) {
    TrackLeave(control);
    auto found = Locate<ListRecord>(control);
    HoverRepaint(found.window, found.number, kHotList, false, [&] {
        if (found.record) found.record->isHot = 1;
        PaintListFrame(control, true, found.record && found.record->hasFocus);
    });
}

void OnMouseLeave(HWND control) {
    auto found = Locate<ListRecord>(control);
    if (found.window) found.window->controlHover.lastHotControl = 0;
    if (found.number >= 1 && found.record) {
        found.record->isHot = 0;
        PaintListFrame(control, false, found.record->hasFocus);
    }
}

void OnFocus(HWND control, int32_t focused) {
    auto found = Locate<ListRecord>(control);
    if (found.record) found.record->hasFocus = focused;
    PaintListFrame(control, found.record && found.record->isHot, focused != 0);
}

LRESULT OnEraseBackground(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!settings.alphaGiven) return CallPrevious(control, message, wParam, lParam);
    const ListKind kind = KindOf(control);
    const auto dc = reinterpret_cast<HDC>(wParam);
    if (kind == ListKind::kDropDown || IsOwnerDrawn(control, kind)) return CallPrevious(control, message, wParam, lParam);
    sys::SetBkMode(dc, TRANSPARENT);
    if (kind == ListKind::kListBox || kind == ListKind::kListView || kind == ListKind::kTreeView) return 1;  // WM_PAINT lays it
    auto veiled = ComposeVeiledBackground(control);
    CopyCanvas(*veiled, dc);
    return static_cast<LRESULT>(sys::SetTextColor(dc, TextColourOf(control)));
}

// A list box or list view: its contents painted into the veiled background, then copied.
void PaintOverVeil(HWND control) {
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(control, &paint);
    auto m = ComposeVeiledBackground(control);
    CallPrevious(control, WM_PAINT, reinterpret_cast<WPARAM>(m->Get()), 0);
    CopyCanvas(*m, dc);
    sys::EndPaint(control, &paint);
    ForEachOpaqueChild(control, [](HWND child) { sys::InvalidateRect(child, nullptr, TRUE); });
}

// A tree view: painted over the plain composed background, laid over the veiled one where it
// left the key colour, and copied around its visible children.
void PaintTreeOverVeil(HWND control) {
    const RECT area = ClientAreaInWindow(control);
    auto tree = ComposeControlBackground(control, area);
    CallPrevious(control, WM_PAINT, reinterpret_cast<WPARAM>(tree->Get()), 0);
    auto veiled = ComposeVeiledBackground(control);
    CopyCanvasKeyed(*tree, veiled->Get(), kMagenta);
    WindowDC dc(control);
    ForEachOpaqueChild(control, [&](HWND child) {
        const RECT r = RectInParent(child);
        sys::ExcludeClipRect(dc.Get(), r.left, r.top, r.right, r.bottom);
    });
    CopyCanvas(*veiled, dc.Get());
}

LRESULT OnPaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    PaintRecordedFrame(control);
    const ListKind kind = KindOf(control);
    if (!settings.alphaGiven || (kind != ListKind::kListBox && kind != ListKind::kListView && kind != ListKind::kTreeView))
        return CallPrevious(control, message, wParam, lParam);
    if (kind == ListKind::kTreeView) PaintTreeOverVeil(control);
    else PaintOverVeil(control);
    return CallDefault(control, message, wParam, lParam);
}

bool IsArrowKey(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }

// A private message of the skin: the list repaints without erasing.
constexpr UINT kRepaintMessage = 0x8002;

}  // namespace

void PaintListFrame(HWND control, bool hot, bool focused) { PaintNonClientBorder(control, hot, focused, kListBorders, true); }

LRESULT CALLBACK ListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(control);
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave(control);
            break;
        case WM_SETFOCUS:
            OnFocus(control, 1);
            break;
        case WM_KILLFOCUS:
            OnFocus(control, 0);
            break;
        case WM_NCPAINT:
            PaintRecordedFrame(control);
            return PaintScrollBarsOnly(control);
        case WM_ERASEBKGND:
            return OnEraseBackground(control, message, wParam, lParam);
        case WM_PAINT:
            return OnPaint(control, message, wParam, lParam);
        case WM_MOVE:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
            if (settings.alphaGiven) sys::InvalidateRect(control, nullptr, TRUE);
            break;
        case WM_KEYDOWN:
            if (IsArrowKey(wParam)) {
                // The selection moves: the whole list is painted again over its background.
                const LRESULT result = CallPrevious(control, message, wParam, lParam);
                sys::InvalidateRect(control, nullptr, TRUE);
                return result;
            }
            break;
        case WM_KEYUP:
            sys::ReleaseCapture();
            break;
        case kRepaintMessage:
            if (settings.alphaGiven) sys::InvalidateRect(control, nullptr, FALSE);
            break;
        default:
            break;
    }
    return CallPrevious(control, message, wParam, lParam);
}

}  // namespace skin::controls
