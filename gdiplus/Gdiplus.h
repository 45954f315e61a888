// The GDI+ wrapper classes, the image, bitmap and memory-stream classes and the tooltip class,
// for the skin layer. GDI+ must have been started (GdiplusStartup) before the first call.
//
// Objects are heap blocks whose first field is the class's operation table; hold them with
// gdip::Object<T> (released with the holder) or New<T>() / Release(p):
//
//   gdip::Object<gdip::PlusGraphics> g = gdip::Make<gdip::PlusGraphics>();
//   g->CreateFromHDC(dc);                        // optional arguments may be left out
//   g->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
//   gdip::Object<gdip::PlusPath> path = gdip::Make<gdip::PlusPath>();
//   path->CreatePath(Gdiplus::FillModeAlternate);
//   path->AddRoundRectangle(0, 0, 100, 50, 20);
//   gdip::Object<gdip::PlusSolidBrush> brush = gdip::Make<gdip::PlusSolidBrush>();
//   brush->CreateSolidFill(0xFF336699);
//   g->FillPath(brush.Get(), path.Get());
//   int32_t status = gdip::LastStatus;           // GDI+ status of the latest call
//
// Every operation of a class is an accessor of the same name (the lists in OperationTables.h);
// an accessor calls the object's table slot, so an operation a derived class replaces is the
// one that runs. Optional arguments are Optional<T>: trailing ones may be left out, one followed
// by others is written Optional<T>() when omitted. Arguments: wrapper objects by pointer, records (PlusPointF, PlusRectF, ...) by
// address, arrays of records as ArrayValue* (RecordArray builds them), texts as GBK TextValue,
// UTF-16 texts of the ...W operations as ByteSet. Results: logicals (true when GDI+ answered
// Ok), values, new records (the caller's, see Record<T>), new texts and byte sets (the caller's).
// Failures leave their status in LastStatus; nothing throws or shows a message.
//
// Helpers: GetImageEncoders, FindEncoderForFormat, GuidToText, TextToGuid (Encoders.h).
#pragma once

#include "gdiplus/Encoders.h"
#include "gdiplus/MemoryStream.h"
#include "gdiplus/PlusClasses.h"
#include "gdiplus/PlusImages.h"
#include "gdiplus/PlusObject.h"
#include "gdiplus/PlusRecords.h"
#include "gdiplus/ToolTip.h"
