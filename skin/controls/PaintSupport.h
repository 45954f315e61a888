// Painting pieces the control kinds share beyond skin/SkinPaint.h: preset blends, the centre
// gradient of a path, the button texts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "gdiplus/Gdiplus.h"
#include "skin/SkinPaint.h"
#include "skin/controls/ControlRecords.h"

namespace skin::controls {

// The colour of the focus glow and the highlight strokes, whatever the accent colour is.
inline constexpr COLORREF kFocusGlow = 0xDDCA22;

struct BlendStop {
    ARGB colour;
    float position;  // 0 to 1 along the gradient
};
void SetPresetBlend(gdip::PlusLinearBrush* brush, std::initializer_list<BlendStop> stops);

// A path-gradient brush over the path: `centre` in its middle, `surround` at its outline.
gdip::Object<gdip::PlusPathBrush> CentreGradient(gdip::PlusPath* path, ARGB centre, ARGB surround);

// String alignments (GDI+ StringAlignment).
inline constexpr int32_t kNearAlign = 0;
inline constexpr int32_t kCentreAlign = 1;
inline constexpr int32_t kFarAlign = 2;

// A string format aligned horizontally as given and centred vertically.
gdip::Object<gdip::PlusStringFormat> AlignedFormat(int32_t align);

// The button record's text in its font (em size in pixels with pixelUnit, else in the
// graphics' world unit), in the colour, centred vertically in the layout rectangle.
void DrawButtonText(gdip::PlusGraphics* g, const ButtonRecord& record, COLORREF colour, gdip::PlusRectF layout, int32_t align,
                    bool pixelUnit);

}  // namespace skin::controls
