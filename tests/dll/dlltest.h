// The tests' own DLL (dlltest.dll, beside the test programs): its exports' prototypes.
#pragma once
#include <windows.h>

extern "C" {
int WINAPI DllTestAdd(int a, int b);       // exported by name (ordinal 1)
int WINAPI DllTestMultiply(int a, int b);  // exported by ordinal 12 only
}
