// What every control procedure shares: finding its window record and its own record from the
// control's properties, the previous procedure, class names, the text colour, mouse-leave
// tracking and the per-window hover bookkeeping.
#pragma once
#include <windows.h>

#include <cstdint>
#include <type_traits>

#include "skin/SkinEngine.h"
#include "skin/controls/ControlRecords.h"

namespace skin::controls {

// The list of a record kind inside the window's lists.
template <class Record>
struct ListOf;
#define SKIN_LIST_OF_(Record, member)                                                  \
    template <>                                                                        \
    struct ListOf<Record> {                                                            \
        static ControlList<Record>& In(ControlLists& lists) { return lists.member; } \
    };
SKIN_LIST_OF_(ButtonRecord, buttons)
SKIN_LIST_OF_(EditRecord, edits)
SKIN_LIST_OF_(ListRecord, lists)
SKIN_LIST_OF_(TrackbarRecord, trackbars)
SKIN_LIST_OF_(ProgressRecord, progressBars)
SKIN_LIST_OF_(ComboRecord, combos)
SKIN_LIST_OF_(UpDownRecord, upDowns)
SKIN_LIST_OF_(HeaderRecord, headers)
SKIN_LIST_OF_(OtherControlRecord, others)
SKIN_LIST_OF_(ContainerRecord, containers)
#undef SKIN_LIST_OF_

// The property keys through which a kind's records are found.
struct RecordKeys {
    const char* number;
    const char* windowNumber;
    const char* previousProc;
};
inline constexpr RecordKeys kControlKeys{props::kNumber, props::kWindowNumber, props::kPreviousProc};
inline constexpr RecordKeys kOtherKeys{props::kOtherNumber, props::kOtherWindowNumber, props::kOtherPreviousProc};

template <class Record>
constexpr const RecordKeys& KeysOf() {
    if constexpr (std::is_same_v<Record, OtherControlRecord>) return kOtherKeys;
    else return kControlKeys;
}

// A control's window record and its own record; either may be null (a control whose numbers
// name no record). Valid until the lists change.
template <class Record>
struct Located {
    SkinnedWindowRecord* window = nullptr;
    Record* record = nullptr;
    int32_t windowNumber = 0;
    int32_t number = 0;
};

template <class Record>
Located<Record> Locate(HWND control) {
    const RecordKeys& keys = KeysOf<Record>();
    Located<Record> found;
    found.windowNumber = static_cast<int32_t>(ReadProperty(control, keys.windowNumber));
    found.number = static_cast<int32_t>(ReadProperty(control, keys.number));
    found.window = WindowRecord(found.windowNumber);
    if (found.window && found.number >= 1) {
        auto& records = ListOf<Record>::In(found.window->controls).records;
        if (static_cast<size_t>(found.number) <= records.size()) found.record = &records[found.number - 1];
    }
    return found;
}

// The record numbered `number` in a window's list of the kind, or null.
template <class Record>
Record* RecordAt(int32_t windowNumber, int32_t number) {
    SkinnedWindowRecord* window = WindowRecord(windowNumber);
    if (!window || number < 1) return nullptr;
    auto& records = ListOf<Record>::In(window->controls).records;
    return static_cast<size_t>(number) <= records.size() ? &records[number - 1] : nullptr;
}

// The previous procedure kept in the control's property, called with the message.
LRESULT CallPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam, const RecordKeys& keys = kControlKeys);
LRESULT CallDefault(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The window's class name compared exactly.
bool ClassIs(HWND window, const char* className);
// The "Kj_Ztys" text colour (black without the property).
COLORREF TextColourOf(HWND control);
LONG StyleOf(HWND window);
LONG ExStyleOf(HWND window);
// TrackMouseEvent with TME_LEAVE, so the control receives WM_MOUSELEAVE.
void TrackLeave(HWND control);

// The hover bookkeeping of a control procedure on WM_MOUSEMOVE: records the control as the
// window's hot control and runs `repaint` when the hot look is not yet painted (another
// control, another kind, or `alsoWhen`); then marks it painted.
template <class Repaint>
void HoverRepaint(SkinnedWindowRecord* window, int32_t number, HotKind kind, bool alsoWhen, Repaint repaint) {
    if (!window) return;
    ControlHover& hover = window->controlHover;
    hover.hotControl = number;
    if (hover.hotControl != hover.lastHotControl || hover.lastHotKind != kind || alsoWhen) {
        repaint();
        hover.lastHotControl = hover.hotControl;
        hover.lastHotKind = kind;
    }
}

// Client rectangle of a window in its window-rectangle coordinates, and the window's size.
struct WindowGeometry {
    int32_t width = 0, height = 0;  // the window rectangle
    RECT client{};                  // the client area, relative to the window's top left
};
WindowGeometry GeometryOf(HWND window);

// A rectangle of a child in its parent's client coordinates.
RECT RectInParent(HWND child);

}  // namespace skin::controls
