// Text commands through the command-call entry: searching, replacing, cutting, case, lengths.
// GBK bytes are spelled out where the trail byte matters: "\x81" "A" is one double-byte
// character whose trail byte is the letter A.
#include <gtest/gtest.h>

#include <string>

#include "commands/Calls.h"
#include "commands/TextCommands.h"

namespace {

const ArgRecord kLeftOut = ArgRecord::Empty();

std::string TextOf(const ArgRecord& r) {
    EXPECT_EQ(r.type, kTypeText);
    return std::string(cmd::TakeText(r).View());
}

struct FindCase {
    const char* t;
    const char* s;
    ArgRecord start;
    ArgRecord ignoreCase;
    int32_t expected;
};

TEST(FindText, PositionsStartsCaseAndDoubleByteCharacters) {
    const FindCase cases[] = {
        {"C:\\x\\INDEXES\\a.json", "indexes", kLeftOut, ArgRecord::Logical(true), 6},
        {"C:\\x\\INDEXES\\a.json", "indexes", kLeftOut, ArgRecord::Logical(false), -1},
        {"C:\\x\\INDEXES\\a.json", "indexes", kLeftOut, kLeftOut, -1},
        {"C:\\x\\INDEXES\\a.json", "indexes", kLeftOut, ArgRecord::Int(2), -1},  // only exactly 1 ignores case
        {"abcabc", "bc", ArgRecord::Int(0), kLeftOut, 2},
        {"abcabc", "bc", ArgRecord::Int(-5), kLeftOut, 2},
        {"abcabc", "bc", ArgRecord::Int(1), kLeftOut, 2},
        {"abcabc", "bc", ArgRecord::Int(3), kLeftOut, 5},  // position in T, not in the window
        {"abcabc", "bc", ArgRecord::Int(6), kLeftOut, -1},
        {"abcabc", "bc", ArgRecord::Int(7), kLeftOut, -1},
        {"abc", "", kLeftOut, kLeftOut, 1},
        {"abc", "", ArgRecord::Int(3), kLeftOut, 1},
        {"abc", "", ArgRecord::Int(4), kLeftOut, -1},
        {"", "", kLeftOut, kLeftOut, -1},
        {"", "a", kLeftOut, kLeftOut, -1},
        {"ab", "abc", kLeftOut, kLeftOut, -1},
        // never a match at a trail byte, even when the trail byte and what follows spell S
        {"\x81" "AB", "AB", kLeftOut, kLeftOut, -1},
        {"\x81" "AB", "ab", kLeftOut, ArgRecord::Logical(true), -1},
        {"x\x81" "ABAB", "AB", kLeftOut, kLeftOut, 5},
        {"中文中文", "\xD0\xCE", kLeftOut, kLeftOut, -1},  // 中 is D6 D0, 文 is CE C4
        {"ab中文", "文", kLeftOut, kLeftOut, 5},
        {"中A", "a", kLeftOut, ArgRecord::Logical(true), 3},
        {"x\xC1\xC1", "\xE1\xE1", kLeftOut, ArgRecord::Logical(true), -1},  // only ASCII letters fold
        // a start inside a character begins the walk there
        {"\xD6\xD0" "A", "\xD0" "A", ArgRecord::Int(2), kLeftOut, 2},
        // a broken character at the end is still compared before the walk ends
        {"ab\x81", "\x81", kLeftOut, kLeftOut, 3},
        {"a\x81", "b", kLeftOut, kLeftOut, -1},
    };
    for (const FindCase& c : cases) {
        ArgRecord r = cmd::Call(FindText, c.t, c.s, c.start, c.ignoreCase);
        EXPECT_EQ(r.type, kTypeInt);
        EXPECT_EQ(r.AsInt(), c.expected) << c.t << " / " << c.s;
    }
    // fewer records than arguments: the rest count as left out
    EXPECT_EQ(cmd::AsInt(cmd::Call(FindText, "xAx", "A")), 2);
}

struct ReplaceCase {
    const char* t;
    const char* s;
    ArgRecord r, start, count, caseSensitive;
    const char* expected;
};

TEST(ReplaceText, ReplacementsStartsCountsCaseAndDoubleByteCharacters) {
    auto text = [](const char* t) { return ArgRecord::Text(t); };
    const ReplaceCase cases[] = {
        {"aXa", "a", text("aa"), kLeftOut, kLeftOut, kLeftOut, "aaXaa"},  // inserted text not searched again
        {"xABy", "ab", text("-"), kLeftOut, kLeftOut, kLeftOut, "x-y"},
        {"xABy", "ab", text("-"), kLeftOut, kLeftOut, ArgRecord::Logical(false), "x-y"},
        {"xABy", "ab", text("-"), kLeftOut, kLeftOut, ArgRecord::Logical(true), "xABy"},
        {"xABy", "", text("-"), kLeftOut, kLeftOut, kLeftOut, "xABy"},
        {"a-b-c", "-", kLeftOut, kLeftOut, kLeftOut, kLeftOut, "abc"},
        {"a-b-c", "-", text("+"), kLeftOut, ArgRecord::Int(1), kLeftOut, "a+b-c"},
        {"a-b-c", "-", text("+"), kLeftOut, ArgRecord::Int(-1), kLeftOut, "a+b+c"},
        {"a-b-c", "-", text("+"), kLeftOut, ArgRecord::Int(0), kLeftOut, "a-b-c"},
        {"aaaa", "a", text("b"), ArgRecord::Int(3), kLeftOut, kLeftOut, "aabb"},
        {"aaaa", "aa", text("b"), ArgRecord::Int(2), kLeftOut, kLeftOut, "aba"},
        {"aaaa", "a", text("b"), ArgRecord::Int(-3), kLeftOut, kLeftOut, "bbbb"},
        {"aaaa", "a", text("b"), ArgRecord::Int(5), kLeftOut, kLeftOut, "aaaa"},
        {"aaaa", "a", text("b"), ArgRecord::Int(2), ArgRecord::Int(2), kLeftOut, "abba"},
        {"文件.JSON", "json", text("ogg"), kLeftOut, kLeftOut, kLeftOut, "文件.ogg"},
        {"\x81" "AA", "a", text("-"), kLeftOut, kLeftOut, kLeftOut, "\x81" "A-"},  // trail byte kept
        {"中文中文", "\xD0\xCE", text("-"), kLeftOut, kLeftOut, kLeftOut, "中文中文"},
        // a broken character reached by the scan is not copied; one left behind the scan is
        {"ab\x81", "x", text("y"), kLeftOut, kLeftOut, kLeftOut, "ab"},
        {"ab\x81", "\x81", text("y"), kLeftOut, kLeftOut, kLeftOut, "aby"},
        {"ab\x81", "xy", text("z"), kLeftOut, kLeftOut, kLeftOut, "ab\x81"},
        {"xb\x81", "x", text("y"), kLeftOut, ArgRecord::Int(1), kLeftOut, "yb\x81"},
    };
    for (const ReplaceCase& c : cases)
        EXPECT_EQ(TextOf(cmd::Call(ReplaceText, c.t, c.s, c.r, c.start, c.count, c.caseSensitive)), c.expected)
            << c.t << " / " << c.s;
}

TEST(ReplaceText, EmptyResultsAreNullAndLongerResultsGrow) {
    ArgRecord gone = cmd::Call(ReplaceText, "aaa", "A");
    EXPECT_EQ(gone.type, kTypeText);
    EXPECT_EQ(gone.data.ptr, nullptr);
    EXPECT_EQ(cmd::Call(ReplaceText, "", "a", "b").data.ptr, nullptr);

    std::string many(1000, 'a');
    many += "中";
    Text grown = cmd::TakeText(cmd::Call(ReplaceText, many.c_str(), "a", "bbbb"));
    EXPECT_EQ(grown.View(), std::string(4000, 'b') + "中");
}

TEST(MidText, CutsBytesFromAPosition) {
    struct Case {
        const char* t;
        int32_t start, length;
        const char* expected;
    } cases[] = {
        {"abc", 3, 5, "c"}, {"abc", 4, 1, ""},  {"abc", 0, 2, ""},   {"abc", 1, 0, ""},
        {"abc", 1, -1, ""}, {"abc", 1, 2, "ab"}, {"abc", 2, 100, "bc"},
        {"中文", 2, 2, "\xD0\xCE"},  // the cut ignores double-byte characters
    };
    for (const Case& c : cases) {
        ArgRecord r = cmd::Call(MidText, c.t, c.start, c.length);
        EXPECT_EQ(TextOf(r), c.expected) << c.t << " " << c.start << " " << c.length;
        if (!*c.expected) {
            EXPECT_EQ(r.data.ptr, nullptr);
        }
    }
}

TEST(ToLowerCase, LowersAsciiLettersOutsideDoubleByteCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"ABC中Def", "abc中def"},
        {"\x81" "AB", "\x81" "Ab"},   // the trail byte A stays
        {"AB\x81", "ab\x81"},        // a broken character ends the change
        {"X\x81", "x\x81"},
        {"0123@[`{", "0123@[`{"},
    };
    for (auto [t, expected] : cases) EXPECT_EQ(TextOf(cmd::Call(ToLowerCase, t)), expected) << t;
    EXPECT_EQ(cmd::Call(ToLowerCase, "").data.ptr, nullptr);
}

TEST(TextCommands, LengthsSpacesAndPointers) {
    EXPECT_EQ(cmd::AsInt(cmd::Call(TextLength, "中a")), 3);
    EXPECT_EQ(cmd::AsInt(cmd::Call(TextLength, "")), 0);

    EXPECT_EQ(TextOf(cmd::Call(SpacesText, 3)), "   ");
    for (int32_t n : {0, -2}) {
        ArgRecord r = cmd::Call(SpacesText, n);
        EXPECT_EQ(r.type, kTypeText);
        EXPECT_EQ(r.data.ptr, nullptr);
    }

    char buffer[] = "at 地址";
    Text copied = cmd::TakeText(cmd::Call(PointerToText, ArgRecord::Pointer(buffer, kTypeInt)));
    EXPECT_EQ(copied.View(), buffer);
    EXPECT_NE(copied.Get(), buffer);
    char empty[] = "";
    EXPECT_EQ(cmd::Call(PointerToText, ArgRecord::Pointer(empty, kTypeInt)).data.ptr, nullptr);
    EXPECT_EQ(cmd::Call(PointerToText, 0).data.ptr, nullptr);
}

TEST(TextCommands, RegisteredUnderTheirNames) {
    const std::pair<const char*, CommandEntry> commands[] = {
        {"FindText", FindText},       {"MidText", MidText},     {"ReplaceText", ReplaceText},
        {"ToLowerCase", ToLowerCase}, {"ToText", ToText},       {"ToByteSet", ToByteSet},
        {"ToNumber", ToNumber},       {"ToInteger", ToInteger}, {"TextLength", TextLength},
        {"SpacesText", SpacesText},   {"PointerToText", PointerToText},
    };
    for (auto [name, entry] : commands) {
        FoundCommand found = FindLibraryCommand(name);
        EXPECT_EQ(found.libraryIndex, kCoreLibrary) << name;
        EXPECT_EQ(found.entry, entry) << name;
    }
}

}  // namespace
