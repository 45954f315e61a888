// The records of taken-over controls, one list per kind inside each skinned window's record,
// the take-over routines that fill them, and the control painting that the top-level window
// procedure calls (WM_DRAWITEM, the WM_CTLCOLOR* brushes).
//
// Every record begins with the control's handle and its previous window procedure. Every list
// starts with one empty record (handle 0), which the first control taken over fills.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin::controls {

// Kind codes of the per-window hover bookkeeping.
enum HotKind : int32_t {
    kHotButton = 0,
    kHotEdit = 1,
    kHotTrackbar = 2,
    kHotCombo = 3,
    kHotList = 4,
    kHotUpDown = 8,
    kHotHeader = 9,
};

struct ButtonRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct EditRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct ListRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct TrackbarRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct ProgressRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct ComboRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct UpDownRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct HeaderRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
struct OtherControlRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
// A child container taken over by SkinChildWindow.
struct ContainerRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};

template <class Record>
struct ControlList {
    std::vector<Record> records = std::vector<Record>(1);  // one empty record to begin with
};

// The lists in their order.
struct ControlLists {
    ControlList<ButtonRecord> buttons;  // push buttons, check boxes, radio buttons
    ControlList<EditRecord> edits;
    ControlList<ListRecord> lists;      // list boxes, combo drop-downs, list and tree views, ...
    ControlList<TrackbarRecord> trackbars;
    ControlList<ProgressRecord> progressBars;
    ControlList<ComboRecord> combos;
    ControlList<UpDownRecord> upDowns;
    ControlList<HeaderRecord> headers;
    ControlList<OtherControlRecord> others;
    ControlList<ContainerRecord> containers;
};

// Calls fn(control, key) for every taken-over control of the lists, key being the property
// that holds the control's window number ("Hw_FuID", or "Kj_FuID" for the other controls).
// Empty records are skipped.
template <class Fn>
void ForEachControl(ControlLists& lists, Fn fn);

// ---- take-over, in the order SkinWindow runs them (window number, window) ----

void TakeOverButtons(int32_t windowNumber, HWND window);
void TakeOverCheckBoxes(int32_t windowNumber, HWND window);
void TakeOverEditsAndCombos(int32_t windowNumber, HWND window);
void TakeOverTrackbars(int32_t windowNumber, HWND window);
void TakeOverProgressBars(int32_t windowNumber, HWND window);
void TakeOverLists(int32_t windowNumber, HWND window);
void TakeOverUpDowns(int32_t windowNumber, HWND window);
void TakeOverHeaders(int32_t windowNumber, HWND window);

// ---- what the top-level window procedure calls ----

// WM_DRAWITEM: paints the owner-drawn button the record describes.
void OnDrawItem(int32_t windowNumber, const DRAWITEMSTRUCT* item);
// WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT: a device-compatible bitmap of what the frame shows
// behind the control's client area, under the white veil (the caller makes the pattern brush).
HBITMAP ControlBackgroundBitmap(HWND control);

// ---- operations of the skin object that take over or register controls ----

using DrawnButtonPaint = void (*)(HWND button, HDC dc, int32_t state);
int32_t AddDrawnButton(HWND window, HWND button, DrawnButtonPaint paint, int32_t kind);  // kinds 1 and 3
int32_t SkinChildWindow(HWND container, COLORREF fillColour, int32_t fillAlpha, int32_t rounded);
int32_t SetButtonState(HWND button, int32_t state);
int32_t SkinOtherControls(HWND control, COLORREF keyColour);

// ---- the template ----

template <class Fn>
void ForEachControl(ControlLists& lists, Fn fn) {
    auto each = [&fn](auto& list, const char* key) {
        for (auto& record : list.records)
            if (record.hwnd) fn(record.hwnd, key);
    };
    each(lists.buttons, "Hw_FuID");
    each(lists.edits, "Hw_FuID");
    each(lists.lists, "Hw_FuID");
    each(lists.trackbars, "Hw_FuID");
    each(lists.progressBars, "Hw_FuID");
    each(lists.combos, "Hw_FuID");
    each(lists.upDowns, "Hw_FuID");
    each(lists.headers, "Hw_FuID");
    each(lists.others, "Kj_FuID");
}

}  // namespace skin::controls
