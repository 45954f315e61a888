// ConvertEncoding, the command of the encoding conversion library: converts the bytes of a byte
// set from one named encoding to another over libiconv, all or nothing.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/ArgRecord.h"
#include "support/RuntimeLink.h"

// Arguments: byte set, source name, target name, optional logical variable by reference that
// receives whether the conversion succeeded. Result: the converted byte set, empty on failure.
void ConvertEncoding(ArgRecord* result, int32_t n, ArgRecord* args);

// ---- the buffer policy, apart from the converter that it drives ----

enum class StepOutcome { Done, OutOfRoom, Failed };
// One call of the converter: converts from *in (*inLeft bytes) into *out (*outLeft bytes of
// room), advancing all four as it goes.
using ConversionStep = StepOutcome (*)(void* converter, const char** in, size_t* inLeft, char** out, size_t* outLeft);

inline constexpr int kMaxConversionCalls = 12;
// The step by which the work buffer grows for an input of `length` bytes.
constexpr size_t ConversionGrowthStep(size_t length) { return length / 2 + 128; }

struct ConversionResult {
    bool succeeded;
    ByteSet* bytes;  // owned by the caller; null when empty
};

// Drives `step` over the input with a work buffer of `length` bytes from the C heap that grows by
// ConversionGrowthStep(length) whenever the output room runs out, for at most kMaxConversionCalls
// calls. The converted bytes become a byte set from the runtime heap; any failure gives nothing.
ConversionResult RunGrowingConversion(const ByteSet* input, ConversionStep step, void* converter, const RuntimeLink& runtime);
