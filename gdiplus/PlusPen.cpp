// PlusPen operations with behaviour of their own.
#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpPen;
using Gdiplus::Status;

namespace {

GpPen* Native(PlusPen* self) { return static_cast<GpPen*>(self->Handle()); }

// An array of floats sized by its count function, filled by the flat function; the count.
template <class Count, class Get>
int32_t ReadFloats(PlusPen* self, Count& count, Get& get, ArrayValue** values) {
    INT n = 0;
    if (!Succeeded(count(Native(self), &n))) return 0;
    ReplaceArray(values, kTypeFloat, static_cast<size_t>(n));
    RecordStatus(get(Native(self), ScalarElements<Gdiplus::REAL>(*values), n));
    return n;
}

}  // namespace

bool PlusPenOps::CreatePen1(PlusPen* self, ARGB colour, float width, Optional<int32_t> unit) {
    return Created(self, GDIP(GdipCreatePen1)(colour, width, static_cast<Gdiplus::Unit>(unit.Or(0)), OwnOutput<GpPen>(self)));
}

bool PlusPenOps::CreatePen2(PlusPen* self, PlusBrush* brush, float width, Optional<int32_t> unit) {
    return Created(self, GDIP(GdipCreatePen2)(NativeOf<Gdiplus::GpBrush>(brush), width, static_cast<Gdiplus::Unit>(unit.Or(0)),
                                              OwnOutput<GpPen>(self)));
}

bool PlusPenOps::SetPenUnit(PlusPen* self, float unit) {
    return Succeeded(GDIP(GdipSetPenUnit)(Native(self), static_cast<Gdiplus::Unit>(static_cast<int32_t>(unit))));
}

bool PlusPenOps::RotatePenTransformAt(PlusPen* self, float angle, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslatePenTransform), GDIP(GdipRotatePenTransform), Native(self), centre, order, angle);
}

bool PlusPenOps::ScalePenTransformAt(PlusPen* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order) {
    return TransformAbout(GDIP(GdipTranslatePenTransform), GDIP(GdipScalePenTransform), Native(self), centre, order, sx, sy);
}

int32_t PlusPenOps::GetPenDashArray(PlusPen* self, ArrayValue** dashes) {
    return ReadFloats(self, GDIP(GdipGetPenDashCount), GDIP(GdipGetPenDashArray), dashes);
}

int32_t PlusPenOps::GetPenCompoundArray(PlusPen* self, ArrayValue** compounds) {
    return ReadFloats(self, GDIP(GdipGetPenCompoundCount), GDIP(GdipGetPenCompoundArray), compounds);
}

}  // namespace gdip
