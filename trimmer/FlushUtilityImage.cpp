#include "trimmer/FlushUtilityImage.h"

// The utility's bytes are taken from its program file at build time. The block goes into the
// constant region's section beside every RT_CONSTANT definition; FLUSH_UTILITY_FILE names the
// file (set by the build).
__asm__(
    ".section .rdata$rtconst_m,\"dr\"\n"
    ".balign 4\n"
    ".globl disctool_FlushUtilityImage\n"
    "disctool_FlushUtilityImage:\n"
    ".long 1\n"
    ".long 2f - 1f\n"
    "1:\n"
    ".incbin \"" FLUSH_UTILITY_FILE "\"\n"
    "2:\n"
    ".text\n");
