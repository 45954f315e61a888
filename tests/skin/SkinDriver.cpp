#include "tests/skin/SkinDriver.h"

#include <gtest/gtest.h>
#include <objidl.h>
#include <gdiplus.h>

#include <fstream>
#include <sstream>

#include "tests/support/ChildLog.h"
#include "tests/support/ProcessRunner.h"

namespace skin_test {

using namespace testing_support;

namespace {

std::string FreshLog() {
    static int count = 0;
    const std::string path = ProgramFolder() + "skin_child_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count) + ".log";
    DeleteFileA(path.c_str());
    return path;
}

struct FindState {
    DWORD pid;
    std::string title;
    HWND found;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd) && WindowText(hwnd) == s->title) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ChildSession::ChildSession(const std::vector<std::string>& arguments) : log_(FreshLog()) {
    ParkMouse();
    std::string command = Quote(ProgramFolder() + "skin_child.exe") + " " + Quote(log_);
    for (const auto& a : arguments) command += " " + Quote(a);
    EXPECT_TRUE(child_.Start(command)) << command;
}

ChildSession::~ChildSession() {
    if (child_.Wait(0) == STILL_ACTIVE) child_.Kill();
    DeleteFileA(log_.c_str());
}

std::vector<std::string> ChildSession::Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(ChildLog::Read(log_));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string ChildSession::WaitForLine(const std::string& prefix, size_t skip) const {
    std::string found;
    WaitUntil([&] {
        const auto lines = Lines();
        for (size_t i = skip; i < lines.size(); ++i)
            if (lines[i].rfind(prefix, 0) == 0) {
                found = lines[i];
                return true;
            }
        return false;
    }, 15000);
    return found;
}

std::vector<std::string> ChildSession::LinesSince(size_t from, const std::string& prefix) const {
    const auto lines = Lines();
    std::vector<std::string> result;
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) result.push_back(lines[i]);
    return result;
}

HWND ChildSession::Window(const std::string& title) const {
    FindState state{child_.Id(), title, nullptr};
    WaitUntil([&] {
        EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&state));
        return state.found != nullptr;
    }, 15000);
    return state.found;
}

Rgb ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return {static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c))};
}

Rgb ClientPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return ScreenPixel(p.x, p.y);
}

void WaitForPaint(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const POINT probes[] = {{client.right / 2, client.bottom / 2}, {client.right - 20, 10}, {20, client.bottom - 20}, {client.right / 3, 2}};
    auto sample = [&] {
        std::vector<int> values;
        for (const POINT& p : probes) {
            const Rgb c = ClientPixel(window, p.x, p.y);
            values.insert(values.end(), {c.r, c.g, c.b});
        }
        return values;
    };
    std::vector<int> last = sample();
    for (int i = 0; i < 50; ++i) {
        Sleep(100);
        std::vector<int> now = sample();
        if (now == last) return;
        last = now;
    }
}

namespace {

void MoveMouseTo(POINT target) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((target.x * 65536 + cx / 2) / cx);
    input.mi.dy = static_cast<LONG>((target.y * 65536 + cy / 2) / cy);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == target.x && now.y == target.y;
    }, 3000);
}

}  // namespace

void MoveMouse(HWND window, int x, int y) {
    POINT target{x, y};
    ClientToScreen(window, &target);
    MoveMouseTo(target);
}

void ParkMouse() { MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, 700}); }

LRESULT SendAt(HWND window, UINT message, int x, int y, WPARAM wParam) {
    return SendMessageA(window, message, wParam, MAKELPARAM(x, y));
}

void KeepScreenshot(HWND window, const std::string& name) {
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("SKIN_TEST_PICTURES", folder, MAX_PATH)) return;
    RECT rect{};
    GetWindowRect(window, &rect);
    // A margin of desktop around the window, so its cut corners show.
    InflateRect(&rect, 8, 8);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    ReleaseDC(nullptr, screen);
    DeleteDC(memory);
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
    Gdiplus::GpBitmap* picture = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &picture) == Gdiplus::Ok) {
        CLSID png{};
        CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);  // the PNG encoder
        const std::string path = std::string(folder) + "\\" + name + ".png";
        std::wstring wide(path.begin(), path.end());
        Gdiplus::DllExports::GdipSaveImageToFile(picture, wide.c_str(), &png, nullptr);
        Gdiplus::DllExports::GdipDisposeImage(picture);
    }
    DeleteObject(bitmap);
}

}  // namespace skin_test
