// A DLL command that cannot be bound ends the program: the runtime error box names the library
// and the export, the exit code is -1, nothing after the call runs and no later entry is bound.
#include <gtest/gtest.h>

#include "tests/support/ChildLog.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

TEST(DllBindingError, ShowsTheBoxAndEndsTheProgram) {
    struct Case {
        const char* which;
        std::string message;
    } cases[] = {
        {"indll", "无法找到指定DLL库文件“dlltest.dll”中的输出命令“NoSuchExport”"},
        {"nolib", "无法找到指定DLL库文件中的输出命令“NoSuchExport”"},
        {"nodll", "无法找到指定DLL库文件“nosuchlib.dll”中的输出命令“DllTestAdd”"},
        {"ordinal", "无法找到指定DLL库文件“dlltest.dll”中的输出命令“#999”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.which);
        const std::string log = ProgramFolder() + "dll_child_" + std::to_string(GetCurrentProcessId()) + ".log";
        DeleteFileA(log.c_str());
        ChildProcess child;
        ASSERT_TRUE(child.Start(SiblingCommand("dll_child.exe", {log, c.which})));
        HWND box = WaitForProcessDialog(child.Id(), 20000);
        ASSERT_NE(box, nullptr);
        WaitUntilBoxReady(box);
        BoxSeen seen = ReadBox(box);
        PressDefaultButton(box);
        EXPECT_EQ(seen.caption, "错误");
        EXPECT_EQ(ToHex(seen.text), ToHex(RuntimeErrorBoxText(c.message)));
        EXPECT_EQ(child.Wait(20000), 0xFFFFFFFFu);
        EXPECT_EQ(ChildLog::Read(log), "");
        DeleteFileA(log.c_str());
    }
}

}  // namespace
