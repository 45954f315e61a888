#include "skin/SkinPaint.h"

#include <algorithm>

#include "skin/SkinSystemCalls.h"

namespace skin {

ARGB ToArgb(COLORREF colour, int32_t alpha, bool useAlpha) {
    const uint32_t red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    const uint32_t a = useAlpha ? static_cast<uint32_t>(alpha) & 0xFF : 0xFF;
    return (a << 24) | (red << 16) | (green << 8) | blue;
}

COLORREF FromArgb(ARGB colour, int32_t* alpha) {
    if (alpha) *alpha = static_cast<int32_t>((colour >> 24) & 0xFF);
    const uint32_t red = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, blue = colour & 0xFF;
    return red | (green << 8) | (blue << 16);
}

void AddRoundedRectangle(gdip::PlusPath* path, float x, float y, float w, float h, int32_t r) {
    const float c = static_cast<float>(std::clamp(r, 1, 100));
    path->AddPathArc(x + w - c, y, c, c, 270.0f, 90.0f);
    path->AddPathArc(x + w - c - 1, y + h - c - 1, c + 1, c + 1, 0.0f, 90.0f);
    path->AddPathArc(x, y + h - c, c, c, 90.0f, 90.0f);
    path->AddPathArc(x, y, c, c, 180.0f, 90.0f);
    path->ClosePathFigure();
}

void AddCorneredRectangle(gdip::PlusPath* path, float x, float y, float w, float h, Corners corners) {
    // Clockwise from the top left; a square corner is a point on the outline.
    if (corners.topLeft > 0) path->AddPathArc(x, y, corners.topLeft, corners.topLeft, 180.0f, 90.0f);
    else path->AddPathLine(x, y, x, y);
    if (corners.topRight > 0) path->AddPathArc(x + w - corners.topRight, y, corners.topRight, corners.topRight, 270.0f, 90.0f);
    else path->AddPathLine(x + w, y, x + w, y);
    if (corners.bottomRight > 0)
        path->AddPathArc(x + w - corners.bottomRight, y + h - corners.bottomRight, corners.bottomRight, corners.bottomRight, 0.0f, 90.0f);
    else path->AddPathLine(x + w, y + h, x + w, y + h);
    if (corners.bottomLeft > 0) path->AddPathArc(x, y + h - corners.bottomLeft, corners.bottomLeft, corners.bottomLeft, 90.0f, 90.0f);
    else path->AddPathLine(x, y + h, x, y + h);
    path->ClosePathFigure();
}

gdip::Object<gdip::PlusPath> NewPath() {
    auto path = gdip::Make<gdip::PlusPath>();
    path->CreatePath(Gdiplus::FillModeAlternate);
    return path;
}

gdip::Object<gdip::PlusPath> RoundedPath(float x, float y, float w, float h, int32_t r) {
    auto path = NewPath();
    AddRoundedRectangle(path.Get(), x, y, w, h, r);
    return path;
}

gdip::Object<gdip::PlusPath> CorneredPath(float x, float y, float w, float h, Corners corners) {
    auto path = NewPath();
    AddCorneredRectangle(path.Get(), x, y, w, h, corners);
    return path;
}

gdip::Object<gdip::PlusSolidBrush> SolidBrush(ARGB colour) {
    auto brush = gdip::Make<gdip::PlusSolidBrush>();
    brush->CreateSolidFill(colour);
    return brush;
}

gdip::Object<gdip::PlusLinearBrush> LinearBrush(float x1, float y1, float x2, float y2, ARGB from, ARGB to) {
    auto brush = gdip::Make<gdip::PlusLinearBrush>();
    const gdip::PlusPointF p1{x1, y1}, p2{x2, y2};
    brush->CreateLineBrush(&p1, &p2, from, to);
    return brush;
}

gdip::Object<gdip::PlusPen> Pen(ARGB colour, float width) {
    auto pen = gdip::Make<gdip::PlusPen>();
    pen->CreatePen1(colour, width);
    return pen;
}

gdip::Object<gdip::PlusPen> BrushPen(gdip::PlusBrush* brush, float width) {
    auto pen = gdip::Make<gdip::PlusPen>();
    pen->CreatePen2(brush, width);
    return pen;
}

gdip::Object<gdip::PlusGraphics> GraphicsOn(HDC dc) {
    auto g = gdip::Make<gdip::PlusGraphics>();
    g->CreateFromHDC(dc);
    return g;
}

void DrawPicture(gdip::PlusGraphics* g, const ByteSet* picture, float x, float y, float w, float h) {
    if (ByteSetLength(picture) == 0) return;
    auto image = gdip::Make<gdip::PlusImage>();
    if (image->LoadImageFromStream(picture)) g->DrawImageRect(image.Get(), x, y, w, h);
}

void DrawPictureNatural(gdip::PlusGraphics* g, const ByteSet* picture, float x, float y) {
    if (ByteSetLength(picture) == 0) return;
    auto image = gdip::Make<gdip::PlusImage>();
    if (!image->LoadImageFromStream(picture)) return;
    const auto w = static_cast<float>(image->GetImageWidth());
    const auto h = static_cast<float>(image->GetImageHeight());
    g->DrawImageRect(image.Get(), x, y, w, h);
}

// ---- guards ----

WindowDC::WindowDC(HWND window, Area area)
    : window_(window), dc_(area == kWhole ? sys::GetWindowDC(window) : sys::GetDC(window)) {}

WindowDC::~WindowDC() {
    if (dc_) sys::ReleaseDC(window_, dc_);
}

HBITMAP NewFrameBitmap(int32_t width, int32_t height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = std::max(width, 1);
    info.bmiHeader.biHeight = -std::max(height, 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return sys::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

MemoryCanvas::MemoryCanvas(int32_t width, int32_t height)
    : dc_(sys::CreateCompatibleDC(nullptr)), bitmap_(NewFrameBitmap(width, height)), previous_(nullptr), width_(width), height_(height) {
    if (dc_ && bitmap_) previous_ = sys::SelectObject(dc_, bitmap_);
}

MemoryCanvas::~MemoryCanvas() {
    if (dc_ && previous_) sys::SelectObject(dc_, previous_);
    if (bitmap_) sys::DeleteObject(bitmap_);
    if (dc_) sys::DeleteDC(dc_);
}

}  // namespace skin
