// The update check, run as the program runs it (update_check_child.exe) against a copy of the
// update page on the tests' HTTP server: which pages prompt, the prompt itself, the browser
// started on Yes, the two requests, and a check without a server.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "commands/Calls.h"
#include "runtime/RuntimeApplication.h"
#include "support/HttpPageReader.h"
#include "tests/http/PageServer.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"
#include "tool/UpdateCheck.h"

namespace {

using namespace testing_support;

const char kBrowserPath[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
const char kSavedBrowserPath[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe.disctool-saved";
// Where an unquoted browser path would lead the platform first.
const char kPlantedPath[] = "C:\\Program.exe";

std::string Utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

// Path and query of the update page, fragment included.
std::string UpdatePagePath() {
    std::string url = kUpdatePageUrl;
    return url.substr(url.find('/', url.find("://") + 3));
}

std::string BrowserLog() { return ProgramFolder() + "browser-calls.log"; }

struct CheckRun {
    std::vector<BoxSeen> boxes;
    bool yesAndNoOnly = false;
    bool iconShown = false;
    DWORD exitCode = STILL_ACTIVE;
    std::vector<std::string> pageRequests;  // what the server received for the page
    std::vector<std::string> browserCalls;  // command lines the browser was started with
    std::vector<std::string> programsRun;   // the program file of each start
};

// Runs the check against the URL; answers a prompt by pressing `answer`.
CheckRun RunCheck(const std::string& pageUrl, int answer) {
    CheckRun run;
    const size_t logged = LoggedRequests().size();
    DeleteFileA(BrowserLog().c_str());
    ChildProcess child;
    EXPECT_TRUE(child.Start(SiblingCommand("update_check_child.exe", {pageUrl})));
    std::set<HWND> seen;
    for (int waited = 0; waited < 120000 && run.exitCode == STILL_ACTIVE; waited += 50) {
        HWND box = FindProcessDialog(child.Id());
        if (box && !seen.count(box)) {
            seen.insert(box);
            WaitUntilBoxReady(box);
            run.boxes.push_back(ReadBox(box));
            run.yesAndNoOnly = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL);
            HWND icon = GetDlgItem(box, 0x440);  // the box's icon control, there only with an icon style
            run.iconShown = icon && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
            PressButton(box, answer);
        }
        run.exitCode = child.Wait(50);
    }
    auto requests = LoggedRequests();
    for (size_t i = logged; i < requests.size(); ++i)
        if (requests[i].find("/forum.php") != std::string::npos) run.pageRequests.push_back(requests[i]);
    Sleep(200);  // a browser started by the check writes its line right after it starts
    std::ifstream log(BrowserLog(), std::ios::binary);
    for (std::string line; std::getline(log, line);) {
        const size_t tab = line.find('\t');
        run.programsRun.push_back(line.substr(0, tab));
        line = tab == std::string::npos ? std::string() : line.substr(tab + 1);
        // Wine hands the program a command line whose program path is in quotes.
        if (line.size() > 2 && line[0] == '"') {
            size_t close = line.find('"', 1);
            if (close != std::string::npos) line = line.substr(1, close - 1) + line.substr(close + 1);
        }
        run.browserCalls.push_back(line);
    }
    return run;
}

void Serve(const std::string& answer) {
    Bytes ok = cmd::TakeBytes(cmd::CallIn(kInternetLibrary, HttpReadPage, ServerUrl("/_queue/" + answer).c_str()));
    ASSERT_EQ(ok.View(), "ok");
}

class UpdateCheckTest : public ::testing::Test {
protected:
    // The browser stand-in takes the browser's place for the whole test, then what was there
    // comes back. A copy of it also lies where an unquoted browser path would be tried first.
    static void SetUpTestSuite() {
        InitRuntime();
        if (GetFileAttributesA(kSavedBrowserPath) == INVALID_FILE_ATTRIBUTES) {
            hadBrowser_ = MoveFileA(kBrowserPath, kSavedBrowserPath) != 0;
        } else {
            hadBrowser_ = true;  // a run that did not finish left it saved
            DeleteFileA(kBrowserPath);
        }
        CreateDirectoryA("C:\\Program Files\\Internet Explorer", nullptr);
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "browser_stand_in.exe").c_str(), kBrowserPath, FALSE));
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "browser_stand_in.exe").c_str(), kPlantedPath, FALSE));
        SetEnvironmentVariableA("DISCTOOL_BROWSER_LOG", BrowserLog().c_str());
    }
    static void TearDownTestSuite() {
        DeleteFileA(kBrowserPath);
        DeleteFileA(kPlantedPath);
        if (hadBrowser_) MoveFileA(kSavedBrowserPath, kBrowserPath);
        DeleteFileA(BrowserLog().c_str());
    }
    void SetUp() override { Serve("clear"); }
    static bool hadBrowser_;
};
bool UpdateCheckTest::hadBrowser_ = false;

TEST_F(UpdateCheckTest, PromptsOnlyForAnotherVersionAfterTheMarker) {
    struct Case {
        const char* what;
        std::vector<std::string> answers;  // the server's two answers: a page (UTF-8) or "drop"
        int press;
        bool prompted;
    };
    const std::string v15 = Utf8(u8"<p>论坛公告 最新版本：V1.5 下载</p>");
    const Case cases[] = {
        {"no marker", {Utf8(u8"<html>论坛首页</html>"), Utf8(u8"<html>论坛首页</html>")}, IDNO, false},
        {"this version", {Utf8(u8"<p>最新版本：V1.4</p>"), Utf8(u8"<p>最新版本：V1.4</p>")}, IDNO, false},
        {"another version, No", {v15, v15}, IDNO, true},
        {"V1.35: its first four bytes", {Utf8(u8"最新版本：V1.35"), Utf8(u8"最新版本：V1.35")}, IDNO, true},
        {"two markers: the first counts", {Utf8(u8"最新版本：V1.4 旧帖 最新版本：V1.9"), Utf8(u8"最新版本：V1.4 旧帖 最新版本：V1.9")}, IDNO, false},
        {"ASCII colon is no marker", {Utf8(u8"最新版本:V1.9"), Utf8(u8"最新版本:V1.9")}, IDNO, false},
        {"fewer than four bytes after the marker", {Utf8(u8"最新版本：V1"), Utf8(u8"最新版本：V1")}, IDNO, false},
        {"a page GBK cannot hold", {Utf8(u8"© 最新版本：V1.5"), Utf8(u8"© 最新版本：V1.5")}, IDNO, false},
        {"first read fails, this version", {"drop", Utf8(u8"最新版本：V1.4")}, IDNO, false},
        {"first read fails, another version", {"drop", v15}, IDNO, true},
    };
    const std::string pageUrl = ServerUrl(UpdatePagePath());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& a : c.answers) Serve(a == "drop" ? "drop" : "page/" + ToHex(a));
        CheckRun run = RunCheck(pageUrl, c.press);
        EXPECT_EQ(run.exitCode, 0u);
        ASSERT_EQ(run.boxes.size(), c.prompted ? 1u : 0u);
        if (c.prompted) {
            EXPECT_EQ(run.boxes[0].caption, "发现更新");
            EXPECT_EQ(run.boxes[0].text, "发现更新！是否打开pinehall查看？");
            EXPECT_TRUE(run.yesAndNoOnly);
            EXPECT_TRUE(run.iconShown);
        }
        EXPECT_TRUE(run.browserCalls.empty());  // No starts nothing
        // Two requests, one after the other, without the fragment.
        ASSERT_EQ(run.pageRequests.size(), 2u);
        std::string path = UpdatePagePath();
        for (const auto& r : run.pageRequests)
            EXPECT_EQ(r.substr(0, r.find("\r\n")), "GET " + path.substr(0, path.find('#')) + " HTTP/1.0");
    }
}

TEST_F(UpdateCheckTest, YesStartsTheBrowserOnceWithThePage) {
    const std::string page = Utf8(u8"<p>最新版本：V1.5</p>");
    Serve("page/" + ToHex(page));
    Serve("page/" + ToHex(page));
    const std::string pageUrl = ServerUrl(UpdatePagePath());
    CheckRun run = RunCheck(pageUrl, IDYES);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    ASSERT_EQ(run.browserCalls.size(), 1u);
    EXPECT_EQ(run.browserCalls[0], std::string(kBrowserPath) + " " + pageUrl);
    EXPECT_EQ(run.programsRun[0], kBrowserPath);  // not the program planted at C:\Program.exe
}

TEST_F(UpdateCheckTest, WithoutAServerTheCheckEndsSilently) {
    CheckRun run = RunCheck("http://127.0.0.1:" + std::to_string(UnusedPort()) + UpdatePagePath(), IDYES);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_TRUE(run.browserCalls.empty());
}

TEST(UpdatePage, IsAForumThreadPostUrl) {
    const std::string url = kUpdatePageUrl;
    EXPECT_EQ(url.rfind("http://", 0), 0u);
    EXPECT_NE(url.find("/forum.php?mod=viewthread&tid="), std::string::npos);
    EXPECT_NE(url.find("&page=1&extra=#pid"), std::string::npos);
    EXPECT_STREQ(kCurrentVersion, "V1.4");
}

}  // namespace
