// ShowMessageBox, read and answered from outside: through the command probe (whose watcher
// reads each box and presses OK) and in-process with a watcher thread that
// looks at the box's owner and modality and presses a chosen button.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "commands/Calls.h"
#include "commands/InteractionCommands.h"
#include "tests/support/Probe.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

TEST(ShowMessageBox, ThroughTheProbe) {
    const struct {
        std::vector<std::string> args;
        std::string caption, text;
        int result;
    } cases[] = {
        {{"t:你好", "i:0"}, "信息：", "你好", 0},
        {{"t:hello", "i:0x10", "t:标题"}, "标题", "hello", 0},
        {{"t:m", "i:1", "-"}, "信息：", "m", 0},
        {{"l:1", "i:0"}, "信息：", "真", 0},
        {{"l:0", "i:0"}, "信息：", "假", 0},
        {{"b:6162", "i:0"}, "信息：", "", 0},
        {{"i:-5", "i:0"}, "信息：", "-5", 0},
        {{"d:0.1", "i:0"}, "信息：", "0.1", 0},
        {{"t:m", "i:0", "t:T", "t:not an owner"}, "T", "m", 0},
        // The probe presses the default button: the answer follows the box's buttons.
        {{"t:q", "i:0x24", "t:T"}, "T", "q", 5},      // Yes / No: Yes
        {{"t:q", "i:0x124", "t:T"}, "T", "q", 6},     // second button default: No
        {{"t:q", "i:0x22", "t:T"}, "T", "q", 2},      // Abort / Retry / Ignore: Abort
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"ShowMessageBox"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        auto out = Probe(args);
        EXPECT_EQ(out.exitCode, 0u);
        ASSERT_EQ(out.boxes.size(), 1u) << out.raw;
        EXPECT_EQ(out.boxes[0], ToHex(c.caption) + " " + ToHex(c.text));
        EXPECT_EQ(out.result, IntResult(c.result));
    }
}

// What a watcher thread saw of the box before pressing the button.
struct BoxState {
    bool seen = false;
    HWND owner = nullptr;
    bool topmost = false;
    bool windowEnabled = true;  // the test's own top-level window while the box was open
    BoxSeen box;
};

BoxState ShowAndPress(HWND window, int buttonId, const std::function<ArgRecord()>& show, int32_t& resultCode) {
    BoxState state;
    std::thread watcher([&] {
        HWND box = WaitForProcessDialog(GetCurrentProcessId(), 20000);
        if (!box) return;
        WaitUntilBoxReady(box);
        state.seen = true;
        state.box = ReadBox(box);
        state.owner = GetWindow(box, GW_OWNER);
        state.topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        state.windowEnabled = IsWindowEnabled(window) != 0;
        PressButton(box, buttonId);
    });
    ArgRecord r = show();
    watcher.join();
    EXPECT_EQ(r.type, kTypeInt);
    resultCode = r.AsInt();
    return state;
}

class OwnedBox : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }
    HWND window_ = nullptr;
};

TEST_F(OwnedBox, OwnerAndModality) {
    int32_t handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(window_));
    const struct {
        const char* name;
        std::function<ArgRecord()> show;
        bool ownedByWindow, windowDisabled, topmost;
    } cases[] = {
        {"integer owner", [&] { return cmd::Call(ShowMessageBox, "m", 0, cmd::kOmitted, handle); }, true, true, false},
        {"no owner, task-modal added", [&] { return cmd::Call(ShowMessageBox, "m", 0); }, false, true, false},
        {"text owner", [&] { return cmd::Call(ShowMessageBox, "m", 0, "T", "x"); }, false, true, false},
        {"system-modal", [&] { return cmd::Call(ShowMessageBox, "m", 0x1000); }, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t code = -1;
        BoxState s = ShowAndPress(window_, IDOK, c.show, code);
        ASSERT_TRUE(s.seen);
        EXPECT_EQ(s.owner == window_, c.ownedByWindow);
        EXPECT_EQ(s.owner == nullptr, !c.ownedByWindow);
        EXPECT_EQ(!s.windowEnabled, c.windowDisabled);
        EXPECT_EQ(s.topmost, c.topmost);
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(IsWindowEnabled(window_));
    }
}

TEST_F(OwnedBox, EachButtonMapsToItsResultCode) {
    const struct {
        int style, button, code;
    } cases[] = {{0, IDOK, 0},      {1, IDCANCEL, 1}, {2, IDABORT, 2}, {2, IDRETRY, 3},
                 {2, IDIGNORE, 4},  {4, IDYES, 5},    {4, IDNO, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        int32_t code = -1;
        BoxState s = ShowAndPress(window_, c.button, [&] { return cmd::Call(ShowMessageBox, "m", c.style); }, code);
        ASSERT_TRUE(s.seen);
        EXPECT_EQ(code, c.code);
    }
}

TEST(ScreenAndColour, ThroughTheProbe) {
    EXPECT_EQ(Probe({"ScreenWidth"}).result, IntResult(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(Probe({"ScreenHeight"}).result, IntResult(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    // A face colour with three different parts shows the byte order: red low, blue high.
    INT element = COLOR_BTNFACE;
    COLORREF saved = GetSysColor(COLOR_BTNFACE);
    COLORREF probeColour = RGB(0x11, 0x22, 0x33);
    ASSERT_TRUE(SetSysColors(1, &element, &probeColour));
    auto out = Probe({"DefaultBackColour"});
    SetSysColors(1, &element, &saved);
    EXPECT_EQ(out.result, IntResult(0x332211));
}

}  // namespace
