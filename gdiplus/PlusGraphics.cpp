// PlusGraphics operations with behaviour of their own.
#include <algorithm>
#include <vector>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpMatrix;
using Gdiplus::GpRegion;
using Gdiplus::GpStringFormat;
using Gdiplus::PointF;
using Gdiplus::Status;

namespace {

GpGraphics* Native(PlusGraphics* self) { return static_cast<GpGraphics*>(self->Handle()); }

bool DrawUnits(PlusGraphics* self, const WCHAR* units, INT length, PlusFont* font, PlusBrush* brush, const PlusRectF* layout,
               Optional<PlusStringFormat*> format) {
    return Succeeded(GDIP(GdipDrawString)(Native(self), units, length, NativeOf<GpFont>(font),
                                          reinterpret_cast<const Gdiplus::RectF*>(layout), NativeOf<GpStringFormat>(format),
                                          NativeOf<GpBrush>(brush)));
}

bool MeasureUnits(PlusGraphics* self, const WCHAR* units, INT length, PlusFont* font, const PlusRectF* layout,
                  Optional<PlusStringFormat*> format, PlusRectF* boundingBox) {
    return Succeeded(GDIP(GdipMeasureString)(Native(self), units, length, NativeOf<GpFont>(font),
                                             reinterpret_cast<const Gdiplus::RectF*>(layout), NativeOf<GpStringFormat>(format),
                                             reinterpret_cast<Gdiplus::RectF*>(boundingBox), nullptr, nullptr));
}

// Count native regions measured for the format's character ranges, handed to new PlusRegion
// objects that replace the caller's array.
bool MeasureRanges(PlusGraphics* self, const WCHAR* units, INT length, PlusFont* font, const PlusRectF* layout,
                   PlusStringFormat* format, int32_t count, ArrayValue** regions) {
    if (count < 1) {
        LastStatus = Gdiplus::InvalidParameter;
        return false;
    }
    std::vector<GpRegion*> natives;
    const auto deleteAll = [&natives] {
        for (GpRegion* region : natives) GDIP(GdipDeleteRegion)(region);
    };
    for (int32_t i = 0; i < count; ++i) {
        GpRegion* region = nullptr;
        if (!Succeeded(GDIP(GdipCreateRegion)(&region))) {
            deleteAll();
            return false;
        }
        natives.push_back(region);
    }
    if (!Succeeded(GDIP(GdipMeasureCharacterRanges)(Native(self), units, length, NativeOf<GpFont>(font), RectOf(layout),
                                                    NativeOf<GpStringFormat>(format), count, natives.data()))) {
        deleteAll();
        return false;
    }
    PlusRegion** objects = ReplaceObjectArray<PlusRegion>(regions, static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) objects[i]->SetHandle(natives[static_cast<size_t>(i)]);
    return true;
}

// GDI+ reads one position per character: the native positions are never fewer than the
// characters, the missing ones zero.
bool DrawDriverUnits(PlusGraphics* self, const WCHAR* units, INT length, PlusFont* font, PlusBrush* brush, ArrayValue* positions,
                     Optional<int32_t> flags, Optional<PlusObject*> matrix) {
    const NativeRecords<PointF> given(positions);
    std::vector<PointF> native(static_cast<size_t>(std::max(given.Count(), length)));
    std::copy(given.Data(), given.Data() + given.Count(), native.begin());
    const Status status = GDIP(GdipDrawDriverString)(Native(self), reinterpret_cast<const UINT16*>(units), length,
                                                     NativeOf<GpFont>(font), NativeOf<GpBrush>(brush), native.data(),
                                                     flags.Or(Gdiplus::DriverStringOptionsCmapLookup), NativeOf<GpMatrix>(matrix));
    std::copy(native.begin(), native.begin() + given.Count(), given.Data());
    given.CopyBack();
    return Succeeded(status);
}

// The image's own size, read through its operations.
UINT ImageWidth(PlusImage* image) { return image ? image->GetImageWidth() : 0; }
UINT ImageHeight(PlusImage* image) { return image ? image->GetImageHeight() : 0; }

}  // namespace

void PlusGraphicsOps::OnAttach(PlusObject*, void*) {}

bool PlusGraphicsOps::CreateFromHWND(PlusGraphics* self, HWND window, Optional<bool> colourManaged) {
    const Status status = colourManaged.Or(false) ? GDIP(GdipCreateFromHWNDICM)(window, OwnOutput<GpGraphics>(self))
                                                  : GDIP(GdipCreateFromHWND)(window, OwnOutput<GpGraphics>(self));
    return Created(self, status);
}

bool PlusGraphicsOps::CreateFromHDC(PlusGraphics* self, HDC dc, Optional<HANDLE> device) {
    const Status status = device.given ? GDIP(GdipCreateFromHDC2)(dc, device.value, OwnOutput<GpGraphics>(self))
                                       : GDIP(GdipCreateFromHDC)(dc, OwnOutput<GpGraphics>(self));
    return Created(self, status);
}

bool PlusGraphicsOps::ScaleWorldTransformAt(PlusGraphics* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslateWorldTransform), GDIP(GdipScaleWorldTransform), Native(self), centre, order, sx, sy);
}

bool PlusGraphicsOps::RotateWorldTransformAt(PlusGraphics* self, float angle, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslateWorldTransform), GDIP(GdipRotateWorldTransform), Native(self), centre, order, angle);
}

// The colour is GDI+'s input as well as its output: the nearest colour to the one given.
ARGB PlusGraphicsOps::GetNearestColor(PlusGraphics* self, ARGB colour) {
    ARGB nearest = colour;
    return Succeeded(GDIP(GdipGetNearestColor)(Native(self), &nearest)) ? nearest : 0;
}

bool PlusGraphicsOps::FillRectangleRect(PlusGraphics* self, PlusBrush* brush, const PlusRectF* rect) {
    const Gdiplus::RectF& r = RectOf(rect);
    return Succeeded(GDIP(GdipFillRectangle)(Native(self), NativeOf<GpBrush>(brush), r.X, r.Y, r.Width, r.Height));
}

bool PlusGraphicsOps::DrawString(PlusGraphics* self, const char* text, PlusFont* font, PlusBrush* brush, const PlusRectF* layout,
                                 Optional<PlusStringFormat*> format) {
    const WideText units(text);
    return DrawUnits(self, units.Data(), units.Length(), font, brush, layout, format);
}

bool PlusGraphicsOps::DrawStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, PlusBrush* brush, const PlusRectF* layout,
                                  Optional<PlusStringFormat*> format) {
    const WideUnits units(text);
    return DrawUnits(self, units.Data(), units.Length(), font, brush, layout, format);
}

bool PlusGraphicsOps::MeasureString(PlusGraphics* self, const char* text, PlusFont* font, const PlusRectF* layout,
                                    Optional<PlusStringFormat*> format, PlusRectF* boundingBox) {
    const WideText units(text);
    return MeasureUnits(self, units.Data(), units.Length(), font, layout, format, boundingBox);
}

bool PlusGraphicsOps::MeasureStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, const PlusRectF* layout,
                                     Optional<PlusStringFormat*> format, PlusRectF* boundingBox) {
    const WideUnits units(text);
    return MeasureUnits(self, units.Data(), units.Length(), font, layout, format, boundingBox);
}

bool PlusGraphicsOps::MeasureCharacterRanges(PlusGraphics* self, const char* text, PlusFont* font, const PlusRectF* layout,
                                             PlusStringFormat* format, int32_t count, ArrayValue** regions) {
    if (count < 1) return MeasureRanges(self, nullptr, 0, font, layout, format, count, regions);
    const WideText units(text);
    return MeasureRanges(self, units.Data(), units.Length(), font, layout, format, count, regions);
}

bool PlusGraphicsOps::MeasureCharacterRangesW(PlusGraphics* self, const ByteSet* text, PlusFont* font, const PlusRectF* layout,
                                              PlusStringFormat* format, int32_t count, ArrayValue** regions) {
    const WideUnits units(text);
    return MeasureRanges(self, units.Data(), units.Length(), font, layout, format, count, regions);
}

bool PlusGraphicsOps::DrawDriverString(PlusGraphics* self, const char* text, PlusFont* font, PlusBrush* brush, ArrayValue* positions,
                                       Optional<int32_t> flags, Optional<PlusObject*> matrix) {
    const WideText units(text);
    return DrawDriverUnits(self, units.Data(), units.Length(), font, brush, positions, flags, matrix);
}

bool PlusGraphicsOps::DrawDriverStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, PlusBrush* brush,
                                        ArrayValue* positions, Optional<int32_t> flags, Optional<PlusObject*> matrix) {
    const WideUnits units(text);
    return DrawDriverUnits(self, units.Data(), units.Length(), font, brush, positions, flags, matrix);
}

bool PlusGraphicsOps::DrawCachedBitmap(PlusGraphics* self, PlusObject* cachedBitmap, float x, float y) {
    return Succeeded(GDIP(GdipDrawCachedBitmap)(Native(self), NativeOf<Gdiplus::GpCachedBitmap>(cachedBitmap), static_cast<INT>(x),
                                                static_cast<INT>(y)));
}

bool PlusGraphicsOps::DrawImageRect(PlusGraphics* self, PlusImage* image, float x, float y, float width, float height,
                                    Optional<int32_t> sourceUnit) {
    const auto sourceWidth = static_cast<float>(ImageWidth(image));
    const auto sourceHeight = static_cast<float>(ImageHeight(image));
    return Succeeded(GDIP(GdipDrawImageRectRect)(Native(self), NativeOf<GpImage>(image), x, y, width, height, 0.0f, 0.0f, sourceWidth,
                                                 sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)), nullptr,
                                                 nullptr, nullptr));
}

bool PlusGraphicsOps::DrawImageRectI(PlusGraphics* self, PlusImage* image, int32_t x, int32_t y, int32_t width, int32_t height,
                                     Optional<int32_t> sourceUnit) {
    const auto sourceWidth = static_cast<INT>(ImageWidth(image));
    const auto sourceHeight = static_cast<INT>(ImageHeight(image));
    return Succeeded(GDIP(GdipDrawImageRectRectI)(Native(self), NativeOf<GpImage>(image), x, y, width, height, 0, 0, sourceWidth,
                                                  sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)), nullptr,
                                                  nullptr, nullptr));
}

bool PlusGraphicsOps::DrawImagePoints(PlusGraphics* self, PlusImage* image, float x1, float y1, float x2, float y2, float x3, float y3) {
    const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Succeeded(GDIP(GdipDrawImagePoints)(Native(self), NativeOf<GpImage>(image), corners, 3));
}

bool PlusGraphicsOps::DrawImagePointsI(PlusGraphics* self, PlusImage* image, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                                       int32_t y3) {
    const Gdiplus::Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Succeeded(GDIP(GdipDrawImagePointsI)(Native(self), NativeOf<GpImage>(image), corners, 3));
}

bool PlusGraphicsOps::DrawImageRectRect(PlusGraphics* self, PlusImage* image, float x, float y, float width, float height, float sourceX,
                                        float sourceY, float sourceWidth, float sourceHeight, Optional<int32_t> sourceUnit,
                                        Optional<PlusObject*> attributes) {
    return Succeeded(GDIP(GdipDrawImageRectRect)(Native(self), NativeOf<GpImage>(image), x, y, width, height, sourceX, sourceY,
                                                 sourceWidth, sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)),
                                                 NativeOf<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool PlusGraphicsOps::DrawImageRectRectI(PlusGraphics* self, PlusImage* image, int32_t x, int32_t y, int32_t width, int32_t height,
                                         int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight,
                                         Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes) {
    return Succeeded(GDIP(GdipDrawImageRectRectI)(Native(self), NativeOf<GpImage>(image), x, y, width, height, sourceX, sourceY,
                                                  sourceWidth, sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)),
                                                  NativeOf<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool PlusGraphicsOps::DrawImagePointsRect(PlusGraphics* self, PlusImage* image, float x1, float y1, float x2, float y2, float x3,
                                          float y3, float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                          Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes) {
    const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Succeeded(GDIP(GdipDrawImagePointsRect)(Native(self), NativeOf<GpImage>(image), corners, 3, sourceX, sourceY, sourceWidth,
                                                   sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)),
                                                   NativeOf<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool PlusGraphicsOps::DrawImagePointsRectI(PlusGraphics* self, PlusImage* image, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                           int32_t x3, int32_t y3, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                           int32_t sourceHeight, Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes) {
    const Gdiplus::Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Succeeded(GDIP(GdipDrawImagePointsRectI)(Native(self), NativeOf<GpImage>(image), corners, 3, sourceX, sourceY, sourceWidth,
                                                    sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit.Or(Gdiplus::UnitPixel)),
                                                    NativeOf<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool PlusGraphicsOps::Comment(PlusGraphics* self, const ByteSet* data) {
    return Succeeded(GDIP(GdipComment)(Native(self), static_cast<UINT>(ByteSetLength(data)), data ? data->Bytes() : nullptr));
}

}  // namespace gdip
