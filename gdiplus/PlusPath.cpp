// PlusPath operations with behaviour of their own.
#include <algorithm>
#include <cstring>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpFontFamily;
using Gdiplus::GpPath;
using Gdiplus::GpStringFormat;
using Gdiplus::Status;

namespace {

GpPath* Native(PlusPath* self) { return static_cast<GpPath*>(self->Handle()); }

// The points with as many type bytes as both have.
template <class NativePoint, class Create>
bool CreateFromPoints(PlusPath* self, Create& create, ArrayValue* points, const ByteSet* types, Optional<int32_t> fillMode) {
    NativeRecords<NativePoint> native(points);
    const INT count = std::min(native.Count(), static_cast<INT>(ByteSetLength(types)));
    const Status status = create(native.Data(), types ? types->Bytes() : nullptr, count,
                                 static_cast<Gdiplus::FillMode>(fillMode.Or(Gdiplus::FillModeAlternate)), OwnOutput<GpPath>(self));
    native.CopyBack();
    return Created(self, status);
}

// The path's point count, asked first by every operation that reads points or types.
bool PointCount(PlusPath* self, INT* count) {
    *count = 0;
    return Succeeded(GDIP(GdipGetPointCount)(Native(self), count));
}

void CopyPoints(ArrayValue* records, const void* native, size_t size, INT count) {
    for (INT i = 0; i < count; ++i)
        std::memcpy(PointerElements<void>(records)[i], static_cast<const uint8_t*>(native) + static_cast<size_t>(i) * size, size);
}

void ReplaceBytes(ByteSet** bytes, INT count) {
    RuntimeFree(*bytes);
    *bytes = MakeByteSet(nullptr, static_cast<size_t>(count));
}

// Points of one kind into the caller's array (GetPathPoints, GetPathPointsI).
template <class Rec, class NativePoint, class Get>
bool ReadPoints(PlusPath* self, Get& get, ArrayValue** points) {
    INT count = 0;
    if (!PointCount(self, &count)) return false;
    ReplaceRecordArray<Rec>(points, static_cast<size_t>(count));
    if (count <= 0) return true;
    void* buffer = self->Alloc(static_cast<size_t>(count) * sizeof(NativePoint));
    const Status status = get(Native(self), static_cast<NativePoint*>(buffer), count);
    if (status == Gdiplus::Ok) CopyPoints(*points, buffer, sizeof(NativePoint), count);
    self->Free(buffer);
    return Succeeded(status);
}

template <class Add, class Text, class Layout>
bool AddString(PlusPath* self, Add& add, const Text& units, PlusFontFamily* family, int32_t emSize, const Layout* layout,
               Optional<int32_t> style, Optional<PlusStringFormat*> format) {
    return Succeeded(add(Native(self), units.Data(), units.Length(), NativeOf<GpFontFamily>(family), style.Or(0),
                         static_cast<Gdiplus::REAL>(emSize), layout, NativeOf<GpStringFormat>(format)));
}

}  // namespace

bool PlusPathOps::CreatePath2(PlusPath* self, ArrayValue* points, const ByteSet* types, Optional<int32_t> fillMode) {
    return CreateFromPoints<Gdiplus::PointF>(self, GDIP(GdipCreatePath2), points, types, fillMode);
}

bool PlusPathOps::CreatePath2I(PlusPath* self, ArrayValue* points, const ByteSet* types, Optional<int32_t> fillMode) {
    return CreateFromPoints<Gdiplus::Point>(self, GDIP(GdipCreatePath2I), points, types, fillMode);
}

bool PlusPathOps::GetPathData(PlusPath* self, PlusPathData* data) {
    INT count = 0;
    if (!PointCount(self, &count)) return false;
    data->count = count;
    ReplaceRecordArray<PlusPointF>(&data->points, static_cast<size_t>(count));
    ReplaceBytes(&data->types, count);
    if (count <= 0) return true;
    // The PathData layout, without the SDK class's destructor (the blocks are freed here).
    struct {
        INT Count;
        Gdiplus::PointF* Points;
        BYTE* Types;
    } native;
    native.Count = count;
    native.Points = static_cast<Gdiplus::PointF*>(self->Alloc(static_cast<size_t>(count) * 8));
    native.Types = static_cast<BYTE*>(self->Alloc(static_cast<size_t>(count)));
    const Status status = GDIP(GdipGetPathData)(Native(self), reinterpret_cast<Gdiplus::GpPathData*>(&native));
    if (status == Gdiplus::Ok) {
        CopyPoints(data->points, native.Points, sizeof(Gdiplus::PointF), count);
        std::memcpy(data->types->Bytes(), native.Types, static_cast<size_t>(count));
    }
    self->Free(native.Points);
    self->Free(native.Types);
    return Succeeded(status);
}

bool PlusPathOps::GetPathTypes(PlusPath* self, ByteSet** types) {
    INT count = 0;
    if (!PointCount(self, &count)) return false;
    ReplaceBytes(types, count);
    if (count <= 0) return true;
    void* buffer = self->Alloc(static_cast<size_t>(count));
    const Status status = GDIP(GdipGetPathTypes)(Native(self), static_cast<BYTE*>(buffer), count);
    if (status == Gdiplus::Ok) std::memcpy((*types)->Bytes(), buffer, static_cast<size_t>(count));
    self->Free(buffer);
    return Succeeded(status);
}

bool PlusPathOps::GetPathPoints(PlusPath* self, ArrayValue** points) {
    return ReadPoints<PlusPointF, Gdiplus::PointF>(self, GDIP(GdipGetPathPoints), points);
}

bool PlusPathOps::GetPathPointsI(PlusPath* self, ArrayValue** points) {
    return ReadPoints<PlusPoint, Gdiplus::Point>(self, GDIP(GdipGetPathPointsI), points);
}

// Four quarter arcs whose boxes are the roundness percentage of the width and the height, from
// the top right corner clockwise, then the figure closed.
bool PlusPathOps::AddRoundRectangle(PlusPath* self, float x, float y, float width, float height, int32_t roundness) {
    const int32_t r = std::clamp(roundness, 1, 100);
    const auto w = static_cast<float>(static_cast<int32_t>(width * static_cast<float>(r) / 100.0f));
    const auto h = static_cast<float>(static_cast<int32_t>(height * static_cast<float>(r) / 100.0f));
    auto& addArc = GDIP(GdipAddPathArc);
    RecordStatus(addArc(Native(self), x + width - w, y, w, h, 270.0f, 90.0f));
    RecordStatus(addArc(Native(self), x + width - w, y + height - h, w, h, 0.0f, 90.0f));
    RecordStatus(addArc(Native(self), x, y + height - h, w, h, 90.0f, 90.0f));
    RecordStatus(addArc(Native(self), x, y, w, h, 180.0f, 90.0f));
    return Succeeded(GDIP(GdipClosePathFigure)(Native(self)));
}

bool PlusPathOps::AddPathString(PlusPath* self, const char* text, PlusFontFamily* family, int32_t emSize, const PlusRectF* layout,
                                Optional<int32_t> style, Optional<PlusStringFormat*> format) {
    return AddString(self, GDIP(GdipAddPathString), WideText(text), family, emSize, reinterpret_cast<const Gdiplus::RectF*>(layout),
                     style, format);
}

bool PlusPathOps::AddPathStringW(PlusPath* self, const ByteSet* text, PlusFontFamily* family, int32_t emSize, const PlusRectF* layout,
                                 Optional<int32_t> style, Optional<PlusStringFormat*> format) {
    return AddString(self, GDIP(GdipAddPathString), WideUnits(text), family, emSize, reinterpret_cast<const Gdiplus::RectF*>(layout),
                     style, format);
}

bool PlusPathOps::AddPathStringI(PlusPath* self, const char* text, PlusFontFamily* family, int32_t emSize, const PlusRect* layout,
                                 Optional<int32_t> style, Optional<PlusStringFormat*> format) {
    return AddString(self, GDIP(GdipAddPathStringI), WideText(text), family, emSize, reinterpret_cast<const Gdiplus::Rect*>(layout),
                     style, format);
}

bool PlusPathOps::AddPathStringIW(PlusPath* self, const ByteSet* text, PlusFontFamily* family, int32_t emSize, const PlusRect* layout,
                                  Optional<int32_t> style, Optional<PlusStringFormat*> format) {
    return AddString(self, GDIP(GdipAddPathStringI), WideUnits(text), family, emSize, reinterpret_cast<const Gdiplus::Rect*>(layout),
                     style, format);
}

}  // namespace gdip
