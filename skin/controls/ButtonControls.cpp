// The skinned button family: push buttons (owner-drawn, painted on WM_DRAWITEM at the
// parent), radio buttons and check boxes (painted by their own procedure), and the
// caller-drawn kinds. Every look is composed off screen over what the frame shows behind the
// button and copied with one BitBlt, so the button never flickers.
#include <windows.h>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/SkinPictures.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"
#include "skin/controls/PaintSupport.h"

namespace skin::controls {

namespace {

using gdip::PlusGraphics;
using gdip::PlusPath;

constexpr COLORREF kSilver = 0xC0C0C0;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kTeal = 0x808000;

ARGB Accent(int32_t alpha) { return ToArgb(settings.accentColour, alpha); }

// The disabled face: opaque silver under a grey-white gradient, a grey outline.
void PaintDisabledFace(PlusGraphics* g, PlusPath* face, float x, float y, float w, float h) {
    g->FillRectangle(SolidBrush(ToArgb(kSilver, 255)).Get(), x, y, w, h);
    auto shade = VerticalBrush(x, y, y + h, ToArgb(kWhite, 50), ToArgb(kWhite, 50));
    SetPresetBlend(shade.Get(), {{ToArgb(kWhite, 50), 0.0f}, {ToArgb(kBlack, 10), 0.6f}, {ToArgb(kWhite, 50), 1.0f}});
    g->FillPath(shade.Get(), face);
    g->DrawPath(Pen(ToArgb(kBlack, 80)).Get(), face);
}

void PaintEnabledFace(PlusGraphics* g, PlusPath* face, int32_t state, float x, float y, float w, float h) {
    g->FillPath(VerticalBrush(x, y, y + h, ToArgb(kWhite, 0), ToArgb(kGrey, 60)).Get(), face);
    const float half = static_cast<float>(static_cast<int32_t>(h) / 2);
    g->FillPath(VerticalBrush(x, y, y + half, ToArgb(kWhite, 50), ToArgb(kWhite, 10)).Get(),
                CorneredPath(x, y, w - 1, half, {5, 5, 0, 0}).Get());
    if (state & kStateHot) {
        g->FillPath(VerticalBrush(x, y, y + h, Accent(60), Accent(10)).Get(), face);
        g->DrawPath(Pen(Accent(255)).Get(), face);
    } else if (state & kStateFocus) {
        // The glow keeps its own colour whatever the accent is.
        for (float width : {1.0f, 2.0f, 3.0f}) g->DrawPath(Pen(ToArgb(kFocusGlow, 120), width).Get(), face);
        g->DrawPath(Pen(ToArgb(kBlack, 70)).Get(), face);
    } else {
        g->DrawPath(Pen(ToArgb(kBlack, 120)).Get(), face);
    }
    if (state & kStateSelected)
        g->FillPath(VerticalBrush(x, y + 2, y + h, Accent(60), ToArgb(kWhite, 100)).Get(),
                    RoundedPath(x + 2, y + 2, w - 3, h - 3, 5).Get());
}

// ---- the kinds, chosen by buttonKind ----

bool IsChecked(HWND button) { return sys::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT ClientOf(HWND window) {
    RECT rect{};
    sys::GetClientRect(window, &rect);
    return rect;
}

// Paints the composed canvas onto the button's own device context.
void CopyToButton(HWND button, const MemoryCanvas& canvas) {
    WindowDC dc(button);
    CopyCanvas(canvas, dc.Get());
}

void PaintRadio(HWND button, const ButtonRecord& record, int32_t state) {
    const RECT client = ClientOf(button);
    const int32_t x = client.left, y = client.top, w = client.right - client.left, h = client.bottom - client.top;
    auto m = ComposeControlBackground(button, client);
    {
        auto g = GraphicsOn(m->Get());
        if (state & kStateDisabled) {
            auto face = RoundedPath(x, y, w - 1, h - 1, 5);
            PaintDisabledFace(g.Get(), face.Get(), x, y, w, h);
        } else {
            g->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            g->DrawEllipse(Pen(ToArgb(kBlack, 200)).Get(), x + 2, y + (h - 12) / 2, 12, 12);
            const float discX = x + 3, discY = y + (h - 11) / 2 + 1;
            g->DrawEllipse(Pen(ToArgb(kWhite, 255)).Get(), discX, discY, 9, 9);
            g->FillEllipse(SolidBrush(ToArgb(kWhite, 255)).Get(), discX, discY, 9, 9);
            const float from = y + (h - 12) / 2 + 1;
            g->FillEllipse(LinearBrush(discX, from, discX + 10, from + 10, ToArgb(kBlack, 100), ToArgb(kBlack, 0)).Get(), discX,
                           discY, 9, 9);
            if (state & kStateHot) {
                g->FillEllipse(LinearBrush(discX, from, discX + 11, from + 11, Accent(100), ToArgb(kBlack, 0)).Get(), discX, discY, 9, 9);
                for (float width : {1.0f, 2.0f}) g->DrawEllipse(Pen(ToArgb(kFocusGlow, 30), width).Get(), discX, discY, 9, 9);
            }
        }
        if (IsChecked(button)) {
            const float dotX = x + 5, dotY = y + (h - 12) / 2 + 3;
            g->DrawEllipse(Pen(ToArgb(kBlack, 200)).Get(), dotX, dotY, 6, 6);
            auto dot = NewPath();
            dot->AddPathEllipse(dotX, dotY, 6.0f, 6.0f);
            g->FillPath(CentreGradient(dot.Get(), ToArgb(kWhite, 100), ToArgb(kTeal, 255)).Get(), dot.Get());
        }
        DrawButtonText(g.Get(), record, TextColourOf(button), {float(x + 18), 2, float(w), float(h)}, kNearAlign, true);
    }
    CopyToButton(button, *m);
}

void PaintCheck(HWND button, const ButtonRecord& record, int32_t state) {
    const RECT client = ClientOf(button);
    const int32_t x = client.left, y = client.top, w = client.right - client.left, h = client.bottom - client.top;
    const float boxY = y + (h - 13) / 2;
    auto m = ComposeControlBackground(button, client);
    {
        auto g = GraphicsOn(m->Get());
        if (state & kStateDisabled) {
            auto face = RoundedPath(x, y, w - 1, h - 1, 5);
            PaintDisabledFace(g.Get(), face.Get(), x, y, w, h);
        } else {
            DrawPictureNatural(g.Get(), pictures::CheckBoxEmpty(), x, boxY);
        }
        if (IsChecked(button)) DrawPictureNatural(g.Get(), pictures::CheckBoxChecked(), x, boxY);
        if ((state & kStateHot) && !(state & kStateDisabled)) {
            g->FillRectangle(LinearBrush(x, boxY, x + 11, boxY + 11, Accent(100), ToArgb(kBlack, 0)).Get(), float(x), boxY, 13.0f, 13.0f);
            for (float width : {1.0f, 2.0f}) g->DrawRectangle(Pen(ToArgb(kFocusGlow, 30), width).Get(), float(x), boxY, 13.0f, 13.0f);
        }
        DrawButtonText(g.Get(), record, TextColourOf(button), {float(x + 17), 2, float(w - 19), float(h)}, kNearAlign, true);
    }
    CopyToButton(button, *m);
}

// How each kind is painted: onto the context given (WM_DRAWITEM, or the button's own when the
// skin repaints), and whether WM_DRAWITEM paints it (radio buttons and check boxes paint
// themselves in their own procedure).
using ButtonPaint = void (*)(HWND button, ButtonRecord& record, HDC dc, int32_t state, const RECT& item);

void PaintPushKind(HWND button, ButtonRecord&, HDC dc, int32_t state, const RECT& item) { PaintPushButton(button, dc, state, item); }

void PaintDrawnKind(HWND button, ButtonRecord& record, HDC dc, int32_t state, const RECT& item) {
    PaintPushButton(button, dc, state, item);
    if (record.paint) record.paint(button, dc, state);
}

void PaintDrawnStateKind(HWND button, ButtonRecord& record, HDC dc, int32_t, const RECT& item) {
    auto m = ComposeControlBackground(button, item);
    if (record.paint) record.paint(button, m->Get(), record.state);
    CopyCanvas(*m, dc);
}

void PaintRadioKind(HWND button, ButtonRecord& record, HDC, int32_t state, const RECT&) { PaintRadio(button, record, state); }
void PaintCheckKind(HWND button, ButtonRecord& record, HDC, int32_t state, const RECT&) { PaintCheck(button, record, state); }

struct ButtonKindRow {
    int32_t kind;
    ButtonPaint paint;
    bool onDrawItem;
};
constexpr ButtonKindRow kButtonKinds[] = {
    {kPushButton, PaintPushKind, true},
    {kDrawnButton, PaintDrawnKind, true},
    {kDrawnStateButton, PaintDrawnStateKind, true},
    {kRadioButton, PaintRadioKind, false},
    {kCheckBox, PaintCheckKind, false},
};

const ButtonKindRow* RowOf(int32_t kind) {
    for (const ButtonKindRow& row : kButtonKinds)
        if (row.kind == kind) return &row;
    return nullptr;
}

bool PaintsItself(const ButtonRecord& record) { return record.buttonKind == kRadioButton || record.buttonKind == kCheckBox; }

// ---- the procedure's messages ----

void OnMouseMove(HWND button) {
    TrackLeave(button);
    const auto found = Locate<ButtonRecord>(button);
    HoverRepaint(found.window, found.number, kHotButton, false, [&] { PaintButtonByKind(button, 0, true); });
}

void OnMouseLeave(HWND button) {
    const auto found = Locate<ButtonRecord>(button);
    if (found.window) found.window->controlHover.lastHotControl = 0;
    PaintButtonByKind(button, found.record && found.record->focused ? kStateFocus : 0, false);
}

// A press of a radio button or check box: the system's handling, then the skinned look
// over it.
LRESULT OnPress(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Locate<ButtonRecord>(button);
    if (!found.record || !PaintsItself(*found.record)) return CallPrevious(button, message, wParam, lParam);
    const int32_t kind = found.record->buttonKind;
    CallPrevious(button, message, wParam, lParam);
    if (kind == kRadioButton) PaintRadioButton(button, kStateSelected);
    else PaintCheckBox(button, 0);
    return CallDefault(button, message, wParam, lParam);
}

LRESULT OnPaint(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Locate<ButtonRecord>(button);
    if (!found.record || !PaintsItself(*found.record)) return CallPrevious(button, message, wParam, lParam);
    const int32_t kind = found.record->buttonKind;
    PAINTSTRUCT paint{};
    sys::BeginPaint(button, &paint);
    if (kind == kRadioButton) PaintRadioButton(button, 0);
    else PaintCheckBox(button, 0);
    sys::EndPaint(button, &paint);
    return CallDefault(button, message, wParam, lParam);
}

void OnFocus(HWND button, int32_t focused) {
    if (auto found = Locate<ButtonRecord>(button); found.record) found.record->focused = focused;
}

void OnSetText(HWND button, LPARAM lParam) {
    if (auto found = Locate<ButtonRecord>(button); found.record)
        found.record->text = Text::Copy(lParam ? reinterpret_cast<const char*>(lParam) : "");
}

}  // namespace

void PaintPushButton(HWND button, HDC dc, int32_t state, const RECT& item) {
    const auto found = Locate<ButtonRecord>(button);
    if (!found.record) return;
    const float x = item.left, y = item.top, w = item.right - item.left, h = item.bottom - item.top;
    auto m = ComposeControlBackground(button, item);
    {
        auto g = GraphicsOn(m->Get());
        auto face = RoundedPath(x, y, w - 1, h - 1, 5);
        g->FillPath(SolidBrush(ToArgb(kWhite, 120)).Get(), face.Get());
        if (state & kStateDisabled) PaintDisabledFace(g.Get(), face.Get(), x, y, w, h);
        else PaintEnabledFace(g.Get(), face.Get(), state, x, y, w, h);
        DrawButtonText(g.Get(), *found.record, TextColourOf(button), {0, 2, w, h}, kCentreAlign, false);
    }
    CopyCanvas(*m, dc);
}

void PaintRadioButton(HWND button, int32_t state) {
    if (const auto found = Locate<ButtonRecord>(button); found.record) PaintRadio(button, *found.record, state);
}

void PaintCheckBox(HWND button, int32_t state) {
    if (const auto found = Locate<ButtonRecord>(button); found.record) PaintCheck(button, *found.record, state);
}

void PaintButtonByKind(HWND button, int32_t state, bool hot) {
    WindowDC dc(button);
    if (hot) state |= kStateHot;
    const RECT client = ClientOf(button);
    const auto found = Locate<ButtonRecord>(button);
    if (!found.record) return;
    if (const ButtonKindRow* row = RowOf(found.record->buttonKind)) row->paint(button, *found.record, dc.Get(), state, client);
}

void OnDrawItem(int32_t windowNumber, const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_BUTTON) return;
    const auto number = static_cast<int32_t>(ReadProperty(item->hwndItem, props::kNumber));
    ButtonRecord* record = RecordAt<ButtonRecord>(windowNumber, number);
    if (!record || record->hwnd != item->hwndItem) return;
    const ButtonKindRow* row = RowOf(record->buttonKind);
    if (row && row->onDrawItem) row->paint(item->hwndItem, *record, item->hDC, static_cast<int32_t>(item->itemState), item->rcItem);
}

int32_t SetButtonState(HWND button, int32_t state) {
    const auto found = Locate<ButtonRecord>(button);
    if (!found.record) return 0;
    found.record->state = state;
    PaintButtonByKind(button, found.record->focused ? kStateFocus : 0, false);
    return 1;
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(button);
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave(button);
            break;
        case WM_LBUTTONDOWN:
        case BM_SETCHECK:
            return OnPress(button, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) return OnPress(button, message, wParam, lParam);
            break;
        case WM_LBUTTONUP:
            // The next mouse move paints the hot look again.
            if (auto found = Locate<ButtonRecord>(button); found.window) found.window->controlHover.lastHotControl = 0;
            break;
        case WM_LBUTTONDBLCLK:
            return 0;  // a double click is one click
        case WM_PAINT:
            return OnPaint(button, message, wParam, lParam);
        case WM_ERASEBKGND:
            sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return static_cast<LRESULT>(sys::SetTextColor(reinterpret_cast<HDC>(wParam), TextColourOf(button)));
        case WM_NCPAINT:
            return 1;
        case WM_MOVE:
            sys::InvalidateRect(button, nullptr, TRUE);
            break;
        case WM_SETFOCUS:
            OnFocus(button, 1);
            break;
        case WM_KILLFOCUS:
            OnFocus(button, 0);
            break;
        case WM_SETTEXT:
            OnSetText(button, lParam);
            break;
        default:
            break;
    }
    return CallPrevious(button, message, wParam, lParam);
}

}  // namespace skin::controls
