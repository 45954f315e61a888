// The image encoders GDI+ offers, and GUIDs as registry texts.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/Values.h"

namespace gdip {

// One encoder as GDI+ describes it.
struct PlusCodecDescription {
    TextValue clsid;
    TextValue formatId;
    TextValue codecName;
    TextValue dllName;
    TextValue formatDescription;
    TextValue filenameExtension;
    TextValue mimeType;
    int32_t flags;
    int32_t version;
    int32_t signatureCount;
    int32_t signatureSize;
    ByteSet* signaturePatterns;  // signatureCount x signatureSize bytes
    ByteSet* signatureMasks;
};
void FreeCodecDescription(void* record);

// Replaces the caller's array of PlusCodecDescription records by one per encoder; the count
// (0 when GDI+ cannot list them, and then the array is left as it is).
int32_t GetImageEncoders(ArrayValue** codecs);
// The CLSID text of the first encoder whose format text equals `format` exactly; null (the
// empty text) when none does.
TextValue FindEncoderForFormat(const char* format);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
TextValue GuidToText(const GUID* guid);
// The GUID's 16 bytes; all zero when the text is no GUID.
ByteSet* TextToGuid(const char* text);

}  // namespace gdip
