#include "tests/units/UnitsChildDriver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/support/ChildLog.h"
#include "tests/support/ProcessRunner.h"
#include "tests/units/UnitTestWindows.h"

namespace units_test {
namespace {

struct Search {
    DWORD pid;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid != s->pid || std::strcmp(cls, s->className) != 0) return TRUE;
    if (s->title && testing_support::WindowText(hwnd) != s->title) return TRUE;
    s->found = hwnd;
    return FALSE;
}

HWND FindTopLevelOf(DWORD pid, const char* className, const char* title) {
    Search s{pid, className, title, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

Answer AnswerOf(std::vector<std::string> lines) {
    Answer a;
    for (const std::string& line : lines) {
        if (line.rfind("= ", 0) != 0) continue;
        std::string rest = line.substr(2);
        size_t blank = rest.find(' ');
        a.type = rest.substr(0, blank);
        a.value = blank == std::string::npos ? "" : rest.substr(blank + 1);
    }
    a.lines = std::move(lines);
    return a;
}

}  // namespace

size_t Answer::Count(const std::string& line) const {
    size_t n = 0;
    for (const std::string& l : lines) n += l == line;
    return n;
}

bool UnitsChild::Start() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char file[MAX_PATH];
    GetTempFileNameA(temp, "unl", 0, file);
    logPath_ = file;
    DeleteFileA(logPath_.c_str());
    if (!process_.Start(testing_support::SiblingCommand("units_child.exe", {logPath_}))) return false;
    bool up = WaitFor([&] { return ReadLog().find("ready\n") != std::string::npos && ControlWindow() && Window(); }, 30000);
    NewLines();
    return up;
}

std::string UnitsChild::ReadLog() const { return testing_support::ChildLog::Read(logPath_); }

std::vector<std::string> UnitsChild::NewLines() {
    std::string all = ReadLog();
    size_t end = all.rfind('\n');
    if (end == std::string::npos || end + 1 <= consumed_) return {};
    std::string fresh = all.substr(consumed_, end + 1 - consumed_);
    consumed_ = end + 1;
    std::vector<std::string> lines = SplitLines(fresh);
    history_.insert(history_.end(), lines.begin(), lines.end());
    return lines;
}

const std::vector<std::string>& UnitsChild::History() {
    NewLines();
    return history_;
}

size_t UnitsChild::CountInHistory(const std::string& line) {
    size_t n = 0;
    for (const std::string& l : History()) n += l == line;
    return n;
}

void UnitsChild::ForgetHistory() {
    NewLines();
    history_.clear();
}

bool UnitsChild::WaitForLine(const std::string& line, DWORD timeoutMs) {
    return WaitFor([&] { return CountInHistory(line) > 0; }, timeoutMs);
}

HWND UnitsChild::ControlWindow() const { return FindTopLevelOf(process_.Id(), "UnitsChildControl", nullptr); }

HWND UnitsChild::Window(const char* title) const { return FindTopLevelOf(process_.Id(), "WTWindow", title); }

HWND UnitsChild::Control(const char* unitName) const {
    const UnitName* u = FindUnit(unitName);
    HWND window = Window(u && u->windowId == kSecondWindowId ? "second" : "units");
    return window ? GetDlgItem(window, ControlIdOf(unitName)) : nullptr;
}

Answer UnitsChild::Request(const std::string& request, DWORD timeoutMs) {
    NewLines();
    COPYDATASTRUCT data{1, static_cast<DWORD>(request.size()), const_cast<char*>(request.data())};
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(ControlWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, timeoutMs, &answer);
    return AnswerOf(NewLines());
}

Answer UnitsChild::AwaitAnswer(DWORD timeoutMs) {
    std::vector<std::string> lines;
    WaitFor(
        [&] {
            for (std::string& l : NewLines()) lines.push_back(std::move(l));
            for (const std::string& l : lines)
                if (l.rfind("= ", 0) == 0) return true;
            return false;
        },
        timeoutMs);
    return AnswerOf(std::move(lines));
}

Answer UnitsChild::Posted(const std::string& request, DWORD timeoutMs) {
    Request("post " + request);
    return AwaitAnswer(timeoutMs);
}

std::string Hex(const std::string& bytes) { return testing_support::ToHex(bytes); }

std::string FromHex(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
    return out;
}

std::string TextArg(const std::string& bytes) { return "t:" + Hex(bytes); }

namespace {

void SendMouse(POINT p, DWORD flags) {
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, w - 1);
    in.mi.dy = MulDiv(p.y, 65535, h - 1);
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &in, sizeof in);
}

bool CursorAt(POINT p) {
    POINT now;
    return GetCursorPos(&now) && std::abs(now.x - p.x) <= 1 && std::abs(now.y - p.y) <= 1;
}

}  // namespace

void ClickAt(POINT p, bool twice) {
    SendMouse(p, 0);
    WaitFor([&] { return CursorAt(p); }, 3000);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        SendMouse(p, MOUSEEVENTF_LEFTDOWN);
        SendMouse(p, MOUSEEVENTF_LEFTUP);
    }
}

void ClickCentre(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void PressKey(WORD vk) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

Capture CaptureScreen(const RECT& rect) {
    Capture c;
    c.rect = rect;
    c.width = rect.right - rect.left;
    c.height = rect.bottom - rect.top;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = c.width;
    bi.bmiHeader.biHeight = -c.height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, c.width, c.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    auto* p = static_cast<const uint8_t*>(bits);
    c.pixels.resize(static_cast<size_t>(c.width) * c.height);
    for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = RGB(p[4 * i + 2], p[4 * i + 1], p[4 * i]);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return c;
}

Capture CaptureSettled(const RECT& rect) {
    Capture previous = CaptureScreen(rect);
    for (int i = 0; i < 100; ++i) {
        Sleep(60);
        Capture now = CaptureScreen(rect);
        if (now.pixels == previous.pixels) return now;
        previous = std::move(now);
    }
    return previous;
}

}  // namespace units_test
