// The typed call face: arguments become the specified ArgRecords, results are owned.
#include <gtest/gtest.h>

#include <vector>

#include "commands/ByteSetCommands.h"
#include "commands/Calls.h"
#include "runtime/RuntimeApplication.h"

namespace {

std::vector<ArgRecord> gSeen;
void Recorder(ArgRecord* result, int32_t n, ArgRecord* args) {
    gSeen.assign(args, args + n);
    *result = ArgRecord::Text(MakeText("made"));
}

TEST(CommandCalls, ArgumentsTravelAsArgRecords) {
    Text owned = Text::Copy("abc");
    int32_t var = 4;
    ArgRecord r = cmd::Call(Recorder, "lit", owned, static_cast<const char*>(nullptr), 7, true, 2.5, cmd::kOmitted,
                            static_cast<const ByteSet*>(nullptr), cmd::RefInt(var));
    Text result = cmd::TakeText(r);
    EXPECT_STREQ(result.CStr(), "made");
    ASSERT_EQ(gSeen.size(), 9u);
    EXPECT_STREQ(gSeen[0].AsText(), "lit");
    EXPECT_EQ(gSeen[1].AsText(), owned.Get());
    EXPECT_EQ(gSeen[2].AsText(), SharedEmptyText());  // never null
    EXPECT_EQ(gSeen[3].type, kTypeInt);
    EXPECT_EQ(gSeen[3].AsInt(), 7);
    EXPECT_EQ(gSeen[4].type, kTypeLogical);
    EXPECT_EQ(gSeen[4].data.words.low, 1u);
    EXPECT_EQ(gSeen[5].type, kTypeDouble);
    EXPECT_EQ(gSeen[5].data.f64, 2.5);
    EXPECT_EQ(gSeen[6].type, 0u);
    EXPECT_EQ(gSeen[7].AsByteSet(), SharedEmptyByteSet());
    EXPECT_EQ(ByteSetLength(gSeen[7].AsByteSet()), 0u);
    EXPECT_TRUE(gSeen[8].IsByReference());
    EXPECT_EQ(gSeen[8].data.ptr, &var);
}

TEST(CommandCalls, FindsCommandsByName) {
    FoundCommand c = FindLibraryCommand("ByteSetLength");
    EXPECT_EQ(c.libraryIndex, kCoreLibrary);
    EXPECT_EQ(c.entry, static_cast<CommandEntry>(ByteSetLength));
    EXPECT_EQ(FindLibraryCommand("NoSuchCommand").entry, nullptr);
    Bytes b = Bytes::Copy("abcd", 4);
    EXPECT_EQ(cmd::AsInt(cmd::Call(ByteSetLength, b)), 4);
}

TEST(SupportLibraries, FiveLibrariesInTheirOrder) {
    const char* names[] = {"系统核心支持库", "扩展界面支持库一", "编码转换支持库", "互联网支持库", "特殊功能支持库"};
    const int versions[][2] = {{5, 3}, {2, 0}, {2, 0}, {2, 0}, {3, 1}};
    for (int i = 0; i < kSupportLibraryCount; ++i) {
        const LibraryDescriptor* lib = SupportLibrary(i);
        ASSERT_NE(lib, nullptr);
        EXPECT_EQ(lib->signature, 0x01312D65u);
        EXPECT_STREQ(lib->displayName, names[i]);
        EXPECT_EQ(lib->majorVersion, versions[i][0]);
        EXPECT_EQ(lib->minorVersion, versions[i][1]);
    }
    EXPECT_EQ(SupportLibrary(5), nullptr);
}

void IdleRoutine(intptr_t) {}

// Messages 1012 and 1013: one idle callback per window, added and removed by window handle;
// an unknown message gives 0.
TEST(RuntimeNotifyMessages, IdleCallbacksOnePerWindow) {
    auto& list = Runtime().idleCallbacks;
    list.clear();
    const HWND a = reinterpret_cast<HWND>(0x1010), b = reinterpret_cast<HWND>(0x2020);
    IdleCallback records[] = {{a, IdleRoutine, 1}, {b, IdleRoutine, 2}, {a, IdleRoutine, 3}};
    for (IdleCallback& r : records) RuntimeNotify(1012, reinterpret_cast<intptr_t>(&r), 0);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].window, a);
    EXPECT_EQ(list[0].parameter, 1);  // the window already had one: the second is not added
    EXPECT_EQ(list[1].window, b);
    EXPECT_EQ(list[1].routine, IdleRoutine);
    RuntimeNotify(1013, reinterpret_cast<intptr_t>(a), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].window, b);
    RuntimeNotify(1013, reinterpret_cast<intptr_t>(a), 0);  // none left for that window
    EXPECT_EQ(list.size(), 1u);
    list.clear();
    EXPECT_EQ(RuntimeNotify(1999, 1, 2), 0);
}

}  // namespace
