// How a command entry reads its argument records: every record goes through At, which reads a
// position at or beyond the count as an argument left out (TypeCode 0). A call may carry fewer
// records than the command has parameters, and no command reads past the records it was given.
#pragma once
#include "runtime/ArgRecord.h"

namespace command_args {

inline const ArgRecord& At(int32_t n, const ArgRecord* args, int32_t index) {
    static const ArgRecord kOmitted{};
    return index >= 0 && index < n ? args[index] : kOmitted;
}

inline bool Given(int32_t n, const ArgRecord* args, int32_t index) { return !At(n, args, index).IsOmitted(); }

// A text argument, never null: "" for the empty text and for a missing or non-text argument.
inline const char* TextAt(int32_t n, const ArgRecord* args, int32_t index) {
    const ArgRecord& a = At(n, args, index);
    return a.type == kTypeText && a.AsText() ? a.AsText() : "";
}

// A byte-set argument: null (the empty byte set) also for a missing or non-byte-set argument.
inline const ByteSet* BytesAt(int32_t n, const ArgRecord* args, int32_t index) {
    const ArgRecord& a = At(n, args, index);
    return a.type == kTypeByteSet ? a.AsByteSet() : nullptr;
}

inline int32_t IntAt(int32_t n, const ArgRecord* args, int32_t index, int32_t fallback) {
    return Given(n, args, index) ? At(n, args, index).AsInt() : fallback;
}

// The storage of a 32-bit variable (an integer or a logical) passed by reference; null for any
// other argument, so a command writes back only into a variable of the caller's that has room.
inline int32_t* Int32VariableAt(int32_t n, const ArgRecord* args, int32_t index) {
    const ArgRecord& a = At(n, args, index);
    if (!a.IsByReference() || (a.Kind() != kTypeInt && a.Kind() != kTypeLogical)) return nullptr;
    return static_cast<int32_t*>(a.data.ptr);
}

}  // namespace command_args
