// The Windows functions the wrapper classes call besides GDI+, as DLL command entries bound by
// name on first call (the GDI+ flat functions are in FlatApi.h). They live in gdip::sys so that
// other modules may declare the same functions in lists of their own.
#pragma once
#include <windows.h>
#include <objbase.h>

#include "runtime/DllCommandTable.h"

#define GDIP_SYSTEM_DLL_COMMANDS(X, T)    \
    X(MultiByteToWideChar, "kernel32")    \
    X(WideCharToMultiByte, "kernel32")    \
    X(lstrlenW, "kernel32")               \
    X(GlobalAlloc, "kernel32")            \
    X(GlobalLock, "kernel32")             \
    X(GlobalUnlock, "kernel32")           \
    X(GlobalSize, "kernel32")             \
    X(GlobalFree, "kernel32")             \
    X(CreateStreamOnHGlobal, "ole32.dll") \
    X(GetHGlobalFromStream, "ole32.dll")  \
    X(StringFromGUID2, "ole32.dll")       \
    X(CLSIDFromString, "ole32.dll")       \
    X(GetStockObject, "gdi32")            \
    X(GetObjectA, "gdi32")                \
    X(GetDC, "user32")                    \
    X(ReleaseDC, "user32")                \
    X(CreateWindowExA, "user32")          \
    X(SendMessageA, "")

namespace gdip::sys {
GDIP_SYSTEM_DLL_COMMANDS(DLL_FUNCTION, DLL_FUNCTION_TYPED)
}  // namespace gdip::sys
