// PlusStringFormat operations with behaviour of their own.
#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpStringFormat;

namespace {

GpStringFormat* Native(PlusStringFormat* self) { return static_cast<GpStringFormat*>(self->Handle()); }

}  // namespace

bool PlusStringFormatOps::SetStringFormatTabStops(PlusStringFormat* self, float firstOffset, const ArrayValue* tabStops) {
    return Succeeded(GDIP(GdipSetStringFormatTabStops)(Native(self), firstOffset, static_cast<INT>(ElementCount(tabStops)),
                                                       ScalarElements<Gdiplus::REAL>(tabStops)));
}

int32_t PlusStringFormatOps::GetStringFormatTabStops(PlusStringFormat* self, float* firstOffset, ArrayValue** tabStops) {
    INT count = 0;
    if (!Succeeded(GDIP(GdipGetStringFormatTabStopCount)(Native(self), &count))) return 0;
    ReplaceArray(tabStops, kTypeFloat, static_cast<size_t>(count));
    Gdiplus::REAL first = 0;
    RecordStatus(GDIP(GdipGetStringFormatTabStops)(Native(self), count, &first, ScalarElements<Gdiplus::REAL>(*tabStops)));
    if (firstOffset) *firstOffset = first;
    return count;
}

bool PlusStringFormatOps::SetStringFormatMeasurableCharacterRanges(PlusStringFormat* self, ArrayValue* ranges) {
    static_assert(sizeof(PlusCharacterRange) == sizeof(Gdiplus::CharacterRange));
    const NativeRecords<Gdiplus::CharacterRange> native(ranges);
    const bool ok = Succeeded(GDIP(GdipSetStringFormatMeasurableCharacterRanges)(Native(self), native.Count(), native.Data()));
    native.CopyBack();
    return ok;
}

}  // namespace gdip
