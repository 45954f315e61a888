// The colouring a skinned window (or container) gives its controls through WM_CTLCOLOR*, and
// the repaints it forces when a control's notification says that what it shows has changed.
#include <windows.h>

#include <array>

#include "skin/SkinEngine.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlColouring.h"
#include "skin/controls/ControlRecords.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

namespace {

bool IsOwnerDrawnList(HWND list) { return (StyleOf(list) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }

void DeleteHeldObject(HWND control, const char* key) {
    if (const auto object = reinterpret_cast<HGDIOBJ>(ReadProperty(control, key))) sys::DeleteObject(object);
}

// Text colour and transparent text for the control's device context.
void PrepareText(HWND control, HDC dc) {
    sys::SetTextColor(dc, TextColourOf(control));
    sys::SetBkMode(dc, TRANSPARENT);
}

}  // namespace

HBRUSH PatternBrushFor(HWND control, HDC dc) {
    PrepareText(control, dc);
    DeleteHeldObject(control, props::kBrush);
    DeleteHeldObject(control, props::kBrushBitmap);
    HBITMAP bitmap = ControlBackgroundBitmap(control);
    HBRUSH brush = sys::CreatePatternBrush(bitmap);
    WriteProperty(control, props::kBrush, reinterpret_cast<intptr_t>(brush));
    WriteProperty(control, props::kBrushBitmap, reinterpret_cast<intptr_t>(bitmap));
    return brush;
}

namespace {

// The null brush: the control paints its text over whatever is already there.
HBRUSH NullBrushFor(HWND control, HDC dc) {
    PrepareText(control, dc);
    DeleteHeldObject(control, props::kBrush);
    const auto brush = static_cast<HBRUSH>(sys::GetStockObject(NULL_BRUSH));
    WriteProperty(control, props::kBrush, reinterpret_cast<intptr_t>(brush));
    return brush;
}

// Notifications after which a control shows something new, by class.
struct RepaintRow {
    const char* className;
    std::array<WORD, 4> codes;  // 0 ends the row
    bool forEdits;              // also forced by containers, which only repaint edits
};
constexpr RepaintRow kRepaintRows[] = {
    {"Edit", {EN_VSCROLL, EN_HSCROLL, EN_CHANGE, EN_UPDATE}, true},
    {"ListBox", {LBN_SELCHANGE, LBN_SELCANCEL, 0, 0}, false},
    {"ComboBox", {CBN_KILLFOCUS, CBN_SELCHANGE, 0, 0}, false},
};

}  // namespace

HBITMAP ControlBackgroundBitmap(HWND control) {
    auto canvas = ComposeVeiledBackground(control);
    const int32_t w = canvas->Width(), h = canvas->Height();
    HDC screen = sys::GetDC(nullptr);
    HBITMAP bitmap = sys::CreateCompatibleBitmap(screen, w, h);
    HDC copy = sys::CreateCompatibleDC(screen);
    HGDIOBJ previous = sys::SelectObject(copy, bitmap);
    sys::BitBlt(copy, 0, 0, w, h, canvas->Get(), 0, 0, SRCCOPY);
    sys::SelectObject(copy, previous);
    sys::DeleteDC(copy);
    sys::ReleaseDC(nullptr, screen);
    return bitmap;
}

bool ColourControl(UINT message, HDC dc, HWND control, LRESULT* answer) {
    if (!settings.skinControls || !settings.alphaGiven) return false;
    HBRUSH brush = nullptr;
    switch (message) {
        case WM_CTLCOLORSTATIC:
            brush = PatternBrushFor(control, dc);
            break;
        case WM_CTLCOLOREDIT:
            if (ClassIs(sys::GetParent(control), "ComboBox")) return false;
            brush = PatternBrushFor(control, dc);
            break;
        case WM_CTLCOLORBTN:
            brush = NullBrushFor(control, dc);
            break;
        case WM_CTLCOLORLISTBOX:
            if (!ClassIs(control, "ListBox") || IsOwnerDrawnList(control)) return false;
            brush = NullBrushFor(control, dc);
            break;
        default:
            return false;
    }
    *answer = reinterpret_cast<LRESULT>(brush);
    return true;
}

void RepaintOnCommand(WPARAM wParam, LPARAM lParam, bool editsOnly) {
    if (!settings.skinControls || !settings.alphaGiven) return;
    const auto control = reinterpret_cast<HWND>(lParam);
    if (!control) return;
    const WORD code = HIWORD(wParam);
    for (const RepaintRow& row : kRepaintRows) {
        if ((editsOnly && !row.forEdits) || !ClassIs(control, row.className)) continue;
        for (WORD c : row.codes)
            if (c != 0 && c == code) sys::InvalidateRect(control, nullptr, TRUE);
        return;
    }
}

}  // namespace skin::controls
