// Byte-set, arithmetic and bit commands.
#pragma once
#include "runtime/ArgRecord.h"

void ByteSetLength(ArgRecord* result, int32_t n, ArgRecord* args);
