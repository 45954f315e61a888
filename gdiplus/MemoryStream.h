// MemoryStream: a COM stream over a block of movable global memory, through which GDI+ reads
// pictures from bytes and writes encoded pictures back into bytes. No base class; destroy
// releases what the object holds.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstdint>

#include "gdiplus/PlusObject.h"
#include "runtime/Values.h"

namespace gdip {

struct MemoryStream;

struct MemoryStreamOps {
    static void destroy(ProgramObject* self);
    static ProgramObject* copy(ProgramObject* self);
    // Releases what the object holds, then a block of the size (default: the data's length)
    // with the data's bytes (at most size of them; the rest zero) and a stream over it.
    static IStream* Create(MemoryStream* self, Optional<const ByteSet*> data, Optional<int32_t> size);
    // Only when a stream exists: the stream's Release, GlobalFree of the block, both fields 0.
    static void Release(MemoryStream* self);
    static SIZE_T GetSize(MemoryStream* self);
    static IStream* GetStream(MemoryStream* self);
    static HGLOBAL GetGlobal(MemoryStream* self);
    // Releases what the object holds and takes the stream and its block; whether it has a block.
    static bool Attach(MemoryStream* self, IStream* stream);
    // A byte set of the block's whole size.
    static ByteSet* GetBytes(MemoryStream* self);
};

struct MemoryStream : ProgramObject {
    HGLOBAL global;
    void* locked;  // the address last returned by locking the block (kept after unlocking)
    IStream* stream;
    GDIP_MEMORY_STREAM_OPERATIONS(GDIP_ACCESSOR, GDIP_SKIP_SHARED)
};

GDIP_MEMORY_STREAM_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)

}  // namespace gdip
