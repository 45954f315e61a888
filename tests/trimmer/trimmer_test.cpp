// The trimmer through real processes: trim_child trims as the program does, with "windir" set
// as each case wants, while a debugger-style watch records every process it starts (command
// line, exit code). The utility it should run is the one built beside the tests; a file planted
// in its place is a program that would leave a marker if anything ran it.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "tests/files/scratch_folder.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"
#include "tests/trimmer/ProcessWatch.h"

using namespace testing_support;

namespace {

const std::string& UtilityBytes() {
    static const std::string bytes = ReadRaw(ProgramFolder() + "FlushUtility.exe").value_or("");
    return bytes;
}
const std::string& PlantedBytes() {
    static const std::string bytes = ReadRaw(ProgramFolder() + "planted_program.exe").value_or("");
    return bytes;
}

std::string ChildCommand(const char* mode, const std::string& folder) {
    return SiblingCommand("trim_child.exe", {mode, folder});
}

// The processes the watched program started (all but the program itself).
std::vector<WatchedProcess> Started(const std::vector<WatchedProcess>& all) {
    return all.empty() ? all : std::vector<WatchedProcess>(all.begin() + 1, all.end());
}

void PutFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A fixed old time stamp, to see that a file was not written again.
constexpr FILETIME kOldTime = {0x2A3B4C00, 0x01C0A000};

void SetWriteTime(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &kOldTime));
    CloseHandle(h);
}

bool HasOldWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    return CompareFileTime(&data.ftLastWriteTime, &kOldTime) == 0;
}

// The root of drive D: (the test run's own drive) is where "\empty.exe" lands for a program
// whose current folder is there.
const std::string kDriveRoot = "D:\\";
const std::string kDriveUtility = "D:\\empty.exe";

// The first process that makes a window starts Wine's desktop process. This one must do that,
// not a watched child: the desktop would be watched as the child's and never end.
void StartTheDesktop() {
    static const bool started = [] {
        HWND w = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        return w && DestroyWindow(w);
    }();
    ASSERT_TRUE(started);
}

class TrimmerTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        StartTheDesktop();
        ASSERT_GT(UtilityBytes().size(), 0u);
        ASSERT_GT(PlantedBytes().size(), 0u);
        ASSERT_TRUE(Exists(kDriveRoot)) << "drive D: is the Wine session's";
        DeleteFileA(kDriveUtility.c_str());
    }
    void TearDown() override {
        DeleteFileA(kDriveUtility.c_str());
        ScratchFolder::TearDown();
    }
};

enum class Content { none, utility, planted, plantedHeld };

TEST_F(TrimmerTest, RunsTheCarriedUtilityOnlyWhenTheFileHoldsItOrCanBeMadeTo) {
    const struct Case {
        const char* name;
        std::optional<std::string> windir;  // below the scratch folder; nullopt: not set
        Content before;                     // what <windir>\empty.exe holds first
        bool plantedAtBlank;                // a program at the path cut at its first blank
        bool runs;                          // the utility runs once
        Content after;
    } cases[] = {
        {"missing: written, then run", "win", Content::none, false, true, Content::utility},
        {"present: run as it is", "win", Content::utility, false, true, Content::utility},
        {"foreign file: replaced, then run", "win", Content::planted, false, true, Content::utility},
        {"foreign file that cannot be replaced: nothing runs", "win", Content::plantedHeld, false, false, Content::planted},
        {"folder missing: nothing runs", "absent", Content::none, false, false, Content::none},
        {"folder with a blank: the whole path runs", "My Windows", Content::none, true, true, Content::utility},
        {"windir not set: the current drive's root", std::nullopt, Content::none, false, true, Content::utility},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case in a folder of its own, so that what one leaves behind cannot mislead the next.
        const std::string folder = Path("case" + std::to_string(++number));
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        const std::string windir = c.windir ? folder + "\\" + *c.windir : "";
        if (c.windir && *c.windir != "absent") {
            ASSERT_TRUE(CreateDirectoryA(windir.c_str(), nullptr));
        }
        const std::string utility = c.windir ? windir + "\\empty.exe" : kDriveUtility;
        const std::string prefixProgram = folder + "\\My.exe";
        if (c.plantedAtBlank) PutFile(prefixProgram, PlantedBytes());
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.before == Content::utility) {
            PutFile(utility, UtilityBytes());
            SetWriteTime(utility);
        } else if (c.before == Content::planted || c.before == Content::plantedHeld) {
            PutFile(utility, PlantedBytes());
        }
        if (c.before == Content::plantedHeld)  // readable and runnable, but nobody may write it
            held = CreateFileA(utility.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);

        ProcessWatch watch(ChildCommand("direct", kDriveRoot),
                           EnvironmentWith("windir", c.windir ? std::optional(windir) : std::nullopt));
        ASSERT_TRUE(watch.Started());
        const DWORD child = watch.RootId();
        ASSERT_TRUE(watch.WaitUntilAllEnded());
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);

        std::vector<WatchedProcess> all = watch.Processes();
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.front().exitCode, 0u);
        std::vector<WatchedProcess> started = Started(all);
        if (c.runs) {
            ASSERT_EQ(started.size(), 1u);
            const std::string program = c.windir ? utility : "\\empty.exe";
            const std::string shown = program.find(' ') == std::string::npos ? program : "\"" + program + "\"";
            EXPECT_EQ(started[0].commandLine, shown + " " + std::to_string(child));
            EXPECT_EQ(started[0].exitCode, 0u) << "the utility could not flush process " << child;
        } else {
            EXPECT_TRUE(started.empty()) << started.front().commandLine;
        }
        std::optional<std::string> content = ReadRaw(utility);
        switch (c.after) {
        case Content::none: EXPECT_FALSE(content.has_value()); break;
        case Content::utility:
            ASSERT_TRUE(content.has_value());
            EXPECT_TRUE(*content == UtilityBytes()) << "not the carried utility";
            if (c.before == Content::utility) {
                EXPECT_TRUE(HasOldWriteTime(utility)) << "written again";
            }
            break;
        default: EXPECT_TRUE(content == PlantedBytes()); break;
        }
        EXPECT_FALSE(Exists(utility + ".ran")) << "the planted program ran";
        EXPECT_FALSE(Exists(prefixProgram + ".ran")) << "the program at the blank ran";
        DeleteFileA(kDriveUtility.c_str());
    }
}

// The window's messages, one after the other, each with the utility runs there must be by then.
TEST_F(TrimmerTest, EachDeactivationStartsOneRunAndActivationNone) {
    const std::string windir = Path("win");
    ASSERT_TRUE(CreateDirectoryA(windir.c_str(), nullptr));
    ProcessWatch watch(ChildCommand("window", kDriveRoot), EnvironmentWith("windir", windir));
    ASSERT_TRUE(watch.Started());
    const DWORD child = watch.RootId();
    HWND window = nullptr;
    for (int i = 0; i < 600 && !window; ++i) {
        HWND found = FindWindowA("TrimChildWindow", nullptr);
        DWORD owner = 0;
        if (found) GetWindowThreadProcessId(found, &owner);
        if (owner == child) window = found;
        else Sleep(50);
    }
    ASSERT_NE(window, nullptr);
    // However the steps end, the window is closed, so that the child ends.
    struct Closer {
        HWND window;
        ~Closer() { PostMessageA(window, WM_CLOSE, 0, 0); }
    } closer{window};
    const int baseline = watch.Processes().front().liveThreads;

    const struct {
        WPARAM activated;
        size_t runs;
    } steps[] = {{TRUE, 0}, {FALSE, 1}, {TRUE, 1}, {FALSE, 2}, {FALSE, 3}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "wParam " << step.activated << ", runs " << step.runs);
        SendMessageA(window, WM_ACTIVATEAPP, step.activated, 0);
        // Settled: every thread the message started has ended, and every utility with it.
        auto settled = [&](const std::vector<WatchedProcess>& all) {
            if (all.front().liveThreads > baseline) return false;
            for (const WatchedProcess& p : Started(all))
                if (!p.ended) return false;
            return true;
        };
        ASSERT_TRUE(watch.WaitFor(settled));
        std::vector<WatchedProcess> started = Started(watch.Processes());
        ASSERT_EQ(started.size(), step.runs);
        for (const WatchedProcess& p : started) {
            EXPECT_EQ(p.commandLine, windir + "\\empty.exe " + std::to_string(child));
            EXPECT_EQ(p.exitCode, 0u);
        }
    }
    EXPECT_TRUE(ReadRaw(windir + "\\empty.exe") == UtilityBytes());
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(watch.WaitUntilAllEnded());
    EXPECT_EQ(watch.Processes().front().exitCode, 0u);
}

}  // namespace
