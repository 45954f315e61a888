// PlusRegion operations with behaviour of their own.
#include <cstring>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpMatrix;
using Gdiplus::GpRegion;
using Gdiplus::Status;

namespace {

GpRegion* Native(PlusRegion* self) { return static_cast<GpRegion*>(self->Handle()); }

// The scans as records of one kind, sized by GdipGetRegionScansCount; the count.
template <class Rec, class NativeRect, class Get>
int32_t ReadScans(PlusRegion* self, Get& get, PlusObject* matrix, ArrayValue** rects) {
    UINT count = 0;
    if (!Succeeded(GDIP(GdipGetRegionScansCount)(Native(self), &count, NativeOf<GpMatrix>(matrix)))) return 0;
    ReplaceRecordArray<Rec>(rects, count);
    NativeRecords<NativeRect> native(*rects);
    INT filled = static_cast<INT>(count);
    if (Succeeded(get(Native(self), native.Data(), &filled, NativeOf<GpMatrix>(matrix)))) native.CopyBack();
    return static_cast<int32_t>(count);
}

}  // namespace

ByteSet* PlusRegionOps::GetRegionData(PlusRegion* self, uint32_t size, Optional<uint32_t*> filledSize) {
    ByteSet* data = MakeByteSet(nullptr, size);
    UINT filled = 0;
    RecordStatus(GDIP(GdipGetRegionData)(Native(self), data ? data->Bytes() : nullptr, size, &filled));
    if (filledSize.given && filledSize.value) *filledSize.value = filled;
    return data;
}

int32_t PlusRegionOps::GetRegionScans(PlusRegion* self, PlusObject* matrix, ArrayValue** rects) {
    return ReadScans<PlusRectF, Gdiplus::RectF>(self, GDIP(GdipGetRegionScans), matrix, rects);
}

int32_t PlusRegionOps::GetRegionScansI(PlusRegion* self, PlusObject* matrix, ArrayValue** rects) {
    return ReadScans<PlusRect, Gdiplus::Rect>(self, GDIP(GdipGetRegionScansI), matrix, rects);
}

}  // namespace gdip
