// The pattern brush of a control's background, as the window's colouring hands it out.
#pragma once
#include <windows.h>

namespace skin::controls {

// The control's text colour and transparent text on dc; a new pattern brush of
// ControlBackgroundBitmap, kept with its bitmap in "Kj_dxjb" and "Kj_wtjb" (the ones held
// before are deleted).
HBRUSH PatternBrushFor(HWND control, HDC dc);

}  // namespace skin::controls
