// The optional row of texts under the caption (this program shows none): items laid out side by
// side from the left, painted over the frame, each with a state the caller may read (1: the
// item the mouse last pressed).
#include <algorithm>

#include "skin/SkinFrame.h"
#include "skin/SkinPaint.h"
#include "skin/SkinSystemCalls.h"

namespace skin {

using namespace frame;

namespace {

RT_CONSTANT const char kStripFont[] = "宋体";
constexpr int32_t kStripHeight = 20;
constexpr int32_t kItemPadding = 8;

}  // namespace

int32_t SkinEngineOps::BuildCaptionStrip(SkinEngine*, int32_t n, int32_t itemCount, const ArrayValue* texts) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || itemCount < 1) return 0;
    CaptionStrip& strip = w->captionStrip;
    strip.items.clear();
    strip.fontName = Text::Copy(kStripFont);
    strip.fontSize = 12;
    strip.colour = 0xFFFFFF;
    const size_t available = texts ? texts->ElementCount() : 0;
    for (int32_t i = 0; i < itemCount; ++i) {
        CaptionStripItem item;
        if (static_cast<size_t>(i) < available) item.text = Text::Copy(reinterpret_cast<char* const*>(const_cast<ArrayValue*>(texts)->Elements())[i]);
        strip.items.push_back(std::move(item));
    }
    return static_cast<int32_t>(strip.items.size());
}

int32_t SkinEngineOps::LayoutCaptionStrip(SkinEngine*, int32_t n) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || w->captionStrip.items.empty()) return 0;
    CaptionStrip& strip = w->captionStrip;
    const LONG top = w->captionHeight, bottom = w->captionHeight + kStripHeight;
    LONG x = kItemPadding;
    for (CaptionStripItem& item : strip.items) {
        // Half the font size per byte: a GBK character (two bytes) is one em wide.
        const auto width = static_cast<LONG>(item.text.Length()) * strip.fontSize / 2 + 2 * kItemPadding;
        item.rect = RECT{x, top, x + width, bottom};
        x += width;
    }
    strip.area = RECT{0, top, x + kItemPadding, bottom};
    return 1;
}

void SkinEngineOps::PaintCaptionStrip(SkinEngine* self, int32_t n, gdip::PlusGraphics* g) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || w->captionStrip.items.empty() || !w->cache.frameDC) return;
    const CaptionStrip& strip = w->captionStrip;
    g->Flush(Gdiplus::FlushIntentionSync);
    self->RestoreStripArea(n, strip.area.left, strip.area.top, strip.area.right - strip.area.left, strip.area.bottom - strip.area.top);
    auto font = gdip::Make<gdip::PlusFont>();
    font->CreateFontByName(strip.fontName.CStr(), static_cast<float>(strip.fontSize), 0, static_cast<int32_t>(Gdiplus::UnitPixel));
    auto format = gdip::Make<gdip::PlusStringFormat>();
    format->CreateStringFormat(0, 0);
    format->SetStringFormatAlign(Gdiplus::StringAlignmentCenter);
    format->SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    auto brush = SolidBrush(ToArgb(strip.colour));
    for (const CaptionStripItem& item : strip.items) {
        const gdip::PlusRectF rect{static_cast<float>(item.rect.left), static_cast<float>(item.rect.top),
                                   static_cast<float>(item.rect.right - item.rect.left), static_cast<float>(item.rect.bottom - item.rect.top)};
        if (item.state) g->FillPath(SolidBrush(ToArgb(kWhite, 60)).Get(), RoundedPath(rect.x, rect.y + 1, rect.width, rect.height - 2, 4).Get());
        g->DrawString(item.text.Get(), font.Get(), brush.Get(), &rect, format.Get());
    }
}

int32_t SkinEngineOps::SetCaptionStripItem(SkinEngine* self, int32_t n, int32_t item, const char* text) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || item < 1 || item > static_cast<int32_t>(w->captionStrip.items.size())) return 0;
    w->captionStrip.items[static_cast<size_t>(item - 1)].text = Text::Copy(text);
    self->LayoutCaptionStrip(n);
    w->needsFullPaint = 1;
    sys::InvalidateRect(w->hwnd, nullptr, FALSE);
    return 1;
}

int32_t SkinEngineOps::HitTestCaptionStrip(SkinEngine*, int32_t n, int32_t x, int32_t y) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    const auto& items = w->captionStrip.items;
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT& r = items[i].rect;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return static_cast<int32_t>(i + 1);
    }
    return 0;
}

int32_t SkinEngineOps::GetCaptionStripState(SkinEngine*, HWND window, int32_t item) {
    const SkinnedWindowRecord* w = WindowRecord(WindowNumberOf(window));
    if (!w || item < 1 || item > static_cast<int32_t>(w->captionStrip.items.size())) return 0;
    return w->captionStrip.items[static_cast<size_t>(item - 1)].state;
}

}  // namespace skin
