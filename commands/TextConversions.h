// Conversions of any typed value (an ArgRecord) to text, byte set, double and integer, as the
// conversion commands make them. Other commands that show values (the message box) format
// numbers, logicals and dates with ValueToText too.
#pragma once
#include <cstdint>

#include "runtime/ArgRecord.h"
#include "runtime/ValueHolders.h"

// ToText: numbers in C printf style ("%u", "%d", "%.6g" for floats, "%.13g" for doubles),
// logicals as "真"/"假", dates as "Y年M月D日" with the time parts that are not zero, a copy of a
// text, the bytes of a byte set or numeric one-dimensional array up to the first zero byte.
// Other kinds give the empty text.
Text ValueToText(const ArgRecord& value);

// ToByteSet: the stored form (little-endian) of numbers, logicals, dates and subroutine
// pointers, the bytes of a text (without its zero), a copy of a byte set, the elements of a
// numeric one-dimensional array; the empty byte set for other kinds.
Bytes ValueToByteSet(const ArgRecord& value);

// ToNumber: the value as a double; texts are read as atof reads their half-width form.
double ValueToNumber(const ArgRecord& value);

// ToInteger: the value as a 32-bit integer; floating values are truncated toward zero (see
// SaturateToInt32), texts read as atoi reads their half-width form.
int32_t ValueToInteger(const ArgRecord& value);

// A double as a 32-bit integer: truncated toward zero, a value beyond the range gives the nearer
// end of it (as texts read beyond it do), NaN the processor's "integer indefinite" INT32_MIN.
// Never undefined.
int32_t SaturateToInt32(double d);
