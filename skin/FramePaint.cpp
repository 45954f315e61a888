// Painting the frame: the window's shape, the frame cache and its copies, background, border,
// caption buttons with their highlights and separators, the caption title.
#include <algorithm>

#include "skin/SkinFrame.h"
#include "skin/SkinPaint.h"
#include "skin/SkinSystemCalls.h"

namespace skin {

using namespace frame;

namespace {

constexpr int32_t kFrameCorner = 4;

struct ClientSize {
    int32_t w = 0, h = 0;
};
ClientSize ClientOf(HWND window) {
    RECT client{};
    sys::GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

// A memory copy of part of the frame: a device context with its own bitmap.
void ReleaseCopy(HDC& dc, HBITMAP& oldBitmap, HBITMAP& bitmap) {
    if (dc) {
        if (oldBitmap) sys::SelectObject(dc, oldBitmap);
        sys::DeleteDC(dc);
    }
    if (bitmap) sys::DeleteObject(bitmap);
    dc = nullptr;
    oldBitmap = nullptr;
    bitmap = nullptr;
}

void MakeCopy(HDC frameDC, const RECT& area, HDC& dc, HBITMAP& oldBitmap, HBITMAP& bitmap) {
    const int32_t w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    dc = sys::CreateCompatibleDC(nullptr);
    bitmap = NewFrameBitmap(w, h);
    oldBitmap = static_cast<HBITMAP>(sys::SelectObject(dc, bitmap));
    sys::BitBlt(dc, 0, 0, w, h, frameDC, area.left, area.top, SRCCOPY);
}

const ByteSet* PictureOf(const SkinnedWindowRecord& w, const CaptionButtonRecord& button) {
    if (button.kind == kMaximizeButton && w.isMaximized && button.altImage.Length() > 0) return button.altImage.Get();
    return button.image.Get();
}

// A graphics on the frame cache, or the one the caller has.
class FrameGraphics {
public:
    FrameGraphics(const SkinnedWindowRecord& w, gdip::PlusGraphics* given) : given_(given) {
        if (!given_) own_ = GraphicsOn(w.cache.frameDC);
    }
    gdip::PlusGraphics* operator->() const { return Get(); }
    gdip::PlusGraphics* Get() const { return given_ ? given_ : own_.Get(); }

private:
    gdip::PlusGraphics* given_;
    gdip::Object<gdip::PlusGraphics> own_;
};

struct ButtonGeometry {
    float x, y, width, height;
    bool close;
};
ButtonGeometry GeometryOf(const SkinnedWindowRecord& w, const CaptionButtonRecord& button) {
    return {button.rect.x - 1, static_cast<float>(w.stripY + 1), static_cast<float>(button.width), static_cast<float>(button.height),
            button.kind == kCloseButton};
}

// The button with its top corners rounded by arcs of 1 (the close button: its top right by 5).
gdip::Object<gdip::PlusPath> ButtonTopPath(const ButtonGeometry& b, float height, bool closeCorner) {
    Corners corners;
    if (closeCorner) corners.topRight = 5;
    else corners.topLeft = corners.topRight = 1;
    return CorneredPath(b.x, b.y, b.width, height, corners);
}

}  // namespace

namespace frame {

void ApplyWindowShape(HWND window) {
    sys::SetWindowRgn(window, nullptr, TRUE);
    sys::SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    const ClientSize size = ClientOf(window);
    HRGN region = sys::CreateRoundRectRgn(0, 0, size.w + 1, size.h + 1, 5, 5);
    if (!sys::SetWindowRgn(window, region, TRUE)) sys::DeleteObject(region);  // else the system owns it
}

FrameTargetDC::FrameTargetDC(HWND window) : window_(window), dc_(sys::GetDC(window)) {
    if (!dc_) return;
    for (HWND child = sys::GetWindow(window, GW_CHILD); child; child = sys::GetWindow(child, GW_HWNDNEXT)) {
        if (!sys::IsWindowVisible(child)) continue;
        if (sys::GetWindowLongValue(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
        RECT rect{};
        sys::GetWindowRect(child, &rect);
        sys::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        sys::ExcludeClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
    }
}

FrameTargetDC::~FrameTargetDC() {
    if (dc_) sys::ReleaseDC(window_, dc_);
}

void BlitFrameArea(const SkinnedWindowRecord& w, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!w.cache.frameDC) return;
    WindowDC dc(w.hwnd);
    sys::BitBlt(dc.Get(), x, y, width, height, w.cache.frameDC, x, y, SRCCOPY);
}

RECT CaptionButtonArea(const SkinnedWindowRecord& w, int32_t button) {
    const CaptionButtonRecord& b = w.captionButtons[static_cast<size_t>(button - 1)];
    const auto x = static_cast<LONG>(b.rect.x) - 1, y = static_cast<LONG>(w.stripY + 1);
    return RECT{x - 1, y, x - 1 + b.width + 2, y + b.height + 1};
}

void ReleaseFrameCache(SkinnedWindowRecord& w) {
    FrameCache& cache = w.cache;
    if (cache.frameDC) {
        if (auto original = reinterpret_cast<HGDIOBJ>(ReadProperty(w.hwnd, props::kFrameOldBitmap))) sys::SelectObject(cache.frameDC, original);
        if (auto frameBitmap = reinterpret_cast<HGDIOBJ>(ReadProperty(w.hwnd, props::kFrameBitmap))) sys::DeleteObject(frameBitmap);
        sys::DeleteDC(cache.frameDC);
    }
    cache.frameDC = nullptr;
    cache.frameBitmap = nullptr;
    ReleaseCopy(cache.captionDC, cache.captionOldBitmap, cache.captionBitmap);
    ReleaseCopy(cache.stripDC, cache.stripOldBitmap, cache.stripBitmap);
}

}  // namespace frame

// ---- RenderFrame and BlitFrame ----

int32_t SkinEngineOps::RenderFrame(SkinEngine* self, int32_t n, HDC, int32_t blit) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return 0;
    const HWND window = w->hwnd;
    const ClientSize size = ClientOf(window);
    ApplyWindowShape(window);
    w = WindowRecord(n);  // the shape's messages may have run anything
    if (!w || w->hwnd != window) return 0;

    FrameCache& cache = w->cache;
    if (!cache.frameDC) cache.frameDC = sys::CreateCompatibleDC(nullptr);
    {
        auto bitmap = gdip::Make<gdip::PlusBitmap>();
        bitmap->CreateBitmap(std::max(size.w, 1), std::max(size.h, 1), gdip::kPixelFormat32bppARGB);
        const HBITMAP frameBitmap = bitmap->CreateHBITMAPFromBitmap(0);
        bitmap->DisposeImage();
        if (frameBitmap) {
            const HGDIOBJ before = sys::SelectObject(cache.frameDC, frameBitmap);
            if (!ReadProperty(window, props::kFrameOldBitmap)) WriteProperty(window, props::kFrameOldBitmap, reinterpret_cast<intptr_t>(before));
            else if (before) sys::DeleteObject(before);
            WriteProperty(window, props::kFrameBitmap, reinterpret_cast<intptr_t>(frameBitmap));
            cache.frameBitmap = frameBitmap;
        }
    }

    {
        auto g = GraphicsOn(cache.frameDC);
        self->DrawFrameBackground(g.Get(), n);
        if (w->captionActive) {
            self->DrawFrameBorder(g.Get(), n);
            g->Flush(Gdiplus::FlushIntentionSync);
            ReleaseCopy(cache.captionDC, cache.captionOldBitmap, cache.captionBitmap);
            MakeCopy(cache.frameDC, RECT{0, 0, size.w, w->captionHeight}, cache.captionDC, cache.captionOldBitmap, cache.captionBitmap);
        }
        g->Flush(Gdiplus::FlushIntentionSync);
        ReleaseCopy(cache.stripDC, cache.stripOldBitmap, cache.stripBitmap);
        if (!w->captionStrip.items.empty())
            MakeCopy(cache.frameDC, w->captionStrip.area, cache.stripDC, cache.stripOldBitmap, cache.stripBitmap);
        if (w->captionActive) {
            if (w->showTitle) {
                char title[256] = {};
                sys::GetWindowTextA(window, title, sizeof title);
                self->DrawCaptionTitle(n, title, 0);
            }
            for (int32_t i = 1; i <= static_cast<int32_t>(w->captionButtons.size()); ++i)
                self->PaintCaptionButton(n, i, g.Get(), 1, 0, 0);
        }
        if (!w->captionStrip.items.empty()) self->PaintCaptionStrip(n, g.Get());
    }

    if (blit) {
        {
            FrameTargetDC target(window);
            sys::BitBlt(target.Get(), 0, 0, size.w, size.h, cache.frameDC, 0, 0, SRCCOPY);
        }
        w->needsFullPaint = 0;
        if (settings.firstSizePending == 0) {
            for (const auto& list : w->controls.lists.records) {
                if (!list.hwnd || sys::GetParent(list.hwnd) != window) continue;
                sys::InvalidateRect(list.hwnd, nullptr, TRUE);
                for (HWND child = sys::GetWindow(list.hwnd, GW_CHILD); child; child = sys::GetWindow(child, GW_HWNDNEXT))
                    if (sys::IsWindowVisible(child)) sys::InvalidateRect(child, nullptr, TRUE);
            }
        }
    } else {
        w->needsFullPaint = 0;
    }
    return 1;
}

int32_t SkinEngineOps::BlitFrame(SkinEngine*, int32_t n, HDC) {
    SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->cache.frameDC) return 0;
    RECT rect{};
    sys::GetWindowRect(w->hwnd, &rect);
    FrameTargetDC target(w->hwnd);
    sys::BitBlt(target.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, w->cache.frameDC, 0, 0, SRCCOPY);
    return 1;
}

// ---- the frame's steps ----

void SkinEngineOps::DrawFrameBackground(SkinEngine*, gdip::PlusGraphics* g, int32_t n) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    const ClientSize size = ClientOf(w->hwnd);
    const auto fw = static_cast<float>(size.w), fh = static_cast<float>(size.h);
    const bool own = w->windowPicture.Length() > 0;
    const ARGB fill = ToArgb(own ? w->pictureColour : settings.backgroundColour);
    // Outside the rounded shape: the window region cuts the corners away, all but the pixel
    // beside each top corner, which this GDI+ leaves outside the path while the region keeps
    // it; the frame's own colour there reads as part of the border.
    g->GraphicsClear(fill);
    auto shape = RoundedPath(0, 0, fw, fh, kFrameCorner);
    g->SetClipPath(shape.Get(), Gdiplus::CombineModeReplace);
    g->FillPath(SolidBrush(fill).Get(), shape.Get());

    const ByteSet* picture = own ? w->windowPicture.Get() : settings.backgroundPicture.Get();
    const int32_t mode = own ? w->pictureMode : settings.backgroundMode;
    if (ByteSetLength(picture) > 0) {
        auto image = gdip::Make<gdip::PlusImage>();
        if (image->LoadImageFromStream(picture)) {
            const auto pw = static_cast<float>(image->GetImageWidth()), ph = static_cast<float>(image->GetImageHeight());
            switch (mode) {
            case 0: g->DrawImageRect(image.Get(), 0.0f, 0.0f, pw, ph); break;
            case 1: g->DrawImageRect(image.Get(), fw - pw, 0.0f, pw, ph); break;
            case 2: g->DrawImageRect(image.Get(), static_cast<float>(static_cast<int32_t>((fw - pw) / 2)),
                                     static_cast<float>(static_cast<int32_t>((fh - ph) / 2)), pw, ph); break;
            case 3: g->DrawImageRect(image.Get(), 0.0f, 0.0f, fw, fh); break;
            default:
                if (pw >= 1)
                    for (float x = 0; x < fw; x += pw) g->DrawImageRect(image.Get(), x, 0.0f, pw, ph);
                break;
            }
        }
    }
    if (w->captionGloss) {
        const auto ch = static_cast<float>(w->captionHeight);
        g->FillRectangle(VerticalBrush(0, 0, ch, ToArgb(kWhite, 150), ToArgb(kWhite, 0)).Get(), 0.0f, 0.0f, fw, ch);
    }
}

void SkinEngineOps::DrawFrameBorder(SkinEngine*, gdip::PlusGraphics* g, int32_t n) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w) return;
    const ClientSize size = ClientOf(w->hwnd);
    const auto fw = static_cast<float>(size.w), fh = static_cast<float>(size.h);
    g->DrawPath(Pen(ToArgb(kBlack, 180)).Get(), RoundedPath(0, 0, fw - 1, fh - 1, 7).Get());
    g->DrawPath(Pen(ToArgb(kWhite, 180)).Get(), RoundedPath(1, 1, fw - 3, fh - 3, 6).Get());
}

void SkinEngineOps::RestoreCaptionArea(SkinEngine*, int32_t n, int32_t x, int32_t y, int32_t width, int32_t height) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->cache.frameDC || !w->cache.captionDC) return;
    sys::BitBlt(w->cache.frameDC, x, y, width, height, w->cache.captionDC, x, y, SRCCOPY);
}

void SkinEngineOps::RestoreStripArea(SkinEngine*, int32_t n, int32_t x, int32_t y, int32_t width, int32_t height) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->cache.frameDC || !w->cache.stripDC) return;
    const RECT& area = w->captionStrip.area;
    sys::BitBlt(w->cache.frameDC, x, y, width, height, w->cache.stripDC, x - area.left, y - area.top, SRCCOPY);
}

// ---- caption buttons ----

void SkinEngineOps::PaintCaptionButton(SkinEngine* self, int32_t n, int32_t i, gdip::PlusGraphics* given, int32_t noBlit, int32_t pressed,
                                       int32_t opacity) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->cache.frameDC || i < 1 || i > static_cast<int32_t>(w->captionButtons.size())) return;
    const CaptionButtonRecord& button = w->captionButtons[static_cast<size_t>(i - 1)];
    const ButtonGeometry b = GeometryOf(*w, button);
    const RECT area = CaptionButtonArea(*w, i);
    const int32_t areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;

    if (pressed) {
        self->RestoreCaptionArea(n, area.left, area.top, areaWidth, areaHeight);
        FrameGraphics g(*w, given);
        auto path = b.close ? CorneredPath(b.x, b.y, b.width, b.height, Corners{0, 5, 0, 0}) : CorneredPath(b.x, b.y, b.width, b.height, {});
        auto brush = b.close ? VerticalBrush(b.x, b.y, b.y + b.height, ToArgb(kRed, 255), ToArgb(kWhite, 30))
                             : VerticalBrush(b.x, b.y, b.y + b.height, ToArgb(kBlack, 80), ToArgb(kWhite, 5));
        g->FillPath(brush.Get(), path.Get());
        DrawPicture(g.Get(), PictureOf(*w, button), b.x, b.y, b.width - 1, b.height);
        g->Flush(Gdiplus::FlushIntentionSync);
        BlitFrameArea(*w, area.left, area.top, areaWidth, areaHeight);
        return;
    }

    FrameGraphics g(*w, given);
    self->DrawButtonHighlight(g.Get(), n, i, opacity);
    g->FillRectangle(VerticalBrush(b.x, b.y, b.y + b.height - 1, ToArgb(kWhite, 50), ToArgb(kBlack, 0)).Get(), b.x - 1, b.y,
                     b.width + 1, b.height - 1);
    DrawPicture(g.Get(), PictureOf(*w, button), b.x, b.y, b.width, b.height);
    self->DrawButtonSeparators(g.Get(), n, i);
    if (!noBlit) {
        g->Flush(Gdiplus::FlushIntentionSync);
        BlitFrameArea(*w, area.left, area.top, areaWidth, areaHeight);
    }
}

void SkinEngineOps::DrawButtonHighlight(SkinEngine* self, gdip::PlusGraphics* g, int32_t n, int32_t i, int32_t opacity) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || i < 1 || i > static_cast<int32_t>(w->captionButtons.size())) return;
    const CaptionButtonRecord& button = w->captionButtons[static_cast<size_t>(i - 1)];
    const ButtonGeometry b = GeometryOf(*w, button);
    const RECT area = CaptionButtonArea(*w, i);
    g->Flush(Gdiplus::FlushIntentionSync);
    self->RestoreCaptionArea(n, area.left, area.top, area.right - area.left, area.bottom - area.top);
    const float top = b.y, bottom = b.y + b.height;
    g->FillPath(VerticalBrush(b.x, top, bottom, ToArgb(kBlack, opacity / 5), ToArgb(kWhite, 0)).Get(),
                ButtonTopPath(b, b.height, false).Get());
    const COLORREF tint = b.close ? kRed : settings.accentColour;
    g->FillPath(VerticalBrush(b.x, top, bottom, ToArgb(tint, opacity), ToArgb(kWhite, 0)).Get(), ButtonTopPath(b, b.height, b.close).Get());
    const float outlineHeight = 0.8f * b.height;
    // The gradients of pens end one pixel past their lines: the brushes tile, and a line's last
    // pixel would otherwise take the start colour again.
    auto outlineBrush = VerticalBrush(b.x, top, top + outlineHeight + 1, ToArgb(kWhite, static_cast<int32_t>(0.8 * opacity)), ToArgb(kWhite, 0));
    ButtonGeometry outline = b;
    outline.width = b.width - 1;
    g->DrawPath(BrushPen(outlineBrush.Get()).Get(), ButtonTopPath(outline, outlineHeight, b.close).Get());
}

void SkinEngineOps::DrawButtonSeparators(SkinEngine*, gdip::PlusGraphics* g, int32_t n, int32_t i) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || i < 1 || i > static_cast<int32_t>(w->captionButtons.size())) return;
    const auto top = static_cast<float>(w->stripY + 1), bottom = static_cast<float>(w->stripY + w->stripHeight - 4);
    auto line = [&](float x, int32_t alpha) {
        auto brush = VerticalBrush(x, top, bottom + 1, ToArgb(kBlack, alpha), ToArgb(kBlack, 0));
        g->DrawLine(BrushPen(brush.Get()).Get(), x, top, x, bottom);
    };
    line(w->captionButtons[static_cast<size_t>(i - 1)].rect.x - 2, i == 1 ? 100 : 60);
    if (i < static_cast<int32_t>(w->captionButtons.size())) line(w->captionButtons[static_cast<size_t>(i)].rect.x - 2, 60);
}

// ---- the title ----

void SkinEngineOps::DrawCaptionTitle(SkinEngine*, int32_t n, const char* title, int32_t flags) {
    const SkinnedWindowRecord* w = WindowRecord(n);
    if (!w || !w->cache.frameDC) return;
    const int32_t bandWidth = std::max(w->stripX - 1, 0), bandHeight = w->captionHeight;
    if (w->cache.captionDC) sys::BitBlt(w->cache.frameDC, 0, 0, bandWidth, bandHeight, w->cache.captionDC, 0, 0, SRCCOPY);
    int32_t textLeft = 8;
    if (settings.programIcon) {
        sys::DrawIconEx(w->cache.frameDC, 8, (bandHeight - 16) / 2, settings.programIcon, 16, 16, 0, nullptr, DI_NORMAL);
        textLeft = 30;
    }
    if (title && *title) {
        auto g = GraphicsOn(w->cache.frameDC);
        auto font = gdip::Make<gdip::PlusFont>();
        font->CreateFontByName(w->titleFont.CStr(), static_cast<float>(w->titleSize), 0, static_cast<int32_t>(Gdiplus::UnitPixel));
        auto format = gdip::Make<gdip::PlusStringFormat>();
        format->CreateStringFormat(0, 0);
        format->SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
        const auto left = static_cast<float>(textLeft), width = static_cast<float>(bandWidth - textLeft);
        const gdip::PlusRectF shadow{left + 1, 1, width, static_cast<float>(bandHeight)};
        const gdip::PlusRectF text{left, 0, width, static_cast<float>(bandHeight)};
        if (w->titleFlag) g->DrawString(title, font.Get(), SolidBrush(ToArgb(w->titleShadowColour)).Get(), &shadow, format.Get());
        g->DrawString(title, font.Get(), SolidBrush(ToArgb(w->titleColour)).Get(), &text, format.Get());
    }
    if (flags & 1) BlitFrameArea(*w, 0, 0, bandWidth, bandHeight);
}

}  // namespace skin
