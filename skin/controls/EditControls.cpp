// Skinned edit boxes: the system paints the text; the skin gives the box a translucent
// background (the erase and the pattern brush of WM_CTLCOLOREDIT) and its own border in the
// non-client area: thin and dark, the accent colour while the mouse is over it, two pixels
// wide while it has the focus.
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

constexpr BorderLooks kEditBorders{180, 80};

bool HasScrollBar(HWND edit) { return (StyleOf(edit) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

void RecordFocus(HWND edit, int32_t focused) {
    if (auto found = Locate<EditRecord>(edit); found.record) found.record->hasFocus = focused;
}

void OnMouseMove(HWND edit) {
    TrackLeave(edit);
    auto found = Locate<EditRecord>(edit);
    if (found.window) {
        HWND parent = sys::GetParent(edit);
        const bool otherParent = found.window->controlHover.lastHotEditParent != parent;
        HoverRepaint(found.window, found.number, kHotEdit, otherParent, [&] {
            if (found.record) found.record->isHot = 1;
            PaintEditFrame(edit, true, found.record && found.record->hasFocus);
            found.window->controlHover.lastHotEditParent = parent;
        });
    }
    if (settings.alphaGiven && !HasScrollBar(edit)) sys::InvalidateRect(edit, nullptr, TRUE);
}

void OnMouseLeave(HWND edit) {
    auto found = Locate<EditRecord>(edit);
    if (found.window) found.window->controlHover.lastHotControl = 0;
    if (found.record) found.record->isHot = 0;
    PaintEditFrame(edit, false, found.record && found.record->hasFocus);
}

void OnKillFocus(HWND edit) {
    RecordFocus(edit, 0);
    if (ClassIs(sys::GetParent(edit), "ComboBox")) PaintEditFrame(edit, false, false);
    else sys::InvalidateRect(edit, nullptr, TRUE);
}

void PaintRecordedFrame(HWND edit) {
    const auto found = Locate<EditRecord>(edit);
    PaintEditFrame(edit, found.record && found.record->isHot, found.record && found.record->hasFocus);
}

LRESULT OnEraseBackground(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!settings.alphaGiven) return CallPrevious(edit, message, wParam, lParam);
    const auto dc = reinterpret_cast<HDC>(wParam);
    sys::SetBkMode(dc, TRANSPARENT);
    auto veiled = ComposeVeiledBackground(edit);
    CopyCanvas(*veiled, dc);
    return 1;
}

void DeleteHeldBrush(HWND edit) {
    for (const char* key : {props::kBrush, props::kBrushBitmap}) {
        if (const auto object = reinterpret_cast<HGDIOBJ>(ReadProperty(edit, key))) sys::DeleteObject(object);
        WriteProperty(edit, key, 0);  // the window record's release must not delete them again
    }
}

}  // namespace

void PaintEditFrame(HWND edit, bool hot, bool focused) { PaintNonClientBorder(edit, hot, focused, kEditBorders, false); }

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(edit);
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave(edit);
            break;
        case WM_SETFOCUS: {
            RecordFocus(edit, 1);
            const LRESULT result = CallPrevious(edit, message, wParam, lParam);
            PaintRecordedFrame(edit);  // the border shows the focus at once
            return result;
        }
        case WM_KILLFOCUS:
            OnKillFocus(edit);
            break;
        case WM_NCPAINT:
            PaintRecordedFrame(edit);
            return PaintScrollBarsOnly(edit);
        case WM_ERASEBKGND:
            return OnEraseBackground(edit, message, wParam, lParam);
        case WM_PAINT:
            PaintRecordedFrame(edit);
            break;
        case WM_MOVE:
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (settings.alphaGiven) sys::InvalidateRect(edit, nullptr, TRUE);
            break;
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
            if (settings.alphaGiven && !HasScrollBar(edit)) sys::InvalidateRect(edit, nullptr, TRUE);
            break;
        case WM_DESTROY:
            DeleteHeldBrush(edit);
            break;
        default:
            break;
    }
    return CallPrevious(edit, message, wParam, lParam);
}

}  // namespace skin::controls
