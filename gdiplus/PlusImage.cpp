// PlusImage operations with behaviour of their own.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpImage;
using Gdiplus::Status;

namespace {

GpImage* Native(PlusImage* self) { return static_cast<GpImage*>(self->PlusImage::Handle()); }

static_assert(sizeof(void*) != 4 || sizeof(Gdiplus::EncoderParameter) == 28);

// The EncoderParameters block GDI+ takes: the count, then per parameter its GUID, number of
// values, type and the address of the caller's value bytes (not copied).
class EncoderParametersBlock {
public:
    explicit EncoderParametersBlock(const PlusEncoderParameterList* list) {
        if (!list) return;
        const size_t count = std::min(static_cast<size_t>(std::max(list->count, 0)), ElementCount(list->parameters));
        bytes_.assign(offsetof(Gdiplus::EncoderParameters, Parameter) + count * sizeof(Gdiplus::EncoderParameter), 0);
        auto* block = reinterpret_cast<Gdiplus::EncoderParameters*>(bytes_.data());
        block->Count = static_cast<UINT>(count);
        for (size_t i = 0; i < count; ++i) {
            const PlusEncoderParameter* parameter = PointerElements<PlusEncoderParameter>(list->parameters)[i];
            Gdiplus::EncoderParameter& native = block->Parameter[i];
            if (!parameter) continue;
            const Bytes guid(TextToGuid(parameter->guid));
            std::memcpy(&native.Guid, guid.Data(), sizeof(GUID));
            native.NumberOfValues = static_cast<ULONG>(parameter->numberOfValues);
            native.Type = static_cast<ULONG>(parameter->type);
            native.Value = parameter->values ? parameter->values->Bytes() : nullptr;
        }
    }
    // Null without parameters.
    const Gdiplus::EncoderParameters* Get() const {
        return bytes_.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(bytes_.data());
    }

private:
    std::vector<uint8_t> bytes_;
};

// The CLSID of the format's encoder; 16 zero bytes when there is none.
Bytes EncoderFor(const char* format) {
    const Text clsid(FindEncoderForFormat(format));
    return Bytes(TextToGuid(clsid.Get()));
}
const CLSID* ClsidOf(const Bytes& clsid) { return reinterpret_cast<const CLSID*>(clsid.Data()); }

bool SaveToFile(PlusImage* self, const WCHAR* fileName, Optional<const char*> format, Optional<const PlusEncoderParameterList*> parameters) {
    const Bytes clsid = EncoderFor(format.given ? format.value : kBmpFormat);
    const EncoderParametersBlock block(parameters.Or(nullptr));
    return Succeeded(GDIP(GdipSaveImageToFile)(Native(self), fileName, ClsidOf(clsid), block.Get()));
}

// Bytes per value of each GDI+ encoder parameter type (the ASCII and undefined types count in
// bytes, ranges hold two numbers).
size_t ValueSize(ULONG type) {
    switch (type) {
    case Gdiplus::EncoderParameterValueTypeShort: return 2;
    case Gdiplus::EncoderParameterValueTypeLong: return 4;
    case Gdiplus::EncoderParameterValueTypeRational:
    case Gdiplus::EncoderParameterValueTypeLongRange: return 8;
    case Gdiplus::EncoderParameterValueTypeRationalRange: return 16;
    default: return 1;
    }
}

}  // namespace

void FreeEncoderParameter(void* p) {
    auto* parameter = static_cast<PlusEncoderParameter*>(p);
    RuntimeFree(parameter->guid);
    RuntimeFree(parameter->values);
    RuntimeFree(parameter);
}

void ClearEncoderParameterList(PlusEncoderParameterList* list) {
    FreePointerArray(list->parameters, FreeEncoderParameter);
    list->parameters = nullptr;
    list->count = 0;
}

void PlusImageOps::OnAttach(PlusObject*, void*) {}

bool PlusImageOps::DisposeImage(PlusImage* self) {
    if (!self->image) return false;
    if (self->source) self->source->Release();
    const Status status = GDIP(GdipDisposeImage)(Native(self));
    self->SetHandle(nullptr);
    return Succeeded(status);
}

bool PlusImageOps::LoadImageFromFile(PlusImage* self, const char* fileName, Optional<bool> colourManaged) {
    const WideText name(fileName);
    return Created(self, colourManaged.Or(false) ? GDIP(GdipLoadImageFromFileICM)(name.Data(), OwnOutput<GpImage>(self))
                                                 : GDIP(GdipLoadImageFromFile)(name.Data(), OwnOutput<GpImage>(self)));
}

bool PlusImageOps::LoadImageFromFileW(PlusImage* self, const ByteSet* fileName, Optional<bool> colourManaged) {
    const WideUnits name(fileName);
    return Created(self, colourManaged.Or(false) ? GDIP(GdipLoadImageFromFileICM)(name.Data(), OwnOutput<GpImage>(self))
                                                 : GDIP(GdipLoadImageFromFile)(name.Data(), OwnOutput<GpImage>(self)));
}

// The bytes stay in the source stream for the image's life.
bool PlusImageOps::LoadImageFromStream(PlusImage* self, const ByteSet* bytes, Optional<bool> colourManaged) {
    IStream* stream = self->source ? self->source->Create(bytes) : nullptr;
    return Created(self, colourManaged.Or(false) ? GDIP(GdipLoadImageFromStreamICM)(stream, OwnOutput<GpImage>(self))
                                                 : GDIP(GdipLoadImageFromStream)(stream, OwnOutput<GpImage>(self)));
}

bool PlusImageOps::GetEncoderParameterList(PlusImage* self, const char* format, PlusEncoderParameterList* list) {
    const Bytes clsid = EncoderFor(format);
    UINT size = 0;
    if (!Succeeded(GDIP(GdipGetEncoderParameterListSize)(Native(self), ClsidOf(clsid), &size)) || size == 0) return false;
    std::vector<uint8_t> buffer(size);
    auto* native = reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data());
    if (!Succeeded(GDIP(GdipGetEncoderParameterList)(Native(self), ClsidOf(clsid), size, native))) return false;
    ClearEncoderParameterList(list);
    list->count = static_cast<int32_t>(native->Count);
    list->parameters = MakeRecordArray<PlusEncoderParameter>(native->Count);
    for (UINT i = 0; i < native->Count; ++i) {
        const Gdiplus::EncoderParameter& entry = native->Parameter[i];
        PlusEncoderParameter* record = PointerElements<PlusEncoderParameter>(list->parameters)[i];
        record->guid = GuidToText(&entry.Guid);
        record->numberOfValues = static_cast<int32_t>(entry.NumberOfValues);
        record->type = static_cast<int32_t>(entry.Type);
        record->values = entry.Value ? MakeByteSet(entry.Value, entry.NumberOfValues * ValueSize(entry.Type)) : nullptr;
    }
    return true;
}

bool PlusImageOps::SaveImageToFile(PlusImage* self, const char* fileName, Optional<const char*> format,
                                   Optional<const PlusEncoderParameterList*> parameters) {
    const WideText name(fileName);
    return SaveToFile(self, name.Data(), format, parameters);
}

bool PlusImageOps::SaveImageToFileW(PlusImage* self, const ByteSet* fileName, Optional<const char*> format,
                                    Optional<const PlusEncoderParameterList*> parameters) {
    const WideUnits name(fileName);
    return SaveToFile(self, name.Data(), format, parameters);
}

// Encoded into a temporary stream, whose bytes are the result (empty when GDI+ refused).
ByteSet* PlusImageOps::SaveImageToStream(PlusImage* self, Optional<const char*> format, Optional<const PlusEncoderParameterList*> parameters) {
    const Text ownFormat(format.given ? nullptr : self->GetImageRawFormat());
    const Bytes clsid = EncoderFor(format.given ? format.value : ownFormat.Get());
    Object<MemoryStream> encoded = Make<MemoryStream>();
    IStream* stream = encoded->Create();
    const EncoderParametersBlock block(parameters.Or(nullptr));
    RecordStatus(GDIP(GdipSaveImageToStream)(Native(self), stream, ClsidOf(clsid), block.Get()));
    return encoded->GetBytes();
}

bool PlusImageOps::SaveAdd(PlusImage* self, const PlusEncoderParameterList* parameters) {
    const EncoderParametersBlock block(parameters);
    return Succeeded(GDIP(GdipSaveAdd)(Native(self), block.Get()));
}

bool PlusImageOps::SaveAddImage(PlusImage* self, PlusImage* image, const PlusEncoderParameterList* parameters) {
    const EncoderParametersBlock block(parameters);
    return Succeeded(GDIP(GdipSaveAddImage)(Native(self), NativeOf<GpImage>(image), block.Get()));
}

PlusSizeF* PlusImageOps::GetImageDimension(PlusImage* self) {
    PlusSizeF size{};
    RecordStatus(GDIP(GdipGetImageDimension)(Native(self), &size.width, &size.height));
    return NewRecord(size);
}

int32_t PlusImageOps::GetImageBounds(PlusImage* self, PlusRectF* rect, int32_t* unit) {
    Gdiplus::Unit nativeUnit = Gdiplus::UnitPixel;
    const Status status = RecordStatus(GDIP(GdipGetImageBounds)(Native(self), reinterpret_cast<Gdiplus::RectF*>(rect), &nativeUnit));
    if (unit) *unit = nativeUnit;
    return status;
}

TextValue PlusImageOps::GetImageRawFormat(PlusImage* self) {
    GUID format{};
    RecordStatus(GDIP(GdipGetImageRawFormat)(Native(self), &format));
    return GuidToText(&format);
}

bool PlusImageOps::GetImagePalette(PlusImage* self, PlusPalette* palette) {
    INT size = 0;
    if (!Succeeded(GDIP(GdipGetImagePaletteSize)(Native(self), &size)) || size < static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
        return false;
    std::vector<uint8_t> buffer(static_cast<size_t>(size));
    auto* native = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    if (!Succeeded(GDIP(GdipGetImagePalette)(Native(self), native, size))) return false;
    palette->flags = static_cast<int32_t>(native->Flags);
    palette->count = static_cast<int32_t>(native->Count);
    ReplaceArray(&palette->entries, kTypeInt, native->Count);
    std::memcpy(ScalarElements<ARGB>(palette->entries), native->Entries, native->Count * sizeof(ARGB));
    return true;
}

bool PlusImageOps::SetImagePalette(PlusImage* self, const PlusPalette* palette) {
    const size_t count = palette ? std::min(static_cast<size_t>(std::max(palette->count, 0)), ElementCount(palette->entries)) : 0;
    std::vector<uint8_t> buffer(offsetof(Gdiplus::ColorPalette, Entries) + std::max<size_t>(count, 1) * sizeof(ARGB), 0);
    auto* native = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    native->Flags = palette ? static_cast<UINT>(palette->flags) : 0;
    native->Count = static_cast<UINT>(count);
    if (count) std::memcpy(native->Entries, ScalarElements<ARGB>(palette->entries), count * sizeof(ARGB));
    return Succeeded(GDIP(GdipSetImagePalette)(Native(self), native));
}

bool PlusImageOps::GetImageThumbnail(PlusImage* self, uint32_t width, uint32_t height, PlusImage* target) {
    GpImage* thumbnail = nullptr;
    const Status status = GDIP(GdipGetImageThumbnail)(Native(self), width, height, &thumbnail, nullptr, nullptr);
    if (target) target->SetHandle(thumbnail);
    return Succeeded(status);
}

uint32_t PlusImageOps::ImageGetFrameCount(PlusImage* self, const char* dimension) {
    const Bytes guid(TextToGuid(dimension));
    UINT count = 0;
    RecordStatus(GDIP(GdipImageGetFrameCount)(Native(self), reinterpret_cast<const GUID*>(guid.Data()), &count));
    return count;
}

int32_t PlusImageOps::ImageGetFrameDimensionsList(PlusImage* self, ArrayValue** dimensions) {
    UINT count = 0;
    if (!Succeeded(GDIP(GdipImageGetFrameDimensionsCount)(Native(self), &count))) return 0;
    std::vector<GUID> guids(count);
    if (count && !Succeeded(GDIP(GdipImageGetFrameDimensionsList)(Native(self), guids.data(), count))) return 0;
    ReplaceArray(dimensions, kTypeText, count);
    for (UINT i = 0; i < count; ++i) PointerElements<char>(*dimensions)[i] = GuidToText(&guids[i]);
    return static_cast<int32_t>(count);
}

bool PlusImageOps::ImageSelectActiveFrame(PlusImage* self, const char* dimension, uint32_t index) {
    const Bytes guid(TextToGuid(dimension));
    return Succeeded(GDIP(GdipImageSelectActiveFrame)(Native(self), reinterpret_cast<const GUID*>(guid.Data()), index));
}

// Frame delays (hundredths of a second per frame) from property item 0x5100.
bool PlusImageOps::GetFrameDelays(PlusImage* self, ArrayValue** delays) {
    PlusPropertyItem item{};
    const bool found = self->GetPropertyItem(0x5100, &item);
    if (found) {
        const size_t count = static_cast<size_t>(std::max(item.length, 0)) / 4;
        ReplaceArray(delays, kTypeInt, count);
        if (count && item.value) std::memcpy(ScalarElements<int32_t>(*delays), item.value->Bytes(), std::min(count * 4, ByteSetLength(item.value)));
    }
    RuntimeFree(item.value);
    return found;
}

bool PlusImageOps::GetPropertyItem(PlusImage* self, int32_t id, PlusPropertyItem* item) {
    UINT size = 0;
    if (!Succeeded(GDIP(GdipGetPropertyItemSize)(Native(self), static_cast<PROPID>(id), &size)) || size < sizeof(Gdiplus::PropertyItem))
        return false;
    std::vector<uint8_t> buffer(size);
    auto* native = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (!Succeeded(GDIP(GdipGetPropertyItem)(Native(self), static_cast<PROPID>(id), size, native))) return false;
    item->id = static_cast<int32_t>(native->id);
    item->length = static_cast<int32_t>(native->length);
    item->type = native->type;
    RuntimeFree(item->value);
    item->value = MakeByteSet(native->value, native->length);
    return true;
}

// The value is the caller's bytes; GDI+ is never told of more than the byte set holds.
bool PlusImageOps::SetPropertyItem(PlusImage* self, const PlusPropertyItem* item) {
    Gdiplus::PropertyItem native{};
    if (item) {
        native.id = static_cast<PROPID>(item->id);
        native.length = static_cast<ULONG>(std::min(static_cast<size_t>(std::max(item->length, 0)), ByteSetLength(item->value)));
        native.type = static_cast<WORD>(item->type);
        native.value = item->value ? item->value->Bytes() : nullptr;
    }
    return Succeeded(GDIP(GdipSetPropertyItem)(Native(self), &native));
}

int32_t PlusImageOps::GetPropertyIdList(PlusImage* self, ArrayValue** ids) {
    UINT count = 0;
    if (!Succeeded(GDIP(GdipGetPropertyCount)(Native(self), &count))) return 0;
    ReplaceArray(ids, kTypeInt, count);
    if (count) RecordStatus(GDIP(GdipGetPropertyIdList)(Native(self), count, ScalarElements<PROPID>(*ids)));
    return static_cast<int32_t>(count);
}

}  // namespace gdip
