// The product program: started as a user starts it, its main window found on screen, closed
// with Escape.
#include <gtest/gtest.h>

#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

struct FindState {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == s->pid && lstrcmpA(cls, "WTWindow") == 0 && IsWindowVisible(hwnd)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD pid) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(10)) {
        FindState s{pid, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
    }
    return nullptr;
}

TEST(Program, ShowsItsMainWindowAndEndsOnEscape) {
    ChildProcess program;
    ASSERT_TRUE(program.Start(Quote(ProgramFolder() + "Vellumtone.exe")));
    HWND main = WaitForMainWindow(program.Id());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "【V1.4】Vellumtone");
    // No caption bar and no frame: the skin draws those.
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    // Centred on the screen, with the template's size.
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 537);
    EXPECT_EQ(r.bottom - r.top, 327);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 537) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 327) / 2);
    // (Its icons cannot be read from here: Wine answers WM_GETICON from another process with 0.
    // forms_test checks them from inside a program that carries the same icon resource.)
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);  // shown in the taskbar
    // Escape closes the main window, and that ends the program.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    HWND focus = info.hwndFocus ? info.hwndFocus : main;
    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(program.Wait(30000), 0u);
}

}  // namespace
