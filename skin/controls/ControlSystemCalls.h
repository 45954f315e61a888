// The Windows functions the control painting calls beyond the skin's own list
// (skin/SkinSystemCalls.h), as DLL command entries bound by name on first call, in the same
// namespace so that a control's code names them all alike (sys::TransparentBlt).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "runtime/DllCommandTable.h"
#include "skin/SkinSystemCalls.h"

#define SKIN_CONTROL_DLL_COMMANDS(X, T) \
    X(TransparentBlt, "msimg32.dll")    \
    X(GetScrollBarInfo, "user32")       \
    X(GetUpdateRect, "user32")          \
    X(GetFocus, "user32")               \
    X(ReleaseCapture, "user32")         \
    X(GetAncestor, "user32")            \
    X(IsWindow, "user32")               \
    X(MoveWindow, "user32")             \
    X(CreateRectRgn, "gdi32")           \
    X(CreateSolidBrush, "gdi32")        \
    X(FillRect, "user32")               \
    X(CombineRgn, "gdi32")              \
    X(SelectClipRgn, "gdi32")           \
    X(IntersectClipRect, "gdi32")       \
    X(ImageList_GetIcon, "comctl32.dll")

namespace skin::sys {
SKIN_CONTROL_DLL_COMMANDS(DLL_FUNCTION, DLL_FUNCTION_TYPED)
}  // namespace skin::sys
