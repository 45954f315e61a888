// What lies behind a control: the skinned window's painted frame under the control's
// rectangle, with the fills of the child containers it lies in, and the white veil of
// controlAlpha over it. Every control paints on such a composed memory context off screen and
// copies it to the screen in one operation.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/SkinPaint.h"

namespace skin::controls {

// A memory context of the rectangle's size holding what the frame shows under the rectangle
// `area` of the control (relative to the control's window rectangle: (0, 0) is the top left
// of its border). Outside a skinned window the context holds plain white.
std::unique_ptr<MemoryCanvas> ComposeControlBackground(HWND control, const RECT& area);
// The control's client area inside its window rectangle: borders split evenly on both sides,
// the scroll bars taken away on the right and at the bottom.
RECT ClientAreaInWindow(HWND control);
// ComposeControlBackground of the client area with ARGB(controlAlpha, white) over it.
std::unique_ptr<MemoryCanvas> ComposeVeiledBackground(HWND control);
// Fills (0, 0, w, h) of the context with ARGB(alpha, white).
void FillVeil(HDC dc, int32_t width, int32_t height, int32_t alpha);
// Fills the rectangle with the key colour through GDI, which leaves the pixels' top byte 0 as
// TransparentBlt compares it (GDI+ would write an opaque alpha there and the key not match).
void FillKey(HDC dc, const RECT& area, COLORREF key);
// Copies a whole canvas to (x, y) of a device context.
void CopyCanvas(const MemoryCanvas& canvas, HDC dc, int32_t x = 0, int32_t y = 0);
// Copies a canvas to a device context leaving out what has the key colour.
void CopyCanvasKeyed(const MemoryCanvas& canvas, HDC dc, COLORREF key, int32_t x = 0, int32_t y = 0);

}  // namespace skin::controls
