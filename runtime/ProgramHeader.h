// The program header: the fixed record in the program's read-only data that tells the runtime
// where the program's parts lie. The runtime reads it once, in InitRuntime.
#pragma once
#include <cstdint>

struct LibraryDescriptor;

struct ProgramHeader {
    uint32_t buildWord1;                 // not 0: parentless modal or taskbar-less windows are
                                         // owned by the hidden owner window, and start states apply
    uint32_t buildWord2;
    uint32_t buildWord3;
    const void* codeBase;                // every event handler offset of the templates is relative to it
    const char* constantRegionStart;
    const char* constantRegionEnd;       // the linker places the region, so its end rather than its size
    const uint8_t* templateData;
    uint32_t templateDataSize;
    int32_t supportLibraryCount;
    const LibraryDescriptor* const* supportLibraryTable;
};

// A header for programs without templates of their own (the runtime's own test programs): the
// support libraries and the constant region, nothing else.
const ProgramHeader& PlainProgramHeader();
