// Text and conversion commands of the system core library. Each is a command entry (result
// record, argument count, first argument); program code calls them through cmd::Call.
// Positions are 1-based byte positions; searching, replacing and case changes step over GBK
// double-byte characters as units. Text and byte-set results are new values owned by the
// caller, null when empty.
#pragma once
#include "runtime/ArgRecord.h"

// FindText(T, S [, start [, ignoreCase]]) -> integer: position of S in T, or -1.
void FindText(ArgRecord* result, int32_t n, ArgRecord* args);
// MidText(T, start, length) -> text: the bytes from start, at most length of them.
void MidText(ArgRecord* result, int32_t n, ArgRecord* args);
// ReplaceText(T, S [, R [, start [, count [, caseSensitive]]]]) -> text.
void ReplaceText(ArgRecord* result, int32_t n, ArgRecord* args);
// ToLowerCase(T) -> text: ASCII letters outside double-byte characters lowered.
void ToLowerCase(ArgRecord* result, int32_t n, ArgRecord* args);
// ToText(any) -> text.
void ToText(ArgRecord* result, int32_t n, ArgRecord* args);
// ToByteSet(any) -> byte set.
void ToByteSet(ArgRecord* result, int32_t n, ArgRecord* args);
// ToNumber(any) -> double.
void ToNumber(ArgRecord* result, int32_t n, ArgRecord* args);
// ToInteger(any) -> integer.
void ToInteger(ArgRecord* result, int32_t n, ArgRecord* args);
// TextLength(T) -> integer: bytes before the terminating zero.
void TextLength(ArgRecord* result, int32_t n, ArgRecord* args);
// SpacesText(n) -> text of n blanks.
void SpacesText(ArgRecord* result, int32_t n, ArgRecord* args);
// PointerToText(address) -> text: a copy of the zero-terminated bytes at the address.
void PointerToText(ArgRecord* result, int32_t n, ArgRecord* args);
