// Placeholders for the control take-over and painting, so the frame builds and runs on its own:
// no control is taken over, owner-drawn items are left alone, and controls get no bitmap.
#include "skin/controls/ControlRecords.h"

namespace skin::controls {

void TakeOverButtons(int32_t, HWND) {}
void TakeOverCheckBoxes(int32_t, HWND) {}
void TakeOverEditsAndCombos(int32_t, HWND) {}
void TakeOverTrackbars(int32_t, HWND) {}
void TakeOverProgressBars(int32_t, HWND) {}
void TakeOverLists(int32_t, HWND) {}
void TakeOverUpDowns(int32_t, HWND) {}
void TakeOverHeaders(int32_t, HWND) {}

void OnDrawItem(int32_t, const DRAWITEMSTRUCT*) {}
HBITMAP ControlBackgroundBitmap(HWND) { return nullptr; }

int32_t AddDrawnButton(HWND, HWND, DrawnButtonPaint, int32_t) { return 0; }
int32_t SkinChildWindow(HWND, COLORREF, int32_t, int32_t) { return 0; }
int32_t SetButtonState(HWND, int32_t) { return 0; }
int32_t SkinOtherControls(HWND, COLORREF) { return 0; }

}  // namespace skin::controls
