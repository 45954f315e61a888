// Runs runtime_child in each way it can end and watches it from outside like a user: the
// error box (class "#32770", message in the static 0xFFFF), its OK button, the exit code.
#include <gtest/gtest.h>

#include "runtime/RuntimeErrors.h"
#include "tests/support/ChildLog.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

struct Outcome {
    bool boxShown = false;
    BoxSeen box;
    DWORD exitCode = 0;
    std::string log;  // exit routines that ran, one a line
};

Outcome RunChild(const std::string& args) {
    static int serial = 0;
    std::string log = ProgramFolder() + "runtime_child_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(++serial) + ".log";
    DeleteFileA(log.c_str());
    Outcome out;
    ChildProcess child;
    EXPECT_TRUE(child.Start(SiblingCommand("runtime_child.exe", {log}, args)));
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 20000) {
        if (HWND box = FindProcessDialog(child.Id())) {
            WaitUntilBoxReady(box);
            out.boxShown = true;
            out.box = ReadBox(box);
            PressDefaultButton(box);
            break;
        }
        if (child.Wait(20) != STILL_ACTIVE) break;
    }
    out.exitCode = child.Wait(20000);
    out.log = ChildLog::Read(log);
    DeleteFileA(log.c_str());
    return out;
}

std::string Formatted(const char* text, int code) {
    char buf[512];
    FormatRuntimeErrorBox(text, code, buf, sizeof buf);
    return buf;
}

TEST(RuntimeErrorBox, TextLayout) {
    EXPECT_EQ(Formatted("", 0), "运行时出错!\r\n\r\n");
    EXPECT_EQ(Formatted(nullptr, 0), "运行时出错!\r\n\r\n");
    EXPECT_EQ(Formatted("数组成员引用下标超出定义范围", 1),
              "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
    EXPECT_EQ(Formatted("不能整除于零", 0), "运行时出错!\r\n\r\n错误信息：不能整除于零\r\n");
    EXPECT_EQ(Formatted("x", -12), "运行时出错!\r\n\r\n错误代码：-12\r\n\r\n错误信息：x\r\n");
    EXPECT_EQ(RuntimeErrorText(0), nullptr);
    EXPECT_EQ(RuntimeErrorText(12), nullptr);
    EXPECT_STREQ(RuntimeErrorText(6), "调用DLL命令后发现堆栈错误");
    EXPECT_STREQ(RuntimeErrorText(11), "所提供参数的数据类型不符合要求");
}

// Every fatal path: the user sees the box, presses OK, the program ends with -1 and no exit
// routine runs.
TEST(RuntimeErrorBox, ShownOutsideThenExitMinusOne) {
    const std::string alloc = "分配 " + std::to_string(static_cast<size_t>(-1) / 2 + 1000) + " 字节内存失败!";
    struct Case {
        std::string args;
        std::string message;
    } cases[] = {
        {"error 1", RuntimeErrorBoxText("数组成员引用下标超出定义范围", 1)},
        {"error 4", RuntimeErrorBoxText("数组成员引用下标必须大于等于1", 4)},
        {"error 10", RuntimeErrorBoxText("“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零", 10)},
        {"text 0", "运行时出错!\r\n\r\n"},
        {"alloc", RuntimeErrorBoxText(alloc)},
        {"numeric", RuntimeErrorBoxText("欲转换数据类型不是数值")},
        {"notify2027 载入启动窗口失败", RuntimeErrorBoxText("载入启动窗口失败")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        Outcome out = RunChild(c.args);
        ASSERT_TRUE(out.boxShown);
        EXPECT_EQ(out.box.caption, "错误");
        // A static's text has its CR LF pairs as written.
        EXPECT_EQ(ToHex(out.box.text), ToHex(c.message));
        EXPECT_EQ(out.exitCode, 0xFFFFFFFFu);
        EXPECT_EQ(out.log, "");
    }
}

TEST(EndProgram, RunsEachExitRoutineOnceInOrderAndExitsWithTheCode) {
    Outcome out = RunChild("end 3");
    EXPECT_FALSE(out.boxShown);
    EXPECT_EQ(out.exitCode, 3u);
    EXPECT_EQ(out.log, "first\nsecond\n");
}

TEST(EndProgram, FromAnotherThreadShutsDownOnTheMainThread) {
    Outcome out = RunChild("endthread 7");
    EXPECT_FALSE(out.boxShown);
    EXPECT_EQ(out.exitCode, 7u);
    EXPECT_EQ(out.log, "first\nsecond\n");
}

}  // namespace
