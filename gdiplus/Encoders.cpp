#include "gdiplus/Encoders.h"

#include <cstring>
#include <vector>

#include "gdiplus/FlatApi.h"
#include "gdiplus/PlusObject.h"
#include "gdiplus/PlusRecords.h"
#include "gdiplus/PlusText.h"
#include "gdiplus/SystemCalls.h"

namespace gdip {

namespace {

void FillCodec(PlusCodecDescription* record, const Gdiplus::ImageCodecInfo& codec) {
    record->clsid = GuidToText(&codec.Clsid);
    record->formatId = GuidToText(&codec.FormatID);
    record->codecName = TextFromWide(codec.CodecName).Release();
    record->dllName = TextFromWide(codec.DllName).Release();
    record->formatDescription = TextFromWide(codec.FormatDescription).Release();
    record->filenameExtension = TextFromWide(codec.FilenameExtension).Release();
    record->mimeType = TextFromWide(codec.MimeType).Release();
    record->flags = static_cast<int32_t>(codec.Flags);
    record->version = static_cast<int32_t>(codec.Version);
    record->signatureCount = static_cast<int32_t>(codec.SigCount);
    record->signatureSize = static_cast<int32_t>(codec.SigSize);
    const size_t signatureBytes = static_cast<size_t>(codec.SigCount) * codec.SigSize;
    record->signaturePatterns = codec.SigPattern ? MakeByteSet(codec.SigPattern, signatureBytes) : nullptr;
    record->signatureMasks = codec.SigMask ? MakeByteSet(codec.SigMask, signatureBytes) : nullptr;
}

}  // namespace

void FreeCodecDescription(void* p) {
    auto* record = static_cast<PlusCodecDescription*>(p);
    for (TextValue text : {record->clsid, record->formatId, record->codecName, record->dllName, record->formatDescription,
                           record->filenameExtension, record->mimeType})
        RuntimeFree(text);
    RuntimeFree(record->signaturePatterns);
    RuntimeFree(record->signatureMasks);
    RuntimeFree(record);
}

int32_t GetImageEncoders(ArrayValue** codecs) {
    UINT count = 0, size = 0;
    if (!Succeeded(GDIP(GdipGetImageEncodersSize)(&count, &size))) return 0;
    FreePointerArray(*codecs, FreeCodecDescription);
    *codecs = MakeRecordArray<PlusCodecDescription>(count);
    std::vector<uint8_t> buffer(size);
    auto* info = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (count > 0 && Succeeded(GDIP(GdipGetImageEncoders)(count, size, info)))
        for (UINT i = 0; i < count; ++i) FillCodec(PointerElements<PlusCodecDescription>(*codecs)[i], info[i]);
    return static_cast<int32_t>(count);
}

TextValue FindEncoderForFormat(const char* format) {
    ArrayValue* codecs = MakePointerArray(0);
    const int32_t count = GetImageEncoders(&codecs);
    TextValue found = nullptr;
    for (int32_t i = 0; i < count && !found && format; ++i) {
        const PlusCodecDescription* codec = PointerElements<PlusCodecDescription>(codecs)[i];
        if (codec->formatId && std::strcmp(codec->formatId, format) == 0) found = MakeText(codec->clsid);
    }
    FreePointerArray(codecs, FreeCodecDescription);
    return found;
}

TextValue GuidToText(const GUID* guid) {
    WCHAR text[39] = {};  // 78 bytes
    if (guid) sys::StringFromGUID2(*guid, text, 39);
    return TextFromWide(text).Release();
}

ByteSet* TextToGuid(const char* text) {
    const WideText units(text);
    GUID guid{};
    if (!units.Data() || FAILED(sys::CLSIDFromString(units.Data(), &guid))) guid = GUID{};
    return MakeByteSet(&guid, sizeof guid);
}

}  // namespace gdip
