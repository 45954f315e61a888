// PlusImage and PlusBitmap: GDI+ images loaded from files or bytes, saved to files or bytes
// through the encoder of an image format, and bitmaps that can also be created empty, read
// pixel by pixel and rotated into a new bitmap. Formats and other GUIDs travel as upper-case
// registry texts ("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}" is PNG).
#pragma once
#include <windows.h>

#include <cstdint>

#include "gdiplus/MemoryStream.h"
#include "gdiplus/PlusClasses.h"

namespace gdip {

inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr int32_t kPixelFormat32bppARGB = 0x26200A;

// ---- records (their texts and byte sets belong to them) ----

struct PlusEncoderParameter {
    TextValue guid;
    int32_t numberOfValues;
    int32_t type;
    ByteSet* values;
};
struct PlusEncoderParameterList {
    int32_t count;
    ArrayValue* parameters;  // PlusEncoderParameter records
};
struct PlusPropertyItem {
    int32_t id;
    int32_t length;
    int32_t type;
    ByteSet* value;
};
struct PlusPalette {
    int32_t flags;
    int32_t count;
    ArrayValue* entries;  // int32 ARGB colours
};

void FreeEncoderParameter(void* record);
// The list's parameters (the list block itself is the caller's).
void ClearEncoderParameterList(PlusEncoderParameterList* list);

// ---- the hand-written operations ----

struct PlusImageOps {
    static void OnAttach(PlusObject* self, void* handle);
    static bool DisposeImage(PlusImage* self);
    static bool LoadImageFromFile(PlusImage* self, const char* fileName, Optional<bool> colourManaged);
    static bool LoadImageFromFileW(PlusImage* self, const ByteSet* fileName, Optional<bool> colourManaged);
    static bool LoadImageFromStream(PlusImage* self, const ByteSet* bytes, Optional<bool> colourManaged);
    static bool GetEncoderParameterList(PlusImage* self, const char* format, PlusEncoderParameterList* list);
    static bool SaveImageToFile(PlusImage* self, const char* fileName, Optional<const char*> format,
                                Optional<const PlusEncoderParameterList*> parameters);
    static bool SaveImageToFileW(PlusImage* self, const ByteSet* fileName, Optional<const char*> format,
                                 Optional<const PlusEncoderParameterList*> parameters);
    static ByteSet* SaveImageToStream(PlusImage* self, Optional<const char*> format, Optional<const PlusEncoderParameterList*> parameters);
    static bool SaveAdd(PlusImage* self, const PlusEncoderParameterList* parameters);
    static bool SaveAddImage(PlusImage* self, PlusImage* image, const PlusEncoderParameterList* parameters);
    static PlusSizeF* GetImageDimension(PlusImage* self);
    static int32_t GetImageBounds(PlusImage* self, PlusRectF* rect, int32_t* unit);
    static TextValue GetImageRawFormat(PlusImage* self);
    static bool GetImagePalette(PlusImage* self, PlusPalette* palette);
    static bool SetImagePalette(PlusImage* self, const PlusPalette* palette);
    static bool GetImageThumbnail(PlusImage* self, uint32_t width, uint32_t height, PlusImage* target);
    static uint32_t ImageGetFrameCount(PlusImage* self, const char* dimension);
    static int32_t ImageGetFrameDimensionsList(PlusImage* self, ArrayValue** dimensions);
    static bool ImageSelectActiveFrame(PlusImage* self, const char* dimension, uint32_t index);
    static bool GetFrameDelays(PlusImage* self, ArrayValue** delays);
    static bool GetPropertyItem(PlusImage* self, int32_t id, PlusPropertyItem* item);
    static bool SetPropertyItem(PlusImage* self, const PlusPropertyItem* item);
    static int32_t GetPropertyIdList(PlusImage* self, ArrayValue** ids);
};

// Operations 7 to 11 have PlusImage's signatures: a bitmap replaces them in the same slots.
struct PlusBitmapOps {
    static void OnAttach(PlusObject* self, void* handle);
    static bool DisposeImage(PlusImage* self);
    static bool CreateBitmapFromFile(PlusImage* self, const char* fileName, Optional<bool> colourManaged);
    static bool CreateBitmapFromFileW(PlusImage* self, const ByteSet* fileName, Optional<bool> colourManaged);
    static bool CreateBitmapFromStream(PlusImage* self, const ByteSet* bytes, Optional<bool> colourManaged);
    static bool CreateBitmap(PlusBitmap* self, int32_t width, int32_t height, Optional<int32_t> pixelFormat);
    static bool CloneBitmapArea(PlusBitmap* self, const PlusRectF* rect, int32_t pixelFormat, PlusBitmap* target);
    static bool CloneBitmapAreaI(PlusBitmap* self, const PlusRect* rect, int32_t pixelFormat, PlusBitmap* target);
    static bool BitmapApplyEffect(PlusBitmap* self, PlusObject* effect, Optional<const PlusRect*> area);
    static bool RotateToBitmap(PlusBitmap* self, float angle, PlusBitmap* target, Optional<ARGB> background,
                               Optional<int32_t> interpolation, Optional<const PlusSizeF*> size);
    static void GetRotatedSize(PlusBitmap* self, float width, float height, int32_t angle, float* newWidth, float* newHeight);
};

// ---- the classes ----

struct PlusImage : PlusObject {
    void* image;
    MemoryStream* source;  // holds the bytes the image was loaded from; none in a PlusBitmap
    void*& Handle() { return image; }
    using HandleSetBase = PlusImage;
    using DeleteClass = PlusImage;
    static constexpr int kDeletePosition = 8;
    static constexpr bool kAttachOnHandleSet = true;
    GDIP_PLUS_IMAGE_OPERATIONS(GDIP_ACCESSOR, GDIP_INCLUDE_SHARED)
};

struct PlusBitmap : PlusImage {
    MemoryStream* spare;  // no operation uses it; released with the object
    void* bitmap;
    MemoryStream* bitmapSource;  // the bytes of CreateBitmapFromStream
    void*& Handle() { return bitmap; }
    using DeleteClass = PlusBitmap;
    GDIP_PLUS_BITMAP_OPERATIONS(GDIP_ACCESSOR, GDIP_SKIP_SHARED)
};

GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusImage)
GDIP_PLUS_IMAGE_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusBitmap)
GDIP_PLUS_BITMAP_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)

}  // namespace gdip
