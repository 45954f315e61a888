// PageBuffer: the growable byte buffer of the page reader, and the SmallBlockPool of 96 blocks of
// 512 bytes from which small buffers are served without touching the heap.
#pragma once
#include <cstddef>
#include <cstdint>

class SmallBlockPool {
public:
    static constexpr int kBlockCount = 96;
    static constexpr size_t kBlockSize = 512;

    // The lowest free block, marked in use; null when all are in use.
    static uint8_t* Take();
    static void Release(uint8_t* block);
    static bool Owns(const uint8_t* p);
    static int InUse();
};

class PageBuffer {
public:
    PageBuffer() = default;
    ~PageBuffer() { Release(); }
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;

    // Sets the length to n, growing the block when it must; contents up to min(n, old length)
    // are kept. False when the heap refuses: the buffer is then left as it was.
    bool Resize(size_t n);
    // Appends k bytes behind the end (nothing for k == 0).
    bool Append(const void* bytes, size_t k);
    void Release();

    uint8_t* Data() const { return data_; }
    size_t Length() const { return length_; }
    size_t Capacity() const { return capacity_; }
    bool InPool() const { return data_ && SmallBlockPool::Owns(data_); }

private:
    static constexpr size_t kHeadroom = 128;    // a heap block is taken this much larger
    static constexpr size_t kMaxSpareRoom = 256;  // more spare room than this gives memory back

    uint8_t* data_ = nullptr;
    size_t capacity_ = 0;
    size_t length_ = 0;
};
