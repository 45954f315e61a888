// The product program: started as a user starts it, in a game folder (its start asks for the
// folder and an index file first: the box is answered and the index chosen), its main window
// found on screen, closed with Escape.
#include <gtest/gtest.h>

#include <string>

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

// A game folder beside the test program with the program in it and a small index; the index's path.
std::string LayOutGameFolder() {
    const std::string root = ProgramFolder() + "program_test";
    for (const char* folder : {"", "\\.minecraft", "\\.minecraft\\assets", "\\.minecraft\\assets\\indexes"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    const std::string index = root + "\\.minecraft\\assets\\indexes\\1.12.json";
    DeleteFileA((root + "\\.minecraft\\assets\\indexes\\Changejson.ini").c_str());
    HANDLE f = CreateFileA(index.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char text[] = R"({"objects":{"minecraft/sounds/records/cat.ogg":{"hash":"d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0","size":1286636}}})";
    DWORD written = 0;
    WriteFile(f, text, sizeof text - 1, &written, nullptr);
    CloseHandle(f);
    CopyFileA((ProgramFolder() + "Vellumtone.exe").c_str(), (root + "\\.minecraft\\Vellumtone.exe").c_str(), FALSE);
    return index;
}

TEST(Program, ShowsItsMainWindowAndEndsOnEscape) {
    const std::string index = LayOutGameFolder();
    ChildProcess program;
    ASSERT_TRUE(program.Start(Quote(ProgramFolder() + "program_test\\.minecraft\\Vellumtone.exe")));
    // The start's box (the game folder found) and the index dialog.
    HWND box = WaitForProcessDialog(program.Id(), 60000);
    ASSERT_NE(box, nullptr);
    WaitUntilBoxReady(box);
    PressDefaultButton(box);
    ASSERT_TRUE(WaitUntilGone(box, 10000));
    HWND dialog = WaitForProcessDialog(program.Id(), 60000);
    ASSERT_NE(dialog, nullptr);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000 && !IsFileDialog(dialog); Sleep(10)) {
    }
    ASSERT_TRUE(ChooseInFileDialog(dialog, index));
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
