// The operations program code runs inline: joining texts, comparing texts, joining byte sets.
#include <gtest/gtest.h>

#include "commands/TextOperations.h"

namespace {

TEST(ConcatTexts, JoinsPartsIntoOneHeapBlock) {
    Text middle = Text::Copy("中");
    Text joined = ConcatTexts("ab", middle, static_cast<const char*>(nullptr), SharedEmptyText(), "c");
    EXPECT_EQ(joined.View(), "ab中c");

    // all parts empty: still a block, holding only the terminator, equal to the null text
    Text empty = ConcatTexts("", static_cast<const char*>(nullptr));
    ASSERT_NE(empty.Get(), nullptr);
    EXPECT_FALSE(InConstantRegion(empty.Get()));
    EXPECT_EQ(empty.Get()[0], 0);
    EXPECT_EQ(CompareTexts(empty.Get(), nullptr), 0);
}

TEST(CompareTexts, UnsignedBytesAsStrcmp) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"a", "b", -1},    {"b", "a", 1},  {"ab", "abc", -1}, {"abc", "abc", 0},
        {"\x81", "a", 1},  // bytes compare unsigned
        {nullptr, "", 0},  {"", nullptr, 0}, {nullptr, "a", -1},
    };
    for (const auto& c : cases) {
        int r = CompareTexts(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << (c.a ? c.a : "null") << " vs " << (c.b ? c.b : "null");
    }
}

TEST(ConcatByteSets, JoinsBytesAndGivesNullWhenEmpty) {
    Bytes ab = Bytes::Copy("ab", 2);
    Bytes zero = Bytes::Copy(std::string_view("c\0", 2));
    Bytes joined = ConcatByteSets(ab, static_cast<const ByteSet*>(nullptr), SharedEmptyByteSet(), zero);
    EXPECT_EQ(joined.View(), std::string_view("abc\0", 4));
    EXPECT_EQ(joined.Get()->one, 1);
    EXPECT_TRUE(ConcatByteSets(static_cast<const ByteSet*>(nullptr), SharedEmptyByteSet()).Empty());
}

}  // namespace
