// PageBuffer: pool blocks for small sizes, heap blocks with 128 bytes of headroom, the spare-room
// rule, and the pool's 96 blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "support/PageBuffer.h"

namespace {

TEST(PageBuffer, GrowsAndShrinksByItsRules) {
    struct Step {
        size_t resizeTo;
        bool inPool;
        size_t capacity;
    };
    // Each step resizes the same buffer; contents written so far must survive every move.
    const Step steps[] = {
        {100, true, 512},     // small: a pool block
        {512, true, 512},     // still fits the pool block
        {40, true, 512},      // a pool block never shrinks
        {513, false, 641},    // moves to a heap block of n + 128
        {700, false, 828},    // grows: reallocated to n + 128
        {600, false, 828},    // spare room 228 <= 256: only the length changes
        {560, false, 688},    // spare room 268 > 256: given back
        {10240, false, 10368},
    };
    PageBuffer b;
    EXPECT_TRUE(b.Resize(0));
    EXPECT_EQ(b.Data(), nullptr);
    size_t valid = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.resizeTo);
        ASSERT_TRUE(b.Resize(s.resizeTo));
        EXPECT_EQ(b.Length(), s.resizeTo);
        EXPECT_EQ(b.InPool(), s.inPool);
        EXPECT_EQ(b.Capacity(), s.capacity);
        valid = std::min(valid, s.resizeTo);
        for (size_t i = 0; i < valid; ++i) ASSERT_EQ(b.Data()[i], static_cast<uint8_t>(i)) << i;
        for (size_t i = valid; i < s.resizeTo; ++i) b.Data()[i] = static_cast<uint8_t>(i);
        valid = s.resizeTo;
    }
    EXPECT_TRUE(b.Resize(0));
    EXPECT_EQ(b.Data(), nullptr);
    EXPECT_EQ(b.Length(), 0u);
}

TEST(PageBuffer, AppendsBehindTheEnd) {
    PageBuffer b;
    EXPECT_TRUE(b.Append("abc", 3));
    EXPECT_TRUE(b.Append("", 0));
    EXPECT_TRUE(b.Append("defg", 4));
    ASSERT_EQ(b.Length(), 7u);
    EXPECT_EQ(std::memcmp(b.Data(), "abcdefg", 7), 0);
    std::vector<uint8_t> big(5000, 0x5A);
    EXPECT_TRUE(b.Append(big.data(), big.size()));
    EXPECT_FALSE(b.InPool());
    EXPECT_EQ(std::memcmp(b.Data(), "abcdefg", 7), 0);
    EXPECT_EQ(b.Data()[5006], 0x5A);
}

TEST(PageBuffer, HeapRefusalLeavesTheBufferAsItWas) {
    PageBuffer b;
    ASSERT_TRUE(b.Append("xyz", 3));
    const size_t huge = std::numeric_limits<size_t>::max() / 2;
    for (size_t n : {huge, std::numeric_limits<size_t>::max() - 10}) {
        EXPECT_FALSE(b.Resize(n));
        EXPECT_EQ(b.Length(), 3u);
        EXPECT_EQ(std::memcmp(b.Data(), "xyz", 3), 0);
    }
    PageBuffer empty;
    EXPECT_FALSE(empty.Resize(huge));
    EXPECT_EQ(empty.Data(), nullptr);
}

TEST(SmallBlockPool, NinetySixBlocksLowestFreeFirst) {
    const int before = SmallBlockPool::InUse();
    std::vector<std::unique_ptr<PageBuffer>> buffers;
    for (int i = before; i < SmallBlockPool::kBlockCount; ++i) {
        buffers.push_back(std::make_unique<PageBuffer>());
        ASSERT_TRUE(buffers.back()->Resize(1));
        EXPECT_TRUE(buffers.back()->InPool());
    }
    EXPECT_EQ(SmallBlockPool::InUse(), SmallBlockPool::kBlockCount);
    PageBuffer overflow;
    ASSERT_TRUE(overflow.Resize(1));
    EXPECT_FALSE(overflow.InPool());
    EXPECT_EQ(overflow.Capacity(), 129u);

    // Releasing two blocks: the next small buffer takes the lower of them.
    uint8_t* low = buffers[2]->Data();
    uint8_t* high = buffers[5]->Data();
    ASSERT_LT(low, high);
    buffers[5]->Release();
    buffers[2]->Release();
    EXPECT_EQ(SmallBlockPool::InUse(), SmallBlockPool::kBlockCount - 2);
    PageBuffer next;
    ASSERT_TRUE(next.Resize(10));
    EXPECT_EQ(next.Data(), low);
    buffers.clear();
    next.Release();
    EXPECT_EQ(SmallBlockPool::InUse(), before);
}

}  // namespace
