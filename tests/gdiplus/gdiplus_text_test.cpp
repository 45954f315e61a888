// Text through the wrapper classes: fonts made by name (宋体 is mapped to the installed CJK font
// in the test prefix), Chinese text drawn into a bitmap and measured, character ranges, the
// empty texts.
#include <gtest/gtest.h>

#include "gdiplus/Gdiplus.h"
#include "tests/gdiplus/GdiplusSession.h"

using namespace gdip;
using gdiplus_test::Canvas;
using gdiplus_test::Split;

namespace {

constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

// Pixels of the area that are clearly darker than the white background.
int DarkPixels(Canvas& canvas, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int dark = 0;
    for (int32_t y = y0; y < y1; ++y)
        for (int32_t x = x0; x < x1; ++x)
            if (Split(canvas.Pixel(x, y)).g < 128) ++dark;
    return dark;
}

struct Ink {
    Object<PlusFont> font = Make<PlusFont>();
    Object<PlusSolidBrush> brush = Make<PlusSolidBrush>();
    Ink() {
        EXPECT_TRUE(font->CreateFontByName("宋体", 20.0f, Optional<int32_t>(), Gdiplus::UnitPixel));
        EXPECT_TRUE(brush->CreateSolidFill(0xFF000000));
    }
};

TEST(Text, ChineseTextDrawnWithAFontMadeByNameInksItsLayoutRectangle) {
    Canvas canvas(120, 40);
    Ink ink;
    ASSERT_NE(ink.font->GetHandle(), nullptr);
    EXPECT_FLOAT_EQ(ink.font->GetFontSize(), 20.0f);
    const PlusRectF layout{0, 0, 120, 40};
    ASSERT_TRUE(canvas.graphics->DrawString("中文字体", ink.font.Get(), ink.brush.Get(), &layout));
    EXPECT_GT(DarkPixels(canvas, 0, 0, 60, 30), 40);   // four ideographs of 20 pixels fill the left part
    EXPECT_EQ(DarkPixels(canvas, 0, 32, 120, 40), 0);  // and nothing below the line
    canvas.Keep("chinese_text");

    PlusRectF box{};
    ASSERT_TRUE(canvas.graphics->MeasureString("中文字体", ink.font.Get(), &layout, Optional<PlusStringFormat*>(), &box));
    EXPECT_GT(box.width, 60);
    EXPECT_LT(box.width, 120);
    EXPECT_GT(box.height, 15);
}

TEST(Text, TheFamilyOfAFontMadeByNameHasAName) {
    Ink ink;
    Object<PlusFontFamily> family = Make<PlusFontFamily>();
    ASSERT_TRUE(ink.font->GetFamily(family.Get()));
    const Text name(family->GetFamilyName());
    EXPECT_GT(name.Length(), 0u);
    const Bytes wide(family->GetFamilyNameW());
    EXPECT_EQ(wide.Length(), 64u);
    EXPECT_TRUE(family->IsStyleAvailable(0));
    EXPECT_TRUE(family->DeleteFontFamily());
}

TEST(Text, ReleasingAFamilyLeavesItsNativeFamilyAlive) {
    PlusFontFamily* family = New<PlusFontFamily>();
    Object<PlusFontCollection> installed = Make<PlusFontCollection>();
    ASSERT_TRUE(family->CreateFontFamilyFromName("宋体", installed.Get()));
    auto* native = static_cast<Gdiplus::GpFontFamily*>(family->GetHandle());
    ASSERT_NE(native, nullptr);
    LastStatus = 0x7777;
    Release(family);
    EXPECT_EQ(LastStatus, 0x7777);  // no delete call
    WCHAR name[LF_FACESIZE] = {};
    EXPECT_EQ((GDIP(GdipGetFamilyName)(native, name, 0)), Gdiplus::Ok);
    EXPECT_EQ((GDIP(GdipDeleteFontFamily)(native)), Gdiplus::Ok);
}

TEST(Text, EmptyTextIsOneTerminatorAndATextWithoutABlockIsInvalid) {
    Canvas canvas(40, 20);
    Ink ink;
    const PlusRectF layout{0, 0, 40, 20};
    EXPECT_TRUE(canvas.graphics->DrawString("", ink.font.Get(), ink.brush.Get(), &layout));
    EXPECT_EQ(LastStatus, Gdiplus::Ok);
    EXPECT_FALSE(canvas.graphics->DrawString(nullptr, ink.font.Get(), ink.brush.Get(), &layout));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(DarkPixels(canvas, 0, 0, 40, 20), 0);
}

TEST(Text, WideTextAndCharacterRangesMeasureTheRanges) {
    Canvas canvas(200, 40);
    Ink ink;
    Object<PlusStringFormat> format = Make<PlusStringFormat>();
    ASSERT_TRUE(format->CreateStringFormat(0, 0));
    RecordArray ranges = RecordArray::Of<PlusCharacterRange>({{0, 2}, {2, 2}});
    ASSERT_TRUE(format->SetStringFormatMeasurableCharacterRanges(ranges.Get()));
    EXPECT_EQ(format->GetStringFormatMeasurableCharacterRangeCount(), 2);

    const wchar_t units[] = L"\u4E2D\u6587\u5B57\u4F53";  // 中文字体
    const Bytes wide = Bytes::Copy(units, sizeof units);
    const PlusRectF layout{0, 0, 200, 40};
    ArrayValue* regions = MakePointerArray(0);
    ASSERT_TRUE(canvas.graphics->MeasureCharacterRangesW(wide.Get(), ink.font.Get(), &layout, format.Get(), 2, &regions));
    ASSERT_EQ(ElementCount(regions), 2u);
    Record<PlusRectF> first(PointerElements<PlusRegion>(regions)[0]->GetRegionBounds(canvas.graphics.Get()));
    Record<PlusRectF> second(PointerElements<PlusRegion>(regions)[1]->GetRegionBounds(canvas.graphics.Get()));
    EXPECT_GT(first.Get()->width, 10);
    EXPECT_GT(second.Get()->x, first.Get()->x);  // the second pair follows the first
    for (size_t i = 0; i < 2; ++i) Release(PointerElements<PlusRegion>(regions)[i]);
    FreePointerArray(regions, [](void*) {});

    ASSERT_TRUE(canvas.graphics->DrawStringW(wide.Get(), ink.font.Get(), ink.brush.Get(), &layout, format.Get()));
    EXPECT_GT(DarkPixels(canvas, 0, 0, 100, 30), 40);
    canvas.Keep("wide_text");
}

TEST(Text, DefaultGuiFontComesFromTheStockFont) {
    Object<PlusFont> font = Make<PlusFont>();
    ASSERT_TRUE(font->CreateDefaultGuiFont());
    EXPECT_GT(font->GetFontSize(), 0.0f);
    EXPECT_EQ(font->font, font->handle);
}

}  // namespace
