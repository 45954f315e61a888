// The Windows functions the skin layer calls, as DLL command entries bound by name on first
// call. They live in skin::sys so other modules may declare the same functions in lists of
// their own.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include "runtime/DllCommandTable.h"

// The window-procedure slot is pointer-sized: the 64-bit build asks for the ...Ptr functions,
// which the 32-bit user32 does not export (there the plain ones are the same thing).
#ifdef _WIN64
#define SKIN_SET_WINDOW_LONG_ "SetWindowLongPtrA"
#define SKIN_GET_WINDOW_LONG_ "GetWindowLongPtrA"
#else
#define SKIN_SET_WINDOW_LONG_ "SetWindowLongA"
#define SKIN_GET_WINDOW_LONG_ "GetWindowLongA"
#endif

#define SKIN_DLL_COMMANDS(X, T)                                                               \
    T(SetWindowLongValue, LONG_PTR(WINAPI*)(HWND, int, LONG_PTR), "user32", SKIN_SET_WINDOW_LONG_) \
    T(GetWindowLongValue, LONG_PTR(WINAPI*)(HWND, int), "user32", SKIN_GET_WINDOW_LONG_)      \
    X(CallWindowProcA, "user32")                                                              \
    X(DefWindowProcA, "user32")                                                               \
    X(SetPropA, "user32")                                                                     \
    X(GetPropA, "user32")                                                                     \
    X(FindWindowA, "user32")                                                                  \
    X(FindWindowExA, "user32")                                                                \
    X(GetClassNameA, "user32")                                                                \
    X(GetWindowTextLengthA, "user32")                                                         \
    X(GetWindowTextA, "user32")                                                               \
    X(SendMessageA, "user32")                                                                 \
    X(GetClientRect, "user32")                                                                \
    X(GetWindowRect, "user32")                                                                \
    X(GetSystemMetrics, "user32")                                                             \
    X(GetSysColor, "user32")                                                                  \
    X(IsWindowVisible, "user32")                                                              \
    X(InvalidateRect, "user32")                                                               \
    X(DestroyIcon, "user32")                                                                  \
    X(DrawIconEx, "user32")                                                                   \
    X(SetTimer, "user32")                                                                     \
    X(KillTimer, "user32")                                                                    \
    X(BeginPaint, "user32")                                                                   \
    X(EndPaint, "user32")                                                                     \
    X(GetDC, "user32")                                                                        \
    X(GetWindowDC, "user32")                                                                  \
    X(ReleaseDC, "user32")                                                                    \
    X(SetWindowRgn, "user32")                                                                 \
    X(SetWindowPos, "user32")                                                                 \
    X(TrackMouseEvent, "user32")                                                              \
    X(LoadCursorA, "user32")                                                                  \
    X(SetCursor, "user32")                                                                    \
    X(DestroyWindow, "user32")                                                                \
    X(GetCursorPos, "user32")                                                                 \
    X(ClientToScreen, "user32")                                                               \
    X(InitCommonControlsEx, "comctl32.dll")                                                   \
    X(GetParent, "user32")                                                                    \
    X(GetWindow, "user32")                                                                    \
    X(MapWindowPoints, "user32")                                                              \
    X(DeleteObject, "gdi32")                                                                  \
    X(DeleteDC, "gdi32")                                                                      \
    X(SelectObject, "gdi32")                                                                  \
    X(GetStockObject, "gdi32")                                                                \
    X(CreatePatternBrush, "gdi32")                                                            \
    X(CreateCompatibleDC, "gdi32")                                                            \
    X(CreateCompatibleBitmap, "gdi32")                                                        \
    X(CreateDIBSection, "gdi32")                                                              \
    X(BitBlt, "gdi32")                                                                        \
    X(SetBkMode, "gdi32")                                                                     \
    X(SetTextColor, "gdi32")                                                                  \
    X(CreateRoundRectRgn, "gdi32")                                                            \
    X(ExcludeClipRect, "gdi32")                                                               \
    T(GdiplusShutdown, decltype(&Gdiplus::GdiplusShutdown), "gdiplus.dll", "GdiplusShutdown")  \
    X(SHCreateThread, "shlwapi.dll")

namespace skin::sys {
SKIN_DLL_COMMANDS(DLL_FUNCTION, DLL_FUNCTION_TYPED)
}  // namespace skin::sys
