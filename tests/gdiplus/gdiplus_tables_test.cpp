// The object model: every class's operations in their declared order, shared and repeated
// operations, handle fields kept equal, destroy and delete, LastStatus, the text conversions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "gdiplus/Gdiplus.h"
#include "gdiplus/PlusText.h"
#include "tests/gdiplus/GdiplusSession.h"

using namespace gdip;

namespace {

// ---- the declared lists, as the classes' descriptions give them ----

constexpr const char* kCommon = "0 destroy, 1 copy, 2 GetHandle, 3 SetHandle, 4 OnHandleSet, 5 Alloc, 6 Free";
// PlusGraphics
constexpr const char* kGraphics =
    "7 OnAttach, 8 DeleteGraphics, 9 Flush, 10 CreateFromHWND, 11 CreateFromHDC, 12 "
    "GetImageGraphicsContext, 13 GetDC, 14 ReleaseDC, 15 GetRenderingOrigin, 16 SetRenderingOrigin, 17 "
    "GetCompositingMode, 18 SetCompositingMode, 19 GetCompositingQuality, 20 SetCompositingQuality, 21 "
    "SetTextRenderingHint, 22 GetTextRenderingHint, 23 SetTextContrast, 24 GetTextContrast, 25 "
    "SetInterpolationMode, 26 GetInterpolationMode, 27 SetSmoothingMode, 28 GetSmoothingMode, 29 "
    "SetPixelOffsetMode, 30 GetPixelOffsetMode, 31 SetWorldTransform, 32 GetWorldTransform, 33 "
    "ResetWorldTransform, 34 MultiplyWorldTransform, 35 TranslateWorldTransform, 36 ScaleWorldTransform, "
    "37 ScaleWorldTransformAt, 38 RotateWorldTransform, 39 RotateWorldTransformAt, 40 SetPageUnit, 41 "
    "GetPageUnit, 42 SetPageScale, 43 GetPageScale, 44 GetDpiX, 45 GetDpiY, 46 TransformPoints, 47 "
    "TransformPointsI, 48 GetNearestColor, 49 DrawLine, 50 DrawLineI, 51 DrawLines, 52 DrawLinesI, 53 "
    "DrawArc, 54 DrawArcI, 55 DrawBezier, 56 DrawBezierI, 57 DrawBeziers, 58 DrawBeziersI, 59 "
    "DrawRectangle, 60 DrawRectangleI, 61 DrawRectangles, 62 DrawRectanglesI, 63 DrawEllipse, 64 "
    "DrawEllipseI, 65 DrawPie, 66 DrawPieI, 67 DrawPolygon, 68 DrawPolygonI, 69 DrawPath, 70 DrawCurve, "
    "71 DrawCurveI, 72 DrawCurve2, 73 DrawCurve2I, 74 DrawCurve3, 75 DrawCurve3I, 76 DrawClosedCurve, 77 "
    "DrawClosedCurveI, 78 DrawClosedCurve2, 79 DrawClosedCurve2I, 80 GraphicsClear, 81 FillRectangle, 82 "
    "FillRectangleRect, 83 FillRectangleI, 84 FillRectangles, 85 FillRectanglesI, 86 FillPolygon, 87 "
    "FillPolygonI, 88 FillEllipse, 89 FillEllipseI, 90 FillPie, 91 FillPieI, 92 FillPath, 93 "
    "FillClosedCurve, 94 FillClosedCurve2, 95 FillClosedCurveI, 96 FillClosedCurve2I, 97 FillRegion, 98 "
    "DrawString, 99 DrawStringW, 100 MeasureString, 101 MeasureStringW, 102 MeasureCharacterRanges, 103 "
    "MeasureCharacterRangesW, 104 DrawDriverString, 105 DrawDriverStringW, 106 DrawImage, 107 DrawImageI, "
    "108 DrawCachedBitmap, 109 DrawImageRect, 110 DrawImageRectI, 111 DrawImagePoints, 112 "
    "DrawImagePointsI, 113 DrawImagePointRect, 114 DrawImagePointRectI, 115 DrawImageRectRect, 116 "
    "DrawImageRectRectI, 117 DrawImagePointsRect, 118 DrawImagePointsRectI, 119 "
    "EnumerateMetafileDestPoint, 120 EnumerateMetafileDestPointI, 121 EnumerateMetafileDestPoints, 122 "
    "EnumerateMetafileDestPointsI, 123 EnumerateMetafileDestRect, 124 EnumerateMetafileDestRectI, 125 "
    "EnumerateMetafileSrcRectDestPoint, 126 EnumerateMetafileSrcRectDestPointI, 127 "
    "EnumerateMetafileSrcRectDestPoints, 128 EnumerateMetafileSrcRectDestPointsI, 129 "
    "EnumerateMetafileSrcRectDestRect, 130 EnumerateMetafileSrcRectDestRectI, 131 SetClipGraphics, 132 "
    "SetClipPath, 133 SetClipRect, 134 SetClipRectI, 135 SetClipRegion, 136 SetClipHrgn, 137 ResetClip, "
    "138 TranslateClip, 139 TranslateClipI, 140 GetClip, 141 GetClipBounds, 142 GetClipBoundsI, 143 "
    "GetVisibleClipBounds, 144 GetVisibleClipBoundsI, 145 IsClipEmpty, 146 IsVisibleClipEmpty, 147 "
    "IsVisiblePoint, 148 IsVisiblePointI, 149 IsVisibleRect, 150 IsVisibleRectI, 151 SaveGraphics, 152 "
    "RestoreGraphics, 153 BeginContainer, 154 BeginContainerI, 155 BeginContainer2, 156 EndContainer, 157 "
    "Comment";
// PlusPath
constexpr const char* kPath =
    "7 DeletePath, 8 CreatePath, 9 CreatePath2, 10 CreatePath2I, 11 ClonePath, 12 ResetPath, 13 "
    "GetPathFillMode, 14 SetPathFillMode, 15 GetPathData, 16 GetPathTypes, 17 GetPathPoints, 18 "
    "GetPathPointsI, 19 StartPathFigure, 20 ClosePathFigure, 21 ClosePathFigures, 22 SetPathMarker, 23 "
    "ClearPathMarkers, 24 ReversePath, 25 GetPathLastPoint, 26 AddPathLine, 27 AddPathLineI, 28 "
    "AddPathLine2, 29 AddPathLine2I, 30 AddPathArc, 31 AddPathArcI, 32 AddPathBezier, 33 AddPathBezierI, "
    "34 AddPathBeziers, 35 AddPathBeziersI, 36 AddPathCurve, 37 AddPathCurve2, 38 AddPathCurve3, 39 "
    "AddPathCurveI, 40 AddPathCurve2I, 41 AddPathCurve3I, 42 AddPathClosedCurve, 43 AddPathClosedCurve2, "
    "44 AddPathClosedCurveI, 45 AddPathClosedCurve2I, 46 AddPathRectangle, 47 AddRoundRectangle, 48 "
    "AddPathRectangles, 49 AddPathRectangleI, 50 AddPathRectanglesI, 51 AddPathEllipse, 52 "
    "AddPathEllipseI, 53 AddPathPie, 54 AddPathPieI, 55 AddPathPolygon, 56 AddPathPolygonI, 57 "
    "AddPathPath, 58 AddPathString, 59 AddPathStringW, 60 AddPathStringI, 61 AddPathStringIW, 62 "
    "TransformPath, 63 GetPathWorldBounds, 64 GetPathWorldBoundsI, 65 FlattenPath, 66 WidenPath, 67 "
    "WindingModeOutline, 68 WarpPath, 69 GetPointCount, 70 IsVisiblePathPoint, 71 IsVisiblePathPointI, 72 "
    "IsOutlineVisiblePathPoint, 73 IsOutlineVisiblePathPointI";
// PlusPen
constexpr const char* kPen =
    "7 DeletePen, 8 CreatePen1, 9 CreatePen2, 10 ClonePen, 11 GetPenWidth, 12 SetPenWidth, 13 GetPenUnit, "
    "14 SetPenUnit, 15 SetPenLineCap197819, 16 SetPenLineCap197819, 17 SetPenStartCap, 18 SetPenEndCap, "
    "19 SetPenDashCap197819, 20 GetPenStartCap, 21 GetPenEndCap, 22 GetPenDashCap197819, 23 "
    "GetPenDashCap197819, 24 SetPenLineJoin, 25 GetPenLineJoin, 26 SetPenCustomStartCap, 27 "
    "GetPenCustomStartCap, 28 SetPenCustomEndCap, 29 GetPenCustomEndCap, 30 SetPenMiterLimit, 31 "
    "GetPenMiterLimit, 32 SetPenMode, 33 GetPenMode, 34 SetPenTransform, 35 GetPenTransform, 36 "
    "ResetPenTransform, 37 MultiplyPenTransform, 38 RotatePenTransform, 39 RotatePenTransformAt, 40 "
    "ScalePenTransform, 41 ScalePenTransformAt, 42 TranslatePenTransform, 43 GetPenColor, 44 SetPenColor, "
    "45 SetPenBrushFill, 46 GetPenBrushFill, 47 GetPenFillType, 48 SetPenDashStyle, 49 GetPenDashStyle, "
    "50 GetPenDashOffset, 51 SetPenDashOffset, 52 GetPenDashArray, 53 SetPenDashArray, 54 "
    "SetPenCompoundArray, 55 GetPenCompoundArray";
// PlusSolidBrush
constexpr const char* kSolidBrush =
    "7 OnAttach, 8 DeleteBrush, 9 CloneBrush, 10 GetBrushType, 11 CreateSolidFill, 12 SetSolidFillColor, "
    "13 GetSolidFillColor";
// PlusLinearBrush
constexpr const char* kLinearBrush =
    "7 OnAttach, 8 DeleteBrush, 9 CloneBrush, 10 GetBrushType, 11 CreateLineBrush, 12 CreateLineBrushI, "
    "13 CreateLineBrushFromRect, 14 CreateLineBrushFromRectI, 15 CreateLineBrushFromRectWithAngle, 16 "
    "CreateLineBrushFromRectWithAngleI, 17 GetLineColors, 18 SetLineColors, 19 GetLineRect, 20 "
    "GetLineRectI, 21 SetLineGammaCorrection, 22 GetLineGammaCorrection, 23 SetLineBlend, 24 "
    "GetLineBlendCount, 25 GetLineBlend, 26 SetLinePresetBlend, 27 GetLinePresetBlendCount, 28 "
    "GetLinePresetBlend, 29 SetLineSigmaBlend, 30 SetLineLinearBlend, 31 GetLineWrapMode, 32 "
    "SetLineWrapMode, 33 GetLineTransform, 34 SetLineTransform, 35 ResetLineTransform, 36 "
    "MultiplyLineTransform, 37 TranslateLineTransform, 38 ScaleLineTransform, 39 ScaleLineTransformAt, 40 "
    "RotateLineTransform, 41 RotateLineTransformAt";
// PlusPathBrush
constexpr const char* kPathBrush =
    "7 OnAttach, 8 DeleteBrush, 9 CloneBrush, 10 GetBrushType, 11 CreatePathGradient, 12 "
    "CreatePathGradientI, 13 CreatePathGradientFromPath, 14 GetPathGradientCenterColor, 15 "
    "SetPathGradientCenterColor, 16 GetPathGradientPointCount, 17 GetPathGradientSurroundColorCount, 18 "
    "GetPathGradientSurroundColorsWithCount, 19 SetPathGradientSurroundColorsWithCount, 20 "
    "GetPathGradientPath, 21 SetPathGradientPath, 22 GetPathGradientCenterPoint, 23 "
    "GetPathGradientCenterPointI, 24 SetPathGradientCenterPoint, 25 SetPathGradientCenterPointI, 26 "
    "GetPathGradientRect, 27 GetPathGradientRectI, 28 SetPathGradientGammaCorrection, 29 "
    "GetPathGradientGammaCorrection, 30 GetPathGradientBlendCount, 31 SetPathGradientBlend, 32 "
    "GetPathGradientBlend, 33 GetPathGradientPresetBlendCount, 34 SetPathGradientPresetBlend, 35 "
    "GetPathGradientPresetBlend, 36 SetPathGradientSigmaBlend, 37 SetPathGradientLinearBlend, 38 "
    "GetPathGradientFocusScales, 39 SetPathGradientFocusScales, 40 GetPathGradientWrapMode, 41 "
    "SetPathGradientWrapMode, 42 GetPathGradientTransform, 43 SetPathGradientTransform, 44 "
    "ResetPathGradientTransform, 45 MultiplyPathGradientTransform, 46 TranslatePathGradientTransform, 47 "
    "ScalePathGradientTransform, 48 ScalePathGradientTransformAt, 49 RotatePathGradientTransform, 50 "
    "RotatePathGradientTransformAt";
// PlusFont
constexpr const char* kFont =
    "7 DeleteFont, 8 CreateFont, 9 CreateDefaultGuiFont, 10 CreateFontByName, 11 CreateFontByNameW, 12 "
    "CreateFontFromDC, 13 CreateFontFromHFONT, 14 CreateFontFromLogfontA, 15 CreateFontFromLogfontW, 16 "
    "CloneFont, 17 GetLogFontA, 18 GetLogFontW, 19 GetFamily, 20 GetFontStyle, 21 GetFontSize, 22 "
    "GetFontUnit, 23 GetFontHeight, 24 GetFontHeightGivenDPI";
// PlusFontFamily
constexpr const char* kFontFamily =
    "7 DeleteFontFamily, 8 CreateFontFamilyFromName, 9 CreateFontFamilyFromNameW, 10 "
    "GetGenericFontFamilySansSerif, 11 GetGenericFontFamilySerif, 12 GetGenericFontFamilyMonospace, 13 "
    "CloneFontFamily, 14 GetFamilyName, 15 GetFamilyNameW, 16 IsStyleAvailable, 17 GetEmHeight, 18 "
    "GetCellAscent, 19 GetCellDescent, 20 GetLineSpacing";
// PlusFontCollection
constexpr const char* kFontCollection =
    "7 OnAttach, 8 GetFontCollectionFamilyCount, 9 GetFontCollectionFamilyList";
// PlusStringFormat
constexpr const char* kStringFormat =
    "7 DeleteStringFormat, 8 CreateStringFormat, 9 StringFormatGetGenericDefault, 10 "
    "StringFormatGetGenericTypographic, 11 CloneStringFormat, 12 SetStringFormatFlags, 13 "
    "GetStringFormatFlags, 14 SetStringFormatAlign, 15 GetStringFormatAlign, 16 SetStringFormatLineAlign, "
    "17 GetStringFormatLineAlign, 18 SetStringFormatTrimming, 19 GetStringFormatTrimming, 20 "
    "SetStringFormatHotkeyPrefix, 21 GetStringFormatHotkeyPrefix, 22 SetStringFormatTabStops, 23 "
    "GetStringFormatTabStops, 24 SetStringFormatDigitSubstitution, 25 GetStringFormatDigitSubstitution, "
    "26 SetStringFormatMeasurableCharacterRanges, 27 GetStringFormatMeasurableCharacterRangeCount";
// PlusRegion
constexpr const char* kRegion =
    "7 DeleteRegion, 8 CreateRegion, 9 CreateRegionRect, 10 CreateRegionRectI, 11 CreateRegionPath, 12 "
    "CreateRegionHrgn, 13 CreateRegionRgnData, 14 CloneRegion, 15 SetInfinite, 16 SetEmpty, 17 "
    "CombineRegionRect, 18 CombineRegionRectI, 19 CombineRegionRegion, 20 CombineRegionPath, 21 "
    "TranslateRegion, 22 TranslateRegionI, 23 TransformRegion, 24 GetRegionBounds, 25 GetRegionBoundsI, "
    "26 GetRegionDataSize, 27 GetRegionData, 28 GetRegionHRgn, 29 IsEmptyRegion, 30 IsInfiniteRegion, 31 "
    "IsEqualRegion, 32 IsVisibleRegionPoint, 33 IsVisibleRegionPointI, 34 IsVisibleRegionRect, 35 "
    "IsVisibleRegionRectI, 36 GetRegionScansCount, 37 GetRegionScans, 38 GetRegionScansI";
// PlusImage
constexpr const char* kImage =
    "7 OnAttach, 8 DisposeImage, 9 LoadImageFromFile, 10 LoadImageFromFileW, 11 LoadImageFromStream, 12 "
    "CloneImage, 13 GetEncoderParameterList, 14 SaveImageToFile, 15 SaveImageToFileW, 16 "
    "SaveImageToStream, 17 SaveAdd, 18 SaveAddImage, 19 GetImageType, 20 GetImageDimension, 21 "
    "GetImageBounds, 22 GetImageWidth, 23 GetImageHeight, 24 GetImageHorizontalResolution, 25 "
    "GetImageVerticalResolution, 26 GetImageFlags, 27 GetImageRawFormat, 28 GetImagePixelFormat, 29 "
    "GetImagePalette, 30 SetImagePalette, 31 GetImageThumbnail, 32 ImageGetFrameCount, 33 "
    "ImageGetFrameDimensionsList, 34 ImageSelectActiveFrame, 35 ImageRotateFlip, 36 GetFrameDelays, 37 "
    "GetPropertyItem, 38 SetPropertyItem, 39 RemovePropertyItem, 40 GetPropertyIdList";
// PlusBitmap: its own 7 to 11, the PlusImage operations 12 to 40, then 41 to 59.
constexpr const char* kBitmapOwn =
    "7 OnAttach, 8 DisposeImage, 9 CreateBitmapFromFile, 10 CreateBitmapFromFileW, 11 CreateBitmapFromStream";
constexpr const char* kBitmapAfterImage =
    "41 CreateBitmapFromScan0, 42 CreateBitmap, 43 CreateBitmapFromGraphics, 44 CreateBitmapFromGdiDib, "
    "45 CreateBitmapFromHBITMAP, 46 CreateBitmapFromHICON, 47 CreateBitmapFromResource, 48 CreateHBITMAPFromBitmap, "
    "49 CreateHICONFromBitmap, 50 CloneBitmapArea, 51 CloneBitmapAreaI, 52 BitmapLockBits, 53 BitmapUnlockBits, "
    "54 BitmapGetPixel, 55 BitmapSetPixel, 56 BitmapSetResolution, 57 BitmapApplyEffect, 58 RotateToBitmap, "
    "59 GetRotatedSize";
constexpr const char* kMemoryStream =
    "0 destroy, 1 copy, 2 Create, 3 Release, 4 GetSize, 5 GetStream, 6 GetGlobal, 7 Attach, 8 GetBytes";
constexpr const char* kToolTip =
    "0 destroy, 1 copy, 2 Create, 3 AddTool, 4 AddToolCallback, 5 SetBackColour, 6 SetTextColour, 7 SetMaxWidth, "
    "8 DeleteTool, 9 SetToolRect, 10 UpdateTipText, 11 GetHwnd";

struct Declared {
    int position;
    std::string name;
};

// "7 OnAttach, 8 DeleteGraphics, ..." as (position, name) pairs.
std::vector<Declared> Parse(const std::string& list) {
    std::vector<Declared> out;
    std::stringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        std::stringstream words(item);
        Declared d;
        words >> d.position >> d.name;
        out.push_back(d);
    }
    return out;
}

std::vector<Declared> Join(std::initializer_list<std::string> lists) {
    std::vector<Declared> out;
    for (const std::string& list : lists)
        for (Declared& d : Parse(list)) out.push_back(d);
    return out;
}

std::vector<Declared> ImageFrom12() {
    std::vector<Declared> out;
    for (Declared& d : Parse(kImage))
        if (d.position >= 12) out.push_back(d);
    return out;
}

struct ClassCase {
    const char* name;
    std::span<const OperationEntry> table;
    std::vector<Declared> declared;
};

std::vector<ClassCase> Classes() {
    std::vector<Declared> bitmap = Join({kCommon, kBitmapOwn});
    for (Declared& d : ImageFrom12()) bitmap.push_back(d);
    for (Declared& d : Parse(kBitmapAfterImage)) bitmap.push_back(d);
    return {
        {"PlusGraphics", TableOf<PlusGraphics>(), Join({kCommon, kGraphics})},
        {"PlusPath", TableOf<PlusPath>(), Join({kCommon, kPath})},
        {"PlusPen", TableOf<PlusPen>(), Join({kCommon, kPen})},
        {"PlusSolidBrush", TableOf<PlusSolidBrush>(), Join({kCommon, kSolidBrush})},
        {"PlusLinearBrush", TableOf<PlusLinearBrush>(), Join({kCommon, kLinearBrush})},
        {"PlusPathBrush", TableOf<PlusPathBrush>(), Join({kCommon, kPathBrush})},
        {"PlusFont", TableOf<PlusFont>(), Join({kCommon, kFont})},
        {"PlusFontFamily", TableOf<PlusFontFamily>(), Join({kCommon, kFontFamily})},
        {"PlusFontCollection", TableOf<PlusFontCollection>(), Join({kCommon, kFontCollection})},
        {"PlusStringFormat", TableOf<PlusStringFormat>(), Join({kCommon, kStringFormat})},
        {"PlusRegion", TableOf<PlusRegion>(), Join({kCommon, kRegion})},
        {"PlusImage", TableOf<PlusImage>(), Join({kCommon, kImage})},
        {"PlusBitmap", TableOf<PlusBitmap>(), bitmap},
        {"MemoryStream", TableOf<MemoryStream>(), Parse(kMemoryStream)},
        {"ToolTip", TableOf<ToolTip>(), Parse(kToolTip)},
    };
}

TEST(OperationTables, EveryClassHasItsOperationsInTheDeclaredOrder) {
    for (const ClassCase& c : Classes()) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.table.size(), c.declared.size());
        for (size_t i = 0; i < c.declared.size(); ++i) {
            EXPECT_EQ(c.declared[i].position, static_cast<int>(i));
            EXPECT_EQ(c.table[i].name, c.declared[i].name) << "position " << i;
            EXPECT_NE(c.table[i].address, nullptr) << "position " << i;
        }
    }
}

TEST(OperationTables, ObjectsBeginWithTheirClassTable) {
    Object<PlusGraphics> graphics = Make<PlusGraphics>();
    Object<PlusBitmap> bitmap = Make<PlusBitmap>();
    Object<ToolTip> tip = Make<ToolTip>();
    EXPECT_EQ(graphics->operations, TableOf<PlusGraphics>().data());
    EXPECT_EQ(bitmap->operations, TableOf<PlusBitmap>().data());
    EXPECT_EQ(tip->operations, TableOf<ToolTip>().data());
}

OperationAddress At(std::span<const OperationEntry> table, size_t position) { return table[position].address; }

TEST(OperationTables, RepeatedAndSharedOperationsAreTheSameCode) {
    const auto pen = TableOf<PlusPen>();
    EXPECT_EQ(At(pen, 15), At(pen, 16));  // SetPenLineCap197819 twice
    EXPECT_EQ(At(pen, 22), At(pen, 23));  // GetPenDashCap197819 twice
    EXPECT_NE(At(pen, 15), At(pen, 17));

    const auto solid = TableOf<PlusSolidBrush>(), linear = TableOf<PlusLinearBrush>(), path = TableOf<PlusPathBrush>();
    for (size_t p : {4, 8, 9, 10}) {
        EXPECT_EQ(At(solid, p), At(linear, p)) << p;
        EXPECT_EQ(At(solid, p), At(path, p)) << p;
    }
    EXPECT_NE(At(solid, 7), At(linear, 7));  // each brush's own OnAttach
    EXPECT_NE(At(linear, 7), At(path, 7));

    const auto image = TableOf<PlusImage>(), bitmap = TableOf<PlusBitmap>();
    for (size_t p = 12; p <= 40; ++p) EXPECT_EQ(At(image, p), At(bitmap, p)) << p;
    for (size_t p = 7; p <= 11; ++p) EXPECT_NE(At(image, p), At(bitmap, p)) << p;
    EXPECT_EQ(At(image, 4), At(bitmap, 4));  // OnHandleSet inherited

    // GetHandle, SetHandle, Alloc and Free come from PlusObject in every class.
    const auto base = TableOf<PlusObject>();
    for (const ClassCase& c : Classes()) {
        if (c.name == std::string("MemoryStream") || c.name == std::string("ToolTip")) continue;
        for (size_t p : {2, 3, 5, 6}) EXPECT_EQ(At(c.table, p), At(base, p)) << c.name << " " << p;
    }
}

// ---- handle fields ----

struct HandleCase {
    const char* name;
    std::function<PlusObject*()> make;
    std::function<std::vector<void*>(PlusObject*)> fields;
};

template <class T>
std::function<PlusObject*()> Maker() {
    return [] { return static_cast<PlusObject*>(New<T>()); };
}

template <class T>
std::vector<void*> BaseAndOwn(PlusObject* o) {
    return {o->handle, static_cast<T*>(o)->Handle()};
}

template <class T>
std::vector<void*> BrushFields(PlusObject* o) {
    auto* b = static_cast<T*>(o);
    return {b->handle, b->brush, b->own};
}

std::vector<HandleCase> HandleCases() {
    return {
        {"PlusGraphics", Maker<PlusGraphics>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusGraphics*>(o)->graphics}; }},
        {"PlusPath", Maker<PlusPath>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusPath*>(o)->path}; }},
        {"PlusPen", Maker<PlusPen>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusPen*>(o)->pen}; }},
        {"PlusSolidBrush", Maker<PlusSolidBrush>(), BrushFields<PlusSolidBrush>},
        {"PlusLinearBrush", Maker<PlusLinearBrush>(), BrushFields<PlusLinearBrush>},
        {"PlusPathBrush", Maker<PlusPathBrush>(), BrushFields<PlusPathBrush>},
        {"PlusFont", Maker<PlusFont>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusFont*>(o)->font}; }},
        {"PlusFontFamily", Maker<PlusFontFamily>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusFontFamily*>(o)->family}; }},
        {"PlusFontCollection", Maker<PlusFontCollection>(),
         [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusFontCollection*>(o)->collection}; }},
        {"PlusStringFormat", Maker<PlusStringFormat>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusStringFormat*>(o)->format}; }},
        {"PlusRegion", Maker<PlusRegion>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusRegion*>(o)->region}; }},
        {"PlusImage", Maker<PlusImage>(), [](PlusObject* o) { return std::vector<void*>{o->handle, static_cast<PlusImage*>(o)->image}; }},
        {"PlusBitmap", Maker<PlusBitmap>(),
         [](PlusObject* o) {
             auto* b = static_cast<PlusBitmap*>(o);
             return std::vector<void*>{b->handle, b->image, b->bitmap};
         }},
    };
}

TEST(ObjectModel, SetHandleKeepsEveryHandleFieldEqual) {
    void* const fake = reinterpret_cast<void*>(static_cast<uintptr_t>(0x5150));
    for (const HandleCase& c : HandleCases()) {
        SCOPED_TRACE(c.name);
        PlusObject* object = c.make();
        for (void* field : c.fields(object)) EXPECT_EQ(field, nullptr);
        object->SetHandle(fake);
        EXPECT_EQ(object->GetHandle(), fake);
        for (void* field : c.fields(object)) EXPECT_EQ(field, fake);
        object->SetHandle(nullptr);
        for (void* field : c.fields(object)) EXPECT_EQ(field, nullptr);
        Release(object);
    }
}

// ---- delete and destroy ----

constexpr int32_t kUntouched = 0x7777;  // a status no GDI+ call leaves

struct DeleteCase {
    const char* name;
    std::function<bool()> deleteFresh;
};

TEST(ObjectModel, DeleteOnANullHandleIsFalseWithoutACall) {
    const DeleteCase cases[] = {
        {"DeleteGraphics", [] { return Make<PlusGraphics>()->DeleteGraphics(); }},
        {"DeletePath", [] { return Make<PlusPath>()->DeletePath(); }},
        {"DeletePen", [] { return Make<PlusPen>()->DeletePen(); }},
        {"DeleteBrush (solid)", [] { return Make<PlusSolidBrush>()->DeleteBrush(); }},
        {"DeleteBrush (linear)", [] { return Make<PlusLinearBrush>()->DeleteBrush(); }},
        {"DeleteBrush (path)", [] { return Make<PlusPathBrush>()->DeleteBrush(); }},
        {"DeleteFont", [] { return Make<PlusFont>()->DeleteFont(); }},
        {"DeleteFontFamily", [] { return Make<PlusFontFamily>()->DeleteFontFamily(); }},
        {"DeleteStringFormat", [] { return Make<PlusStringFormat>()->DeleteStringFormat(); }},
        {"DeleteRegion", [] { return Make<PlusRegion>()->DeleteRegion(); }},
        {"DisposeImage (image)", [] { return Make<PlusImage>()->DisposeImage(); }},
        {"DisposeImage (bitmap)", [] { return Make<PlusBitmap>()->DisposeImage(); }},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        LastStatus = kUntouched;
        EXPECT_FALSE(c.deleteFresh());
        EXPECT_EQ(LastStatus, kUntouched);
    }
}

TEST(ObjectModel, DeleteGraphicsAfterCreateFromHdcClearsEveryField) {
    const HDC dc = CreateCompatibleDC(nullptr);
    Object<PlusGraphics> graphics = Make<PlusGraphics>();
    ASSERT_TRUE(graphics->CreateFromHDC(dc));
    EXPECT_NE(graphics->graphics, nullptr);
    EXPECT_EQ(graphics->handle, graphics->graphics);
    EXPECT_TRUE(graphics->DeleteGraphics());
    EXPECT_EQ(LastStatus, Gdiplus::Ok);
    EXPECT_EQ(graphics->handle, nullptr);
    EXPECT_EQ(graphics->graphics, nullptr);
    DeleteDC(dc);
}

TEST(ObjectModel, DestroyDeletesTheNativeObjectExceptForCollections) {
    // A graphics: releasing it makes the delete call (its status replaces the marker).
    const HDC dc = CreateCompatibleDC(nullptr);
    PlusGraphics* graphics = New<PlusGraphics>();
    ASSERT_TRUE(graphics->CreateFromHDC(dc));
    LastStatus = kUntouched;
    Release(graphics);
    EXPECT_EQ(LastStatus, Gdiplus::Ok);
    DeleteDC(dc);

    // (Families, whose native objects outlive the wrapper, need fonts: gdiplus_text_test.)
    PlusFontCollection* collection = New<PlusFontCollection>();
    collection->SetHandle(reinterpret_cast<void*>(static_cast<uintptr_t>(0x5150)));
    LastStatus = kUntouched;
    Release(collection);  // would crash if it handed the made-up handle to GDI+
    EXPECT_EQ(LastStatus, kUntouched);
}

TEST(ObjectModel, GetWithoutANativeObjectIsZeroWithInvalidParameter) {
    Object<PlusGraphics> graphics = Make<PlusGraphics>();
    LastStatus = kUntouched;
    EXPECT_EQ(graphics->GetSmoothingMode(), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST(ObjectModel, AllocAndFreeGoThroughGdiplus) {
    Object<PlusPath> path = Make<PlusPath>();
    void* block = path->Alloc(64);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xAB, 64);
    path->Free(block);
}

TEST(ObjectModel, CopyMakesANewBlockWithTheSameFieldsAndCopiedMembers) {
    PlusImage* image = New<PlusImage>();
    image->SetHandle(nullptr);
    PlusImage* copy = Copy(image);
    EXPECT_NE(copy, image);
    EXPECT_EQ(copy->operations, image->operations);
    ASSERT_NE(copy->source, nullptr);
    EXPECT_NE(copy->source, image->source);
    EXPECT_EQ(copy->source->operations, image->source->operations);
    EXPECT_EQ(copy->source->stream, image->source->stream);
    Release(copy);
    Release(image);
}

// ---- texts ----

TEST(TextConversion, GbkBecomesUtf16AndEmptyTextsAsDescribed) {
    const WideText song("宋体");  // U+5B8B U+4F53
    ASSERT_EQ(song.Length(), 2);
    EXPECT_EQ(song.Data()[0], 0x5B8B);
    EXPECT_EQ(song.Data()[1], 0x4F53);
    EXPECT_EQ(song.Data()[2], 0);

    const WideText empty("");
    EXPECT_EQ(empty.Units().Length(), 2u);  // the terminator alone
    EXPECT_EQ(empty.Length(), 0);
    ASSERT_NE(empty.Data(), nullptr);
    EXPECT_EQ(empty.Data()[0], 0);

    const WideText none(nullptr);
    EXPECT_EQ(none.Data(), nullptr);
    EXPECT_EQ(none.Length(), 0);
}

TEST(TextConversion, Utf16BecomesGbkThroughTheOemCodePage) {
    EXPECT_EQ(TextFromWide(L"\u5B8B\u4F53").View(), std::string("\xCB\xCE\xCC\xE5"));
    EXPECT_EQ(TextFromWide(L"").Get(), nullptr);
}

TEST(TextConversion, WideByteSetsWithoutTerminatorAreNotReadPastTheirEnd) {
    const uint8_t units[] = {0x8B, 0x5B, 0x53, 0x4F, 0x41};  // two units and half of one
    const Bytes bytes = Bytes::Copy(units, sizeof units);
    const WideUnits wide(bytes.Get());
    EXPECT_EQ(wide.Length(), 2);
    EXPECT_EQ(wide.Data()[1], 0x4F53);
}

}  // namespace
