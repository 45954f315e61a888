// Windows loaded from templates, driven from outside: forms_child (a program of this runtime
// with two test windows) is started in a mode, the test finds its windows, clicks, presses keys
// and closes, and compares what the child's handlers logged with the expected sequences.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ChildLog.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

std::vector<std::string> Lines(const std::string& text, bool withIdle = false) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (withIdle || line.rfind("idle", 0) != 0) lines.push_back(line);
    return lines;
}

class Child {
public:
    explicit Child(const std::string& mode, const char* currentDirectory = nullptr) {
        static int serial = 0;
        log_ = ProgramFolder() + "forms_child_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial) + ".log";
        DeleteFileA(log_.c_str());
        started_ = process_.Start(SiblingCommand("forms_child.exe", {log_, mode}), currentDirectory);
        EXPECT_TRUE(started_);
    }
    ~Child() { DeleteFileA(log_.c_str()); }

    std::string Log() const { return ChildLog::Read(log_); }
    // Waits until the log holds `line` (as a whole line) `count` times.
    bool WaitForLine(const std::string& line, int count = 1, DWORD timeoutMs = 20000) {
        DWORD start = GetTickCount();
        for (;;) {
            int n = 0;
            for (const std::string& l : Lines(Log(), true)) n += l == line;
            if (n >= count) return true;
            if (GetTickCount() - start > timeoutMs) {
                ADD_FAILURE() << "no line \"" << line << "\" in:\n" << Log();
                return false;
            }
            Sleep(10);
        }
    }
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = 20000) {
        DWORD start = GetTickCount();
        for (;;) {
            if (HWND found = FindProcessWindow(process_.Id(), "WTWindow", title)) return found;
            if (GetTickCount() - start > timeoutMs) {
                ADD_FAILURE() << "no window \"" << title << "\"";
                return nullptr;
            }
            Sleep(10);
        }
    }
    HWND WaitForBox(DWORD timeoutMs = 20000) {
        HWND box = WaitForProcessDialog(process_.Id(), timeoutMs);
        if (box) WaitUntilBoxReady(box);
        return box;
    }
    DWORD Wait(DWORD timeoutMs = 30000) { return process_.Wait(timeoutMs); }
    DWORD Id() const { return process_.Id(); }

private:
    std::string log_;
    ChildProcess process_;
    bool started_ = false;
};

// The window with the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus ? info.hwndFocus : window;
}

void PressKey(HWND window, WPARAM key) {
    HWND focus = FocusOf(window);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

HWND ButtonOf(HWND window, const char* caption) { return FindWindowExA(window, nullptr, "Button", caption); }

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 20000) {
    for (DWORD start = GetTickCount(); !condition(); Sleep(10))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

std::vector<std::string> WithoutFocusEvents(std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& l) { return l.rfind("focus", 0) == 0 || l.rfind("blur", 0) == 0; });
    return lines;
}

std::vector<std::string> After(const std::vector<std::string>& lines, const std::string& marker) {
    auto it = std::find(lines.begin(), lines.end(), marker);
    return it == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(it + 1, lines.end());
}

std::vector<std::string> Until(const std::vector<std::string>& lines, const std::string& marker) {
    auto it = std::find(lines.begin(), lines.end(), marker);
    return std::vector<std::string>(lines.begin(), it);
}

// Units are built last first with ids 100, 110, ... and stay hidden until all exist; the
// creation events run before the window shows; the focus event follows the showing.
TEST(LoadWindow, MessagesAndEventsInOrder) {
    Child child("order");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    // Border 2 with a title and the control box: caption and system menu, a fixed frame; the
    // minimise button by default; placed as the template says; no owner.
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_NE(style & WS_CLIPCHILDREN, 0);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {
        "msg create window hidden",
        // unit 5, of a type no library carries, is left out but keeps its id 100
        "msg create Button 110 hidden",  // unit 4
        "msg create Button 120 hidden",  // unit 3
        "msg create Button 130 hidden",  // unit 2
        "msg create Button 140 hidden",  // unit 1
        "msg allcreated Button 110",
        "msg allcreated Button 120",
        "msg allcreated Button 130",
        "msg allcreated Button 140",
        "msg layout window",
        "msg show Button 110",           // unit 3 has no visible flag
        "msg show Button 130",
        "msg show Button 140",
        "created visible=0",
        "event 3",
        "event 4",
        "msg show window",
        "focus window",
        "msg shown Button 110",
        "msg shown Button 120",
        "msg shown Button 130",
        "msg shown Button 140",
        "start window loaded",
        "query 1",
        "closing 1",
        "loop ended",
        "exit hook",
        "exit 0",
    };
    EXPECT_EQ(Lines(child.Log()), expected);
}

// Tab follows the tab order (ButtonB 1, ButtonA 2; hidden and disabled units are passed by),
// Enter presses the default button, a unit may keep Escape for itself, Escape elsewhere closes.
TEST(Keyboard, TabEnterEscape) {
    Child child("keys");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    ASSERT_TRUE(child.WaitForLine("focus window"));
    PressKey(window, VK_TAB);
    ASSERT_TRUE(child.WaitForLine("focus 乙"));
    PressKey(window, VK_TAB);
    ASSERT_TRUE(child.WaitForLine("focus 甲"));
    PressKey(window, VK_TAB);  // wraps round
    ASSERT_TRUE(child.WaitForLine("focus 乙", 2));
    PressKey(window, VK_RETURN);  // on the default button
    ASSERT_TRUE(child.WaitForLine("click 乙"));
    PressKey(window, VK_ESCAPE);  // ButtonB takes Escape itself
    PressKey(window, VK_TAB);
    ASSERT_TRUE(child.WaitForLine("focus 甲", 2));
    EXPECT_TRUE(IsWindow(window));
    PressKey(window, VK_RETURN);  // on a normal button: the first enabled default button
    ASSERT_TRUE(child.WaitForLine("click 乙", 2));
    Click(ButtonOf(window, "甲"));
    ASSERT_TRUE(child.WaitForLine("click 甲"));
    PressKey(window, VK_ESCAPE);
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {
        "focus 乙", "focus 甲", "blur 甲", "focus 乙", "click 乙", "focus 甲", "click 乙", "click 甲",
        "query 1", "closing 1", "blur 甲", "loop ended", "exit hook", "exit 0",
    };
    EXPECT_EQ(After(Lines(child.Log()), "start window loaded"), expected);
    // The idle event came with its one argument.
    std::vector<std::string> all = Lines(child.Log(), true);
    EXPECT_NE(std::find(all.begin(), all.end(), "idle ms"), all.end());
}

// Event 12 vetoes the first close, event 1 the second, the third closes.
TEST(CloseSequence, EitherEventMayCancel) {
    Child child("veto");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(child.WaitForLine("query 1"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(child.WaitForLine("closing 1"));
    EXPECT_TRUE(IsWindow(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {"query 1", "query 2", "closing 1", "query 3", "closing 2",
                                         "loop ended", "exit hook", "exit 0"};
    EXPECT_EQ(After(Lines(child.Log()), "start window loaded"), expected);
}

// While the runtime's error box is open no event reaches a handler; the program then ends with
// -1 and no exit routine.
TEST(Events, NoneWhileTheErrorBoxIsOpen) {
    Child child("errorbox");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    HWND buttonB = ButtonOf(window, "乙");
    Click(ButtonOf(window, "甲"));
    HWND box = child.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadBox(box).text, RuntimeErrorBoxText("测试中的错误"));
    DWORD_PTR ignored;
    EXPECT_NE(SendMessageTimeoutA(buttonB, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored), 0);
    PressDefaultButton(box);
    EXPECT_EQ(child.Wait(), 0xFFFFFFFFu);
    EXPECT_EQ(WithoutFocusEvents(After(Lines(child.Log()), "start window loaded")), std::vector<std::string>{"click 甲"});
}

// A modal window disables the other windows until it closes (by Escape here); it is owned by the
// hidden owner window; a second load starts from the template's values again.
TEST(LoadWindow, ModalWindowAndSecondLoad) {
    Child child("modal");
    HWND first = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    const std::string created = "second created title=第二窗口 tag=标签戊 width=120 caption=戊";
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        Click(ButtonOf(first, "甲"));
        HWND second = child.WaitForWindow("改过的标题");
        ASSERT_NE(second, nullptr);
        ASSERT_TRUE(child.WaitForLine(created, round));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(first); }));
        char owner[32] = {};
        GetClassNameA(GetWindow(second, GW_OWNER), owner, sizeof owner);
        EXPECT_STREQ(owner, "_EL_HideOwner");
        EXPECT_EQ(WindowText(ButtonOf(second, "新戊")), "新戊");
        PressKey(second, VK_ESCAPE);
        ASSERT_TRUE(child.WaitForLine("modal returned 0", round));
        EXPECT_FALSE(IsWindow(second));
        EXPECT_TRUE(IsWindowEnabled(first));  // enabled again before the modal loop returned
    }
    PostMessageA(first, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {"click 甲", created, "modal returned 0", "click 甲", created, "modal returned 0",
                                         "query 1", "closing 1", "loop ended", "exit hook", "exit 0"};
    EXPECT_EQ(WithoutFocusEvents(After(Lines(child.Log()), "start window loaded")), expected);
}

// Properties by number on a shown window and on one not on screen, in every value kind.
TEST(Properties, ReadAndWrittenByNumber) {
    Child child("props");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    Click(ButtonOf(window, "甲"));
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> lines = WithoutFocusEvents(Until(After(Lines(child.Log()), "click 甲"), "props done"));
    // The font's height in pixels for 12 points at the screen's resolution, as logged.
    int dpi = 0;
    for (const std::string& l : lines)
        if (l.rfind("fontheight", 0) == 0) dpi = std::stoi(l.substr(l.find("dpi") + 4));
    const std::string height = std::to_string(-(12 * dpi + 36) / 72);
    std::vector<std::string> expected = {
        "width40000 32627",
        "width-5 0",
        "left15 15",
        "unloadedheight40000 32627",
        "unloadedleft-40000 -32627",
        "unloadedwidth 120",
        "unloadedvisible 1",
        "tag 标签甲",
        "tagnull null",
        "visibleC 0",
        "disabledD 1",
        "visibleCnow 1",
        "disabledDnow 0",
        "title 第一窗口",
        "caption 甲",
        "captionnull null",
        "number 7",
        "real 2.5",
        "date 2958465.0",
        "data 616263",
        "datanull null",
        "flag5 1",
        "choice-3 0",
        "colour 1193046",
        "cursor 897f0000",
        "commoncursor 017f0000",
        "filenull null",
        "fontsize 12",
        "fontheight " + height + " dpi " + std::to_string(dpi),
        "fontangle-450 3150",
        "fontbold 1",
        "fontface 微软雅黑",
        "fontfaceempty 宋体",
        "fontfacelong 宋体",
        "fontrecord 3150 1 12 宋体",
        "recreated new id 140 was 140 style 9",
        "recreatedcaption 新甲",
        "startminimised 2",
        "startrestored 0",
        "types window test none none none none",
        "windowmap yes",
        "objects window unit none",
        "suppress 0 1 0",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(Lines(child.Log()).back(), "exit hook");
}

// The runtime errors of loading and of property access: the box, then exit code -1 and no
// exit routine.
TEST(RuntimeErrors, LoadingAndPropertyAccess) {
    struct Case {
        const char* mode;
        const char* message;
        const char* log;  // what the child logged before the error
    } cases[] = {
        {"shortblock", "载入窗口模板数据段出错!", ""},
        {"nostartwindow", "载入启动窗口失败", ""},
        {"brokenstartwindow", "载入启动窗口失败", ""},
        {"unloaded8", "指定窗口尚未载入", "created visible=0\n"},
        {"unloadedwindow8", "指定窗口尚未载入", "created visible=0\n"},
        {"badwindow", "未载入欲访问窗口组件所在的窗口", "created visible=0\n"},
        {"badunit", "指定窗口或窗口组件不存在或尚未载入", "created visible=0\n"},
        {"badunitobject", "指定窗口或窗口组件不存在或尚未载入", "created visible=0\n"},
        {"raisebadwindow", "未找到引发事件的窗口", "created visible=0\n"},
        {"raisebadunit", "未找到引发事件的窗口组件", "created visible=0\n"},
        {"raisestranger", "引发事件的窗口组件无效", "created visible=0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Child child(c.mode);
        HWND box = child.WaitForBox();
        ASSERT_NE(box, nullptr);
        BoxSeen seen = ReadBox(box);
        EXPECT_EQ(seen.caption, "错误");
        EXPECT_EQ(seen.text, RuntimeErrorBoxText(c.message));
        PressDefaultButton(box);
        EXPECT_EQ(child.Wait(), 0xFFFFFFFFu);
        EXPECT_EQ(child.Log(), c.log);
    }
}

// EndProgram in the creation handler: the window never shows, the exit hook runs once, the
// exit code is the handler's.
TEST(StartUp, EndProgramInTheCreationHandler) {
    Child child("endcreate");
    EXPECT_EQ(child.Wait(), 3u);
    EXPECT_EQ(child.Log(), "created visible=0\nexit hook\n");
}

// A creation handler that closes its window: the loop returns at once and the program ends.
TEST(StartUp, WindowClosedByItsCreationHandler) {
    Child child("closecreate");
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {"created visible=0", "query 1", "closing 1", "start window loaded",
                                         "loop ended", "exit hook", "exit 0"};
    EXPECT_EQ(Lines(child.Log()), expected);
}

// Idle callbacks run from the last registered to the first, one per window; one whose window
// is gone is dropped when the walk reaches it (so the third runs while all three are listed).
TEST(MessageLoop, IdleCallbacks) {
    Child child("idlecallbacks");
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> expected = {"callback 3 of 3", "callback 1 of 2", "query 1", "closing 1",
                                         "loop ended", "exit hook", "exit 0"};
    EXPECT_EQ(WithoutFocusEvents(After(Lines(child.Log()), "start window loaded")), expected);
}

// A window without an icon of its own gets the program's icon resource, large and small.
TEST(WindowUnit, DefaultIcon) {
    Child child("icon");
    EXPECT_EQ(child.Wait(), 0u);
    std::vector<std::string> lines = Lines(child.Log());
    ASSERT_GE(lines.size(), 2u);
    int big = GetSystemMetrics(SM_CXICON), small = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(lines[1], "icon big " + std::to_string(big) + " small " + std::to_string(small) + " expected " +
                            std::to_string(big) + " " + std::to_string(small));
}

// Started from another folder, the program works in its own.
TEST(StartUp, CurrentDirectoryBecomesTheProgramFolder) {
    std::string elsewhere = ProgramFolder() + "forms_elsewhere";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    Child child("cwd", elsewhere.c_str());
    EXPECT_EQ(child.Wait(), 0u);
    std::string folder = ProgramFolder();
    folder.pop_back();  // without its trailing backslash
    std::vector<std::string> lines = Lines(child.Log());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "cwd " + folder);
    RemoveDirectoryA(elsewhere.c_str());
}

// A message box whose owner is a window reference belongs to that window; a window not on
// screen gives no owner.
TEST(MessageBoxOwner, WindowReference) {
    Child child("msgbox");
    HWND window = child.WaitForWindow("第一窗口");
    ASSERT_TRUE(child.WaitForLine("start window loaded"));
    Click(ButtonOf(window, "甲"));
    HWND box = child.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    PressDefaultButton(box);
    ASSERT_TRUE(child.WaitForLine("box 0"));
    box = child.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    PressDefaultButton(box);
    EXPECT_EQ(child.Wait(), 0u);
}

}  // namespace
