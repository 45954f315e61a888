// The records of taken-over controls, one list per kind inside each skinned window's record,
// the take-over routines that fill them, and the control painting that the top-level window
// procedure calls (WM_DRAWITEM, the WM_CTLCOLOR* brushes, forced repaints).
//
// Every record begins with the control's handle and its previous window procedure; the
// kind's own fields follow. Every list starts with one empty record (handle 0), which the
// first control taken over fills. A record is found from the control's window properties:
// "Hw_FuID" names the window record, "Hw_lbID" the position in the kind's list (1-based).
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/ValueHolders.h"

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

// What a button record paints.
enum ButtonKind : int32_t {
    kPushButton = 0,
    kDrawnButton = 1,       // the caller paints over the skinned face (AddDrawnButton)
    kDrawnStateButton = 3,  // the caller paints from the record's state (AddDrawnStateButton)
    kRadioButton = 4,
    kCheckBox = 5,
};

// Item state bits of DRAWITEMSTRUCT, also composed by the skin when it repaints on its own.
inline constexpr int32_t kStateSelected = ODS_SELECTED;  // 0x1, pressed
inline constexpr int32_t kStateDisabled = ODS_DISABLED;  // 0x4
inline constexpr int32_t kStateFocus = ODS_FOCUS;        // 0x10
inline constexpr int32_t kStateHot = ODS_HOTLIGHT;       // 0x40, mouse over

// Routine of a caller-drawn button: the button, a device context holding the composed
// background (and, for kind 1, the skinned face), the state (item state bits for kind 1, the
// record's state value for kind 3).
using DrawnButtonPaint = void (*)(HWND button, HDC dc, int32_t state);

struct ButtonRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t buttonKind = kPushButton;
    Text text;                 // the window text, read at take-over, replaced on WM_SETTEXT
    int32_t focused = 0;       // between WM_SETFOCUS and WM_KILLFOCUS
    Text fontName;             // from the button's font; "宋体" when it has no name
    int32_t fontSize = 12;     // 12 when the font reports 0
    int32_t fontStyle = 0;
    int32_t checked = 0;       // BM_GETCHECK at take-over; painting asks again
    int32_t state = 0;         // caller-drawn kind 3: the state SetButtonState gave
    DrawnButtonPaint paint = nullptr;  // caller-drawn kinds
};
struct EditRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t isHot = 0;
    int32_t hasFocus = 0;
};
struct ListRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t isHot = 0;
    int32_t hasFocus = 0;
};
struct TrackbarRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t vertical = 0;        // TBS_VERT
    int32_t tickPlacement = 0;   // TBS_TOP (left), TBS_BOTH, TBS_NOTICKS bits of the style
    int32_t selectionRange = 0;  // TBS_ENABLESELRANGE
};
struct ProgressRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t vertical = 0;  // PBS_VERTICAL at take-over
};
struct ComboRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t focused = 0;
};
struct UpDownRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t horizontal = 0;     // UDS_HORZ
    int32_t hot = 0;
    int32_t pressed = 0;
    LPARAM mousePosition = 0;   // client coordinates as a mouse message carries them
    int32_t lastHalf = 0;       // half last seen under the mouse: 1 first, 2 second, 0 none
};
struct HeaderRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int32_t hotItem = -1;      // item under the mouse, -1 none
    int32_t pressedItem = -1;  // item held down, -1 none
};
struct OtherControlRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    COLORREF keyColour = 0xFF00FF;  // what the control's own painting leaves transparent
};
// A child container taken over by SkinChildWindow: its own translucent fill lies under the
// controls inside it.
struct ContainerRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    COLORREF fillColour = 0xFFFFFF;
    int32_t fillAlpha = 0;
    int32_t rounded = 0;         // a rounded rectangle of corner size 5, else a rectangle
    int32_t level = 1;           // 1: directly on the window; 2: inside another container, ...
    int32_t outerContainer = 0;  // number of the container it lies in, 0 for the window
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

// Calls fn(control, key) for every taken-over control and container of the lists, key being
// the property that holds the control's window number ("Hw_FuID", or "Kj_FuID" for the other
// controls). Empty records are skipped.
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
// WM_CTLCOLOR* for a control of a skinned window or container: the control colouring, with
// the brush answered in *answer; false when the previous procedure is to answer.
bool ColourControl(UINT message, HDC dc, HWND control, LRESULT* answer);
// WM_COMMAND: invalidates the notifying control when its notification changed what it shows
// (containers: edit boxes only).
void RepaintOnCommand(WPARAM wParam, LPARAM lParam, bool editsOnly = false);
// The window's containers laid out to fill the client area below the caption.
void LayoutContainers(int32_t windowNumber);

// ---- operations of the skin object that take over or register controls ----

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
    each(lists.containers, "Hw_FuID");
}

}  // namespace skin::controls
