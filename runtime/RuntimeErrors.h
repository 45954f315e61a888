// Fatal runtime errors: the error box, then the end of the program with exit code -1.
#pragma once
#include <cstddef>

// Reports numbered error 1 to 11 with its text; the number is the error code shown.
[[noreturn]] void ReportRuntimeError(int number);
// The routine behind every error (also runtime message 2027, with code 0).
[[noreturn]] void ReportErrorText(const char* text, int code);
// The text of a numbered error, or null for a number outside 1 to 11.
const char* RuntimeErrorText(int number);
// The box text as the user sees it.
void FormatRuntimeErrorBox(const char* text, int code, char* out, size_t outSize);
