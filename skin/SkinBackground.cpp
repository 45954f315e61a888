// The background pictures and the options: SetBackground, SetWindowBackground, SetOptions, and
// how a picture is prepared and averaged.
#include <random>

#include "skin/SkinFrame.h"
#include "skin/SkinPaint.h"
#include "skin/SkinSystemCalls.h"

namespace skin {

namespace frame {

namespace {

constexpr COLORREF kDefaultAccent = 0xDDCA22;
constexpr int32_t kDefaultBackgroundMode = 4;
constexpr int kAverageSamples = 2000;

// A bitmap of the picture, from the file when a name is given, else from the bytes.
gdip::Object<gdip::PlusBitmap> LoadBitmap(const char* fileName, const ByteSet* picture) {
    auto bitmap = gdip::Make<gdip::PlusBitmap>();
    if (fileName && *fileName) bitmap->CreateBitmapFromFile(fileName);
    else if (ByteSetLength(picture) > 0) bitmap->CreateBitmapFromStream(picture);
    return bitmap;
}

// The picture drawn onto a new ARGB bitmap of its size, blending into `colour` over the last
// 30 percent of its height (vertical) or width, as PNG bytes.
Bytes FadePicture(gdip::PlusBitmap* source, COLORREF colour, bool vertical) {
    const auto w = static_cast<int32_t>(source->GetImageWidth());
    const auto h = static_cast<int32_t>(source->GetImageHeight());
    auto faded = gdip::Make<gdip::PlusBitmap>();
    if (w <= 0 || h <= 0 || !faded->CreateBitmap(w, h, gdip::kPixelFormat32bppARGB)) return Bytes();
    auto g = gdip::Make<gdip::PlusGraphics>();
    g->GetImageGraphicsContext(faded.Get());
    g->DrawImageRect(source, 0.0f, 0.0f, static_cast<float>(w), static_cast<float>(h));
    const float extent = static_cast<float>(vertical ? h : w);
    const float band = extent * 0.3f;
    // From the picture's end (the colour, opaque) back to where the band begins (clear white).
    auto brush = vertical ? LinearBrush(0, extent, 0, extent - band, ToArgb(colour), ToArgb(kWhite, 0))
                          : LinearBrush(extent, 0, extent - band, 0, ToArgb(colour), ToArgb(kWhite, 0));
    if (vertical) g->FillRectangle(brush.Get(), 0.0f, extent - band, static_cast<float>(w), band);
    else g->FillRectangle(brush.Get(), extent - band, 0.0f, band, static_cast<float>(h));
    g.Reset();
    return Bytes(faded->SaveImageToStream(gdip::kPngFormat));
}

}  // namespace

COLORREF AverageColour(const char* fileName, const ByteSet* picture) {
    auto bitmap = LoadBitmap(fileName, picture);
    const auto w = static_cast<int32_t>(bitmap->GetImageWidth());
    const auto h = static_cast<int32_t>(bitmap->GetImageHeight());
    if (w <= 0 || h <= 0) return 0xFF000000;
    // A fixed seed: the same picture gives the same colour on every run.
    std::minstd_rand random(0x5EED);
    std::uniform_int_distribution<int32_t> column(0, w - 1), row(0, h - 1);
    uint32_t blue = 0, green = 0, red = 0;
    for (int i = 0; i < kAverageSamples; ++i) {
        const int32_t x = column(random), y = row(random);
        const COLORREF c = FromArgb(bitmap->BitmapGetPixel(x, y));
        blue += c / 65536;
        green += (c % 65536) / 256;
        red += c % 256;
    }
    return 0xFF000000 | RGB(red / kAverageSamples, green / kAverageSamples, blue / kAverageSamples);
}

Bytes PreparePicture(const char* fileName, const ByteSet* picture, COLORREF colour, int32_t mode) {
    const bool fromFile = fileName && *fileName;
    if (mode == 0 || mode == 1) {
        auto bitmap = LoadBitmap(fileName, picture);
        return FadePicture(bitmap.Get(), colour, mode == 1);
    }
    if (fromFile) {
        auto image = gdip::Make<gdip::PlusImage>();
        if (!image->LoadImageFromFile(fileName)) return Bytes();
        return Bytes(image->SaveImageToStream(gdip::kPngFormat));
    }
    return Bytes::Copy(picture ? picture->Bytes() : nullptr, ByteSetLength(picture));
}

}  // namespace frame

using namespace frame;

int32_t SkinEngineOps::SetOptions(SkinEngine*, int32_t skinControls, Optional<int32_t> alpha, Optional<int32_t> shading) {
    settings.skinControls = skinControls;
    settings.controlAlpha = alpha.Or(160);
    settings.alphaGiven = alpha.given ? 1 : 0;
    settings.trackbarShading = shading.Or(1);
    return 1;
}

int32_t SkinEngineOps::SetBackground(SkinEngine* self, Optional<const char*> fileName, Optional<const ByteSet*> picture,
                                     Optional<int32_t> colour, Optional<int32_t> accent, Optional<int32_t> mode) {
    const char* file = fileName.Or(nullptr);
    const ByteSet* bytes = picture.Or(nullptr);
    const bool accentFollowsBackground = accent.given && accent.value == -1;
    if (!accentFollowsBackground) settings.accentColour = accent.given ? static_cast<COLORREF>(accent.value) : kDefaultAccent;
    const bool hasFile = file && *file;
    if (!hasFile && ByteSetLength(bytes) == 0) {
        settings.backgroundPicture.Reset();
        settings.backgroundColour = colour.given ? static_cast<COLORREF>(colour.value) : sys::GetSysColor(COLOR_BTNFACE);
        if (accentFollowsBackground) settings.accentColour = settings.backgroundColour;
    } else {
        settings.backgroundColour = colour.given ? static_cast<COLORREF>(colour.value) : AverageColour(file, bytes);
        if (accentFollowsBackground) settings.accentColour = settings.backgroundColour;
        settings.backgroundMode = mode.Or(kDefaultBackgroundMode);
        settings.backgroundPicture = PreparePicture(file, bytes, settings.backgroundColour, settings.backgroundMode);
    }
    // Every visible skinned window shows the new background at once.
    for (int32_t n = 1; n <= WindowCount(); ++n) {
        SkinnedWindowRecord* record = WindowRecord(n);
        if (!sys::IsWindowVisible(record->hwnd)) continue;
        self->RenderFrame(n, nullptr, 0);
        sys::InvalidateRect(record->hwnd, nullptr, FALSE);
        for (HWND child = sys::GetWindow(record->hwnd, GW_CHILD); child; child = sys::GetWindow(child, GW_HWNDNEXT))
            if (sys::IsWindowVisible(child)) sys::InvalidateRect(child, nullptr, FALSE);
        for (const auto& header : record->controls.headers.records)
            if (header.hwnd) sys::InvalidateRect(header.hwnd, nullptr, FALSE);
    }
    return 1;
}

int32_t SkinEngineOps::SetWindowBackground(SkinEngine*, HWND window, const ByteSet* picture, Optional<int32_t> mode) {
    SkinnedWindowRecord* record = WindowRecord(WindowNumberOf(window));
    if (!record) return 0;
    if (mode.given) record->pictureMode = mode.value;
    record->pictureColour = AverageColour(nullptr, picture);
    record->windowPicture = PreparePicture(nullptr, picture, record->pictureColour, record->pictureMode);
    record->needsFullPaint = 1;
    sys::InvalidateRect(window, nullptr, FALSE);
    return 1;
}

COLORREF SkinEngineOps::GetBackgroundColour(SkinEngine*) { return settings.backgroundColour; }

}  // namespace skin
