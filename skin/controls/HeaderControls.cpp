// Skinned list-view headers: every item painted over the veiled background, shaded by its
// state (normal, hot, pressed), with a separator at its right edge, its image and its text
// trimmed with an ellipsis.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "skin/SkinEngine.h"
#include "skin/SkinPaint.h"
#include "skin/controls/ControlBackground.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"
#include "skin/controls/PaintSupport.h"

namespace skin::controls {

namespace {

enum class ItemLook { kNormal, kHot, kPressed };

ARGB Accent(int32_t alpha) { return ToArgb(settings.accentColour, alpha); }

// The shading of each look, top to bottom; the hot look adds a gloss over its upper half.
struct LookRow {
    ItemLook look;
    ARGB (*from)();
    ARGB (*to)();
    bool gloss;
};
constexpr LookRow kLooks[] = {
    {ItemLook::kNormal, [] { return ToArgb(kWhite, 80); }, [] { return ToArgb(kBlack, 30); }, false},
    {ItemLook::kHot, [] { return Accent(10); }, [] { return Accent(60); }, true},
    {ItemLook::kPressed, [] { return Accent(120); }, [] { return ToArgb(kWhite, 120); }, false},
};

const LookRow& RowOf(ItemLook look) {
    for (const LookRow& row : kLooks)
        if (row.look == look) return row;
    return kLooks[0];
}

void ShadeItem(gdip::PlusGraphics* g, const RECT& r, ItemLook look) {
    const float x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
    g->FillRectangle(SolidBrush(ToArgb(kWhite, settings.alphaGiven ? settings.controlAlpha : 255)).Get(), x, y, w, h);
    const LookRow& row = RowOf(look);
    g->FillRectangle(VerticalBrush(x, y, y + h, row.from(), row.to()).Get(), x, y, w, h);
    if (row.gloss) g->FillRectangle(VerticalBrush(x, y, y + h / 2, ToArgb(kWhite, 50), ToArgb(kWhite, 0)).Get(), x, y, w, h / 2);
}

void DrawSeparator(gdip::PlusGraphics* g, const RECT& r) {
    const float x = r.right - 1, top = r.top + 2, bottom = r.bottom - 2;
    auto brush = VerticalBrush(x, top, bottom, ToArgb(kBlack, 60), ToArgb(kWhite, 50));
    g->DrawLine(BrushPen(brush.Get()).Get(), x, top, x, bottom);
}

// The item's image from the header's image list; the width it took.
int32_t DrawItemImage(HWND header, gdip::PlusGraphics* g, HDC dc, const HDITEMA& item, const RECT& r) {
    if (!(item.fmt & HDF_IMAGE)) return 0;
    const auto images = reinterpret_cast<HIMAGELIST>(sys::SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    if (!images) return 0;
    HICON icon = sys::ImageList_GetIcon(images, item.iImage, ILD_NORMAL);
    if (!icon) return 0;
    g->Flush(Gdiplus::FlushIntentionSync);  // GDI draws next into the same context
    const int32_t margin = static_cast<int32_t>(sys::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int32_t size = std::min<int32_t>(16, r.bottom - r.top);
    sys::DrawIconEx(dc, r.left + margin, r.top + (r.bottom - r.top - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
    sys::DestroyIcon(icon);
    return margin + size;
}

int32_t AlignOf(const HDITEMA& item) {
    switch (item.fmt & HDF_JUSTIFYMASK) {
        case HDF_CENTER:
            return kCentreAlign;
        case HDF_RIGHT:
            return kFarAlign;
        default:
            return kNearAlign;
    }
}

void DrawItemText(HWND header, gdip::PlusGraphics* g, HDC dc, const HDITEMA& item, const RECT& r, int32_t imageWidth) {
    if (!item.pszText || !item.pszText[0]) return;
    auto font = gdip::Make<gdip::PlusFont>();
    if (const auto hfont = reinterpret_cast<HFONT>(sys::SendMessageA(header, WM_GETFONT, 0, 0))) font->CreateFontFromHFONT(dc, hfont);
    else font->CreateFontByName("宋体", 12.0f);
    auto format = AlignedFormat(AlignOf(item));
    format->SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    format->SetStringFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    const gdip::PlusRectF layout{static_cast<float>(r.left + 4 + imageWidth), static_cast<float>(r.top),
                                 static_cast<float>(r.right - r.left - 8 - imageWidth), static_cast<float>(r.bottom - r.top)};
    g->DrawString(item.pszText, font.Get(), SolidBrush(ToArgb(TextColourOf(header), 255)).Get(), &layout, format.Get());
}

ItemLook LookOf(const HeaderRecord* record, int32_t index) {
    if (!record) return ItemLook::kNormal;
    if (record->pressedItem == index) return ItemLook::kPressed;
    if (record->hotItem == index) return ItemLook::kHot;
    return ItemLook::kNormal;
}

int32_t ItemAt(HWND header, LPARAM position) {
    HDHITTESTINFO hit{};
    hit.pt = {static_cast<int16_t>(LOWORD(position)), static_cast<int16_t>(HIWORD(position))};
    const auto index = static_cast<int32_t>(sys::SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

void Repaint(HWND header) {
    WindowDC dc(header);
    PaintHeader(header, dc.Get());
}

void OnMouseMove(HWND header, LPARAM lParam) {
    TrackLeave(header);
    auto found = Locate<HeaderRecord>(header);
    if (!found.record) return;
    const int32_t item = ItemAt(header, lParam);
    HoverRepaint(found.window, found.number, kHotHeader, item != found.record->hotItem, [&] {
        found.record->hotItem = item;
        Repaint(header);
    });
}

void OnMouseLeave(HWND header) {
    auto found = Locate<HeaderRecord>(header);
    if (found.window) found.window->controlHover.lastHotControl = 0;
    if (found.record) found.record->hotItem = -1;
    Repaint(header);
}

LRESULT OnButton(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto found = Locate<HeaderRecord>(header); found.record)
        found.record->pressedItem = message == WM_LBUTTONDOWN ? ItemAt(header, lParam) : -1;
    const LRESULT result = CallPrevious(header, message, wParam, lParam);
    Repaint(header);
    return result;
}

LRESULT OnPaint(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint{};
    HDC dc = sys::BeginPaint(header, &paint);
    PaintHeader(header, dc);
    sys::EndPaint(header, &paint);
    return CallDefault(header, message, wParam, lParam);
}

}  // namespace

void PaintHeader(HWND header, HDC dc) {
    const auto found = Locate<HeaderRecord>(header);
    auto m = ComposeControlBackground(header, ClientAreaInWindow(header));
    {
        auto g = GraphicsOn(m->Get());
        const auto count = static_cast<int32_t>(sys::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
        RECT last{0, 0, 0, m->Height()};
        for (int32_t i = 0; i < count; ++i) {
            RECT r{};
            sys::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
            char text[260] = {};
            HDITEMA item{};
            item.mask = 0x3F;  // width, text, format, lParam, bitmap, image
            item.pszText = text;
            item.cchTextMax = sizeof text;
            sys::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            ShadeItem(g.Get(), r, LookOf(found.record, i));
            DrawSeparator(g.Get(), r);
            const int32_t imageWidth = DrawItemImage(header, g.Get(), m->Get(), item, r);
            DrawItemText(header, g.Get(), m->Get(), item, r, imageWidth);
            last = r;
        }
        // What lies right of the last item is shaded as a normal item without a separator.
        const RECT rest{last.right, 0, m->Width(), m->Height()};
        if (rest.right > rest.left) ShadeItem(g.Get(), rest, ItemLook::kNormal);
    }
    CopyCanvas(*m, dc);
}

LRESULT CALLBACK HeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaint(header, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            OnMouseMove(header, lParam);
            break;
        case WM_MOUSELEAVE:
            OnMouseLeave(header);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return OnButton(header, message, wParam, lParam);
        default:
            break;
    }
    return CallPrevious(header, message, wParam, lParam);
}

}  // namespace skin::controls
