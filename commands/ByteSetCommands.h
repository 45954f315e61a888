// Byte-set, arithmetic and bit commands.
#pragma once
#include "runtime/ArgRecord.h"

void ByteSetLength(ArgRecord* result, int32_t n, ArgRecord* args);
void BlankByteSet(ArgRecord* result, int32_t n, ArgRecord* args);
void ByteSetData(ArgRecord* result, int32_t n, ArgRecord* args);
void ByteSetRight(ArgRecord* result, int32_t n, ArgRecord* args);
void ByteSetMiddle(ArgRecord* result, int32_t n, ArgRecord* args);
void PointerToByteSet(ArgRecord* result, int32_t n, ArgRecord* args);
void ShiftRight(ArgRecord* result, int32_t n, ArgRecord* args);
void BitAnd(ArgRecord* result, int32_t n, ArgRecord* args);
void BitOr(ArgRecord* result, int32_t n, ArgRecord* args);
void BitNot(ArgRecord* result, int32_t n, ArgRecord* args);
void IntegerDivide(ArgRecord* result, int32_t n, ArgRecord* args);
void Remainder(ArgRecord* result, int32_t n, ArgRecord* args);
void AbsoluteValue(ArgRecord* result, int32_t n, ArgRecord* args);
void RoundDown(ArgRecord* result, int32_t n, ArgRecord* args);
void Sine(ArgRecord* result, int32_t n, ArgRecord* args);
void Cosine(ArgRecord* result, int32_t n, ArgRecord* args);
void SeedRandom(ArgRecord* result, int32_t n, ArgRecord* args);
void RandomNumber(ArgRecord* result, int32_t n, ArgRecord* args);
void RgbColour(ArgRecord* result, int32_t n, ArgRecord* args);
void CurrentDateTime(ArgRecord* result, int32_t n, ArgRecord* args);
