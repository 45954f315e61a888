// The GDI+ wrapper classes: graphics, paths, pens, brushes, fonts, string formats, regions.
// (Images and bitmaps: PlusImages.h.) Each class's fields follow its operation table; every
// handle field of an object holds the same native pointer. The operations with behaviour of
// their own are declared in ClassOps below; all others come from the table rows.
#pragma once
#include <windows.h>

#include <cstdint>

#include "gdiplus/PlusFamilies.h"
#include "gdiplus/PlusObject.h"
#include "gdiplus/PlusRecords.h"

// wingdi.h spells CreateFont as a macro for CreateFontA; the operation of that name is meant.
#undef CreateFont

namespace gdip {

// A record of GetPathData: the point count, the points (PlusPointF records) and the type bytes.
struct PlusPathData {
    int32_t count;
    ArrayValue* points;
    ByteSet* types;
};
// One measurable character range: first character and length.
struct PlusCharacterRange {
    int32_t first, length;
};

using Gdiplus::ARGB;

// ---- the hand-written operations ----

struct PlusGraphicsOps {
    static void OnAttach(PlusObject* self, void* handle);
    static bool CreateFromHWND(PlusGraphics* self, HWND window, Optional<bool> colourManaged);
    static bool CreateFromHDC(PlusGraphics* self, HDC dc, Optional<HANDLE> device);
    static bool ScaleWorldTransformAt(PlusGraphics* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order);
    static bool RotateWorldTransformAt(PlusGraphics* self, float angle, const PlusPointF* centre, Optional<int32_t> order);
    static ARGB GetNearestColor(PlusGraphics* self, ARGB colour);
    static bool FillRectangleRect(PlusGraphics* self, PlusBrush* brush, const PlusRectF* rect);
    static bool DrawString(PlusGraphics* self, const char* text, PlusFont* font, PlusBrush* brush, const PlusRectF* layout,
                           Optional<PlusStringFormat*> format);
    static bool DrawStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, PlusBrush* brush, const PlusRectF* layout,
                            Optional<PlusStringFormat*> format);
    static bool MeasureString(PlusGraphics* self, const char* text, PlusFont* font, const PlusRectF* layout,
                              Optional<PlusStringFormat*> format, PlusRectF* boundingBox);
    static bool MeasureStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, const PlusRectF* layout,
                               Optional<PlusStringFormat*> format, PlusRectF* boundingBox);
    static bool MeasureCharacterRanges(PlusGraphics* self, const char* text, PlusFont* font, const PlusRectF* layout,
                                       PlusStringFormat* format, int32_t count, ArrayValue** regions);
    static bool MeasureCharacterRangesW(PlusGraphics* self, const ByteSet* text, PlusFont* font, const PlusRectF* layout,
                                        PlusStringFormat* format, int32_t count, ArrayValue** regions);
    static bool DrawDriverString(PlusGraphics* self, const char* text, PlusFont* font, PlusBrush* brush, ArrayValue* positions,
                                 Optional<int32_t> flags, Optional<PlusObject*> matrix);
    static bool DrawDriverStringW(PlusGraphics* self, const ByteSet* text, PlusFont* font, PlusBrush* brush, ArrayValue* positions,
                                  Optional<int32_t> flags, Optional<PlusObject*> matrix);
    static bool DrawCachedBitmap(PlusGraphics* self, PlusObject* cachedBitmap, float x, float y);
    static bool DrawImageRect(PlusGraphics* self, PlusImage* image, float x, float y, float width, float height,
                              Optional<int32_t> sourceUnit);
    static bool DrawImageRectI(PlusGraphics* self, PlusImage* image, int32_t x, int32_t y, int32_t width, int32_t height,
                               Optional<int32_t> sourceUnit);
    static bool DrawImagePoints(PlusGraphics* self, PlusImage* image, float x1, float y1, float x2, float y2, float x3, float y3);
    static bool DrawImagePointsI(PlusGraphics* self, PlusImage* image, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                                 int32_t y3);
    static bool DrawImageRectRect(PlusGraphics* self, PlusImage* image, float x, float y, float width, float height, float sourceX,
                                  float sourceY, float sourceWidth, float sourceHeight, Optional<int32_t> sourceUnit,
                                  Optional<PlusObject*> attributes);
    static bool DrawImageRectRectI(PlusGraphics* self, PlusImage* image, int32_t x, int32_t y, int32_t width, int32_t height,
                                   int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight,
                                   Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes);
    static bool DrawImagePointsRect(PlusGraphics* self, PlusImage* image, float x1, float y1, float x2, float y2, float x3, float y3,
                                    float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                    Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes);
    static bool DrawImagePointsRectI(PlusGraphics* self, PlusImage* image, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                     int32_t x3, int32_t y3, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                     int32_t sourceHeight, Optional<int32_t> sourceUnit, Optional<PlusObject*> attributes);
    static bool Comment(PlusGraphics* self, const ByteSet* data);
};

struct PlusPathOps {
    static bool CreatePath2(PlusPath* self, ArrayValue* points, const ByteSet* types, Optional<int32_t> fillMode);
    static bool CreatePath2I(PlusPath* self, ArrayValue* points, const ByteSet* types, Optional<int32_t> fillMode);
    static bool GetPathData(PlusPath* self, PlusPathData* data);
    static bool GetPathTypes(PlusPath* self, ByteSet** types);
    static bool GetPathPoints(PlusPath* self, ArrayValue** points);
    static bool GetPathPointsI(PlusPath* self, ArrayValue** points);
    static bool AddRoundRectangle(PlusPath* self, float x, float y, float width, float height, int32_t roundness);
    static bool AddPathString(PlusPath* self, const char* text, PlusFontFamily* family, int32_t emSize, const PlusRectF* layout,
                              Optional<int32_t> style, Optional<PlusStringFormat*> format);
    static bool AddPathStringW(PlusPath* self, const ByteSet* text, PlusFontFamily* family, int32_t emSize, const PlusRectF* layout,
                               Optional<int32_t> style, Optional<PlusStringFormat*> format);
    static bool AddPathStringI(PlusPath* self, const char* text, PlusFontFamily* family, int32_t emSize, const PlusRect* layout,
                               Optional<int32_t> style, Optional<PlusStringFormat*> format);
    static bool AddPathStringIW(PlusPath* self, const ByteSet* text, PlusFontFamily* family, int32_t emSize, const PlusRect* layout,
                                Optional<int32_t> style, Optional<PlusStringFormat*> format);
};

struct PlusPenOps {
    static bool CreatePen1(PlusPen* self, ARGB colour, float width, Optional<int32_t> unit);
    static bool CreatePen2(PlusPen* self, PlusBrush* brush, float width, Optional<int32_t> unit);
    static bool SetPenUnit(PlusPen* self, float unit);
    static bool RotatePenTransformAt(PlusPen* self, float angle, const PlusPointF* centre, Optional<int32_t> order);
    static bool ScalePenTransformAt(PlusPen* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order);
    static int32_t GetPenDashArray(PlusPen* self, ArrayValue** dashes);
    static int32_t GetPenCompoundArray(PlusPen* self, ArrayValue** compounds);
};

struct PlusSolidBrushOps {
    static void OnAttach(PlusObject* self, void* handle);
};

struct PlusLinearBrushOps {
    static void OnAttach(PlusObject* self, void* handle);
    static bool CreateLineBrush(PlusLinearBrush* self, const PlusPointF* point1, const PlusPointF* point2, ARGB colour1, ARGB colour2);
    static bool CreateLineBrushI(PlusLinearBrush* self, const PlusPoint* point1, const PlusPoint* point2, ARGB colour1, ARGB colour2);
    static bool CreateLineBrushFromRect(PlusLinearBrush* self, const PlusRectF* rect, ARGB colour1, ARGB colour2, int32_t mode);
    static bool CreateLineBrushFromRectI(PlusLinearBrush* self, const PlusRect* rect, ARGB colour1, ARGB colour2, int32_t mode);
    static bool CreateLineBrushFromRectWithAngle(PlusLinearBrush* self, const PlusRectF* rect, ARGB colour1, ARGB colour2, float angle,
                                                 bool angleScales);
    static bool CreateLineBrushFromRectWithAngleI(PlusLinearBrush* self, const PlusRect* rect, ARGB colour1, ARGB colour2, float angle,
                                                  bool angleScales);
    static bool GetLineColors(PlusLinearBrush* self, ARGB* colour1, ARGB* colour2);
    static int32_t GetLineBlend(PlusLinearBrush* self, ArrayValue** factors, ArrayValue** positions);
    static int32_t GetLinePresetBlend(PlusLinearBrush* self, ArrayValue** colours, ArrayValue** positions);
    static bool ScaleLineTransformAt(PlusLinearBrush* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order);
    static bool RotateLineTransformAt(PlusLinearBrush* self, float angle, const PlusPointF* centre, Optional<int32_t> order);
};

struct PlusPathBrushOps {
    static void OnAttach(PlusObject* self, void* handle);
    static bool GetPathGradientSurroundColorsWithCount(PlusPathBrush* self, ArrayValue* colours, int32_t* count);
    static bool SetPathGradientSurroundColorsWithCount(PlusPathBrush* self, const ArrayValue* colours, int32_t* count);
    static int32_t GetPathGradientBlend(PlusPathBrush* self, ArrayValue** factors, ArrayValue** positions);
    static int32_t GetPathGradientPresetBlend(PlusPathBrush* self, ArrayValue** colours, ArrayValue** positions);
    static bool ScalePathGradientTransformAt(PlusPathBrush* self, float sx, float sy, const PlusPointF* centre, Optional<int32_t> order);
    static bool RotatePathGradientTransformAt(PlusPathBrush* self, float angle, const PlusPointF* centre, Optional<int32_t> order);
};

struct PlusFontOps {
    static bool CreateFont(PlusFont* self, PlusFontFamily* family, float emSize, Optional<int32_t> style, Optional<int32_t> unit);
    static bool CreateDefaultGuiFont(PlusFont* self);
    static bool CreateFontByName(PlusFont* self, const char* familyName, float emSize, Optional<int32_t> style, Optional<int32_t> unit);
    static bool CreateFontByNameW(PlusFont* self, const ByteSet* familyName, float emSize, Optional<int32_t> style,
                                  Optional<int32_t> unit);
    static bool CreateFontFromHFONT(PlusFont* self, HDC dc, Optional<HFONT> font);
    static bool CreateFontFromLogfontA(PlusFont* self, HDC dc, Optional<const LOGFONTA*> logfont);
    static bool CreateFontFromLogfontW(PlusFont* self, HDC dc, Optional<const LOGFONTW*> logfont);
};

struct PlusFontFamilyOps {
    static bool CreateFontFamilyFromNameW(PlusFontFamily* self, const ByteSet* name, PlusFontCollection* collection);
    static TextValue GetFamilyName(PlusFontFamily* self);
    static ByteSet* GetFamilyNameW(PlusFontFamily* self);
};

struct PlusFontCollectionOps {
    static void OnAttach(PlusObject* self, void* handle);
    static int32_t GetFontCollectionFamilyList(PlusFontCollection* self, int32_t count, ArrayValue** families);
};

struct PlusStringFormatOps {
    static bool SetStringFormatTabStops(PlusStringFormat* self, float firstOffset, const ArrayValue* tabStops);
    static int32_t GetStringFormatTabStops(PlusStringFormat* self, float* firstOffset, ArrayValue** tabStops);
    static bool SetStringFormatMeasurableCharacterRanges(PlusStringFormat* self, ArrayValue* ranges);
};

struct PlusRegionOps {
    static ByteSet* GetRegionData(PlusRegion* self, uint32_t size, Optional<uint32_t*> filledSize);
    static int32_t GetRegionScans(PlusRegion* self, PlusObject* matrix, ArrayValue** rects);
    static int32_t GetRegionScansI(PlusRegion* self, PlusObject* matrix, ArrayValue** rects);
};

// ---- the classes ----

// A class with one handle field of its own after the base handle.
#define GDIP_PLAIN_CLASS_(cls, field, LIST, deletePosition, attaches) \
    struct cls : PlusObject {                                         \
        void* field;                                                  \
        void*& Handle() { return field; }                             \
        using HandleSetBase = cls;                                    \
        using DeleteClass = cls;                                      \
        static constexpr int kDeletePosition = deletePosition;        \
        static constexpr bool kAttachOnHandleSet = attaches;          \
        LIST(GDIP_ACCESSOR, GDIP_INCLUDE_SHARED)                      \
    };

GDIP_PLAIN_CLASS_(PlusGraphics, graphics, GDIP_PLUS_GRAPHICS_OPERATIONS, 8, true)
GDIP_PLAIN_CLASS_(PlusPath, path, GDIP_PLUS_PATH_OPERATIONS, 7, false)
GDIP_PLAIN_CLASS_(PlusPen, pen, GDIP_PLUS_PEN_OPERATIONS, 7, false)
GDIP_PLAIN_CLASS_(PlusFont, font, GDIP_PLUS_FONT_OPERATIONS, 7, false)
GDIP_PLAIN_CLASS_(PlusFontFamily, family, GDIP_PLUS_FONT_FAMILY_OPERATIONS, -1, false)
GDIP_PLAIN_CLASS_(PlusFontCollection, collection, GDIP_PLUS_FONT_COLLECTION_OPERATIONS, -1, true)
GDIP_PLAIN_CLASS_(PlusStringFormat, format, GDIP_PLUS_STRING_FORMAT_OPERATIONS, 7, false)
GDIP_PLAIN_CLASS_(PlusRegion, region, GDIP_PLUS_REGION_OPERATIONS, 7, false)

// The brushes: the brush handle, then each brush class's own handle, stored by its OnAttach.
struct PlusBrush : PlusObject {
    void* brush;
    void*& Handle() { return brush; }
    using HandleSetBase = PlusBrush;
    using DeleteClass = PlusBrush;
    static constexpr int kDeletePosition = 8;
    static constexpr bool kAttachOnHandleSet = true;
    GDIP_PLUS_BRUSH_OPERATIONS(GDIP_ACCESSOR, GDIP_SKIP_SHARED)
};

#define GDIP_BRUSH_CLASS_(cls, LIST)                 \
    struct cls : PlusBrush {                         \
        void* own;                                   \
        void*& Handle() { return own; }              \
        LIST(GDIP_ACCESSOR, GDIP_SKIP_SHARED)        \
    };

GDIP_BRUSH_CLASS_(PlusSolidBrush, GDIP_PLUS_SOLID_BRUSH_OPERATIONS)
GDIP_BRUSH_CLASS_(PlusLinearBrush, GDIP_PLUS_LINEAR_BRUSH_OPERATIONS)
GDIP_BRUSH_CLASS_(PlusPathBrush, GDIP_PLUS_PATH_BRUSH_OPERATIONS)

#undef GDIP_PLAIN_CLASS_
#undef GDIP_BRUSH_CLASS_

// ---- the rows ----

GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusGraphics)
GDIP_PLUS_GRAPHICS_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusPath)
GDIP_PLUS_PATH_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusPen)
GDIP_PLUS_PEN_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_BRUSH_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusSolidBrush)
GDIP_PLUS_SOLID_BRUSH_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusLinearBrush)
GDIP_PLUS_LINEAR_BRUSH_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusPathBrush)
GDIP_PLUS_PATH_BRUSH_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusFont)
GDIP_PLUS_FONT_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusFontFamily)
GDIP_PLUS_FONT_FAMILY_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusFontCollection)
GDIP_PLUS_FONT_COLLECTION_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusStringFormat)
GDIP_PLUS_STRING_FORMAT_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)
GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusRegion)
GDIP_PLUS_REGION_OPERATIONS(GDIP_ROW, GDIP_INCLUDE_SHARED)

}  // namespace gdip
