// PlusBitmap operations with behaviour of their own.
#include <algorithm>
#include <cmath>

#include "gdiplus/OperationSupport.h"

namespace gdip {

using namespace support;
using Gdiplus::GpBitmap;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::MatrixOrderPrepend;
using Gdiplus::Status;

namespace {

PlusBitmap* AsBitmap(PlusImage* self) { return static_cast<PlusBitmap*>(self); }
GpBitmap* Native(PlusBitmap* self) { return static_cast<GpBitmap*>(self->Handle()); }

template <class Rect, class Clone>
bool CloneArea(PlusBitmap* self, Clone& clone, const Rect& r, int32_t pixelFormat, PlusBitmap* target) {
    GpBitmap* area = nullptr;
    const Status status = clone(r.X, r.Y, r.Width, r.Height, pixelFormat, Native(self), &area);
    if (target) target->SetHandle(area);
    return Succeeded(status);
}

}  // namespace

void PlusBitmapOps::OnAttach(PlusObject* self, void* handle) { static_cast<PlusBitmap*>(self)->bitmap = handle; }

bool PlusBitmapOps::DisposeImage(PlusImage* image) {
    PlusBitmap* self = AsBitmap(image);
    if (!self->bitmap) return false;
    if (self->bitmapSource) self->bitmapSource->Release();
    const Status status = GDIP(GdipDisposeImage)(Native(self));
    self->SetHandle(nullptr);
    return Succeeded(status);
}

bool PlusBitmapOps::CreateBitmapFromFile(PlusImage* image, const char* fileName, Optional<bool> colourManaged) {
    PlusBitmap* self = AsBitmap(image);
    const WideText name(fileName);
    return Created(self, colourManaged.Or(false) ? GDIP(GdipCreateBitmapFromFileICM)(name.Data(), OwnOutput<GpBitmap>(self))
                                                 : GDIP(GdipCreateBitmapFromFile)(name.Data(), OwnOutput<GpBitmap>(self)));
}

bool PlusBitmapOps::CreateBitmapFromFileW(PlusImage* image, const ByteSet* fileName, Optional<bool> colourManaged) {
    PlusBitmap* self = AsBitmap(image);
    const WideUnits name(fileName);
    return Created(self, colourManaged.Or(false) ? GDIP(GdipCreateBitmapFromFileICM)(name.Data(), OwnOutput<GpBitmap>(self))
                                                 : GDIP(GdipCreateBitmapFromFile)(name.Data(), OwnOutput<GpBitmap>(self)));
}

bool PlusBitmapOps::CreateBitmapFromStream(PlusImage* image, const ByteSet* bytes, Optional<bool> colourManaged) {
    PlusBitmap* self = AsBitmap(image);
    IStream* stream = self->bitmapSource ? self->bitmapSource->Create(bytes) : nullptr;
    return Created(self, colourManaged.Or(false) ? GDIP(GdipCreateBitmapFromStreamICM)(stream, OwnOutput<GpBitmap>(self))
                                                 : GDIP(GdipCreateBitmapFromStream)(stream, OwnOutput<GpBitmap>(self)));
}

// GDI+ allocates the pixels.
bool PlusBitmapOps::CreateBitmap(PlusBitmap* self, int32_t width, int32_t height, Optional<int32_t> pixelFormat) {
    return Created(self, GDIP(GdipCreateBitmapFromScan0)(width, height, 0, pixelFormat.Or(kPixelFormat32bppARGB), nullptr,
                                                         OwnOutput<GpBitmap>(self)));
}

bool PlusBitmapOps::CloneBitmapArea(PlusBitmap* self, const PlusRectF* rect, int32_t pixelFormat, PlusBitmap* target) {
    return CloneArea(self, GDIP(GdipCloneBitmapArea), RectOf(rect), pixelFormat, target);
}

bool PlusBitmapOps::CloneBitmapAreaI(PlusBitmap* self, const PlusRect* rect, int32_t pixelFormat, PlusBitmap* target) {
    static const Gdiplus::Rect kZero;
    return CloneArea(self, GDIP(GdipCloneBitmapAreaI), rect ? *reinterpret_cast<const Gdiplus::Rect*>(rect) : kZero, pixelFormat, target);
}

// No auxiliary data is asked for: the system has no effect class to hand it to.
bool PlusBitmapOps::BitmapApplyEffect(PlusBitmap* self, PlusObject* effect, Optional<const PlusRect*> area) {
    void* auxData = nullptr;
    INT auxSize = 0;
    const Status status = GDIP(GdipBitmapApplyEffect)(Native(self), NativeOf<Gdiplus::CGpEffect>(effect),
                                                      reinterpret_cast<RECT*>(const_cast<PlusRect*>(area.Or(nullptr))), FALSE,
                                                      &auxData, &auxSize);
    if (auxData) GDIP(GdipFree)(auxData);
    return Succeeded(status);
}

// A new bitmap holding this one rotated by the angle about its centre, handed to the target.
bool PlusBitmapOps::RotateToBitmap(PlusBitmap* self, float angle, PlusBitmap* target, Optional<ARGB> background,
                                   Optional<int32_t> interpolation, Optional<const PlusSizeF*> size) {
    GpBitmap* source = Native(self);
    UINT w = 0, h = 0;
    RecordStatus(GDIP(GdipGetImageWidth)(source, &w));
    RecordStatus(GDIP(GdipGetImageHeight)(source, &h));
    float width = 0, height = 0;
    if (size.given && size.value) {
        width = size.value->width;
        height = size.value->height;
    } else {
        GetRotatedSize(self, static_cast<float>(w), static_cast<float>(h), static_cast<int32_t>(angle), &width, &height);
    }
    GpBitmap* rotated = nullptr;
    if (!Succeeded(GDIP(GdipCreateBitmapFromScan0)(static_cast<INT>(width), static_cast<INT>(height), 0, kPixelFormat32bppARGB, nullptr,
                                                   &rotated)))
        return false;
    Gdiplus::REAL dpiX = 0, dpiY = 0;
    RecordStatus(GDIP(GdipGetImageHorizontalResolution)(source, &dpiX));
    RecordStatus(GDIP(GdipGetImageVerticalResolution)(source, &dpiY));
    RecordStatus(GDIP(GdipBitmapSetResolution)(rotated, dpiX, dpiY));
    GpGraphics* graphics = nullptr;
    if (!Succeeded(GDIP(GdipGetImageGraphicsContext)(rotated, &graphics))) {
        GDIP(GdipDisposeImage)(rotated);
        return false;
    }
    if (background.given) {
        Gdiplus::GpSolidFill* brush = nullptr;
        if (!Succeeded(GDIP(GdipCreateSolidFill)(background.value, &brush))) {
            GDIP(GdipDisposeImage)(rotated);
            GDIP(GdipDeleteGraphics)(graphics);
            return false;
        }
        RecordStatus(GDIP(GdipFillRectangle)(graphics, brush, 0, 0, width, height));
        RecordStatus(GDIP(GdipDeleteBrush)(brush));
    }
    if (interpolation.given)
        RecordStatus(GDIP(GdipSetInterpolationMode)(graphics, static_cast<Gdiplus::InterpolationMode>(interpolation.value)));
    Gdiplus::GpMatrix* matrix = nullptr;
    if (!Succeeded(GDIP(GdipCreateMatrix)(&matrix))) {
        GDIP(GdipDeleteGraphics)(graphics);
        GDIP(GdipDisposeImage)(rotated);
        return false;
    }
    RecordStatus(GDIP(GdipTranslateMatrix)(matrix, width / 2, height / 2, MatrixOrderPrepend));
    RecordStatus(GDIP(GdipRotateMatrix)(matrix, angle, MatrixOrderPrepend));
    RecordStatus(GDIP(GdipTranslateMatrix)(matrix, -width / 2, -height / 2, MatrixOrderPrepend));
    RecordStatus(GDIP(GdipTranslateMatrix)(matrix, (width - static_cast<float>(w)) / 2, (height - static_cast<float>(h)) / 2,
                                           MatrixOrderPrepend));
    RecordStatus(GDIP(GdipSetWorldTransform)(graphics, matrix));
    const Status drawn = RecordStatus(GDIP(GdipDrawImage)(graphics, source, 0, 0));
    RecordStatus(GDIP(GdipResetWorldTransform)(graphics));
    RecordStatus(GDIP(GdipDeleteMatrix)(matrix));
    RecordStatus(GDIP(GdipDeleteGraphics)(graphics));
    if (target) target->SetHandle(rotated);
    return drawn == Gdiplus::Ok;
}

// The spans of the four corners (+-(width - 1) / 2, +-(height - 1) / 2) rotated about the origin.
void PlusBitmapOps::GetRotatedSize(PlusBitmap*, float width, float height, int32_t angle, float* newWidth, float* newHeight) {
    const double radians = angle * 3.1415926535 / 180;
    const double c = std::cos(radians), s = std::sin(radians);
    const double hx = (width - 1) / 2.0, hy = (height - 1) / 2.0;
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    for (const double x : {-hx, hx})
        for (const double y : {-hy, hy}) {
            const double rx = x * c - y * s, ry = x * s + y * c;
            if (first) {
                minX = maxX = rx;
                minY = maxY = ry;
                first = false;
            }
            minX = std::min(minX, rx);
            maxX = std::max(maxX, rx);
            minY = std::min(minY, ry);
            maxY = std::max(maxY, ry);
        }
    if (newWidth) *newWidth = static_cast<float>(maxX - minX);
    if (newHeight) *newHeight = static_cast<float>(maxY - minY);
}

}  // namespace gdip
