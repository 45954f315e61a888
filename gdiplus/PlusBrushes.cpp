// Operations of the three brush classes with behaviour of their own.
#include <algorithm>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpLineGradient;
using Gdiplus::GpPathGradient;
using Gdiplus::REAL;
using Gdiplus::Status;

namespace {

GpLineGradient* Native(PlusLinearBrush* self) { return static_cast<GpLineGradient*>(self->Handle()); }
GpPathGradient* Native(PlusPathBrush* self) { return static_cast<GpPathGradient*>(self->Handle()); }

// Two arrays sized by the count function and filled together (blend factors or preset colours,
// and their positions); the count, 0 when the count call fails.
template <class First, class Self, class Count, class Get>
int32_t ReadBlend(Self* self, Count& count, Get& get, ArrayValue** first, ArrayValue** positions) {
    INT n = 0;
    if (!Succeeded(count(Native(self), &n))) return 0;
    ReplaceArray(first, std::is_same_v<First, REAL> ? kTypeFloat : kTypeInt, static_cast<size_t>(n));
    ReplaceArray(positions, kTypeFloat, static_cast<size_t>(n));
    RecordStatus(get(Native(self), ScalarElements<First>(*first), ScalarElements<REAL>(*positions), n));
    return n;
}

template <class NativeRect, class Rec>
const NativeRect* RectAddress(const Rec* rect) {
    static const NativeRect kZero;
    return rect ? reinterpret_cast<const NativeRect*>(rect) : &kZero;
}

template <class NativePoint, class Rec>
const NativePoint* PointAddress(const Rec* point) {
    static const NativePoint kZero;
    return point ? reinterpret_cast<const NativePoint*>(point) : &kZero;
}

}  // namespace

// Each brush class keeps the handle in its own field as well.
void PlusSolidBrushOps::OnAttach(PlusObject* self, void* handle) { static_cast<PlusSolidBrush*>(self)->own = handle; }
void PlusLinearBrushOps::OnAttach(PlusObject* self, void* handle) { static_cast<PlusLinearBrush*>(self)->own = handle; }
void PlusPathBrushOps::OnAttach(PlusObject* self, void* handle) { static_cast<PlusPathBrush*>(self)->own = handle; }

// ---- linear gradients: all six creations tile (wrap mode 0) ----

bool PlusLinearBrushOps::CreateLineBrush(PlusLinearBrush* self, const PlusPointF* point1, const PlusPointF* point2, ARGB colour1,
                                         ARGB colour2) {
    return Created(self, GDIP(GdipCreateLineBrush)(PointAddress<Gdiplus::PointF>(point1), PointAddress<Gdiplus::PointF>(point2),
                                                   colour1, colour2, Gdiplus::WrapModeTile, OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::CreateLineBrushI(PlusLinearBrush* self, const PlusPoint* point1, const PlusPoint* point2, ARGB colour1,
                                          ARGB colour2) {
    return Created(self, GDIP(GdipCreateLineBrushI)(PointAddress<Gdiplus::Point>(point1), PointAddress<Gdiplus::Point>(point2),
                                                    colour1, colour2, Gdiplus::WrapModeTile, OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::CreateLineBrushFromRect(PlusLinearBrush* self, const PlusRectF* rect, ARGB colour1, ARGB colour2, int32_t mode) {
    return Created(self, GDIP(GdipCreateLineBrushFromRect)(RectAddress<Gdiplus::RectF>(rect), colour1, colour2,
                                                           static_cast<Gdiplus::LinearGradientMode>(mode), Gdiplus::WrapModeTile,
                                                           OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::CreateLineBrushFromRectI(PlusLinearBrush* self, const PlusRect* rect, ARGB colour1, ARGB colour2, int32_t mode) {
    return Created(self, GDIP(GdipCreateLineBrushFromRectI)(RectAddress<Gdiplus::Rect>(rect), colour1, colour2,
                                                            static_cast<Gdiplus::LinearGradientMode>(mode), Gdiplus::WrapModeTile,
                                                            OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::CreateLineBrushFromRectWithAngle(PlusLinearBrush* self, const PlusRectF* rect, ARGB colour1, ARGB colour2,
                                                          float angle, bool angleScales) {
    return Created(self, GDIP(GdipCreateLineBrushFromRectWithAngle)(RectAddress<Gdiplus::RectF>(rect), colour1, colour2, angle,
                                                                    angleScales ? TRUE : FALSE, Gdiplus::WrapModeTile,
                                                                    OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::CreateLineBrushFromRectWithAngleI(PlusLinearBrush* self, const PlusRect* rect, ARGB colour1, ARGB colour2,
                                                           float angle, bool angleScales) {
    return Created(self, GDIP(GdipCreateLineBrushFromRectWithAngleI)(RectAddress<Gdiplus::Rect>(rect), colour1, colour2, angle,
                                                                     angleScales ? TRUE : FALSE, Gdiplus::WrapModeTile,
                                                                     OwnOutput<GpLineGradient>(self)));
}

bool PlusLinearBrushOps::GetLineColors(PlusLinearBrush* self, ARGB* colour1, ARGB* colour2) {
    ARGB colours[2] = {0, 0};
    const bool ok = Succeeded(GDIP(GdipGetLineColors)(Native(self), colours));
    if (colour1) *colour1 = colours[0];
    if (colour2) *colour2 = colours[1];
    return ok;
}

int32_t PlusLinearBrushOps::GetLineBlend(PlusLinearBrush* self, ArrayValue** factors, ArrayValue** positions) {
    return ReadBlend<REAL>(self, GDIP(GdipGetLineBlendCount), GDIP(GdipGetLineBlend), factors, positions);
}

int32_t PlusLinearBrushOps::GetLinePresetBlend(PlusLinearBrush* self, ArrayValue** colours, ArrayValue** positions) {
    return ReadBlend<ARGB>(self, GDIP(GdipGetLinePresetBlendCount), GDIP(GdipGetLinePresetBlend), colours, positions);
}

bool PlusLinearBrushOps::ScaleLineTransformAt(PlusLinearBrush* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslateLineTransform), GDIP(GdipScaleLineTransform), Native(self), centre, order, sx, sy);
}

bool PlusLinearBrushOps::RotateLineTransformAt(PlusLinearBrush* self, float angle, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslateLineTransform), GDIP(GdipRotateLineTransform), Native(self), centre, order, angle);
}

// ---- path gradients ----

// The colours array's elements and its size as the count; the count GDI+ answers comes back.
bool PlusPathBrushOps::GetPathGradientSurroundColorsWithCount(PlusPathBrush* self, ArrayValue* colours, int32_t* count) {
    INT n = static_cast<INT>(ElementCount(colours));
    const bool ok = Succeeded(GDIP(GdipGetPathGradientSurroundColorsWithCount)(Native(self), ScalarElements<ARGB>(colours), &n));
    if (count) *count = n;
    return ok;
}

bool PlusPathBrushOps::SetPathGradientSurroundColorsWithCount(PlusPathBrush* self, const ArrayValue* colours, int32_t* count) {
    INT n = static_cast<INT>(ElementCount(colours));
    const bool ok = Succeeded(GDIP(GdipSetPathGradientSurroundColorsWithCount)(Native(self), ScalarElements<ARGB>(colours), &n));
    if (count) *count = n;
    return ok;
}

int32_t PlusPathBrushOps::GetPathGradientBlend(PlusPathBrush* self, ArrayValue** factors, ArrayValue** positions) {
    return ReadBlend<REAL>(self, GDIP(GdipGetPathGradientBlendCount), GDIP(GdipGetPathGradientBlend), factors, positions);
}

int32_t PlusPathBrushOps::GetPathGradientPresetBlend(PlusPathBrush* self, ArrayValue** colours, ArrayValue** positions) {
    return ReadBlend<ARGB>(self, GDIP(GdipGetPathGradientPresetBlendCount), GDIP(GdipGetPathGradientPresetBlend), colours, positions);
}

bool PlusPathBrushOps::ScalePathGradientTransformAt(PlusPathBrush* self, float sx, float sy, const PlusPointF* centre,
                                                    Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslatePathGradientTransform), GDIP(GdipScalePathGradientTransform), Native(self), centre, order, sx,
                          sy);
}

bool PlusPathBrushOps::RotatePathGradientTransformAt(PlusPathBrush* self, float angle, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslatePathGradientTransform), GDIP(GdipRotatePathGradientTransform), Native(self), centre, order,
                          angle);
}

}  // namespace gdip
