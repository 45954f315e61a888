/* The tests' own DLL: one export by name, one by ordinal only (see dlltest.def). */
#include <windows.h>

int WINAPI DllTestAdd(int a, int b) { return a + b; }
int WINAPI DllTestMultiply(int a, int b) { return a * b; }
