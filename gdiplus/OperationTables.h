// The operation tables of the GDI+ wrapper classes, the memory stream and the tooltip, in their
// declared order: one row per operation,
//
//   OP(class, position, name, flat function, family)
//
// "class" is the class whose code the row is (PlusBrush and PlusImage rows are shared by the
// classes that include them with SHARED), "position" the operation's index in the class's table
// (checked at compile time: each table is exactly positions 0, 1, 2, ... in the order written),
// "name" the operation's name. The family says how the operation is built:
//
//   Act     flat function with the class handle first and the operation's arguments after it;
//           result: true when the status is Ok
//   Get     the flat function's last value pointer is a zeroed local; result: its value (zero
//           when the call fails)
//   Test    the trailing BOOL* is a local; result: that BOOL as a logical (false on failure)
//   Create  the new native object goes into the class's own handle field, then SetHandle
//   Delete  nothing when the handle is null (false); else the flat function, then SetHandle (0)
//   Clone   the new native object goes to a target object (the last argument) by its SetHandle
//   Bounds  the flat function fills a zeroed record; result: a new copy of it (zeros on failure)
//   Twin    the same operation as the row before
//   Own     written by hand (<class>Ops::name); the flat column names the function it mainly
//           calls, for the reader
//
// In the generated families the flat function's prototype decides how each argument travels:
// wrapper objects pass their GetHandle, records their address, arrays of records a contiguous
// native copy with its count (copied back after the call), float and colour arrays their
// elements with their count, texts their UTF-16 form, byte sets their bytes and length.
//
// Every generated family records the status in LastStatus. Operations 0 to 6 of the classes
// derived from PlusObject come from GDIP_PLUS_OBJECT_OPERATIONS.
#pragma once

// Operations 0 to 6 of every class derived from PlusObject.
#define GDIP_PLUS_OBJECT_OPERATIONS(OP, cls)   \
    OP(cls,   0, destroy,     none, Destroy)   \
    OP(cls,   1, copy,        none, Copy)      \
    OP(cls,   2, GetHandle,   none, Base)      \
    OP(cls,   3, SetHandle,   none, Base)      \
    OP(cls,   4, OnHandleSet, none, HandleSet) \
    OP(cls,   5, Alloc,       none, Base)      \
    OP(cls,   6, Free,        none, Base)

// PlusGraphics, operations 7 to 157; delete operation 8.
#define GDIP_PLUS_GRAPHICS_OPERATIONS(OP, SHARED)                                                               \
    OP(PlusGraphics,   7, OnAttach,                            none,                                    Own)    \
    OP(PlusGraphics,   8, DeleteGraphics,                      GdipDeleteGraphics,                      Delete) \
    OP(PlusGraphics,   9, Flush,                               GdipFlush,                               Act)    \
    OP(PlusGraphics,  10, CreateFromHWND,                      GdipCreateFromHWND,                      Own)    \
    OP(PlusGraphics,  11, CreateFromHDC,                       GdipCreateFromHDC,                       Own)    \
    OP(PlusGraphics,  12, GetImageGraphicsContext,             GdipGetImageGraphicsContext,             Create) \
    OP(PlusGraphics,  13, GetDC,                               GdipGetDC,                               Get)    \
    OP(PlusGraphics,  14, ReleaseDC,                           GdipReleaseDC,                           Act)    \
    OP(PlusGraphics,  15, GetRenderingOrigin,                  GdipGetRenderingOrigin,                  Act)    \
    OP(PlusGraphics,  16, SetRenderingOrigin,                  GdipSetRenderingOrigin,                  Act)    \
    OP(PlusGraphics,  17, GetCompositingMode,                  GdipGetCompositingMode,                  Get)    \
    OP(PlusGraphics,  18, SetCompositingMode,                  GdipSetCompositingMode,                  Act)    \
    OP(PlusGraphics,  19, GetCompositingQuality,               GdipGetCompositingQuality,               Get)    \
    OP(PlusGraphics,  20, SetCompositingQuality,               GdipSetCompositingQuality,               Act)    \
    OP(PlusGraphics,  21, SetTextRenderingHint,                GdipSetTextRenderingHint,                Act)    \
    OP(PlusGraphics,  22, GetTextRenderingHint,                GdipGetTextRenderingHint,                Get)    \
    OP(PlusGraphics,  23, SetTextContrast,                     GdipSetTextContrast,                     Act)    \
    OP(PlusGraphics,  24, GetTextContrast,                     GdipGetTextContrast,                     Get)    \
    OP(PlusGraphics,  25, SetInterpolationMode,                GdipSetInterpolationMode,                Act)    \
    OP(PlusGraphics,  26, GetInterpolationMode,                GdipGetInterpolationMode,                Get)    \
    OP(PlusGraphics,  27, SetSmoothingMode,                    GdipSetSmoothingMode,                    Act)    \
    OP(PlusGraphics,  28, GetSmoothingMode,                    GdipGetSmoothingMode,                    Get)    \
    OP(PlusGraphics,  29, SetPixelOffsetMode,                  GdipSetPixelOffsetMode,                  Act)    \
    OP(PlusGraphics,  30, GetPixelOffsetMode,                  GdipGetPixelOffsetMode,                  Get)    \
    OP(PlusGraphics,  31, SetWorldTransform,                   GdipSetWorldTransform,                   Act)    \
    OP(PlusGraphics,  32, GetWorldTransform,                   GdipGetWorldTransform,                   Act)    \
    OP(PlusGraphics,  33, ResetWorldTransform,                 GdipResetWorldTransform,                 Act)    \
    OP(PlusGraphics,  34, MultiplyWorldTransform,              GdipMultiplyWorldTransform,              Act)    \
    OP(PlusGraphics,  35, TranslateWorldTransform,             GdipTranslateWorldTransform,             Act)    \
    OP(PlusGraphics,  36, ScaleWorldTransform,                 GdipScaleWorldTransform,                 Act)    \
    OP(PlusGraphics,  37, ScaleWorldTransformAt,               GdipScaleWorldTransform,                 Own)    \
    OP(PlusGraphics,  38, RotateWorldTransform,                GdipRotateWorldTransform,                Act)    \
    OP(PlusGraphics,  39, RotateWorldTransformAt,              GdipRotateWorldTransform,                Own)    \
    OP(PlusGraphics,  40, SetPageUnit,                         GdipSetPageUnit,                         Act)    \
    OP(PlusGraphics,  41, GetPageUnit,                         GdipGetPageUnit,                         Get)    \
    OP(PlusGraphics,  42, SetPageScale,                        GdipSetPageScale,                        Act)    \
    OP(PlusGraphics,  43, GetPageScale,                        GdipGetPageScale,                        Get)    \
    OP(PlusGraphics,  44, GetDpiX,                             GdipGetDpiX,                             Get)    \
    OP(PlusGraphics,  45, GetDpiY,                             GdipGetDpiY,                             Get)    \
    OP(PlusGraphics,  46, TransformPoints,                     GdipTransformPoints,                     Act)    \
    OP(PlusGraphics,  47, TransformPointsI,                    GdipTransformPointsI,                    Act)    \
    OP(PlusGraphics,  48, GetNearestColor,                     GdipGetNearestColor,                     Own)    \
    OP(PlusGraphics,  49, DrawLine,                            GdipDrawLine,                            Act)    \
    OP(PlusGraphics,  50, DrawLineI,                           GdipDrawLineI,                           Act)    \
    OP(PlusGraphics,  51, DrawLines,                           GdipDrawLines,                           Act)    \
    OP(PlusGraphics,  52, DrawLinesI,                          GdipDrawLinesI,                          Act)    \
    OP(PlusGraphics,  53, DrawArc,                             GdipDrawArc,                             Act)    \
    OP(PlusGraphics,  54, DrawArcI,                            GdipDrawArcI,                            Act)    \
    OP(PlusGraphics,  55, DrawBezier,                          GdipDrawBezier,                          Act)    \
    OP(PlusGraphics,  56, DrawBezierI,                         GdipDrawBezierI,                         Act)    \
    OP(PlusGraphics,  57, DrawBeziers,                         GdipDrawBeziers,                         Act)    \
    OP(PlusGraphics,  58, DrawBeziersI,                        GdipDrawBeziersI,                        Act)    \
    OP(PlusGraphics,  59, DrawRectangle,                       GdipDrawRectangle,                       Act)    \
    OP(PlusGraphics,  60, DrawRectangleI,                      GdipDrawRectangleI,                      Act)    \
    OP(PlusGraphics,  61, DrawRectangles,                      GdipDrawRectangles,                      Act)    \
    OP(PlusGraphics,  62, DrawRectanglesI,                     GdipDrawRectanglesI,                     Act)    \
    OP(PlusGraphics,  63, DrawEllipse,                         GdipDrawEllipse,                         Act)    \
    OP(PlusGraphics,  64, DrawEllipseI,                        GdipDrawEllipseI,                        Act)    \
    OP(PlusGraphics,  65, DrawPie,                             GdipDrawPie,                             Act)    \
    OP(PlusGraphics,  66, DrawPieI,                            GdipDrawPieI,                            Act)    \
    OP(PlusGraphics,  67, DrawPolygon,                         GdipDrawPolygon,                         Act)    \
    OP(PlusGraphics,  68, DrawPolygonI,                        GdipDrawPolygonI,                        Act)    \
    OP(PlusGraphics,  69, DrawPath,                            GdipDrawPath,                            Act)    \
    OP(PlusGraphics,  70, DrawCurve,                           GdipDrawCurve,                           Act)    \
    OP(PlusGraphics,  71, DrawCurveI,                          GdipDrawCurveI,                          Act)    \
    OP(PlusGraphics,  72, DrawCurve2,                          GdipDrawCurve2,                          Act)    \
    OP(PlusGraphics,  73, DrawCurve2I,                         GdipDrawCurve2I,                         Act)    \
    OP(PlusGraphics,  74, DrawCurve3,                          GdipDrawCurve3,                          Act)    \
    OP(PlusGraphics,  75, DrawCurve3I,                         GdipDrawCurve3I,                         Act)    \
    OP(PlusGraphics,  76, DrawClosedCurve,                     GdipDrawClosedCurve,                     Act)    \
    OP(PlusGraphics,  77, DrawClosedCurveI,                    GdipDrawClosedCurveI,                    Act)    \
    OP(PlusGraphics,  78, DrawClosedCurve2,                    GdipDrawClosedCurve2,                    Act)    \
    OP(PlusGraphics,  79, DrawClosedCurve2I,                   GdipDrawClosedCurve2I,                   Act)    \
    OP(PlusGraphics,  80, GraphicsClear,                       GdipGraphicsClear,                       Act)    \
    OP(PlusGraphics,  81, FillRectangle,                       GdipFillRectangle,                       Act)    \
    OP(PlusGraphics,  82, FillRectangleRect,                   GdipFillRectangle,                       Own)    \
    OP(PlusGraphics,  83, FillRectangleI,                      GdipFillRectangleI,                      Act)    \
    OP(PlusGraphics,  84, FillRectangles,                      GdipFillRectangles,                      Act)    \
    OP(PlusGraphics,  85, FillRectanglesI,                     GdipFillRectanglesI,                     Act)    \
    OP(PlusGraphics,  86, FillPolygon,                         GdipFillPolygon,                         Act)    \
    OP(PlusGraphics,  87, FillPolygonI,                        GdipFillPolygonI,                        Act)    \
    OP(PlusGraphics,  88, FillEllipse,                         GdipFillEllipse,                         Act)    \
    OP(PlusGraphics,  89, FillEllipseI,                        GdipFillEllipseI,                        Act)    \
    OP(PlusGraphics,  90, FillPie,                             GdipFillPie,                             Act)    \
    OP(PlusGraphics,  91, FillPieI,                            GdipFillPieI,                            Act)    \
    OP(PlusGraphics,  92, FillPath,                            GdipFillPath,                            Act)    \
    OP(PlusGraphics,  93, FillClosedCurve,                     GdipFillClosedCurve,                     Act)    \
    OP(PlusGraphics,  94, FillClosedCurve2,                    GdipFillClosedCurve2,                    Act)    \
    OP(PlusGraphics,  95, FillClosedCurveI,                    GdipFillClosedCurveI,                    Act)    \
    OP(PlusGraphics,  96, FillClosedCurve2I,                   GdipFillClosedCurve2I,                   Act)    \
    OP(PlusGraphics,  97, FillRegion,                          GdipFillRegion,                          Act)    \
    OP(PlusGraphics,  98, DrawString,                          GdipDrawString,                          Own)    \
    OP(PlusGraphics,  99, DrawStringW,                         GdipDrawString,                          Own)    \
    OP(PlusGraphics, 100, MeasureString,                       GdipMeasureString,                       Own)    \
    OP(PlusGraphics, 101, MeasureStringW,                      GdipMeasureString,                       Own)    \
    OP(PlusGraphics, 102, MeasureCharacterRanges,              GdipMeasureCharacterRanges,              Own)    \
    OP(PlusGraphics, 103, MeasureCharacterRangesW,             GdipMeasureCharacterRanges,              Own)    \
    OP(PlusGraphics, 104, DrawDriverString,                    GdipDrawDriverString,                    Own)    \
    OP(PlusGraphics, 105, DrawDriverStringW,                   GdipDrawDriverString,                    Own)    \
    OP(PlusGraphics, 106, DrawImage,                           GdipDrawImage,                           Act)    \
    OP(PlusGraphics, 107, DrawImageI,                          GdipDrawImageI,                          Act)    \
    OP(PlusGraphics, 108, DrawCachedBitmap,                    GdipDrawCachedBitmap,                    Own)    \
    OP(PlusGraphics, 109, DrawImageRect,                       GdipDrawImageRectRect,                   Own)    \
    OP(PlusGraphics, 110, DrawImageRectI,                      GdipDrawImageRectRectI,                  Own)    \
    OP(PlusGraphics, 111, DrawImagePoints,                     GdipDrawImagePoints,                     Own)    \
    OP(PlusGraphics, 112, DrawImagePointsI,                    GdipDrawImagePointsI,                    Own)    \
    OP(PlusGraphics, 113, DrawImagePointRect,                  GdipDrawImagePointRect,                  Act)    \
    OP(PlusGraphics, 114, DrawImagePointRectI,                 GdipDrawImagePointRectI,                 Act)    \
    OP(PlusGraphics, 115, DrawImageRectRect,                   GdipDrawImageRectRect,                   Own)    \
    OP(PlusGraphics, 116, DrawImageRectRectI,                  GdipDrawImageRectRectI,                  Own)    \
    OP(PlusGraphics, 117, DrawImagePointsRect,                 GdipDrawImagePointsRect,                 Own)    \
    OP(PlusGraphics, 118, DrawImagePointsRectI,                GdipDrawImagePointsRectI,                Own)    \
    OP(PlusGraphics, 119, EnumerateMetafileDestPoint,          GdipEnumerateMetafileDestPoint,          Act)    \
    OP(PlusGraphics, 120, EnumerateMetafileDestPointI,         GdipEnumerateMetafileDestPointI,         Act)    \
    OP(PlusGraphics, 121, EnumerateMetafileDestPoints,         GdipEnumerateMetafileDestPoints,         Act)    \
    OP(PlusGraphics, 122, EnumerateMetafileDestPointsI,        GdipEnumerateMetafileDestPointsI,        Act)    \
    OP(PlusGraphics, 123, EnumerateMetafileDestRect,           GdipEnumerateMetafileDestRect,           Act)    \
    OP(PlusGraphics, 124, EnumerateMetafileDestRectI,          GdipEnumerateMetafileDestRectI,          Act)    \
    OP(PlusGraphics, 125, EnumerateMetafileSrcRectDestPoint,   GdipEnumerateMetafileSrcRectDestPoint,   Act)    \
    OP(PlusGraphics, 126, EnumerateMetafileSrcRectDestPointI,  GdipEnumerateMetafileSrcRectDestPointI,  Act)    \
    OP(PlusGraphics, 127, EnumerateMetafileSrcRectDestPoints,  GdipEnumerateMetafileSrcRectDestPoints,  Act)    \
    OP(PlusGraphics, 128, EnumerateMetafileSrcRectDestPointsI, GdipEnumerateMetafileSrcRectDestPointsI, Act)    \
    OP(PlusGraphics, 129, EnumerateMetafileSrcRectDestRect,    GdipEnumerateMetafileSrcRectDestRect,    Act)    \
    OP(PlusGraphics, 130, EnumerateMetafileSrcRectDestRectI,   GdipEnumerateMetafileSrcRectDestRectI,   Act)    \
    OP(PlusGraphics, 131, SetClipGraphics,                     GdipSetClipGraphics,                     Act)    \
    OP(PlusGraphics, 132, SetClipPath,                         GdipSetClipPath,                         Act)    \
    OP(PlusGraphics, 133, SetClipRect,                         GdipSetClipRect,                         Act)    \
    OP(PlusGraphics, 134, SetClipRectI,                        GdipSetClipRectI,                        Act)    \
    OP(PlusGraphics, 135, SetClipRegion,                       GdipSetClipRegion,                       Act)    \
    OP(PlusGraphics, 136, SetClipHrgn,                         GdipSetClipHrgn,                         Act)    \
    OP(PlusGraphics, 137, ResetClip,                           GdipResetClip,                           Act)    \
    OP(PlusGraphics, 138, TranslateClip,                       GdipTranslateClip,                       Act)    \
    OP(PlusGraphics, 139, TranslateClipI,                      GdipTranslateClipI,                      Act)    \
    OP(PlusGraphics, 140, GetClip,                             GdipGetClip,                             Act)    \
    OP(PlusGraphics, 141, GetClipBounds,                       GdipGetClipBounds,                       Bounds) \
    OP(PlusGraphics, 142, GetClipBoundsI,                      GdipGetClipBoundsI,                      Bounds) \
    OP(PlusGraphics, 143, GetVisibleClipBounds,                GdipGetVisibleClipBounds,                Bounds) \
    OP(PlusGraphics, 144, GetVisibleClipBoundsI,               GdipGetVisibleClipBoundsI,               Bounds) \
    OP(PlusGraphics, 145, IsClipEmpty,                         GdipIsClipEmpty,                         Test)   \
    OP(PlusGraphics, 146, IsVisibleClipEmpty,                  GdipIsVisibleClipEmpty,                  Test)   \
    OP(PlusGraphics, 147, IsVisiblePoint,                      GdipIsVisiblePoint,                      Test)   \
    OP(PlusGraphics, 148, IsVisiblePointI,                     GdipIsVisiblePointI,                     Test)   \
    OP(PlusGraphics, 149, IsVisibleRect,                       GdipIsVisibleRect,                       Test)   \
    OP(PlusGraphics, 150, IsVisibleRectI,                      GdipIsVisibleRectI,                      Test)   \
    OP(PlusGraphics, 151, SaveGraphics,                        GdipSaveGraphics,                        Get)    \
    OP(PlusGraphics, 152, RestoreGraphics,                     GdipRestoreGraphics,                     Act)    \
    OP(PlusGraphics, 153, BeginContainer,                      GdipBeginContainer,                      Get)    \
    OP(PlusGraphics, 154, BeginContainerI,                     GdipBeginContainerI,                     Get)    \
    OP(PlusGraphics, 155, BeginContainer2,                     GdipBeginContainer2,                     Get)    \
    OP(PlusGraphics, 156, EndContainer,                        GdipEndContainer,                        Act)    \
    OP(PlusGraphics, 157, Comment,                             GdipComment,                             Own)

// PlusPath, operations 7 to 73; delete operation 7.
#define GDIP_PLUS_PATH_OPERATIONS(OP, SHARED)                                             \
    OP(PlusPath,   7, DeletePath,                 GdipDeletePath,                 Delete) \
    OP(PlusPath,   8, CreatePath,                 GdipCreatePath,                 Create) \
    OP(PlusPath,   9, CreatePath2,                GdipCreatePath2,                Own)    \
    OP(PlusPath,  10, CreatePath2I,               GdipCreatePath2I,               Own)    \
    OP(PlusPath,  11, ClonePath,                  GdipClonePath,                  Clone)  \
    OP(PlusPath,  12, ResetPath,                  GdipResetPath,                  Act)    \
    OP(PlusPath,  13, GetPathFillMode,            GdipGetPathFillMode,            Get)    \
    OP(PlusPath,  14, SetPathFillMode,            GdipSetPathFillMode,            Act)    \
    OP(PlusPath,  15, GetPathData,                GdipGetPathData,                Own)    \
    OP(PlusPath,  16, GetPathTypes,               GdipGetPathTypes,               Own)    \
    OP(PlusPath,  17, GetPathPoints,              GdipGetPathPoints,              Own)    \
    OP(PlusPath,  18, GetPathPointsI,             GdipGetPathPointsI,             Own)    \
    OP(PlusPath,  19, StartPathFigure,            GdipStartPathFigure,            Act)    \
    OP(PlusPath,  20, ClosePathFigure,            GdipClosePathFigure,            Act)    \
    OP(PlusPath,  21, ClosePathFigures,           GdipClosePathFigures,           Act)    \
    OP(PlusPath,  22, SetPathMarker,              GdipSetPathMarker,              Act)    \
    OP(PlusPath,  23, ClearPathMarkers,           GdipClearPathMarkers,           Act)    \
    OP(PlusPath,  24, ReversePath,                GdipReversePath,                Act)    \
    OP(PlusPath,  25, GetPathLastPoint,           GdipGetPathLastPoint,           Bounds) \
    OP(PlusPath,  26, AddPathLine,                GdipAddPathLine,                Act)    \
    OP(PlusPath,  27, AddPathLineI,               GdipAddPathLineI,               Act)    \
    OP(PlusPath,  28, AddPathLine2,               GdipAddPathLine2,               Act)    \
    OP(PlusPath,  29, AddPathLine2I,              GdipAddPathLine2I,              Act)    \
    OP(PlusPath,  30, AddPathArc,                 GdipAddPathArc,                 Act)    \
    OP(PlusPath,  31, AddPathArcI,                GdipAddPathArcI,                Act)    \
    OP(PlusPath,  32, AddPathBezier,              GdipAddPathBezier,              Act)    \
    OP(PlusPath,  33, AddPathBezierI,             GdipAddPathBezierI,             Act)    \
    OP(PlusPath,  34, AddPathBeziers,             GdipAddPathBeziers,             Act)    \
    OP(PlusPath,  35, AddPathBeziersI,            GdipAddPathBeziersI,            Act)    \
    OP(PlusPath,  36, AddPathCurve,               GdipAddPathCurve,               Act)    \
    OP(PlusPath,  37, AddPathCurve2,              GdipAddPathCurve2,              Act)    \
    OP(PlusPath,  38, AddPathCurve3,              GdipAddPathCurve3,              Act)    \
    OP(PlusPath,  39, AddPathCurveI,              GdipAddPathCurveI,              Act)    \
    OP(PlusPath,  40, AddPathCurve2I,             GdipAddPathCurve2I,             Act)    \
    OP(PlusPath,  41, AddPathCurve3I,             GdipAddPathCurve3I,             Act)    \
    OP(PlusPath,  42, AddPathClosedCurve,         GdipAddPathClosedCurve,         Act)    \
    OP(PlusPath,  43, AddPathClosedCurve2,        GdipAddPathClosedCurve2,        Act)    \
    OP(PlusPath,  44, AddPathClosedCurveI,        GdipAddPathClosedCurveI,        Act)    \
    OP(PlusPath,  45, AddPathClosedCurve2I,       GdipAddPathClosedCurve2I,       Act)    \
    OP(PlusPath,  46, AddPathRectangle,           GdipAddPathRectangle,           Act)    \
    OP(PlusPath,  47, AddRoundRectangle,          GdipAddPathArc,                 Own)    \
    OP(PlusPath,  48, AddPathRectangles,          GdipAddPathRectangles,          Act)    \
    OP(PlusPath,  49, AddPathRectangleI,          GdipAddPathRectangleI,          Act)    \
    OP(PlusPath,  50, AddPathRectanglesI,         GdipAddPathRectanglesI,         Act)    \
    OP(PlusPath,  51, AddPathEllipse,             GdipAddPathEllipse,             Act)    \
    OP(PlusPath,  52, AddPathEllipseI,            GdipAddPathEllipseI,            Act)    \
    OP(PlusPath,  53, AddPathPie,                 GdipAddPathPie,                 Act)    \
    OP(PlusPath,  54, AddPathPieI,                GdipAddPathPieI,                Act)    \
    OP(PlusPath,  55, AddPathPolygon,             GdipAddPathPolygon,             Act)    \
    OP(PlusPath,  56, AddPathPolygonI,            GdipAddPathPolygonI,            Act)    \
    OP(PlusPath,  57, AddPathPath,                GdipAddPathPath,                Act)    \
    OP(PlusPath,  58, AddPathString,              GdipAddPathString,              Own)    \
    OP(PlusPath,  59, AddPathStringW,             GdipAddPathString,              Own)    \
    OP(PlusPath,  60, AddPathStringI,             GdipAddPathStringI,             Own)    \
    OP(PlusPath,  61, AddPathStringIW,            GdipAddPathStringI,             Own)    \
    OP(PlusPath,  62, TransformPath,              GdipTransformPath,              Act)    \
    OP(PlusPath,  63, GetPathWorldBounds,         GdipGetPathWorldBounds,         Bounds) \
    OP(PlusPath,  64, GetPathWorldBoundsI,        GdipGetPathWorldBoundsI,        Bounds) \
    OP(PlusPath,  65, FlattenPath,                GdipFlattenPath,                Act)    \
    OP(PlusPath,  66, WidenPath,                  GdipWidenPath,                  Act)    \
    OP(PlusPath,  67, WindingModeOutline,         GdipWindingModeOutline,         Act)    \
    OP(PlusPath,  68, WarpPath,                   GdipWarpPath,                   Act)    \
    OP(PlusPath,  69, GetPointCount,              GdipGetPointCount,              Get)    \
    OP(PlusPath,  70, IsVisiblePathPoint,         GdipIsVisiblePathPoint,         Test)   \
    OP(PlusPath,  71, IsVisiblePathPointI,        GdipIsVisiblePathPointI,        Test)   \
    OP(PlusPath,  72, IsOutlineVisiblePathPoint,  GdipIsOutlineVisiblePathPoint,  Test)   \
    OP(PlusPath,  73, IsOutlineVisiblePathPointI, GdipIsOutlineVisiblePathPointI, Test)

// PlusPen, operations 7 to 55; delete operation 7. 16 and 23 repeat the operation before them.
#define GDIP_PLUS_PEN_OPERATIONS(OP, SHARED)                                   \
    OP(PlusPen,   7, DeletePen,             GdipDeletePen,             Delete) \
    OP(PlusPen,   8, CreatePen1,            GdipCreatePen1,            Own)    \
    OP(PlusPen,   9, CreatePen2,            GdipCreatePen2,            Own)    \
    OP(PlusPen,  10, ClonePen,              GdipClonePen,              Clone)  \
    OP(PlusPen,  11, GetPenWidth,           GdipGetPenWidth,           Get)    \
    OP(PlusPen,  12, SetPenWidth,           GdipSetPenWidth,           Act)    \
    OP(PlusPen,  13, GetPenUnit,            GdipGetPenUnit,            Get)    \
    OP(PlusPen,  14, SetPenUnit,            GdipSetPenUnit,            Own)    \
    OP(PlusPen,  15, SetPenLineCap197819,   GdipSetPenLineCap197819,   Act)    \
    OP(PlusPen,  16, SetPenLineCap197819,   GdipSetPenLineCap197819,   Twin)   \
    OP(PlusPen,  17, SetPenStartCap,        GdipSetPenStartCap,        Act)    \
    OP(PlusPen,  18, SetPenEndCap,          GdipSetPenEndCap,          Act)    \
    OP(PlusPen,  19, SetPenDashCap197819,   GdipSetPenDashCap197819,   Act)    \
    OP(PlusPen,  20, GetPenStartCap,        GdipGetPenStartCap,        Get)    \
    OP(PlusPen,  21, GetPenEndCap,          GdipGetPenEndCap,          Get)    \
    OP(PlusPen,  22, GetPenDashCap197819,   GdipGetPenDashCap197819,   Get)    \
    OP(PlusPen,  23, GetPenDashCap197819,   GdipGetPenDashCap197819,   Twin)   \
    OP(PlusPen,  24, SetPenLineJoin,        GdipSetPenLineJoin,        Act)    \
    OP(PlusPen,  25, GetPenLineJoin,        GdipGetPenLineJoin,        Get)    \
    OP(PlusPen,  26, SetPenCustomStartCap,  GdipSetPenCustomStartCap,  Act)    \
    OP(PlusPen,  27, GetPenCustomStartCap,  GdipGetPenCustomStartCap,  Clone)  \
    OP(PlusPen,  28, SetPenCustomEndCap,    GdipSetPenCustomEndCap,    Act)    \
    OP(PlusPen,  29, GetPenCustomEndCap,    GdipGetPenCustomEndCap,    Clone)  \
    OP(PlusPen,  30, SetPenMiterLimit,      GdipSetPenMiterLimit,      Act)    \
    OP(PlusPen,  31, GetPenMiterLimit,      GdipGetPenMiterLimit,      Get)    \
    OP(PlusPen,  32, SetPenMode,            GdipSetPenMode,            Act)    \
    OP(PlusPen,  33, GetPenMode,            GdipGetPenMode,            Get)    \
    OP(PlusPen,  34, SetPenTransform,       GdipSetPenTransform,       Act)    \
    OP(PlusPen,  35, GetPenTransform,       GdipGetPenTransform,       Act)    \
    OP(PlusPen,  36, ResetPenTransform,     GdipResetPenTransform,     Act)    \
    OP(PlusPen,  37, MultiplyPenTransform,  GdipMultiplyPenTransform,  Act)    \
    OP(PlusPen,  38, RotatePenTransform,    GdipRotatePenTransform,    Act)    \
    OP(PlusPen,  39, RotatePenTransformAt,  GdipRotatePenTransform,    Own)    \
    OP(PlusPen,  40, ScalePenTransform,     GdipScalePenTransform,     Act)    \
    OP(PlusPen,  41, ScalePenTransformAt,   GdipScalePenTransform,     Own)    \
    OP(PlusPen,  42, TranslatePenTransform, GdipTranslatePenTransform, Act)    \
    OP(PlusPen,  43, GetPenColor,           GdipGetPenColor,           Get)    \
    OP(PlusPen,  44, SetPenColor,           GdipSetPenColor,           Act)    \
    OP(PlusPen,  45, SetPenBrushFill,       GdipSetPenBrushFill,       Act)    \
    OP(PlusPen,  46, GetPenBrushFill,       GdipGetPenBrushFill,       Clone)  \
    OP(PlusPen,  47, GetPenFillType,        GdipGetPenFillType,        Get)    \
    OP(PlusPen,  48, SetPenDashStyle,       GdipSetPenDashStyle,       Act)    \
    OP(PlusPen,  49, GetPenDashStyle,       GdipGetPenDashStyle,       Get)    \
    OP(PlusPen,  50, GetPenDashOffset,      GdipGetPenDashOffset,      Get)    \
    OP(PlusPen,  51, SetPenDashOffset,      GdipSetPenDashOffset,      Act)    \
    OP(PlusPen,  52, GetPenDashArray,       GdipGetPenDashArray,       Own)    \
    OP(PlusPen,  53, SetPenDashArray,       GdipSetPenDashArray,       Act)    \
    OP(PlusPen,  54, SetPenCompoundArray,   GdipSetPenCompoundArray,   Act)    \
    OP(PlusPen,  55, GetPenCompoundArray,   GdipGetPenCompoundArray,   Own)

// PlusBrush operations 8 to 10, shared by the three brush classes; delete operation 8.
#define GDIP_PLUS_BRUSH_OPERATIONS(OP, SHARED)                 \
    OP(PlusBrush,   8, DeleteBrush,  GdipDeleteBrush,  Delete) \
    OP(PlusBrush,   9, CloneBrush,   GdipCloneBrush,   Clone)  \
    OP(PlusBrush,  10, GetBrushType, GdipGetBrushType, Get)

// PlusSolidBrush, operations 7 to 13.
#define GDIP_PLUS_SOLID_BRUSH_OPERATIONS(OP, SHARED)                          \
    OP(PlusSolidBrush,   7, OnAttach,          none,                  Own)    \
    SHARED(GDIP_PLUS_BRUSH_OPERATIONS, OP)  /* 8 to 10 */                     \
    OP(PlusSolidBrush,  11, CreateSolidFill,   GdipCreateSolidFill,   Create) \
    OP(PlusSolidBrush,  12, SetSolidFillColor, GdipSetSolidFillColor, Act)    \
    OP(PlusSolidBrush,  13, GetSolidFillColor, GdipGetSolidFillColor, Get)

// PlusLinearBrush, operations 7 to 41.
#define GDIP_PLUS_LINEAR_BRUSH_OPERATIONS(OP, SHARED)                                                          \
    OP(PlusLinearBrush,   7, OnAttach,                          none,                                  Own)    \
    SHARED(GDIP_PLUS_BRUSH_OPERATIONS, OP)  /* 8 to 10 */                                                      \
    OP(PlusLinearBrush,  11, CreateLineBrush,                   GdipCreateLineBrush,                   Own)    \
    OP(PlusLinearBrush,  12, CreateLineBrushI,                  GdipCreateLineBrushI,                  Own)    \
    OP(PlusLinearBrush,  13, CreateLineBrushFromRect,           GdipCreateLineBrushFromRect,           Own)    \
    OP(PlusLinearBrush,  14, CreateLineBrushFromRectI,          GdipCreateLineBrushFromRectI,          Own)    \
    OP(PlusLinearBrush,  15, CreateLineBrushFromRectWithAngle,  GdipCreateLineBrushFromRectWithAngle,  Own)    \
    OP(PlusLinearBrush,  16, CreateLineBrushFromRectWithAngleI, GdipCreateLineBrushFromRectWithAngleI, Own)    \
    OP(PlusLinearBrush,  17, GetLineColors,                     GdipGetLineColors,                     Own)    \
    OP(PlusLinearBrush,  18, SetLineColors,                     GdipSetLineColors,                     Act)    \
    OP(PlusLinearBrush,  19, GetLineRect,                       GdipGetLineRect,                       Bounds) \
    OP(PlusLinearBrush,  20, GetLineRectI,                      GdipGetLineRectI,                      Bounds) \
    OP(PlusLinearBrush,  21, SetLineGammaCorrection,            GdipSetLineGammaCorrection,            Act)    \
    OP(PlusLinearBrush,  22, GetLineGammaCorrection,            GdipGetLineGammaCorrection,            Test)   \
    OP(PlusLinearBrush,  23, SetLineBlend,                      GdipSetLineBlend,                      Act)    \
    OP(PlusLinearBrush,  24, GetLineBlendCount,                 GdipGetLineBlendCount,                 Get)    \
    OP(PlusLinearBrush,  25, GetLineBlend,                      GdipGetLineBlend,                      Own)    \
    OP(PlusLinearBrush,  26, SetLinePresetBlend,                GdipSetLinePresetBlend,                Act)    \
    OP(PlusLinearBrush,  27, GetLinePresetBlendCount,           GdipGetLinePresetBlendCount,           Get)    \
    OP(PlusLinearBrush,  28, GetLinePresetBlend,                GdipGetLinePresetBlend,                Own)    \
    OP(PlusLinearBrush,  29, SetLineSigmaBlend,                 GdipSetLineSigmaBlend,                 Act)    \
    OP(PlusLinearBrush,  30, SetLineLinearBlend,                GdipSetLineLinearBlend,                Act)    \
    OP(PlusLinearBrush,  31, GetLineWrapMode,                   GdipGetLineWrapMode,                   Get)    \
    OP(PlusLinearBrush,  32, SetLineWrapMode,                   GdipSetLineWrapMode,                   Act)    \
    OP(PlusLinearBrush,  33, GetLineTransform,                  GdipGetLineTransform,                  Act)    \
    OP(PlusLinearBrush,  34, SetLineTransform,                  GdipSetLineTransform,                  Act)    \
    OP(PlusLinearBrush,  35, ResetLineTransform,                GdipResetLineTransform,                Act)    \
    OP(PlusLinearBrush,  36, MultiplyLineTransform,             GdipMultiplyLineTransform,             Act)    \
    OP(PlusLinearBrush,  37, TranslateLineTransform,            GdipTranslateLineTransform,            Act)    \
    OP(PlusLinearBrush,  38, ScaleLineTransform,                GdipScaleLineTransform,                Act)    \
    OP(PlusLinearBrush,  39, ScaleLineTransformAt,              GdipScaleLineTransform,                Own)    \
    OP(PlusLinearBrush,  40, RotateLineTransform,               GdipRotateLineTransform,               Act)    \
    OP(PlusLinearBrush,  41, RotateLineTransformAt,             GdipRotateLineTransform,               Own)

// PlusPathBrush, operations 7 to 50.
#define GDIP_PLUS_PATH_BRUSH_OPERATIONS(OP, SHARED)                                                                    \
    OP(PlusPathBrush,   7, OnAttach,                               none,                                       Own)    \
    SHARED(GDIP_PLUS_BRUSH_OPERATIONS, OP)  /* 8 to 10 */                                                              \
    OP(PlusPathBrush,  11, CreatePathGradient,                     GdipCreatePathGradient,                     Create) \
    OP(PlusPathBrush,  12, CreatePathGradientI,                    GdipCreatePathGradientI,                    Create) \
    OP(PlusPathBrush,  13, CreatePathGradientFromPath,             GdipCreatePathGradientFromPath,             Create) \
    OP(PlusPathBrush,  14, GetPathGradientCenterColor,             GdipGetPathGradientCenterColor,             Get)    \
    OP(PlusPathBrush,  15, SetPathGradientCenterColor,             GdipSetPathGradientCenterColor,             Act)    \
    OP(PlusPathBrush,  16, GetPathGradientPointCount,              GdipGetPathGradientPointCount,              Get)    \
    OP(PlusPathBrush,  17, GetPathGradientSurroundColorCount,      GdipGetPathGradientSurroundColorCount,      Get)    \
    OP(PlusPathBrush,  18, GetPathGradientSurroundColorsWithCount, GdipGetPathGradientSurroundColorsWithCount, Own)    \
    OP(PlusPathBrush,  19, SetPathGradientSurroundColorsWithCount, GdipSetPathGradientSurroundColorsWithCount, Own)    \
    OP(PlusPathBrush,  20, GetPathGradientPath,                    GdipGetPathGradientPath,                    Act)    \
    OP(PlusPathBrush,  21, SetPathGradientPath,                    GdipSetPathGradientPath,                    Act)    \
    OP(PlusPathBrush,  22, GetPathGradientCenterPoint,             GdipGetPathGradientCenterPoint,             Bounds) \
    OP(PlusPathBrush,  23, GetPathGradientCenterPointI,            GdipGetPathGradientCenterPointI,            Bounds) \
    OP(PlusPathBrush,  24, SetPathGradientCenterPoint,             GdipSetPathGradientCenterPoint,             Act)    \
    OP(PlusPathBrush,  25, SetPathGradientCenterPointI,            GdipSetPathGradientCenterPointI,            Act)    \
    OP(PlusPathBrush,  26, GetPathGradientRect,                    GdipGetPathGradientRect,                    Bounds) \
    OP(PlusPathBrush,  27, GetPathGradientRectI,                   GdipGetPathGradientRectI,                   Bounds) \
    OP(PlusPathBrush,  28, SetPathGradientGammaCorrection,         GdipSetPathGradientGammaCorrection,         Act)    \
    OP(PlusPathBrush,  29, GetPathGradientGammaCorrection,         GdipGetPathGradientGammaCorrection,         Test)   \
    OP(PlusPathBrush,  30, GetPathGradientBlendCount,              GdipGetPathGradientBlendCount,              Get)    \
    OP(PlusPathBrush,  31, SetPathGradientBlend,                   GdipSetPathGradientBlend,                   Act)    \
    OP(PlusPathBrush,  32, GetPathGradientBlend,                   GdipGetPathGradientBlend,                   Own)    \
    OP(PlusPathBrush,  33, GetPathGradientPresetBlendCount,        GdipGetPathGradientPresetBlendCount,        Get)    \
    OP(PlusPathBrush,  34, SetPathGradientPresetBlend,             GdipSetPathGradientPresetBlend,             Act)    \
    OP(PlusPathBrush,  35, GetPathGradientPresetBlend,             GdipGetPathGradientPresetBlend,             Own)    \
    OP(PlusPathBrush,  36, SetPathGradientSigmaBlend,              GdipSetPathGradientSigmaBlend,              Act)    \
    OP(PlusPathBrush,  37, SetPathGradientLinearBlend,             GdipSetPathGradientLinearBlend,             Act)    \
    OP(PlusPathBrush,  38, GetPathGradientFocusScales,             GdipGetPathGradientFocusScales,             Act)    \
    OP(PlusPathBrush,  39, SetPathGradientFocusScales,             GdipSetPathGradientFocusScales,             Act)    \
    OP(PlusPathBrush,  40, GetPathGradientWrapMode,                GdipGetPathGradientWrapMode,                Get)    \
    OP(PlusPathBrush,  41, SetPathGradientWrapMode,                GdipSetPathGradientWrapMode,                Act)    \
    OP(PlusPathBrush,  42, GetPathGradientTransform,               GdipGetPathGradientTransform,               Act)    \
    OP(PlusPathBrush,  43, SetPathGradientTransform,               GdipSetPathGradientTransform,               Act)    \
    OP(PlusPathBrush,  44, ResetPathGradientTransform,             GdipResetPathGradientTransform,             Act)    \
    OP(PlusPathBrush,  45, MultiplyPathGradientTransform,          GdipMultiplyPathGradientTransform,          Act)    \
    OP(PlusPathBrush,  46, TranslatePathGradientTransform,         GdipTranslatePathGradientTransform,         Act)    \
    OP(PlusPathBrush,  47, ScalePathGradientTransform,             GdipScalePathGradientTransform,             Act)    \
    OP(PlusPathBrush,  48, ScalePathGradientTransformAt,           GdipScalePathGradientTransform,             Own)    \
    OP(PlusPathBrush,  49, RotatePathGradientTransform,            GdipRotatePathGradientTransform,            Act)    \
    OP(PlusPathBrush,  50, RotatePathGradientTransformAt,          GdipRotatePathGradientTransform,            Own)

// PlusFont, operations 7 to 24; delete operation 7.
#define GDIP_PLUS_FONT_OPERATIONS(OP, SHARED)                                     \
    OP(PlusFont,   7, DeleteFont,             GdipDeleteFont,             Delete) \
    OP(PlusFont,   8, CreateFont,             GdipCreateFont,             Own)    \
    OP(PlusFont,   9, CreateDefaultGuiFont,   GdipCreateFontFromLogfontA, Own)    \
    OP(PlusFont,  10, CreateFontByName,       GdipCreateFont,             Own)    \
    OP(PlusFont,  11, CreateFontByNameW,      GdipCreateFont,             Own)    \
    OP(PlusFont,  12, CreateFontFromDC,       GdipCreateFontFromDC,       Create) \
    OP(PlusFont,  13, CreateFontFromHFONT,    GdipCreateFontFromLogfontA, Own)    \
    OP(PlusFont,  14, CreateFontFromLogfontA, GdipCreateFontFromLogfontA, Own)    \
    OP(PlusFont,  15, CreateFontFromLogfontW, GdipCreateFontFromLogfontW, Own)    \
    OP(PlusFont,  16, CloneFont,              GdipCloneFont,              Clone)  \
    OP(PlusFont,  17, GetLogFontA,            GdipGetLogFontA,            Act)    \
    OP(PlusFont,  18, GetLogFontW,            GdipGetLogFontW,            Act)    \
    OP(PlusFont,  19, GetFamily,              GdipGetFamily,              Clone)  \
    OP(PlusFont,  20, GetFontStyle,           GdipGetFontStyle,           Get)    \
    OP(PlusFont,  21, GetFontSize,            GdipGetFontSize,            Get)    \
    OP(PlusFont,  22, GetFontUnit,            GdipGetFontUnit,            Get)    \
    OP(PlusFont,  23, GetFontHeight,          GdipGetFontHeight,          Get)    \
    OP(PlusFont,  24, GetFontHeightGivenDPI,  GdipGetFontHeightGivenDPI,  Get)

// PlusFontFamily, operations 7 to 20; destroy does not delete.
#define GDIP_PLUS_FONT_FAMILY_OPERATIONS(OP, SHARED)                                                  \
    OP(PlusFontFamily,   7, DeleteFontFamily,              GdipDeleteFontFamily,              Delete) \
    OP(PlusFontFamily,   8, CreateFontFamilyFromName,      GdipCreateFontFamilyFromName,      Create) \
    OP(PlusFontFamily,   9, CreateFontFamilyFromNameW,     GdipCreateFontFamilyFromName,      Own)    \
    OP(PlusFontFamily,  10, GetGenericFontFamilySansSerif, GdipGetGenericFontFamilySansSerif, Create) \
    OP(PlusFontFamily,  11, GetGenericFontFamilySerif,     GdipGetGenericFontFamilySerif,     Create) \
    OP(PlusFontFamily,  12, GetGenericFontFamilyMonospace, GdipGetGenericFontFamilyMonospace, Create) \
    OP(PlusFontFamily,  13, CloneFontFamily,               GdipCloneFontFamily,               Clone)  \
    OP(PlusFontFamily,  14, GetFamilyName,                 GdipGetFamilyName,                 Own)    \
    OP(PlusFontFamily,  15, GetFamilyNameW,                GdipGetFamilyName,                 Own)    \
    OP(PlusFontFamily,  16, IsStyleAvailable,              GdipIsStyleAvailable,              Test)   \
    OP(PlusFontFamily,  17, GetEmHeight,                   GdipGetEmHeight,                   Get)    \
    OP(PlusFontFamily,  18, GetCellAscent,                 GdipGetCellAscent,                 Get)    \
    OP(PlusFontFamily,  19, GetCellDescent,                GdipGetCellDescent,                Get)    \
    OP(PlusFontFamily,  20, GetLineSpacing,                GdipGetLineSpacing,                Get)

// PlusFontCollection, operations 7 to 9; no create or delete.
#define GDIP_PLUS_FONT_COLLECTION_OPERATIONS(OP, SHARED)                                             \
    OP(PlusFontCollection,   7, OnAttach,                     none,                             Own) \
    OP(PlusFontCollection,   8, GetFontCollectionFamilyCount, GdipGetFontCollectionFamilyCount, Get) \
    OP(PlusFontCollection,   9, GetFontCollectionFamilyList,  GdipGetFontCollectionFamilyList,  Own)

// PlusStringFormat, operations 7 to 27; delete operation 7.
#define GDIP_PLUS_STRING_FORMAT_OPERATIONS(OP, SHARED)                                                                                \
    OP(PlusStringFormat,   7, DeleteStringFormat,                           GdipDeleteStringFormat,                           Delete) \
    OP(PlusStringFormat,   8, CreateStringFormat,                           GdipCreateStringFormat,                           Create) \
    OP(PlusStringFormat,   9, StringFormatGetGenericDefault,                GdipStringFormatGetGenericDefault,                Create) \
    OP(PlusStringFormat,  10, StringFormatGetGenericTypographic,            GdipStringFormatGetGenericTypographic,            Create) \
    OP(PlusStringFormat,  11, CloneStringFormat,                            GdipCloneStringFormat,                            Clone)  \
    OP(PlusStringFormat,  12, SetStringFormatFlags,                         GdipSetStringFormatFlags,                         Act)    \
    OP(PlusStringFormat,  13, GetStringFormatFlags,                         GdipGetStringFormatFlags,                         Get)    \
    OP(PlusStringFormat,  14, SetStringFormatAlign,                         GdipSetStringFormatAlign,                         Act)    \
    OP(PlusStringFormat,  15, GetStringFormatAlign,                         GdipGetStringFormatAlign,                         Get)    \
    OP(PlusStringFormat,  16, SetStringFormatLineAlign,                     GdipSetStringFormatLineAlign,                     Act)    \
    OP(PlusStringFormat,  17, GetStringFormatLineAlign,                     GdipGetStringFormatLineAlign,                     Get)    \
    OP(PlusStringFormat,  18, SetStringFormatTrimming,                      GdipSetStringFormatTrimming,                      Act)    \
    OP(PlusStringFormat,  19, GetStringFormatTrimming,                      GdipGetStringFormatTrimming,                      Get)    \
    OP(PlusStringFormat,  20, SetStringFormatHotkeyPrefix,                  GdipSetStringFormatHotkeyPrefix,                  Act)    \
    OP(PlusStringFormat,  21, GetStringFormatHotkeyPrefix,                  GdipGetStringFormatHotkeyPrefix,                  Get)    \
    OP(PlusStringFormat,  22, SetStringFormatTabStops,                      GdipSetStringFormatTabStops,                      Own)    \
    OP(PlusStringFormat,  23, GetStringFormatTabStops,                      GdipGetStringFormatTabStops,                      Own)    \
    OP(PlusStringFormat,  24, SetStringFormatDigitSubstitution,             GdipSetStringFormatDigitSubstitution,             Act)    \
    OP(PlusStringFormat,  25, GetStringFormatDigitSubstitution,             GdipGetStringFormatDigitSubstitution,             Act)    \
    OP(PlusStringFormat,  26, SetStringFormatMeasurableCharacterRanges,     GdipSetStringFormatMeasurableCharacterRanges,     Own)    \
    OP(PlusStringFormat,  27, GetStringFormatMeasurableCharacterRangeCount, GdipGetStringFormatMeasurableCharacterRangeCount, Get)

// PlusRegion, operations 7 to 38; delete operation 7.
#define GDIP_PLUS_REGION_OPERATIONS(OP, SHARED)                                   \
    OP(PlusRegion,   7, DeleteRegion,          GdipDeleteRegion,          Delete) \
    OP(PlusRegion,   8, CreateRegion,          GdipCreateRegion,          Create) \
    OP(PlusRegion,   9, CreateRegionRect,      GdipCreateRegionRect,      Create) \
    OP(PlusRegion,  10, CreateRegionRectI,     GdipCreateRegionRectI,     Create) \
    OP(PlusRegion,  11, CreateRegionPath,      GdipCreateRegionPath,      Create) \
    OP(PlusRegion,  12, CreateRegionHrgn,      GdipCreateRegionHrgn,      Create) \
    OP(PlusRegion,  13, CreateRegionRgnData,   GdipCreateRegionRgnData,   Create) \
    OP(PlusRegion,  14, CloneRegion,           GdipCloneRegion,           Clone)  \
    OP(PlusRegion,  15, SetInfinite,           GdipSetInfinite,           Act)    \
    OP(PlusRegion,  16, SetEmpty,              GdipSetEmpty,              Act)    \
    OP(PlusRegion,  17, CombineRegionRect,     GdipCombineRegionRect,     Act)    \
    OP(PlusRegion,  18, CombineRegionRectI,    GdipCombineRegionRectI,    Act)    \
    OP(PlusRegion,  19, CombineRegionRegion,   GdipCombineRegionRegion,   Act)    \
    OP(PlusRegion,  20, CombineRegionPath,     GdipCombineRegionPath,     Act)    \
    OP(PlusRegion,  21, TranslateRegion,       GdipTranslateRegion,       Act)    \
    OP(PlusRegion,  22, TranslateRegionI,      GdipTranslateRegionI,      Act)    \
    OP(PlusRegion,  23, TransformRegion,       GdipTransformRegion,       Act)    \
    OP(PlusRegion,  24, GetRegionBounds,       GdipGetRegionBounds,       Bounds) \
    OP(PlusRegion,  25, GetRegionBoundsI,      GdipGetRegionBoundsI,      Bounds) \
    OP(PlusRegion,  26, GetRegionDataSize,     GdipGetRegionDataSize,     Get)    \
    OP(PlusRegion,  27, GetRegionData,         GdipGetRegionData,         Own)    \
    OP(PlusRegion,  28, GetRegionHRgn,         GdipGetRegionHRgn,         Get)    \
    OP(PlusRegion,  29, IsEmptyRegion,         GdipIsEmptyRegion,         Test)   \
    OP(PlusRegion,  30, IsInfiniteRegion,      GdipIsInfiniteRegion,      Test)   \
    OP(PlusRegion,  31, IsEqualRegion,         GdipIsEqualRegion,         Test)   \
    OP(PlusRegion,  32, IsVisibleRegionPoint,  GdipIsVisibleRegionPoint,  Test)   \
    OP(PlusRegion,  33, IsVisibleRegionPointI, GdipIsVisibleRegionPointI, Test)   \
    OP(PlusRegion,  34, IsVisibleRegionRect,   GdipIsVisibleRegionRect,   Test)   \
    OP(PlusRegion,  35, IsVisibleRegionRectI,  GdipIsVisibleRegionRectI,  Test)   \
    OP(PlusRegion,  36, GetRegionScansCount,   GdipGetRegionScansCount,   Get)    \
    OP(PlusRegion,  37, GetRegionScans,        GdipGetRegionScans,        Own)    \
    OP(PlusRegion,  38, GetRegionScansI,       GdipGetRegionScansI,       Own)

// PlusImage operations 12 to 40, which PlusBitmap shares.
#define GDIP_PLUS_IMAGE_SHARED_OPERATIONS(OP, SHARED)                                         \
    OP(PlusImage,  12, CloneImage,                   GdipCloneImage,                   Clone) \
    OP(PlusImage,  13, GetEncoderParameterList,      GdipGetEncoderParameterList,      Own)   \
    OP(PlusImage,  14, SaveImageToFile,              GdipSaveImageToFile,              Own)   \
    OP(PlusImage,  15, SaveImageToFileW,             GdipSaveImageToFile,              Own)   \
    OP(PlusImage,  16, SaveImageToStream,            GdipSaveImageToStream,            Own)   \
    OP(PlusImage,  17, SaveAdd,                      GdipSaveAdd,                      Own)   \
    OP(PlusImage,  18, SaveAddImage,                 GdipSaveAddImage,                 Own)   \
    OP(PlusImage,  19, GetImageType,                 GdipGetImageType,                 Get)   \
    OP(PlusImage,  20, GetImageDimension,            GdipGetImageDimension,            Own)   \
    OP(PlusImage,  21, GetImageBounds,               GdipGetImageBounds,               Own)   \
    OP(PlusImage,  22, GetImageWidth,                GdipGetImageWidth,                Get)   \
    OP(PlusImage,  23, GetImageHeight,               GdipGetImageHeight,               Get)   \
    OP(PlusImage,  24, GetImageHorizontalResolution, GdipGetImageHorizontalResolution, Get)   \
    OP(PlusImage,  25, GetImageVerticalResolution,   GdipGetImageVerticalResolution,   Get)   \
    OP(PlusImage,  26, GetImageFlags,                GdipGetImageFlags,                Get)   \
    OP(PlusImage,  27, GetImageRawFormat,            GdipGetImageRawFormat,            Own)   \
    OP(PlusImage,  28, GetImagePixelFormat,          GdipGetImagePixelFormat,          Get)   \
    OP(PlusImage,  29, GetImagePalette,              GdipGetImagePalette,              Own)   \
    OP(PlusImage,  30, SetImagePalette,              GdipSetImagePalette,              Own)   \
    OP(PlusImage,  31, GetImageThumbnail,            GdipGetImageThumbnail,            Own)   \
    OP(PlusImage,  32, ImageGetFrameCount,           GdipImageGetFrameCount,           Own)   \
    OP(PlusImage,  33, ImageGetFrameDimensionsList,  GdipImageGetFrameDimensionsList,  Own)   \
    OP(PlusImage,  34, ImageSelectActiveFrame,       GdipImageSelectActiveFrame,       Own)   \
    OP(PlusImage,  35, ImageRotateFlip,              GdipImageRotateFlip,              Act)   \
    OP(PlusImage,  36, GetFrameDelays,               GdipGetPropertyItem,              Own)   \
    OP(PlusImage,  37, GetPropertyItem,              GdipGetPropertyItem,              Own)   \
    OP(PlusImage,  38, SetPropertyItem,              GdipSetPropertyItem,              Own)   \
    OP(PlusImage,  39, RemovePropertyItem,           GdipRemovePropertyItem,           Act)   \
    OP(PlusImage,  40, GetPropertyIdList,            GdipGetPropertyIdList,            Own)

// PlusImage, operations 7 to 40; delete operation 8.
#define GDIP_PLUS_IMAGE_OPERATIONS(OP, SHARED)                            \
    OP(PlusImage,   7, OnAttach,            none,                    Own) \
    OP(PlusImage,   8, DisposeImage,        GdipDisposeImage,        Own) \
    OP(PlusImage,   9, LoadImageFromFile,   GdipLoadImageFromFile,   Own) \
    OP(PlusImage,  10, LoadImageFromFileW,  GdipLoadImageFromFile,   Own) \
    OP(PlusImage,  11, LoadImageFromStream, GdipLoadImageFromStream, Own) \
    SHARED(GDIP_PLUS_IMAGE_SHARED_OPERATIONS, OP)  /* 12 to 40 */

// PlusBitmap, operations 7 to 59; delete operation 8 (its own DisposeImage).
#define GDIP_PLUS_BITMAP_OPERATIONS(OP, SHARED)                                         \
    OP(PlusBitmap,   7, OnAttach,                 none,                         Own)    \
    OP(PlusBitmap,   8, DisposeImage,             GdipDisposeImage,             Own)    \
    OP(PlusBitmap,   9, CreateBitmapFromFile,     GdipCreateBitmapFromFile,     Own)    \
    OP(PlusBitmap,  10, CreateBitmapFromFileW,    GdipCreateBitmapFromFile,     Own)    \
    OP(PlusBitmap,  11, CreateBitmapFromStream,   GdipCreateBitmapFromStream,   Own)    \
    SHARED(GDIP_PLUS_IMAGE_SHARED_OPERATIONS, OP)  /* 12 to 40 */                       \
    OP(PlusBitmap,  41, CreateBitmapFromScan0,    GdipCreateBitmapFromScan0,    Create) \
    OP(PlusBitmap,  42, CreateBitmap,             GdipCreateBitmapFromScan0,    Own)    \
    OP(PlusBitmap,  43, CreateBitmapFromGraphics, GdipCreateBitmapFromGraphics, Create) \
    OP(PlusBitmap,  44, CreateBitmapFromGdiDib,   GdipCreateBitmapFromGdiDib,   Create) \
    OP(PlusBitmap,  45, CreateBitmapFromHBITMAP,  GdipCreateBitmapFromHBITMAP,  Create) \
    OP(PlusBitmap,  46, CreateBitmapFromHICON,    GdipCreateBitmapFromHICON,    Create) \
    OP(PlusBitmap,  47, CreateBitmapFromResource, GdipCreateBitmapFromResource, Create) \
    OP(PlusBitmap,  48, CreateHBITMAPFromBitmap,  GdipCreateHBITMAPFromBitmap,  Get)    \
    OP(PlusBitmap,  49, CreateHICONFromBitmap,    GdipCreateHICONFromBitmap,    Get)    \
    OP(PlusBitmap,  50, CloneBitmapArea,          GdipCloneBitmapArea,          Own)    \
    OP(PlusBitmap,  51, CloneBitmapAreaI,         GdipCloneBitmapAreaI,         Own)    \
    OP(PlusBitmap,  52, BitmapLockBits,           GdipBitmapLockBits,           Act)    \
    OP(PlusBitmap,  53, BitmapUnlockBits,         GdipBitmapUnlockBits,         Act)    \
    OP(PlusBitmap,  54, BitmapGetPixel,           GdipBitmapGetPixel,           Get)    \
    OP(PlusBitmap,  55, BitmapSetPixel,           GdipBitmapSetPixel,           Act)    \
    OP(PlusBitmap,  56, BitmapSetResolution,      GdipBitmapSetResolution,      Act)    \
    OP(PlusBitmap,  57, BitmapApplyEffect,        GdipBitmapApplyEffect,        Own)    \
    OP(PlusBitmap,  58, RotateToBitmap,           GdipDrawImage,                Own)    \
    OP(PlusBitmap,  59, GetRotatedSize,           none,                         Own)

// MemoryStream, operations 0 to 8 (no base class; destroy releases).
#define GDIP_MEMORY_STREAM_OPERATIONS(OP, SHARED) \
    OP(MemoryStream,   0, destroy,   none, Own)   \
    OP(MemoryStream,   1, copy,      none, Own)   \
    OP(MemoryStream,   2, Create,    none, Own)   \
    OP(MemoryStream,   3, Release,   none, Own)   \
    OP(MemoryStream,   4, GetSize,   none, Own)   \
    OP(MemoryStream,   5, GetStream, none, Own)   \
    OP(MemoryStream,   6, GetGlobal, none, Own)   \
    OP(MemoryStream,   7, Attach,    none, Own)   \
    OP(MemoryStream,   8, GetBytes,  none, Own)

// ToolTip, operations 0 to 11 (no base class; destroy does nothing).
#define GDIP_TOOLTIP_OPERATIONS(OP, SHARED)      \
    OP(ToolTip,   0, destroy,         none, Own) \
    OP(ToolTip,   1, copy,            none, Own) \
    OP(ToolTip,   2, Create,          none, Own) \
    OP(ToolTip,   3, AddTool,         none, Own) \
    OP(ToolTip,   4, AddToolCallback, none, Own) \
    OP(ToolTip,   5, SetBackColour,   none, Own) \
    OP(ToolTip,   6, SetTextColour,   none, Own) \
    OP(ToolTip,   7, SetMaxWidth,     none, Own) \
    OP(ToolTip,   8, DeleteTool,      none, Own) \
    OP(ToolTip,   9, SetToolRect,     none, Own) \
    OP(ToolTip,  10, UpdateTipText,   none, Own) \
    OP(ToolTip,  11, GetHwnd,         none, Own)
