#include "skin/controls/PaintSupport.h"

#include "runtime/ValueHolders.h"

namespace skin::controls {

void SetPresetBlend(gdip::PlusLinearBrush* brush, std::initializer_list<BlendStop> stops) {
    const auto n = static_cast<int32_t>(stops.size());
    Array colours(kTypeInt, MakeArray(kTypeInt, &n, 1));
    Array positions(kTypeFloat, MakeArray(kTypeFloat, &n, 1));
    int32_t i = 1;
    for (const BlendStop& stop : stops) {
        colours.At<uint32_t>(i) = stop.colour;
        positions.At<float>(i) = stop.position;
        ++i;
    }
    brush->SetLinePresetBlend(colours.Get(), positions.Get());
}

gdip::Object<gdip::PlusPathBrush> CentreGradient(gdip::PlusPath* path, ARGB centre, ARGB surround) {
    auto brush = gdip::Make<gdip::PlusPathBrush>();
    brush->CreatePathGradientFromPath(path);
    brush->SetPathGradientCenterColor(centre);
    const int32_t one = 1;
    Array colours(kTypeInt, MakeArray(kTypeInt, &one, 1));
    colours.At<uint32_t>(1) = surround;
    int32_t count = 1;
    brush->SetPathGradientSurroundColorsWithCount(colours.Get(), &count);
    return brush;
}

gdip::Object<gdip::PlusStringFormat> AlignedFormat(int32_t align) {
    auto format = gdip::Make<gdip::PlusStringFormat>();
    format->CreateStringFormat(0, LANG_NEUTRAL);
    format->SetStringFormatAlign(static_cast<Gdiplus::StringAlignment>(align));
    format->SetStringFormatLineAlign(Gdiplus::StringAlignmentCenter);
    return format;
}

void DrawButtonText(gdip::PlusGraphics* g, const ButtonRecord& record, COLORREF colour, gdip::PlusRectF layout, int32_t align,
                    bool pixelUnit) {
    auto font = gdip::Make<gdip::PlusFont>();
    const auto size = static_cast<float>(record.fontSize);
    if (pixelUnit) font->CreateFontByName(record.fontName.CStr(), size, record.fontStyle, Gdiplus::UnitPixel);
    else font->CreateFontByName(record.fontName.CStr(), size, record.fontStyle);
    auto format = AlignedFormat(align);
    g->DrawString(record.text.CStr(), font.Get(), SolidBrush(ToArgb(colour, 255)).Get(), &layout, format.Get());
}

}  // namespace skin::controls
