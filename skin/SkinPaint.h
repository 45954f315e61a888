// What all skin painting shares: colour conversion between COLORREF and GDI+ ARGB, the skin's
// rounded-rectangle path, brushes and pens in one call, pictures drawn from PNG bytes, and
// scoped GDI guards.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>

#include "gdiplus/Gdiplus.h"

namespace skin {

using Gdiplus::ARGB;

// COLORREF 0x00BBGGRR to ARGB: red and blue exchanged, the alpha (with useAlpha) or 255 on top.
ARGB ToArgb(COLORREF colour, int32_t alpha = 255, bool useAlpha = true);
// The reverse; the alpha is handed back separately.
COLORREF FromArgb(ARGB colour, int32_t* alpha = nullptr);

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kRed = 0x0000FF;
inline constexpr COLORREF kMagenta = 0xFF00FF;

// The skin's rounded rectangle (x, y, w, h) with corner size r pixels, clamped to 1 .. 100:
// four arcs of r by r (the bottom right one r + 1, one pixel further in), then closed.
void AddRoundedRectangle(gdip::PlusPath* path, float x, float y, float w, float h, int32_t r);
// Corners chosen one by one (0: square); arc sizes as given.
struct Corners {
    float topLeft = 0, topRight = 0, bottomRight = 0, bottomLeft = 0;
};
void AddCorneredRectangle(gdip::PlusPath* path, float x, float y, float w, float h, Corners corners);

gdip::Object<gdip::PlusPath> NewPath();
gdip::Object<gdip::PlusPath> RoundedPath(float x, float y, float w, float h, int32_t r);
gdip::Object<gdip::PlusPath> CorneredPath(float x, float y, float w, float h, Corners corners);

gdip::Object<gdip::PlusSolidBrush> SolidBrush(ARGB colour);
// A linear gradient from (x, y1) in `from` to (x, y2) in `to` (vertical when x1 == x2).
gdip::Object<gdip::PlusLinearBrush> LinearBrush(float x1, float y1, float x2, float y2, ARGB from, ARGB to);
inline gdip::Object<gdip::PlusLinearBrush> VerticalBrush(float x, float top, float bottom, ARGB from, ARGB to) {
    return LinearBrush(x, top, x, bottom, from, to);
}
gdip::Object<gdip::PlusPen> Pen(ARGB colour, float width = 1.0f);
gdip::Object<gdip::PlusPen> BrushPen(gdip::PlusBrush* brush, float width = 1.0f);

// A graphics drawing into the device context.
gdip::Object<gdip::PlusGraphics> GraphicsOn(HDC dc);

// PNG (or any GDI+ picture) bytes drawn into the rectangle, or at (x, y) in its natural size.
void DrawPicture(gdip::PlusGraphics* g, const ByteSet* picture, float x, float y, float w, float h);
void DrawPictureNatural(gdip::PlusGraphics* g, const ByteSet* picture, float x, float y);

// ---- scoped GDI guards ----

// A device context of a window (GetDC, or GetWindowDC for the whole window), released with it.
class WindowDC {
public:
    enum Area { kClient, kWhole };
    explicit WindowDC(HWND window, Area area = kClient);
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context with its own 32-bit bitmap of w by h; both go with the guard.
class MemoryCanvas {
public:
    MemoryCanvas(int32_t width, int32_t height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    HDC Get() const { return dc_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    int32_t width_, height_;
};

// A 32-bit top-down DIB section of w by h (zeroed), as GDI+ hands bitmaps to GDI; null on failure.
HBITMAP NewFrameBitmap(int32_t width, int32_t height);

}  // namespace skin
