#include <gtest/gtest.h>

#include <cstring>

#include "runtime/ArgRecord.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/ValueHolders.h"
#include "runtime/Values.h"

namespace {

RT_CONSTANT const char kConstantText[] = "abcd";  // 5 bytes with the terminator
RT_CONSTANT const ConstByteSet<3> kConstantBytes = {1, 3, {7, 8, 9}};
RT_CONSTANT const ConstIntArray<2, 6> kConstantGrid = {2, {2, 3}, {1, 2, 3, 4, 5, 6}};

TEST(ConstantRegion, BeginsWithDefaultIconAndHoldsTheConstants) {
    EXPECT_STREQ(ConstantRegionStart(), "DEFAULT_ICON");
    EXPECT_LT(ConstantRegionStart(), ConstantRegionEnd());
    EXPECT_TRUE(InConstantRegion(kConstantText));
    EXPECT_TRUE(InConstantRegion(&kConstantBytes));
    EXPECT_TRUE(InConstantRegion(&kConstantGrid));
    EXPECT_FALSE(InConstantRegion("a literal outside the region"));
    Text heap = Text::Copy("x");
    EXPECT_FALSE(InConstantRegion(heap.Get()));
}

TEST(ConstantRegion, FreeingAConstantDoesNothing) {
    RuntimeFree(const_cast<char*>(kConstantText));
    RuntimeFree(nullptr);
    EXPECT_STREQ(kConstantText, "abcd");
}

TEST(ConstantRegion, ReallocCopiesOutAndLeavesTheConstant) {
    auto p = static_cast<char*>(RuntimeRealloc(const_cast<char*>(kConstantText), 100));
    ASSERT_FALSE(InConstantRegion(p));
    EXPECT_EQ(std::memcmp(p, "abcd", 5), 0);
    EXPECT_STREQ(kConstantText, "abcd");
    RuntimeFree(p);
}

TEST(ConstantRegion, ReallocNearTheEndCopiesOnlyWhatTheRegionHolds) {
    // The last byte of the region is its end marker; 100 bytes requested, 1 copied.
    const char* last = ConstantRegionEnd() - 1;
    auto p = static_cast<char*>(RuntimeRealloc(const_cast<char*>(last), 100));
    EXPECT_EQ(p[0], *last);
    RuntimeFree(p);
}

TEST(Arrays, MakeArrayWritableCopiesAConstantArrayOnly) {
    ArrayValue* slot = const_cast<ArrayValue*>(kConstantGrid.Get());
    MakeArrayWritable(4, &slot);
    ASSERT_NE(slot, kConstantGrid.Get());
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, slot), 36u);  // 4 + 2 * 4 + 6 * 4
    EXPECT_EQ(std::memcmp(slot, &kConstantGrid, 36), 0);
    ArrayValue* heapArray = slot;
    MakeArrayWritable(4, &slot);
    EXPECT_EQ(slot, heapArray);
    RuntimeFree(slot);
}

TEST(Arrays, EmptyArrayIsOneDimensionOfSizeZero) {
    Array a(kTypeInt);
    ASSERT_EQ(HeapSize(GetProcessHeap(), 0, a.Get()), 8u);
    EXPECT_EQ(a.Get()->dimensionCount, 1);
    EXPECT_EQ(a.Get()->Sizes()[0], 0);
    EXPECT_EQ(a.Count(), 0u);
}

TEST(Arrays, ElementsAreOneBasedAndTextElementsAreOwned) {
    Array a(kTypeText);
    const int32_t sizes[] = {3};
    a.Redim(sizes, 1);
    a.At<char*>(1) = MakeText("one");
    a.At<char*>(3) = MakeText("three");
    EXPECT_STREQ(a.At<char*>(3), "three");
    EXPECT_EQ(a.At<char*>(2), nullptr);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, a.Get()), 4 + 4 + 3 * sizeof(void*));
}

TEST(Texts, EmptyTextIsNull) {
    EXPECT_EQ(MakeText(""), nullptr);
    EXPECT_EQ(MakeText(nullptr), nullptr);
    EXPECT_EQ(MakeText("abc", 0), nullptr);
    EXPECT_EQ(TextLength(nullptr), 0u);
    Text t = Text::Copy("最新");
    EXPECT_EQ(t.Length(), 4u);  // GBK: two bytes a character
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, t.Get()), 5u);
}

TEST(ByteSets, LayoutIsOneLengthBytes) {
    Bytes b = Bytes::Copy("\x01\x02\x03", 3);
    ASSERT_EQ(HeapSize(GetProcessHeap(), 0, b.Get()), 11u);
    auto raw = reinterpret_cast<const uint8_t*>(b.Get());
    const uint8_t expected[] = {1, 0, 0, 0, 3, 0, 0, 0, 1, 2, 3};
    EXPECT_EQ(std::memcmp(raw, expected, 11), 0);
    EXPECT_EQ(MakeByteSet("x", 0), nullptr);
    EXPECT_EQ(ByteSetLength(nullptr), 0u);
}

TEST(Holders, ReplacingFreesThePreviousValue) {
    Text t = Text::Copy("first");
    char* first = t.Get();
    t = Text::Copy("second");
    EXPECT_NE(t.Get(), first);
    t.Reset(const_cast<char*>(kConstantText));  // a constant may be held; freeing it does nothing
    t.Reset();
    EXPECT_STREQ(kConstantText, "abcd");
}

TEST(DateTime, StoredValuesAreClamped) {
    struct Case { double in, out; } cases[] = {
        {3000000.0, 2958465.0}, {-700000.0, -657434.0}, {2958465.0, 2958465.0}, {0.5, 0.5}, {-657434.0, -657434.0},
    };
    for (auto c : cases) {
        EXPECT_EQ(ClampDateTime(c.in), c.out) << c.in;
        EXPECT_EQ(ArgRecord::DateTime(c.in).data.f64, c.out);
    }
}

TEST(Logical, AnyNonZeroIsTrue) {
    EXPECT_EQ(NormaliseLogical(0), 0);
    EXPECT_EQ(NormaliseLogical(1), 1);
    EXPECT_EQ(NormaliseLogical(-5), 1);
    EXPECT_EQ(NormaliseLogical(0x100), 1);
}

TEST(RawBytes, TextStopsAtZeroOrAtTheAvailableBytes) {
    const uint8_t src[] = {'a', 'b', 0, 'c'};
    struct Case { int64_t n; const char* text; size_t consumed; } cases[] = {
        {4, "ab", 3}, {2, "ab", 2}, {1, "a", 1}, {0, nullptr, 0}, {-3, nullptr, 0},
    };
    for (auto c : cases) {
        TextValue t = reinterpret_cast<TextValue>(1);
        EXPECT_EQ(ValueFromRawBytes(kTypeText, src, c.n, &t), c.consumed) << c.n;
        if (c.text) EXPECT_STREQ(t, c.text); else EXPECT_EQ(t, nullptr);
        RuntimeFree(t);
    }
}

TEST(RawBytes, ScalarKinds) {
    const uint8_t word[8] = {0, 0, 1, 0, 0, 0, 0, 0};
    int32_t logical = 7;
    ValueFromRawBytes(kTypeLogical, word, 8, &logical);
    EXPECT_EQ(logical, 1);
    double big = 5e6, d = 0;
    ValueFromRawBytes(kTypeDateTime, reinterpret_cast<const uint8_t*>(&big), 8, &d);
    EXPECT_EQ(d, kDateTimeMax);
    int16_t s = 0;
    const uint8_t two[] = {0x34, 0x12};
    EXPECT_EQ(ValueFromRawBytes(kTypeShort, two, 2, &s), 2u);
    EXPECT_EQ(s, 0x1234);
    ByteSet* b = nullptr;
    ValueFromRawBytes(kTypeByteSet, two, 2, &b);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->length, 2u);
    RuntimeFree(b);
}

TEST(DataSize, AsToByteSetCountsIt) {
    const char* text = "abc";
    const char* none = nullptr;
    Bytes b = Bytes::Copy("12345", 5);
    ByteSet* bp = b.Get();
    int32_t i = 0;
    EXPECT_EQ(ValueDataSize(kTypeText, &text), 4u);
    EXPECT_EQ(ValueDataSize(kTypeText, &none), 1u);
    EXPECT_EQ(ValueDataSize(kTypeByteSet, &bp), 5u);
    EXPECT_EQ(ValueDataSize(kTypeInt, &i), 4u);
    EXPECT_EQ(ValueDataSize(kTypeLong, &i), 8u);
    EXPECT_EQ(ValueDataSize(kTypeByte, &i), 1u);
    EXPECT_EQ(ValueDataSize(kTypeLogical, &i), 4u);
    EXPECT_EQ(ValueDataSize(kTypeDateTime, &i), 8u);
    EXPECT_EQ(ValueDataSize(0x52010001, &i), 0u);
}

TEST(TypeCodes, ClassesAndNumericKinds) {
    EXPECT_EQ(ClassifyId(0), IdClass::None);
    EXPECT_EQ(ClassifyId(0x80000301), IdClass::SystemKind);
    EXPECT_EQ(ClassifyId(0xBFFFFFFF), IdClass::SystemKind);
    EXPECT_EQ(ClassifyId(0x52010001), IdClass::Second);
    EXPECT_EQ(ClassifyId(0x0001001F), IdClass::Third);
    EXPECT_EQ(ClassifyId(0xC0000000), IdClass::Third);
    for (TypeCode t : {kTypeByte, kTypeShort, kTypeInt, kTypeLong, kTypeFloat, kTypeDouble}) EXPECT_TRUE(IsNumericType(t));
    for (TypeCode t : {kTypeLogical, kTypeDateTime, kTypeText, kTypeByteSet, kTypeSubroutine, TypeCode(0x0001001F), kTypeInt | kTypeArrayFlag})
        EXPECT_FALSE(IsNumericType(t));
}

TEST(NumericValues, IntegersStayIntegersFloatsAreFloating) {
    EXPECT_EQ(NumericValueOf(ArgRecord::Int(-5)).integer, -5);
    EXPECT_FALSE(NumericValueOf(ArgRecord::Long(1LL << 40)).floating);
    EXPECT_EQ(NumericValueOf(ArgRecord::Long(1LL << 40)).integer, 1LL << 40);
    EXPECT_DOUBLE_EQ(NumericValueOf(ArgRecord::Double(2.5)).real, 2.5);
    EXPECT_TRUE(NumericValueOf(ArgRecord::Float(1.5f)).floating);
    ArgRecord byte{};
    byte.data.words.low = 0xFF;
    byte.type = kTypeByte;
    EXPECT_EQ(NumericValueOf(byte).integer, 255);
}

TEST(ArgRecords, ThreeWordsAndPointersInTheDataWords) {
    ArgRecord unit = ArgRecord::Unit(0x52010001, 0x16010008, 0x0001001F);
    EXPECT_EQ(unit.data.words.low, 0x52010001u);
    EXPECT_EQ(unit.data.words.high, 0x16010008u);
    EXPECT_EQ(ArgRecord::Logical(true).data.words.low, 1u);
    EXPECT_EQ(ArgRecord::Empty().type, 0u);
    const char* t = "x";
    EXPECT_EQ(ArgRecord::Text(t).AsText(), t);
    int32_t var = 0;
    ArgRecord ref = ArgRecord::Ref(&var, kTypeInt);
    EXPECT_TRUE(ref.IsByReference());
    EXPECT_EQ(ref.Kind(), kTypeInt);
    EXPECT_FALSE(ArgRecord::Int(1).IsByReference());
}

TEST(RuntimeHeapMessages, AllocateFreeReallocAndFreeArray) {
    auto p = reinterpret_cast<char*>(RuntimeNotify(2024, 16, 0));
    ASSERT_NE(p, nullptr);
    p = reinterpret_cast<char*>(RuntimeNotify(2026, reinterpret_cast<intptr_t>(p), 64));
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, p), 64u);
    RuntimeNotify(2025, reinterpret_cast<intptr_t>(p), 0);
    // Flag not 0: a plain allocation that may fail and then gives null.
    EXPECT_EQ(RuntimeNotify(2024, static_cast<intptr_t>(~static_cast<uintptr_t>(0) >> 1), 1), 0);
    const int32_t sizes[] = {2};
    ArrayValue* a = MakeArray(kTypeByteSet, sizes, 1);
    reinterpret_cast<ByteSet**>(a->Elements())[0] = MakeByteSet("ab", 2);
    RuntimeNotify(2023, kTypeByteSet, reinterpret_cast<intptr_t>(a));
}

TEST(RuntimeStart, ProgramFolderIsTheCurrentDirectory) {
    InitRuntime();
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    EXPECT_EQ(Runtime().programFolder, cwd);
    EXPECT_EQ(Runtime().moduleFolder, Runtime().programFolder + "\\");
    char cls[32] = {};
    GetClassNameA(Runtime().hiddenOwnerWindow, cls, sizeof cls);
    EXPECT_STREQ(cls, "_EL_HideOwner");
    EXPECT_FALSE(IsWindowVisible(Runtime().hiddenOwnerWindow));
    EXPECT_EQ(GetWindowLongA(Runtime().hiddenOwnerWindow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
    auto folder = reinterpret_cast<char*>(RuntimeNotify(2003, 0, 0));
    EXPECT_EQ(Runtime().programFolder, folder);
    RuntimeFree(folder);
}

}  // namespace
