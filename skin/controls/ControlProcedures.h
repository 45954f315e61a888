// The window procedures of the taken-over control kinds and the painting each kind is given.
// A procedure finds its records from the control's properties and ends, unless its message
// table says otherwise, with the previous procedure kept in "Hw_hProc".
#pragma once
#include <windows.h>

#include <cstdint>

namespace skin::controls {

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProc(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OtherControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ContainerProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

// ---- painting ----

// Buttons: the button's device context, state bits (ODS_*), the item rectangle.
void PaintPushButton(HWND button, HDC dc, int32_t state, const RECT& item);
void PaintRadioButton(HWND button, int32_t state);
void PaintCheckBox(HWND button, int32_t state);
// Repaints a button of any kind outside WM_DRAWITEM; `hot` adds ODS_HOTLIGHT.
void PaintButtonByKind(HWND button, int32_t state, bool hot);

void PaintEditFrame(HWND edit, bool hot, bool focused);
void PaintListFrame(HWND control, bool hot, bool focused);
void PaintTrackbar(HWND trackbar);
void PaintProgressBar(int32_t windowNumber, int32_t controlNumber);
// focusGiven 0: the record's `focused` is used.
void PaintComboBox(int32_t windowNumber, int32_t controlNumber, bool hot, bool focused, bool focusGiven);
struct UpDownLook {
    int32_t hot = -1;      // -1: from the record
    int32_t pressed = -1;  // -1: from the record
    LPARAM mousePosition = 0;
    bool positionGiven = false;
};
void PaintUpDown(int32_t windowNumber, int32_t controlNumber, UpDownLook look = {});
void PaintHeader(HWND header, HDC dc);

}  // namespace skin::controls
