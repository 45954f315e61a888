#include "skin/controls/FrameBorders.h"

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

namespace {

// The scroll bars the style shows, in screen coordinates.
struct ScrollBars {
    RECT rects[2]{};
    int count = 0;
};

ScrollBars ScrollBarsOf(HWND control) {
    ScrollBars bars;
    const LONG style = StyleOf(control);
    const struct {
        LONG styleBit;
        LONG object;
    } kinds[] = {{WS_VSCROLL, OBJID_VSCROLL}, {WS_HSCROLL, OBJID_HSCROLL}};
    for (const auto& kind : kinds) {
        if (!(style & kind.styleBit)) continue;
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        if (sys::GetScrollBarInfo(control, kind.object, &info)) bars.rects[bars.count++] = info.rcScrollBar;
    }
    return bars;
}

bool HasBorder(HWND control) {
    return (StyleOf(control) & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 ||
           (ExStyleOf(control) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) != 0;
}

void DrawBorder(gdip::PlusGraphics* g, float w, float h, bool hot, bool focused, const BorderLooks& looks) {
    if (focused) g->DrawRectangle(Pen(ToArgb(settings.accentColour, looks.accentAlpha), 2.0f).Get(), 1.0f, 1.0f, w - 2, h - 2);
    else if (hot) g->DrawRectangle(Pen(ToArgb(settings.accentColour, looks.accentAlpha)).Get(), 0.0f, 0.0f, w - 1, h - 1);
    else g->DrawRectangle(Pen(ToArgb(kBlack, looks.normalAlpha)).Get(), 0.0f, 0.0f, w - 1, h - 1);
}

// The window's whole device context with the client area and the scroll bars clipped away.
void ExcludeInside(HDC dc, HWND control, const WindowGeometry& geometry) {
    sys::ExcludeClipRect(dc, geometry.client.left, geometry.client.top, geometry.client.right, geometry.client.bottom);
    RECT outer{};
    sys::GetWindowRect(control, &outer);
    const ScrollBars bars = ScrollBarsOf(control);
    for (int i = 0; i < bars.count; ++i) {
        const RECT& r = bars.rects[i];
        sys::ExcludeClipRect(dc, r.left - outer.left, r.top - outer.top, r.right - outer.left, r.bottom - outer.top);
    }
}

}  // namespace

void PaintNonClientBorder(HWND control, bool hot, bool focused, const BorderLooks& looks, bool ringOnly) {
    const WindowGeometry geometry = GeometryOf(control);
    const auto w = static_cast<float>(geometry.width), h = static_cast<float>(geometry.height);
    if (ringOnly && !HasBorder(control)) return;  // nothing of the composed rectangle would show
    auto m = ComposeControlBackground(control, RECT{0, 0, geometry.width, geometry.height});
    {
        auto g = GraphicsOn(m->Get());
        if (ringOnly) {
            // The ring veiled (or white), the client area left to the key colour below.
            const RECT& c = geometry.client;
            g->SetClipRect(0.0f, 0.0f, w, h, Gdiplus::CombineModeReplace);
            g->SetClipRect(static_cast<float>(c.left), static_cast<float>(c.top), static_cast<float>(c.right - c.left),
                           static_cast<float>(c.bottom - c.top), Gdiplus::CombineModeExclude);
            g->FillRectangle(SolidBrush(ToArgb(kWhite, settings.alphaGiven ? settings.controlAlpha : 255)).Get(), 0.0f, 0.0f, w, h);
            g->ResetClip();
        } else if (settings.alphaGiven) {
            g->FillRectangle(SolidBrush(ToArgb(kWhite, settings.controlAlpha)).Get(), 0.0f, 0.0f, w, h);
        }
        DrawBorder(g.Get(), w, h, hot, focused, looks);
    }
    if (ringOnly) FillKey(m->Get(), geometry.client, kMagenta);
    WindowDC dc(control, WindowDC::kWhole);
    ExcludeInside(dc.Get(), control, geometry);
    if (ringOnly) CopyCanvasKeyed(*m, dc.Get(), kMagenta);
    else CopyCanvas(*m, dc.Get());
}

LRESULT PaintScrollBarsOnly(HWND control) {
    const ScrollBars bars = ScrollBarsOf(control);
    if (bars.count == 0) return sys::DefWindowProcA(control, WM_NCPAINT, 0xFFFFFFFF, 0);
    HRGN region = sys::CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < bars.count; ++i) {
        const RECT& r = bars.rects[i];
        HRGN bar = sys::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        sys::CombineRgn(region, region, bar, RGN_OR);
        sys::DeleteObject(bar);
    }
    const LRESULT result = sys::DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    sys::DeleteObject(region);
    return result;
}

}  // namespace skin::controls
