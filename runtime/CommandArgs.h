// How a command entry reads its argument records. A call may carry fewer records than the
// command has parameters: a missing trailing argument reads as one left out (TypeCode 0).
#pragma once
#include "runtime/ArgRecord.h"

namespace command_args {

inline const ArgRecord& At(int32_t n, const ArgRecord* args, int32_t index) {
    static const ArgRecord kOmitted{};
    return index < n ? args[index] : kOmitted;
}

inline bool Given(int32_t n, const ArgRecord* args, int32_t index) { return !At(n, args, index).IsOmitted(); }

// A text argument, never null: "" for the empty text and for a missing or non-text argument.
inline const char* TextAt(int32_t n, const ArgRecord* args, int32_t index) {
    const ArgRecord& a = At(n, args, index);
    return a.type == kTypeText && a.AsText() ? a.AsText() : "";
}

inline int32_t IntAt(int32_t n, const ArgRecord* args, int32_t index, int32_t fallback) {
    return Given(n, args, index) ? At(n, args, index).AsInt() : fallback;
}

}  // namespace command_args
