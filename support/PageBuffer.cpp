#include "support/PageBuffer.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Static storage: the count in use, one in-use byte per block, then the blocks.
struct PoolStorage {
    int inUse;
    uint8_t used[SmallBlockPool::kBlockCount];
    alignas(16) uint8_t blocks[SmallBlockPool::kBlockCount][SmallBlockPool::kBlockSize];
};
PoolStorage gPool;

uint8_t* HeapBlock(size_t n) {
    return static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, n));
}

}  // namespace

uint8_t* SmallBlockPool::Take() {
    if (gPool.inUse >= kBlockCount) return nullptr;
    for (int i = 0; i < kBlockCount; ++i) {
        if (!gPool.used[i]) {
            gPool.used[i] = 1;
            ++gPool.inUse;
            return gPool.blocks[i];
        }
    }
    return nullptr;
}

void SmallBlockPool::Release(uint8_t* block) {
    auto index = (block - &gPool.blocks[0][0]) / static_cast<ptrdiff_t>(kBlockSize);
    if (gPool.used[index]) {
        gPool.used[index] = 0;
        --gPool.inUse;
    }
}

bool SmallBlockPool::Owns(const uint8_t* p) {
    return p >= &gPool.blocks[0][0] && p < &gPool.blocks[0][0] + sizeof gPool.blocks;
}

int SmallBlockPool::InUse() { return gPool.inUse; }

bool PageBuffer::Resize(size_t n) {
    if (n == 0) {
        Release();
        return true;
    }
    if (n > std::numeric_limits<size_t>::max() - kHeadroom) return false;
    if (!data_) {
        if (n <= SmallBlockPool::kBlockSize) {
            if (uint8_t* block = SmallBlockPool::Take()) {
                data_ = block;
                capacity_ = SmallBlockPool::kBlockSize;
                length_ = n;
                return true;
            }
        }
        uint8_t* block = HeapBlock(n + kHeadroom);
        if (!block) return false;
        data_ = block;
        capacity_ = n + kHeadroom;
        length_ = n;
        return true;
    }
    if (capacity_ >= n && (InPool() || capacity_ - n <= kMaxSpareRoom)) {
        length_ = n;
        return true;
    }
    if (InPool()) {
        uint8_t* block = HeapBlock(n + kHeadroom);
        if (!block) return false;
        std::memcpy(block, data_, std::min(n, length_));
        SmallBlockPool::Release(data_);
        data_ = block;
    } else {
        auto* block = static_cast<uint8_t*>(HeapReAlloc(GetProcessHeap(), 0, data_, n + kHeadroom));
        if (!block) return false;
        data_ = block;
    }
    capacity_ = n + kHeadroom;
    length_ = n;
    return true;
}

bool PageBuffer::Append(const void* bytes, size_t k) {
    if (k == 0) return true;
    if (k > std::numeric_limits<size_t>::max() - length_) return false;
    size_t oldLength = length_;
    if (!Resize(length_ + k)) return false;
    std::memcpy(data_ + oldLength, bytes, k);
    return true;
}

void PageBuffer::Release() {
    if (!data_) return;
    if (InPool()) SmallBlockPool::Release(data_);
    else HeapFree(GetProcessHeap(), 0, data_);
    data_ = nullptr;
    capacity_ = 0;
    length_ = 0;
}
