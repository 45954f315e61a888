// The skinned range controls: trackbars (an optional shaded panel, the channel, a round
// thumb, the passed part in the accent colour), progress bars (outline, track, a fill grown
// from the start) and up-down controls (two halves with arrows, the one under the mouse lit).
// Each paints its whole window rectangle off screen and copies it in one BitBlt.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/SkinPictures.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

namespace {

ARGB Accent(int32_t alpha) { return ToArgb(settings.accentColour, alpha); }

struct Size {
    int32_t w, h;
};

Size WindowSize(HWND window) {
    RECT r{};
    sys::GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The whole window rectangle composed, painted by `paint` (graphics, w, h) and copied.
template <class Paint>
void PaintWholeWindow(HWND control, Paint paint) {
    const Size size = WindowSize(control);
    auto m = ComposeControlBackground(control, RECT{0, 0, size.w, size.h});
    {
        auto g = GraphicsOn(m->Get());
        paint(g.Get(), static_cast<float>(size.w), static_cast<float>(size.h));
    }
    WindowDC dc(control, WindowDC::kWhole);
    CopyCanvas(*m, dc.Get());
}

LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return sys::SendMessageA(control, message, wParam, lParam); }

// ---- trackbars ----

struct TrackbarLayout {
    RECT channel;  // as painted, in the trackbar's coordinates
    RECT thumb;
    bool vertical;
};

TrackbarLayout LayoutOf(HWND trackbar, const TrackbarRecord& record) {
    TrackbarLayout layout{};
    layout.vertical = record.vertical != 0;
    Ask(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&layout.channel));
    Ask(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&layout.thumb));
    RECT& c = layout.channel;
    // A vertical trackbar may report its channel as if it were horizontal: turn it upright.
    if (layout.vertical && c.right - c.left > c.bottom - c.top) c = {c.top, c.left, c.bottom, c.right};
    if (record.selectionRange) {
        if (layout.vertical) {
            const LONG middle = (c.left + c.right) / 2;
            c.left = middle - 2, c.right = middle + 2;
        } else {
            const LONG middle = (c.top + c.bottom) / 2;
            c.top = middle - 2, c.bottom = middle + 2;
        }
    }
    return layout;
}

// A position's place along the channel, as the thumb's centre would be there.
float PlaceOf(HWND trackbar, const TrackbarLayout& layout, LRESULT position) {
    const LRESULT low = Ask(trackbar, TBM_GETRANGEMIN), high = Ask(trackbar, TBM_GETRANGEMAX);
    const RECT& c = layout.channel;
    const float thumbLength = layout.vertical ? layout.thumb.bottom - layout.thumb.top : layout.thumb.right - layout.thumb.left;
    const float start = (layout.vertical ? c.top : c.left) + thumbLength / 2;
    const float length = (layout.vertical ? c.bottom - c.top : c.right - c.left) - thumbLength;
    if (high <= low) return start;
    return start + length * static_cast<float>(position - low) / static_cast<float>(high - low);
}

void PaintTrackbarParts(HWND trackbar, const TrackbarRecord& record, gdip::PlusGraphics* g, float w, float h) {
    const TrackbarLayout layout = LayoutOf(trackbar, record);
    const bool vertical = layout.vertical;
    if (settings.trackbarShading == 1) {
        g->DrawPath(Pen(ToArgb(kBlack, 30)).Get(), RoundedPath(0, 0, w - 1, h - 1, 5).Get());
        auto shade = vertical ? LinearBrush(1, 0, w - 1, 0, ToArgb(kWhite, 160), ToArgb(kBlack, 30))
                              : VerticalBrush(0, 1, h - 1, ToArgb(kWhite, 160), ToArgb(kBlack, 30));
        g->FillPath(shade.Get(), RoundedPath(1, 1, w - 2, h - 2, 3).Get());
    }
    const RECT& c = layout.channel;
    const float cx = c.left, cy = c.top, cw = c.right - c.left, ch = c.bottom - c.top;
    auto channelFill = vertical ? LinearBrush(cx, cy, cx + cw, cy, ToArgb(kBlack, 50), ToArgb(kBlack, 30))
                                : VerticalBrush(cx, cy, cy + ch, ToArgb(kBlack, 50), ToArgb(kBlack, 30));
    g->FillPath(channelFill.Get(), RoundedPath(cx, cy, cw, ch, 1).Get());

    // The thumb: a circle on the channel's middle line, where the thumb rectangle is along it.
    const RECT& t = layout.thumb;
    const float along = vertical ? (t.top + t.bottom) / 2.0f : (t.left + t.right) / 2.0f;
    const float across = vertical ? cx + cw / 2 : cy + ch / 2;
    const float tx = (vertical ? across : along) - 5.5f, ty = (vertical ? along : across) - 5.5f;
    g->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);  // a round thumb
    g->FillEllipse(SolidBrush(ToArgb(kWhite, 255)).Get(), tx, ty, 11.0f, 11.0f);
    g->FillEllipse(VerticalBrush(tx, ty, ty + 11, ToArgb(kWhite, 0), ToArgb(kBlack, 90)).Get(), tx, ty, 11.0f, 11.0f);
    g->DrawEllipse(Pen(ToArgb(kBlack, 50)).Get(), tx, ty, 11.0f, 11.0f);
    g->SetSmoothingMode(Gdiplus::SmoothingModeDefault);

    if (record.selectionRange) {
        const float from = PlaceOf(trackbar, layout, Ask(trackbar, TBM_GETSELSTART));
        const float to = PlaceOf(trackbar, layout, Ask(trackbar, TBM_GETSELEND));
        auto pen = Pen(ToArgb(kWhite, 160));
        if (vertical) g->DrawRectangle(pen.Get(), cx, from, cw, to - from);
        else g->DrawRectangle(pen.Get(), from, cy, to - from, ch);
    }

    // The passed part, up to a pixel before the thumb; to the channel's end at the maximum.
    const bool atMaximum = Ask(trackbar, TBM_GETPOS) == Ask(trackbar, TBM_GETRANGEMAX);
    const float start = vertical ? cy : cx;
    const float length = (vertical ? t.top : t.left) - start - 1 + (atMaximum ? 10 : 0);
    if (length > 0) {
        auto pen = Pen(Accent(200));
        if (vertical) g->DrawRectangle(pen.Get(), across, start, 1.0f, length);
        else g->DrawRectangle(pen.Get(), start, across, length, 1.0f);
    }
}

// ---- progress bars ----

void PaintProgressParts(HWND bar, const ProgressRecord& record, gdip::PlusGraphics* g, float w, float h) {
    const bool vertical = record.vertical != 0;
    g->DrawPath(Pen(ToArgb(kBlack, 50)).Get(), RoundedPath(0, 0, w - 1, h - 1, 5).Get());
    auto track = vertical ? LinearBrush(0, 0, w - 1, 0, ToArgb(kWhite, 160), ToArgb(kBlack, 30))
                          : VerticalBrush(0, 0, h - 1, ToArgb(kWhite, 160), ToArgb(kBlack, 30));
    g->FillPath(track.Get(), RoundedPath(1, 1, w - 2, h - 2, 1).Get());

    const auto position = static_cast<int32_t>(Ask(bar, PBM_GETPOS));
    PBRANGE range{};
    Ask(bar, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const int32_t span = range.iHigh - range.iLow;
    if (span == 0) return;  // an empty range shows no fill
    // The position is taken as it is, not reduced by the low end.
    const float perUnit = (vertical ? h : w) / static_cast<float>(span);
    const auto extent = static_cast<int32_t>(perUnit * static_cast<float>(position));
    if (extent <= 0) return;
    const float fx = 0, fy = vertical ? h - static_cast<float>(extent) : 0;
    const float fw = vertical ? w : static_cast<float>(extent), fh = vertical ? static_cast<float>(extent) : h;
    auto fill = vertical ? LinearBrush(0, fy, w - 1, fy, ToArgb(kWhite, 90), Accent(255))
                         : VerticalBrush(0, 0, h - 1, ToArgb(kWhite, 90), Accent(255));
    auto path = RoundedPath(fx + 1, fy + 1, fw - 3, fh - 3, 3);
    g->FillPath(fill.Get(), path.Get());
    g->DrawPath(Pen(Accent(150)).Get(), path.Get());
}

// ---- up-down controls ----

struct Half {
    float x, y, w, h;
};

// The first (left or top) and second halves.
std::pair<Half, Half> HalvesOf(bool horizontal, int32_t w, int32_t h) {
    if (horizontal) {
        const int32_t split = w / 2;
        return {{0, 0, float(split), float(h)}, {float(split), 0, float(w - split), float(h)}};
    }
    const int32_t split = h / 2;
    return {{0, 0, float(w), float(split)}, {0, float(split), float(w), float(h - split)}};
}

// 1 for the first half, 2 for the second, from a mouse position in client coordinates.
int32_t HalfUnder(bool horizontal, int32_t w, int32_t h, LPARAM position) {
    const auto x = static_cast<int16_t>(LOWORD(position)), y = static_cast<int16_t>(HIWORD(position));
    return (horizontal ? x >= w / 2 : y >= h / 2) ? 2 : 1;
}

void PaintUpDownHalf(gdip::PlusGraphics* g, const Half& half, bool horizontal, bool first, bool lit, bool pressed) {
    auto path = RoundedPath(half.x, half.y, half.w - 1, half.h - 1, 3);
    ARGB from, to, pen;
    if (lit) {
        pen = Accent(200);
        from = pressed ? Accent(100) : ToArgb(kWhite, 100);
        to = pressed ? ToArgb(kWhite, 150) : Accent(150);
    } else {
        pen = ToArgb(kBlack, 100);
        from = (!horizontal && first) ? ToArgb(kWhite, 60) : ToArgb(kWhite, 20);
        to = Accent(100);
    }
    auto fill = horizontal ? LinearBrush(half.x, half.y, half.x + half.w, half.y, from, to)
                           : VerticalBrush(half.x, half.y, half.y + half.h, from, to);
    g->FillPath(fill.Get(), path.Get());
    const ByteSet* arrow = horizontal ? (first ? pictures::ArrowLeft() : pictures::ArrowRight())
                                      : (first ? pictures::ArrowUp() : pictures::ArrowDown());
    const int32_t aw = horizontal ? 4 : 7, ah = horizontal ? 7 : 4;
    const int32_t ax = static_cast<int32_t>(half.x) + (static_cast<int32_t>(half.w) - aw) / 2;
    const int32_t ay = static_cast<int32_t>(half.y) + (static_cast<int32_t>(half.h) - ah) / 2;
    DrawPictureNatural(g, arrow, static_cast<float>(ax), static_cast<float>(ay));
    g->DrawPath(Pen(pen).Get(), path.Get());
}

// ---- the procedures' shared messages ----

void OnTrackbarMouseMove(HWND trackbar) {
    TrackLeave(trackbar);
    const auto found = Locate<TrackbarRecord>(trackbar);
    HoverRepaint(found.window, found.number, kHotTrackbar, false, [&] { PaintTrackbar(trackbar); });
}

void ClearLastHot(SkinnedWindowRecord* window) {
    if (window) window->controlHover.lastHotControl = 0;
}

void OnUpDownMouseMove(HWND upDown, LPARAM lParam) {
    TrackLeave(upDown);
    auto found = Locate<UpDownRecord>(upDown);
    if (!found.record) return;
    const Size size = WindowSize(upDown);
    const int32_t half = HalfUnder(found.record->horizontal != 0, size.w, size.h, lParam);
    HoverRepaint(found.window, found.number, kHotUpDown, half != found.record->lastHalf, [&] {
        found.record->hot = 1;
        found.record->mousePosition = lParam;
        found.record->lastHalf = half;
        PaintUpDown(found.windowNumber, found.number, {1, -1, lParam, true});
    });
}

void OnUpDownMouseLeave(HWND upDown) {
    auto found = Locate<UpDownRecord>(upDown);
    ClearLastHot(found.window);
    if (!found.record) return;
    found.record->hot = 0;
    found.record->lastHalf = 0;
    PaintUpDown(found.windowNumber, found.number, {0, -1, 0, false});
}

void OnUpDownButton(HWND upDown, int32_t pressed, LPARAM lParam) {
    if (auto found = Locate<UpDownRecord>(upDown); found.record) {
        found.record->pressed = pressed;
        found.record->mousePosition = lParam;
    }
}

void PaintUpDownFromRecord(HWND upDown) {
    const auto found = Locate<UpDownRecord>(upDown);
    PaintUpDown(found.windowNumber, found.number);
}

void PaintProgressFromRecord(HWND bar) {
    const auto found = Locate<ProgressRecord>(bar);
    PaintProgressBar(found.windowNumber, found.number);
}

// WM_PAINT of a kind that paints its whole window: the update region validated around the
// skin's own painting, then the default procedure.
template <class Paint>
LRESULT PaintInsidePaint(HWND control, UINT message, WPARAM wParam, LPARAM lParam, Paint paint) {
    PAINTSTRUCT ps{};
    sys::BeginPaint(control, &ps);
    paint(control);
    sys::EndPaint(control, &ps);
    return CallDefault(control, message, wParam, lParam);
}

}  // namespace

void PaintTrackbar(HWND trackbar) {
    const auto found = Locate<TrackbarRecord>(trackbar);
    if (!found.record) return;
    const TrackbarRecord record = *found.record;
    PaintWholeWindow(trackbar, [&](gdip::PlusGraphics* g, float w, float h) { PaintTrackbarParts(trackbar, record, g, w, h); });
}

void PaintProgressBar(int32_t windowNumber, int32_t controlNumber) {
    const ProgressRecord* record = RecordAt<ProgressRecord>(windowNumber, controlNumber);
    if (!record || !record->hwnd) return;
    const ProgressRecord copy = *record;
    PaintWholeWindow(copy.hwnd, [&](gdip::PlusGraphics* g, float w, float h) { PaintProgressParts(copy.hwnd, copy, g, w, h); });
}

void PaintUpDown(int32_t windowNumber, int32_t controlNumber, UpDownLook look) {
    const UpDownRecord* record = RecordAt<UpDownRecord>(windowNumber, controlNumber);
    if (!record || !record->hwnd) return;
    const bool hot = look.hot >= 0 ? look.hot != 0 : record->hot != 0;
    const bool pressed = look.pressed >= 0 ? look.pressed != 0 : record->pressed != 0;
    const LPARAM position = look.positionGiven ? look.mousePosition : record->mousePosition;
    const bool horizontal = record->horizontal != 0;
    PaintWholeWindow(record->hwnd, [&](gdip::PlusGraphics* g, float w, float h) {
        g->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g->SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
        const auto wi = static_cast<int32_t>(w), hi = static_cast<int32_t>(h);
        const auto [first, second] = HalvesOf(horizontal, wi, hi);
        const int32_t hotHalf = hot ? HalfUnder(horizontal, wi, hi, position) : 0;
        g->FillPath(SolidBrush(ToArgb(kWhite, 160)).Get(), RoundedPath(0, 0, w - 1, h - 1, 3).Get());
        const bool lit = hot || pressed;
        PaintUpDownHalf(g, first, horizontal, true, lit && hotHalf == 1, pressed);
        PaintUpDownHalf(g, second, horizontal, false, lit && hotHalf == 2, pressed);
    });
}

LRESULT CALLBACK TrackbarProc(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            PaintTrackbar(trackbar);
            break;
        case WM_PAINT:
            return PaintInsidePaint(trackbar, message, wParam, lParam, PaintTrackbar);
        case WM_ERASEBKGND:
            sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            PaintTrackbar(trackbar);
            return 1;
        case WM_MOUSEMOVE:
            OnTrackbarMouseMove(trackbar);
            break;
        case WM_MOUSELEAVE:
            ClearLastHot(Locate<TrackbarRecord>(trackbar).window);
            PaintTrackbar(trackbar);
            break;
        default:
            break;
    }
    return CallPrevious(trackbar, message, wParam, lParam);
}

LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            PaintProgressFromRecord(bar);
            break;
        case WM_PAINT:
            return PaintInsidePaint(bar, message, wParam, lParam, PaintProgressFromRecord);
        case WM_ERASEBKGND:
            sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            PaintProgressFromRecord(bar);
            return 1;
        default:
            break;
    }
    return CallPrevious(bar, message, wParam, lParam);
}

LRESULT CALLBACK UpDownProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            PaintUpDownFromRecord(upDown);
            break;
        case WM_PAINT:
            PaintUpDownFromRecord(upDown);
            return CallDefault(upDown, message, wParam, lParam);
        case WM_ERASEBKGND:
            sys::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            return 1;
        case WM_LBUTTONDOWN:
            OnUpDownButton(upDown, 1, lParam);
            break;
        case WM_LBUTTONUP:
            OnUpDownButton(upDown, 0, lParam);
            break;
        case WM_MOUSEMOVE:
            OnUpDownMouseMove(upDown, lParam);
            break;
        case WM_MOUSELEAVE:
            OnUpDownMouseLeave(upDown);
            break;
        default:
            break;
    }
    return CallPrevious(upDown, message, wParam, lParam);
}

}  // namespace skin::controls
