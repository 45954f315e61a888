// Skinned combo boxes: the whole window rectangle painted over the veiled background with a
// border and a drop button, the children (edit, list) cut out in the key colour so that they
// keep their own painting. The inner edit takes the edit procedure, the list the list one.
#include <windows.h>

#include <string>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/SkinPictures.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlColouring.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

namespace {

// The rectangle of a child in the combo's window-rectangle coordinates.
RECT ChildRect(HWND combo, HWND child) {
    RECT outer{}, rect{};
    sys::GetWindowRect(combo, &outer);
    sys::GetWindowRect(child, &rect);
    return {rect.left - outer.left, rect.top - outer.top, rect.right - outer.left, rect.bottom - outer.top};
}

// The children keep their own painting: their areas get the key colour.
void CutOutChildren(HDC dc, HWND combo, LONG style) {
    if (style & CBS_SIMPLE) {  // also CBS_DROPDOWNLIST, which shares the bit
        for (HWND child = sys::FindWindowExA(combo, nullptr, nullptr, nullptr); child;
             child = sys::FindWindowExA(combo, child, nullptr, nullptr)) {
            RECT r = ChildRect(combo, child);
            if (ClassIs(child, "ComboLBox")) r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
            FillKey(dc, r, kMagenta);
        }
    } else if (HWND first = sys::FindWindowExA(combo, nullptr, nullptr, nullptr)) {
        FillKey(dc, ChildRect(combo, first), kMagenta);
    }
}

void PaintDropButton(gdip::PlusGraphics* g, float x, float y, float w, float h, bool hot) {
    const COLORREF accent = settings.accentColour;
    g->DrawPath(Pen(hot ? ToArgb(accent, 200) : ToArgb(kBlack, 80)).Get(), RoundedPath(x, y, w - 1, h - 1, 4).Get());
    auto fill = hot ? VerticalBrush(x + 1, y, y + h - 2, ToArgb(kWhite, 100), ToArgb(accent, 150))
                    : VerticalBrush(x + 1, y, y + h - 2, ToArgb(accent, 30), ToArgb(accent, 100));
    g->FillPath(fill.Get(), RoundedPath(x + 1, y + 1, w - 2, h - 2, 1).Get());
    const int32_t arrowX = static_cast<int32_t>(x) + (static_cast<int32_t>(w) - 7) / 2;
    const int32_t arrowY = static_cast<int32_t>(y) + (static_cast<int32_t>(h) - 4) / 2;
    DrawPictureNatural(g, pictures::ArrowDown(), static_cast<float>(arrowX), static_cast<float>(arrowY));
}

std::string WindowTextOf(HWND window) {
    const int length = sys::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int read = sys::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(read > 0 ? read : 0));
    return text;
}

// The selected text of a list-only combo: in 宋体 12 whatever font the combo has.
void PaintComboText(gdip::PlusGraphics* g, HWND combo, float w, float h) {
    const std::string text = WindowTextOf(combo);
    auto font = gdip::Make<gdip::PlusFont>();
    font->CreateFontByName("宋体", 12.0f);
    const gdip::PlusRectF layout{2.0f, static_cast<float>((static_cast<int32_t>(h) - 12) / 2), w - 17, h - 4};
    g->DrawString(text.c_str(), font.Get(), SolidBrush(ToArgb(TextColourOf(combo), 255)).Get(), &layout);
}

void RepaintFromRecord(HWND combo, bool hot) {
    const auto found = Locate<ComboRecord>(combo);
    PaintComboBox(found.windowNumber, found.number, hot, false, false);
}

void OnMouseMove(HWND combo) {
    TrackLeave(combo);
    const auto found = Locate<ComboRecord>(combo);
    HoverRepaint(found.window, found.number, kHotCombo, false,
                 [&] { PaintComboBox(found.windowNumber, found.number, true, false, false); });
}

void OnMouseLeave(HWND combo) {
    RepaintFromRecord(combo, false);
    if (auto found = Locate<ComboRecord>(combo); found.window) found.window->controlHover.lastHotControl = 0;
}

void OnFocus(HWND combo, int32_t focused) {
    const auto found = Locate<ComboRecord>(combo);
    if (found.record) found.record->focused = focused;
    if (focused) PaintComboBox(found.windowNumber, found.number, false, true, true);
}

LRESULT OnPaint(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint{};
    sys::BeginPaint(combo, &paint);
    RepaintFromRecord(combo, false);
    sys::EndPaint(combo, &paint);
    return CallDefault(combo, message, wParam, lParam);
}

}  // namespace

void PaintComboBox(int32_t windowNumber, int32_t controlNumber, bool hot, bool focused, bool focusGiven) {
    const ComboRecord* record = RecordAt<ComboRecord>(windowNumber, controlNumber);
    if (!record || !record->hwnd) return;
    HWND combo = record->hwnd;
    if (!focusGiven) focused = record->focused != 0;
    const LONG style = StyleOf(combo);
    RECT outer{};
    sys::GetWindowRect(combo, &outer);
    const int32_t wi = outer.right - outer.left, hi = outer.bottom - outer.top;
    const float w = static_cast<float>(wi), h = static_cast<float>(hi);
    const float dropW = (style & 3) == CBS_DROPDOWNLIST ? 17.0f : 18.0f;
    const float dropX = w - dropW - 2, dropY = 2, dropH = h - 4;
    auto m = ComposeControlBackground(combo, RECT{0, 0, wi, hi});
    {
        auto g = GraphicsOn(m->Get());
        g->FillRectangle(SolidBrush(ToArgb(kWhite, settings.alphaGiven ? settings.controlAlpha : 255)).Get(), 0.0f, 0.0f, w, h);
    }
    CutOutChildren(m->Get(), combo, style);
    {
        auto g = GraphicsOn(m->Get());
        g->DrawRectangle(Pen(hot || focused ? ToArgb(settings.accentColour, 200) : ToArgb(kBlack, 80)).Get(), 0.0f, 0.0f, w - 1, h - 1);
        if (style & CBS_DROPDOWN) PaintDropButton(g.Get(), dropX, dropY, dropW, dropH, hot);
        if (style & CBS_SIMPLE) PaintComboText(g.Get(), combo, w, h);
    }
    WindowDC dc(combo, WindowDC::kWhole);
    CopyCanvasKeyed(*m, dc.Get(), kMagenta);
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            RepaintFromRecord(combo, false);
            break;
        case WM_SETFOCUS:
            OnFocus(combo, 1);
            break;
        case WM_KILLFOCUS:
            OnFocus(combo, 0);
            break;
        case WM_SETTEXT:
            if (HWND edit = sys::FindWindowExA(combo, nullptr, "Edit", nullptr)) sys::InvalidateRect(edit, nullptr, TRUE);
            break;
        case WM_PAINT:
            return OnPaint(combo, message, wParam, lParam);
        case WM_ERASEBKGND:
            sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            RepaintFromRecord(combo, false);
            return CallDefault(combo, message, 0xFFFFFFFF, lParam);
        case WM_COMMAND:
            RepaintOnCommand(wParam, lParam, true);
            break;
        case WM_CTLCOLOREDIT:
            if (settings.alphaGiven)
                return reinterpret_cast<LRESULT>(PatternBrushFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(combo);
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave(combo);
            break;
        default:
            break;
    }
    return CallPrevious(combo, message, wParam, lParam);
}

}  // namespace skin::controls
