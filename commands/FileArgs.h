// How the file commands read their arguments.
#pragma once
#include "runtime/ArgRecord.h"

namespace file_args {

// A text argument, never null ("" for the empty text or a missing or non-text argument).
inline const char* TextAt(int32_t n, const ArgRecord* args, int32_t index) {
    if (index >= n || args[index].type != kTypeText || !args[index].AsText()) return "";
    return args[index].AsText();
}

inline bool Given(int32_t n, const ArgRecord* args, int32_t index) { return index < n && !args[index].IsOmitted(); }

inline int32_t IntAt(int32_t n, const ArgRecord* args, int32_t index, int32_t fallback) {
    return Given(n, args, index) ? args[index].AsInt() : fallback;
}

}  // namespace file_args
