#include "tests/gdiplus/GdiplusSession.h"

#include <windows.h>

#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeApplication.h"

namespace gdiplus_test {

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        InitRuntime();
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(dll::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    // GDI+ stays up until the process ends.

private:
    ULONG_PTR token_ = 0;
};

// Registered before main runs: every test program of this folder starts GDI+ first.
::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

Argb Split(Gdiplus::ARGB colour) {
    return {static_cast<uint8_t>(colour >> 24), static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
            static_cast<uint8_t>(colour)};
}

Canvas::Canvas(int32_t width, int32_t height, Gdiplus::ARGB background)
    : bitmap(gdip::Make<gdip::PlusBitmap>()), graphics(gdip::Make<gdip::PlusGraphics>()) {
    EXPECT_TRUE(bitmap->CreateBitmap(width, height));
    EXPECT_TRUE(graphics->GetImageGraphicsContext(bitmap.Get()));
    EXPECT_TRUE(graphics->GraphicsClear(background));
}

Gdiplus::ARGB Canvas::Pixel(int32_t x, int32_t y) { return bitmap->BitmapGetPixel(x, y); }

void Canvas::Keep(const char* name) {
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("GDIPLUS_TEST_PICTURES", folder, MAX_PATH)) return;
    const std::string path = std::string(folder) + "\\" + name + ".png";
    EXPECT_TRUE(bitmap->SaveImageToFile(path.c_str(), gdip::kPngFormat));
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "gdiplus_test_" + std::to_string(GetCurrentProcessId()) + "_" + name;
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace gdiplus_test
