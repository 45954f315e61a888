// RunProgram: started_child records the command line and the show value it received.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "commands/Calls.h"
#include "commands/InteractionCommands.h"
#include "tests/support/Probe.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

struct Started {
    bool ran = false;
    std::string commandLine;
    int show = -2;
};

std::string LogPath(const char* name) { return ProgramFolder() + "started_" + name + ".log"; }

std::string ChildCommand(const std::string& log, int sleepMs = 0) {
    return SiblingCommand("started_child.exe", {log}, std::to_string(sleepMs));
}

Started ReadLog(const std::string& log) {
    Started s;
    std::ifstream in(log, std::ios::binary);
    if (!in) return s;
    s.ran = true;
    std::getline(in, s.commandLine);
    in >> s.show;
    return s;
}

TEST(RunProgram, WindowModeSelectsTheShowValueClampedToOneToSix) {
    const struct {
        int mode;  // 0x7FFF: left out
        int show;
    } cases[] = {{0x7FFF, SW_SHOWNORMAL}, {-3, SW_HIDE}, {0, SW_HIDE},           {1, SW_HIDE},
                 {2, SW_SHOWNORMAL},      {3, SW_SHOWMINIMIZED}, {4, SW_SHOWMAXIMIZED}, {5, SW_SHOWNOACTIVATE},
                 {6, SW_MINIMIZE},        {9, SW_MINIMIZE}};
    std::string log = LogPath("mode");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        DeleteFileA(log.c_str());
        std::string line = ChildCommand(log);
        ArgRecord r = c.mode == 0x7FFF ? cmd::Call(RunProgram, line.c_str(), true)
                                       : cmd::Call(RunProgram, line.c_str(), true, c.mode);
        EXPECT_EQ(r.type, kTypeLogical);
        EXPECT_TRUE(cmd::AsBool(r));
        Started s = ReadLog(log);
        ASSERT_TRUE(s.ran);
        EXPECT_EQ(s.show, c.show);
        EXPECT_EQ(s.commandLine, line);
    }
    DeleteFileA(log.c_str());
}

TEST(RunProgram, WaitsForTheEndOnlyWhenAsked) {
    std::string log = LogPath("wait");
    DeleteFileA(log.c_str());
    EXPECT_TRUE(cmd::AsBool(cmd::Call(RunProgram, ChildCommand(log, 1500).c_str(), true)));
    EXPECT_TRUE(ReadLog(log).ran) << "returned before the program ended";

    DeleteFileA(log.c_str());
    EXPECT_TRUE(cmd::AsBool(cmd::Call(RunProgram, ChildCommand(log, 4000).c_str(), cmd::kOmitted)));
    EXPECT_FALSE(ReadLog(log).ran) << "waited for the end without the wait flag";
    for (int i = 0; i < 200 && !ReadLog(log).ran; ++i) Sleep(50);  // let it finish before the next test
    EXPECT_TRUE(ReadLog(log).ran);
    DeleteFileA(log.c_str());
}

TEST(RunProgram, AProgramThatCannotStartGivesFalse) {
    for (const char* line : {"C:\\no\\such\\program.exe", "", "   "}) {
        SCOPED_TRACE(line);
        ArgRecord r = cmd::Call(RunProgram, line, true, 2);
        EXPECT_EQ(r.type, kTypeLogical);
        EXPECT_FALSE(cmd::AsBool(r));
    }
}

TEST(RunProgram, ThroughTheProbe) {
    std::string log = LogPath("probe");
    DeleteFileA(log.c_str());
    auto out = Probe({"RunProgram", "t:" + ChildCommand(log), "l:1", "i:9"});
    EXPECT_EQ(out.exitCode, 0u);
    EXPECT_EQ(out.result, LogicalResult(true));
    EXPECT_EQ(ReadLog(log).show, SW_MINIMIZE);
    EXPECT_EQ(Probe({"RunProgram", "t:C:\\no\\such.exe"}).result, LogicalResult(false));
    DeleteFileA(log.c_str());
}

}  // namespace
