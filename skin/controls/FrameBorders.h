// The skinned border that edit boxes and the list family get in their non-client area, and
// the system's painting of their scroll bars, which keep the system's look.
#pragma once
#include <windows.h>

#include <cstdint>

namespace skin::controls {

// The alphas of the border looks: the accent colour while hot or focused, black otherwise.
struct BorderLooks {
    int32_t accentAlpha;
    int32_t normalAlpha;
};

// Paints the border ring of the control's window rectangle over the composed background,
// never touching the client area or the scroll bars. `ringOnly`: the list family's way
// (the ring veiled, the rest left transparent, nothing for a control without a border);
// otherwise the edit box's (the whole composed rectangle copied with the client area and the
// scroll bars clipped away).
void PaintNonClientBorder(HWND control, bool hot, bool focused, const BorderLooks& looks, bool ringOnly);

// The system's WM_NCPAINT limited to the control's scroll bars; nothing else of the
// non-client area is painted by the system. Returns DefWindowProcA's answer.
LRESULT PaintScrollBarsOnly(HWND control);

}  // namespace skin::controls
