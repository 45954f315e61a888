// Conversion commands (ToText, ToByteSet, ToNumber, ToInteger) over every value kind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "commands/Calls.h"
#include "commands/GbkText.h"
#include "commands/TextCommands.h"
#include "tests/support/WindowDriver.h"

namespace {

using testing_support::ToHex;

ArgRecord Typed(TypeCode type, uint32_t low) {
    ArgRecord a{};
    a.data.words.low = low;
    a.type = type;
    return a;
}

// A one-dimensional integer array {0x64636261 ("abcd"), 0} and a 1 x 2 one.
struct Arrays {
    Array vector{kTypeInt}, matrix{kTypeInt}, texts{kTypeText};
    Arrays() {
        const int32_t two[] = {2}, oneByTwo[] = {1, 2};
        vector.Redim(two, 1);
        vector.At<int32_t>(1) = 0x64636261;
        matrix.Redim(oneByTwo, 2);
        matrix.At<int32_t>(1) = 0x64636261;
        texts.Redim(two, 1);
    }
};

void Subroutine() {}

TEST(ToText, EveryKind) {
    Arrays arrays;
    Bytes withZero = Bytes::Copy(std::string_view("ab\0c", 4));
    const double halfMinute = 30.0 / 1440, fiveSeconds = 5.0 / 86400;
    const struct {
        ArgRecord value;
        const char* expected;
    } cases[] = {
        {ArgRecord::Int(-5), "-5"},
        {Typed(kTypeByte, 200), "200"},
        {Typed(kTypeShort, 0xFFFD), "-3"},
        {ArgRecord::Long(-1234567890123), "-1234567890123"},
        {ArgRecord::Double(0.1), "0.1"},
        {ArgRecord::Double(1.0 / 3), "0.3333333333333"},
        {ArgRecord::Double(123456789012345.0), "1.234567890123e+14"},
        {ArgRecord::Double(1e20), "1e+20"},
        {ArgRecord::Double(-0.5), "-0.5"},
        {ArgRecord::Float(0.1f), "0.1"},
        {ArgRecord::Float(1234567.0f), "1.23457e+06"},
        {ArgRecord::Float(-100.0f), "-100"},
        {ArgRecord::Logical(true), "真"},
        {ArgRecord::Logical(false), "假"},
        {ArgRecord::DateTime(45000.0), "2023年3月15日"},
        {ArgRecord::DateTime(45000.5), "2023年3月15日12时"},
        {ArgRecord::DateTime(45000.5 + halfMinute), "2023年3月15日12时30分"},
        {ArgRecord::DateTime(45000.5 + fiveSeconds), "2023年3月15日12时0分5秒"},
        {ArgRecord::DateTime(0.0), "1899年12月30日"},
        {ArgRecord::DateTime(-1.25), "1899年12月29日6时"},  // negative dates: the fraction counts forward
        {ArgRecord::DateTime(36526.999999999), "2000年1月2日"},  // rounded to the second
        {ArgRecord::DateTime(-657434.0), "100年1月1日"},
        {ArgRecord::DateTime(3000000.0), "9999年12月31日"},
        {ArgRecord::Text("文本"), "文本"},
        {ArgRecord::Bytes(withZero.Get()), "ab"},
        {ArgRecord::Pointer(arrays.vector.Get(), kTypeInt | kTypeArrayFlag), "abcd"},
        {ArgRecord::Pointer(arrays.matrix.Get(), kTypeInt | kTypeArrayFlag), ""},
        {ArgRecord::Pointer(arrays.texts.Get(), kTypeText | kTypeArrayFlag), ""},
        {ArgRecord::Pointer(reinterpret_cast<void*>(&Subroutine), kTypeSubroutine), ""},
        {ArgRecord::Empty(), ""},
    };
    for (const auto& c : cases) {
        ArgRecord r = cmd::Call(ToText, c.value);
        EXPECT_EQ(r.type, kTypeText);
        Text t = cmd::TakeText(r);
        EXPECT_EQ(t.View(), c.expected) << "kind " << std::hex << c.value.type;
        EXPECT_EQ(t.Empty(), !*c.expected);
    }
}

TEST(ToByteSet, StoredFormsAndBytes) {
    Arrays arrays;
    Bytes source = Bytes::Copy("\x01\x00\x02", 3);
    void* routine = reinterpret_cast<void*>(&Subroutine);
    const struct {
        ArgRecord value;
        std::string expectedHex;
    } cases[] = {
        {ArgRecord::Text("test"), "74657374"},
        {ArgRecord::Int(1), "01000000"},
        {Typed(kTypeByte, 0xFE), "fe"},
        {Typed(kTypeShort, 0x1234), "3412"},
        {ArgRecord::Long(0x0102030405060708), "0807060504030201"},
        {ArgRecord::Float(1.0f), "0000803f"},
        {ArgRecord::Double(1.0), "000000000000f03f"},
        {ArgRecord::Logical(true), "01000000"},
        {ArgRecord::DateTime(2.0), "0000000000000040"},
        {ArgRecord::Pointer(routine, kTypeSubroutine), ToHex({reinterpret_cast<const char*>(&routine), sizeof routine})},
        {ArgRecord::Bytes(source.Get()), "010002"},
        {ArgRecord::Pointer(arrays.vector.Get(), kTypeInt | kTypeArrayFlag), "6162636400000000"},
        {ArgRecord::Pointer(arrays.matrix.Get(), kTypeInt | kTypeArrayFlag), ""},
        {ArgRecord::Text(""), ""},
        {ArgRecord::Empty(), ""},
    };
    for (const auto& c : cases) {
        ArgRecord r = cmd::Call(ToByteSet, c.value);
        EXPECT_EQ(r.type, kTypeByteSet);
        Bytes b = cmd::TakeBytes(r);
        EXPECT_EQ(ToHex(std::string(b.View())), c.expectedHex) << "kind " << std::hex << c.value.type;
        EXPECT_EQ(b.Empty(), c.expectedHex.empty());
    }
    Bytes copy = cmd::TakeBytes(cmd::Call(ToByteSet, source));
    EXPECT_NE(copy.Get(), source.Get());
}

// One table for both numeric conversions: texts are read as atof and atoi read them, other
// kinds give their value (ToInteger keeping the low 32 bits of integers, truncating floating
// values toward zero and giving the nearer end of the 32-bit range beyond it, as for texts).
TEST(ToNumberAndToInteger, EveryKindAndTextsAsAtofAndAtoiReadThem) {
    Arrays arrays;
    const struct {
        ArgRecord value;
        double number;
        int32_t integer;
    } cases[] = {
        {ArgRecord::Text("  -12.5e1xyz"), -125.0, -12},
        {ArgRecord::Text("１２.５"), 12.5, 12},  // full-width digits and point
        {ArgRecord::Text("１２"), 12.0, 12},
        {ArgRecord::Text("　+.5"), 0.5, 0},      // ideographic space
        {ArgRecord::Text(" +42abc"), 42.0, 42},
        {ArgRecord::Text("　－７"), -7.0, -7},
        {ArgRecord::Text("3.9"), 3.9, 3},
        {ArgRecord::Text("7e"), 7.0, 7},
        {ArgRecord::Text("99999999999"), 99999999999.0, INT32_MAX},
        {ArgRecord::Text("-99999999999"), -99999999999.0, INT32_MIN},
        {ArgRecord::Text("abc"), 0.0, 0},
        {ArgRecord::Text("x1"), 0.0, 0},
        {ArgRecord::Text("0x10"), 0.0, 0},
        {ArgRecord::Text("inf"), 0.0, 0},
        {ArgRecord::Text("-"), 0.0, 0},
        {ArgRecord::Logical(true), 1.0, 1},
        {Typed(kTypeByte, 255), 255.0, 255},
        {Typed(kTypeShort, 0xFFFE), -2.0, -2},
        {Typed(kTypeShort, 0xFFFD), -3.0, -3},
        {ArgRecord::Int(-7), -7.0, -7},
        {ArgRecord::Long(int64_t{1} << 40), 1099511627776.0, 0},
        {ArgRecord::Long(0x100000005), 4294967301.0, 5},
        {ArgRecord::Float(0.5f), 0.5, 0},
        {ArgRecord::Float(3.9f), static_cast<double>(3.9f), 3},  // widened, not rounded to 3.9
        {ArgRecord::Double(-2.25), -2.25, -2},
        {ArgRecord::Double(-2.7), -2.7, -2},
        {ArgRecord::Double(1e10), 1e10, INT32_MAX},
        {ArgRecord::Double(3e9), 3e9, INT32_MAX},
        {ArgRecord::Double(2147483647.9), 2147483647.9, INT32_MAX},
        {ArgRecord::Double(2147483648.0), 2147483648.0, INT32_MAX},
        {ArgRecord::Double(-2147483648.9), -2147483648.9, INT32_MIN},
        {ArgRecord::Double(-3e9), -3e9, INT32_MIN},
        {ArgRecord::Float(3e9f), static_cast<double>(3e9f), INT32_MAX},
        {ArgRecord::Float(-3e9f), static_cast<double>(-3e9f), INT32_MIN},
        {ArgRecord::DateTime(5.0), 0.0, 0},
        {ArgRecord::Pointer(arrays.vector.Get(), kTypeInt | kTypeArrayFlag), 0.0, 0},
        {ArgRecord::Empty(), 0.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << std::hex << c.value.type << " " << std::dec << c.number);
        ArgRecord number = cmd::Call(ToNumber, c.value);
        EXPECT_EQ(number.type, kTypeDouble);
        EXPECT_EQ(number.data.f64, c.number);
        ArgRecord integer = cmd::Call(ToInteger, c.value);
        EXPECT_EQ(integer.type, kTypeInt);
        EXPECT_EQ(integer.AsInt(), c.integer);
    }
    // A subroutine pointer: its address, unsigned, and its low 32 bits.
    void* routine = reinterpret_cast<void*>(&Subroutine);
    const uintptr_t address = reinterpret_cast<uintptr_t>(routine);
    EXPECT_EQ(cmd::AsDouble(cmd::Call(ToNumber, ArgRecord::Pointer(routine, kTypeSubroutine))), static_cast<double>(address));
    EXPECT_EQ(cmd::AsInt(cmd::Call(ToInteger, ArgRecord::Pointer(routine, kTypeSubroutine))),
              static_cast<int32_t>(static_cast<uint32_t>(address)));
}

TEST(HalfWidth, FullWidthFormsBecomeAscii) {
    const std::pair<const char*, const char*> cases[] = {
        {"ＡＢ１！～", "AB1!~"},           // A3xx forms; ～ is A3FE
        {"\xA1\xA1" "\xA1\xAB" "\xA1\xEE" "\xA1\xEF", " ~**"},
        {"中\xA1\xA2" "a", "中\xA1\xA2" "a"},  // other characters copied
        {"1\xA3", "1"},                      // a broken character ends it
    };
    for (auto [in, expected] : cases) EXPECT_EQ(gbk::HalfWidth(in, std::strlen(in)), expected) << in;
}

}  // namespace
