#include "support/RuntimeLink.h"

#include <cstring>
#include <limits>

ByteSet* RuntimeLink::MakeByteSet(const void* bytes, size_t n) const {
    if (n == 0 || n > std::numeric_limits<uint32_t>::max() - sizeof(ByteSet)) return nullptr;
    auto* block = reinterpret_cast<ByteSet*>(
        static_cast<intptr_t>(notify_(2024, static_cast<intptr_t>(n + sizeof(ByteSet)), 1)));
    if (!block) return nullptr;
    block->one = 1;
    block->length = static_cast<uint32_t>(n);
    std::memcpy(block->Bytes(), bytes, n);
    return block;
}
