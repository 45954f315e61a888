// Controls taken over one by one through SkinOtherControls (month calendars, tab controls,
// toolbars, status bars, rich edits), and child containers taken over through
// SkinChildWindow, which carry their own translucent fill and colour their children as a
// skinned window does.
#include <windows.h>
#include <commctrl.h>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"
#include "skin/controls/TakeOverControl.h"

namespace skin::controls {

namespace {

constexpr const char* kOtherClasses[] = {"SysMonthCal32", "SysTabControl32", "ToolbarWindow32", "msctls_statusbar32", "RichEdit20A"};

bool IsOtherClass(HWND control) {
    for (const char* name : kOtherClasses)
        if (ClassIs(control, name)) return true;
    return false;
}

// Where a child window belongs: the skinned window it lies in (through any containers) and
// the innermost container around it (0: none).
struct Placement {
    int32_t windowNumber = 0;
    int32_t container = 0;
    int32_t level = 1;  // the container's nesting level it would have
};

Placement PlacementOf(HWND child) {
    Placement placement;
    for (HWND w = sys::GetParent(child); w; w = sys::GetParent(w)) {
        if (const auto container = static_cast<int32_t>(ReadProperty(w, props::kContainerLink))) {
            placement.container = container;
            placement.windowNumber = static_cast<int32_t>(ReadProperty(w, props::kWindowNumber));
            if (const ContainerRecord* outer = RecordAt<ContainerRecord>(placement.windowNumber, container))
                placement.level = outer->level + 1;
            return placement;
        }
        if (const int32_t number = WindowNumberOf(w)) {
            placement.windowNumber = number;
            return placement;
        }
    }
    return placement;
}

// ---- other controls ----

// The control paints itself into a context of the key colour; what it leaves in that colour
// shows the background behind it.
LRESULT OnOtherPaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Locate<OtherControlRecord>(control);
    const COLORREF key = found.record ? found.record->keyColour : kMagenta;
    RECT update{};
    sys::GetUpdateRect(control, &update, FALSE);
    RECT client{};
    sys::GetClientRect(control, &client);
    MemoryCanvas own(client.right, client.bottom);
    FillKey(own.Get(), client, key);
    CallPrevious(control, WM_PAINT, reinterpret_cast<WPARAM>(own.Get()), 0, kOtherKeys);
    auto background = settings.alphaGiven ? ComposeVeiledBackground(control) : ComposeControlBackground(control, ClientAreaInWindow(control));
    CopyCanvasKeyed(own, background->Get(), key);
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(control, &paint);
    sys::BitBlt(dc, update.left, update.top, update.right - update.left, update.bottom - update.top, background->Get(), update.left,
                update.top, SRCCOPY);
    sys::EndPaint(control, &paint);
    return 0;
}

// ---- containers ----

void RepaintExpandedTree(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && (header->code == TVN_ITEMEXPANDEDA || header->code == TVN_ITEMEXPANDINGA))
        sys::InvalidateRect(header->hwndFrom, nullptr, TRUE);
}

// The container's own background: the frame under it with the fills of its containers and
// its own.
LRESULT OnContainerPaint(HWND container) {
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(container, &paint);
    auto m = ComposeControlBackground(container, ClientAreaInWindow(container));
    CopyCanvas(*m, dc);
    sys::EndPaint(container, &paint);
    return 0;
}

}  // namespace

int32_t SkinOtherControls(HWND control, COLORREF keyColour) {
    if (!settings.skinControls || !control || !IsOtherClass(control)) return 0;
    const Placement placement = PlacementOf(control);
    if (!placement.windowNumber) return 0;
    const int32_t number = TakeOverControl<OtherControlRecord>(placement.windowNumber, control, OtherControlProc, 0,
                                                               [&](OtherControlRecord& r, HWND) { r.keyColour = keyColour; });
    if (number) sys::InvalidateRect(control, nullptr, TRUE);
    return number;
}

LRESULT CALLBACK OtherControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnOtherPaint(control, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT lays the background
        default:
            return CallPrevious(control, message, wParam, lParam, kOtherKeys);
    }
}

int32_t SkinChildWindow(HWND container, COLORREF fillColour, int32_t fillAlpha, int32_t rounded) {
    if (!settings.skinControls || !container) return 0;
    const Placement placement = PlacementOf(container);
    if (!placement.windowNumber) return 0;
    const int32_t number = TakeOverControl<ContainerRecord>(placement.windowNumber, container, ContainerProc, 0,
                                                            [&](ContainerRecord& r, HWND) {
                                                                r.fillColour = fillColour;
                                                                r.fillAlpha = fillAlpha;
                                                                r.rounded = rounded;
                                                                r.level = placement.level;
                                                                r.outerContainer = placement.container;
                                                            });
    if (!number) return 0;
    WriteProperty(container, props::kContainerLink, number);
    WriteProperty(container, props::kContainerParent, placement.container);
    WriteProperty(container, props::kContainerFill, static_cast<intptr_t>(ToArgb(fillColour, fillAlpha)));
    for (auto takeOver : {TakeOverButtons, TakeOverCheckBoxes, TakeOverEditsAndCombos, TakeOverTrackbars, TakeOverProgressBars,
                          TakeOverLists, TakeOverUpDowns, TakeOverHeaders})
        takeOver(placement.windowNumber, container);
    sys::InvalidateRect(container, nullptr, TRUE);
    return number;
}

LRESULT CALLBACK ContainerProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            LRESULT brush = 0;
            if (ColourControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), &brush)) return brush;
            break;
        }
        case WM_DRAWITEM:
            OnDrawItem(static_cast<int32_t>(ReadProperty(container, props::kWindowNumber)),
                       reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            break;
        case WM_COMMAND:
            RepaintOnCommand(wParam, lParam, true);
            break;
        case WM_NOTIFY:
            RepaintExpandedTree(lParam);
            break;
        case WM_PAINT:
            return OnContainerPaint(container);
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    return CallPrevious(container, message, wParam, lParam);
}

void LayoutContainers(int32_t windowNumber) {
    SkinnedWindowRecord* window = WindowRecord(windowNumber);
    if (!window || !window->hwnd) return;
    RECT client{};
    sys::GetClientRect(window->hwnd, &client);
    constexpr int32_t kInset = 3;  // inside the frame's double border
    for (const ContainerRecord& record : window->controls.containers.records) {
        if (!record.hwnd || record.outerContainer != 0) continue;
        sys::MoveWindow(record.hwnd, kInset, window->captionHeight, client.right - 2 * kInset,
                        client.bottom - window->captionHeight - kInset, TRUE);
    }
}

}  // namespace skin::controls
