#include "gdiplus/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "gdiplus/SystemCalls.h"

namespace gdip {

void MemoryStreamOps::destroy(ProgramObject* self) { static_cast<MemoryStream*>(self)->Release(); }

ProgramObject* MemoryStreamOps::copy(ProgramObject* self) {
    auto* copy = static_cast<MemoryStream*>(RuntimeAlloc(sizeof(MemoryStream)));
    std::memcpy(static_cast<void*>(copy), self, sizeof(MemoryStream));
    return copy;
}

IStream* MemoryStreamOps::Create(MemoryStream* self, Optional<const ByteSet*> data, Optional<int32_t> size) {
    self->Release();
    const ByteSet* bytes = data.Or(nullptr);
    const size_t blockSize = size.given ? static_cast<size_t>(std::max(size.value, 0)) : ByteSetLength(bytes);
    const HGLOBAL block = sys::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (!block) return nullptr;
    IStream* stream = nullptr;
    if (FAILED(sys::CreateStreamOnHGlobal(block, FALSE, &stream))) {
        sys::GlobalFree(block);
        return nullptr;
    }
    self->global = block;
    self->stream = stream;
    self->locked = sys::GlobalLock(block);
    if (self->locked && bytes) std::memcpy(self->locked, bytes->Bytes(), std::min(blockSize, ByteSetLength(bytes)));
    sys::GlobalUnlock(block);
    return stream;
}

void MemoryStreamOps::Release(MemoryStream* self) {
    if (!self->stream) return;
    self->stream->Release();
    sys::GlobalFree(self->global);
    self->global = nullptr;
    self->stream = nullptr;
}

SIZE_T MemoryStreamOps::GetSize(MemoryStream* self) { return self->global ? sys::GlobalSize(self->global) : 0; }

IStream* MemoryStreamOps::GetStream(MemoryStream* self) { return self->stream; }

HGLOBAL MemoryStreamOps::GetGlobal(MemoryStream* self) { return self->global; }

bool MemoryStreamOps::Attach(MemoryStream* self, IStream* stream) {
    self->Release();
    HGLOBAL block = nullptr;
    if (stream) sys::GetHGlobalFromStream(stream, &block);
    self->global = block;
    self->stream = stream;
    return block != nullptr;
}

ByteSet* MemoryStreamOps::GetBytes(MemoryStream* self) {
    if (!self->global) return nullptr;
    self->locked = sys::GlobalLock(self->global);
    ByteSet* bytes = self->locked ? MakeByteSet(self->locked, sys::GlobalSize(self->global)) : nullptr;
    sys::GlobalUnlock(self->global);
    return bytes;
}

}  // namespace gdip
