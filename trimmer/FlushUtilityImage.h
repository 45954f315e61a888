// The flush utility's program file, carried in the constant region as a byte set block (the
// constant 1, the length, then the bytes of the utility built with this program, for the same
// processor).
#pragma once
#include "runtime/Values.h"

// The assembler name is fixed, since the block is laid out by assembler directives (the i686
// build would otherwise prefix C names with an underscore).
extern const ByteSet FlushUtilityImage __asm__("disctool_FlushUtilityImage");
