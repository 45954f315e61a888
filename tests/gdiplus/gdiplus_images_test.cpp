// Images, bitmaps and memory streams: saving to bytes and files through the format's encoder,
// loading from bytes, GUID texts, rotated sizes and rotated bitmaps.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "gdiplus/Gdiplus.h"
#include "tests/gdiplus/GdiplusSession.h"

using namespace gdip;
using gdiplus_test::Canvas;
using gdiplus_test::Split;
using gdiplus_test::TempFile;

namespace {

constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;
const std::string kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr const char* kPngLower = "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A w x h bitmap whose left half is red and right half blue.
Canvas TwoColours(int32_t width, int32_t height) {
    Canvas canvas(width, height, kRed);
    Object<PlusSolidBrush> blue = Make<PlusSolidBrush>();
    EXPECT_TRUE(blue->CreateSolidFill(kBlue));
    EXPECT_TRUE(canvas.graphics->FillRectangleI(blue.Get(), width / 2, 0, width - width / 2, height));
    return canvas;
}

// ---- GUID texts and encoders ----

TEST(Guids, TextAndBytesTurnIntoEachOther) {
    // {B96B3CAF-0728-11D3-9D7B-0000F81EF32E}: Data1 to Data3 little-endian, then Data4 as written.
    const uint8_t png[16] = {0xAF, 0x3C, 0x6B, 0xB9, 0x28, 0x07, 0xD3, 0x11, 0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E};
    const Bytes bytes(TextToGuid(kPngFormat));
    ASSERT_EQ(bytes.Length(), 16u);
    EXPECT_EQ(std::memcmp(bytes.Data(), png, 16), 0);
    const Text text(GuidToText(reinterpret_cast<const GUID*>(png)));
    EXPECT_EQ(text.View(), kPngFormat);

    const Bytes none(TextToGuid("no guid"));
    ASSERT_EQ(none.Length(), 16u);
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(none.Data()[i], 0) << i;
}

TEST(Encoders, ListIncludesPngAndTheFormatTextMustMatchExactly) {
    ArrayValue* codecs = MakePointerArray(0);
    const int32_t count = GetImageEncoders(&codecs);
    ASSERT_GT(count, 0);
    bool png = false;
    for (int32_t i = 0; i < count; ++i) {
        const PlusCodecDescription* codec = PointerElements<PlusCodecDescription>(codecs)[i];
        if (codec->formatId && std::string(codec->formatId) == kPngFormat) {
            png = true;
            EXPECT_STREQ(codec->mimeType, "image/png");
            ASSERT_GT(codec->signatureCount, 0);
            EXPECT_EQ(ByteSetLength(codec->signaturePatterns), static_cast<size_t>(codec->signatureCount * codec->signatureSize));
        }
    }
    FreePointerArray(codecs, FreeCodecDescription);
    EXPECT_TRUE(png);

    const Text clsid(FindEncoderForFormat(kPngFormat));
    EXPECT_EQ(clsid.Length(), 38u);
    EXPECT_EQ(FindEncoderForFormat(kPngLower), nullptr);
    EXPECT_EQ(FindEncoderForFormat(nullptr), nullptr);
}

// ---- saving ----

TEST(Saving, ToStreamAsPngAndAgainInTheImagesOwnFormat) {
    Canvas canvas = TwoColours(8, 4);
    const Bytes png(canvas.bitmap->SaveImageToStream(kPngFormat));
    ASSERT_GT(png.Length(), kPngSignature.size());
    EXPECT_EQ(png.View().substr(0, 8), kPngSignature);

    Object<PlusImage> image = Make<PlusImage>();
    ASSERT_TRUE(image->LoadImageFromStream(png.Get()));
    EXPECT_EQ(image->GetImageWidth(), 8u);
    EXPECT_EQ(Text(image->GetImageRawFormat()).View(), kPngFormat);
    const Bytes again(image->SaveImageToStream());
    EXPECT_EQ(again.View().substr(0, 8), kPngSignature);

    Object<PlusBitmap> decoded = Make<PlusBitmap>();
    ASSERT_TRUE(decoded->CreateBitmapFromStream(again.Get()));
    EXPECT_EQ(decoded->BitmapGetPixel(1, 1), kRed);
    EXPECT_EQ(decoded->BitmapGetPixel(6, 2), kBlue);
}

TEST(Saving, ToFileWithoutAFormatWritesABmp) {
    Canvas canvas = TwoColours(8, 4);
    const std::string path = TempFile("plain.bmp");
    ASSERT_TRUE(canvas.bitmap->SaveImageToFile(path.c_str()));
    const std::string bytes = ReadFile(path);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    uint32_t declared = 0;
    std::memcpy(&declared, bytes.data() + 2, 4);
    EXPECT_EQ(declared, bytes.size());

    Object<PlusBitmap> loaded = Make<PlusBitmap>();
    ASSERT_TRUE(loaded->CreateBitmapFromFile(path.c_str()));
    EXPECT_EQ(loaded->GetImageHeight(), 4u);
    EXPECT_EQ(loaded->BitmapGetPixel(0, 0), kRed);
    EXPECT_EQ(loaded->BitmapGetPixel(7, 3), kBlue);
    EXPECT_TRUE(loaded->DisposeImage());
    DeleteFileA(path.c_str());
}

TEST(Saving, AFormatInLowerCaseFindsNoEncoderAndWritesNothing) {
    Canvas canvas = TwoColours(8, 4);
    EXPECT_EQ(canvas.bitmap->SaveImageToStream(kPngLower), nullptr);
    EXPECT_NE(LastStatus, Gdiplus::Ok);
    const std::string path = TempFile("lower.png");
    EXPECT_FALSE(canvas.bitmap->SaveImageToFile(path.c_str(), kPngLower));
    EXPECT_NE(LastStatus, Gdiplus::Ok);
    EXPECT_FALSE(FileExists(path) && !ReadFile(path).empty());
    DeleteFileA(path.c_str());
}

// ---- loading and disposing ----

TEST(Loading, FromStreamTwiceReplacesTheBytesAndKeepsTheFirstImage) {
    Canvas small = TwoColours(4, 2);
    Canvas large = TwoColours(6, 3);
    const Bytes first(small.bitmap->SaveImageToStream(kPngFormat));
    const Bytes second(large.bitmap->SaveImageToStream(kPngFormat));
    Object<PlusImage> image = Make<PlusImage>();
    ASSERT_TRUE(image->LoadImageFromStream(first.Get()));
    auto* firstNative = static_cast<Gdiplus::GpImage*>(image->GetHandle());
    EXPECT_EQ(image->source->GetSize(), first.Length());
    ASSERT_TRUE(image->LoadImageFromStream(second.Get()));
    EXPECT_EQ(image->source->GetSize(), second.Length());
    EXPECT_EQ(Bytes(image->source->GetBytes()).View(), second.View());
    EXPECT_EQ(image->GetImageWidth(), 6u);
    UINT width = 0;
    EXPECT_EQ(GDIP(GdipGetImageWidth)(firstNative, &width), Gdiplus::Ok);  // not disposed by the second load
    EXPECT_EQ(width, 4u);
    GDIP(GdipDisposeImage)(firstNative);
}

TEST(Loading, DisposeImageFreesTheSourceStreamAndClearsTheHandles) {
    Canvas canvas = TwoColours(4, 2);
    const Bytes png(canvas.bitmap->SaveImageToStream(kPngFormat));
    Object<PlusImage> image = Make<PlusImage>();
    ASSERT_TRUE(image->LoadImageFromStream(png.Get()));
    ASSERT_NE(image->source->GetStream(), nullptr);
    EXPECT_TRUE(image->DisposeImage());
    EXPECT_EQ(image->source->GetStream(), nullptr);
    EXPECT_EQ(image->source->GetGlobal(), nullptr);
    EXPECT_EQ(image->image, nullptr);
    EXPECT_EQ(image->handle, nullptr);
    LastStatus = 0x7777;
    EXPECT_FALSE(image->DisposeImage());
    EXPECT_EQ(LastStatus, 0x7777);
}

// ---- memory streams ----

TEST(Streams, CreateCopiesTheDataIntoABlockOfTheGivenSize) {
    Object<MemoryStream> stream = Make<MemoryStream>();
    const Bytes data = Bytes::Copy("abc", 3);
    ASSERT_NE(stream->Create(data.Get(), 6), nullptr);
    EXPECT_EQ(stream->GetSize(), 6u);
    EXPECT_EQ(Bytes(stream->GetBytes()).View(), std::string("abc\0\0\0", 6));
    ASSERT_NE(stream->Create(data.Get()), nullptr);
    EXPECT_EQ(Bytes(stream->GetBytes()).View(), "abc");
    ASSERT_NE(stream->Create(), nullptr);
    EXPECT_EQ(stream->GetSize(), 0u);
    EXPECT_EQ(stream->GetBytes(), nullptr);
    stream->Release();
    EXPECT_EQ(stream->GetStream(), nullptr);
    EXPECT_EQ(stream->GetGlobal(), nullptr);
}

TEST(Streams, AttachTakesAStreamAndItsBlock) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 5);
    IStream* native = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &native), S_OK);
    Object<MemoryStream> stream = Make<MemoryStream>();
    EXPECT_TRUE(stream->Attach(native));
    EXPECT_EQ(stream->GetGlobal(), block);
    EXPECT_EQ(stream->GetStream(), native);
    EXPECT_EQ(stream->GetSize(), 5u);
}

// ---- bitmaps ----

TEST(Bitmaps, GdiBitmapAndClonedAreaKeepThePixels) {
    Canvas canvas = TwoColours(20, 10);
    const HBITMAP gdi = canvas.bitmap->CreateHBITMAPFromBitmap(0);
    ASSERT_NE(gdi, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(gdi, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 10);
    DeleteObject(gdi);

    Object<PlusBitmap> right = Make<PlusBitmap>();
    const PlusRect area{10, 0, 10, 10};
    ASSERT_TRUE(canvas.bitmap->CloneBitmapAreaI(&area, kPixelFormat32bppARGB, right.Get()));
    EXPECT_EQ(right->GetImageWidth(), 10u);
    EXPECT_EQ(right->BitmapGetPixel(0, 5), kBlue);
    EXPECT_EQ(right->handle, right->bitmap);
}

TEST(Bitmaps, AnImageOperationCalledOnABitmapRunsTheBitmapsOwn) {
    Canvas canvas = TwoColours(4, 2);
    const Bytes png(canvas.bitmap->SaveImageToStream(kPngFormat));
    Object<PlusBitmap> bitmap = Make<PlusBitmap>();
    ASSERT_TRUE(bitmap->CreateBitmapFromStream(png.Get()));
    EXPECT_EQ(bitmap->source, nullptr);  // a bitmap keeps its bytes in its own stream
    EXPECT_NE(bitmap->bitmapSource->GetStream(), nullptr);
    EXPECT_EQ(bitmap->image, bitmap->bitmap);
    PlusImage* asImage = bitmap.Get();
    EXPECT_TRUE(asImage->DisposeImage());  // slot 8 of the bitmap's table
    EXPECT_EQ(bitmap->bitmap, nullptr);
    EXPECT_EQ(bitmap->image, nullptr);
    EXPECT_EQ(bitmap->bitmapSource->GetStream(), nullptr);
}

// ---- rotation ----

TEST(Rotation, RotatedSizeIsTheSpanOfTheTurnedCorners) {
    Object<PlusBitmap> bitmap = Make<PlusBitmap>();
    struct Case {
        float width, height;
        int32_t angle;
        float newWidth, newHeight;
    } cases[] = {
        {100, 50, 90, 49, 99},
        {100, 50, 0, 99, 49},
        {100, 50, 180, 99, 49},
        {11, 11, 45, 14.1421f, 14.1421f},  // the diagonal of 10 x 10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        float w = -1, h = -1;
        bitmap->GetRotatedSize(c.width, c.height, c.angle, &w, &h);
        EXPECT_NEAR(w, c.newWidth, 1e-3);
        EXPECT_NEAR(h, c.newHeight, 1e-3);
    }
}

TEST(Rotation, ByZeroMakesABitmapOnePixelSmallerHoldingTheSourceCentred) {
    Canvas canvas = TwoColours(20, 10);
    Object<PlusBitmap> rotated = Make<PlusBitmap>();
    ASSERT_TRUE(canvas.bitmap->RotateToBitmap(0.0f, rotated.Get()));
    EXPECT_EQ(rotated->GetImageWidth(), 19u);
    EXPECT_EQ(rotated->GetImageHeight(), 9u);
    EXPECT_EQ(rotated->bitmap, rotated->image);
    EXPECT_EQ(rotated->BitmapGetPixel(2, 4), kRed);
    EXPECT_EQ(rotated->BitmapGetPixel(16, 4), kBlue);
}

TEST(Rotation, ByNinetyTurnsTheLeftHalfToTheTop) {
    Canvas canvas = TwoColours(20, 10);
    Object<PlusBitmap> rotated = Make<PlusBitmap>();
    ASSERT_TRUE(canvas.bitmap->RotateToBitmap(90.0f, rotated.Get(), 0xFF00FF00u));
    EXPECT_EQ(rotated->GetImageWidth(), 9u);
    EXPECT_EQ(rotated->GetImageHeight(), 19u);
    EXPECT_EQ(rotated->BitmapGetPixel(4, 2), kRed);
    EXPECT_EQ(rotated->BitmapGetPixel(4, 16), kBlue);

    const PlusSizeF size{30, 30};
    Object<PlusBitmap> framed = Make<PlusBitmap>();
    ASSERT_TRUE(canvas.bitmap->RotateToBitmap(0.0f, framed.Get(), 0xFF00FF00u, Optional<int32_t>(), &size));
    EXPECT_EQ(framed->GetImageWidth(), 30u);
    EXPECT_EQ(framed->BitmapGetPixel(1, 1), 0xFF00FF00u);  // the background outside the source
    EXPECT_EQ(framed->BitmapGetPixel(10, 15), kRed);        // the source's left half, centred
}

}  // namespace
