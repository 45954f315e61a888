// What the GDI+ tests share: the runtime and GDI+ started once per program (a gtest environment
// registered by GdiplusSession.cpp), and canvases
// (32-bit ARGB bitmaps with a graphics drawing into them) whose pixels are read back.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gdiplus/Gdiplus.h"

namespace gdiplus_test {

struct Argb {
    uint8_t a, r, g, b;
};
Argb Split(Gdiplus::ARGB colour);

// A w x h bitmap of the wrapper classes cleared to a colour, and a graphics on it.
struct Canvas {
    Canvas(int32_t width, int32_t height, Gdiplus::ARGB background = 0xFFFFFFFF);
    Gdiplus::ARGB Pixel(int32_t x, int32_t y);
    // With GDIPLUS_TEST_PICTURES naming a folder, the picture goes there as name.png to be looked at.
    void Keep(const char* name);
    gdip::Object<gdip::PlusBitmap> bitmap;
    gdip::Object<gdip::PlusGraphics> graphics;
};

// A fresh file name in the temporary folder.
std::string TempFile(const char* name);

}  // namespace gdiplus_test
