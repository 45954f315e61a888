// Drives the unit tests' child program (units_child.cpp) from outside: starts it, sends it
// requests, reads what it logged, finds its windows and controls, clicks and types as a user
// would, and reads the screen.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowDriver.h"

namespace units_test {

// A request's answer: the "= TYPECODE VALUE" line split, and every line the request logged.
struct Answer {
    std::string type;   // the type code in hex, as logged
    std::string value;  // decimal number, or a text's bytes in hex
    std::vector<std::string> lines;
    size_t Count(const std::string& line) const;
};

class UnitsChild {
public:
    UnitsChild() = default;
    UnitsChild(const UnitsChild&) = delete;
    UnitsChild& operator=(const UnitsChild&) = delete;

    // Starts the child with a fresh log and waits until its window is up; false on timeout.
    bool Start();
    DWORD Id() const { return process_.Id(); }
    testing_support::ChildProcess& Process() { return process_; }

    // Sends a request and returns what it logged (its answer line last).
    Answer Request(const std::string& request, DWORD timeoutMs = 60000);
    // Sends a "post" request and waits until its answer appears in the log.
    Answer Posted(const std::string& request, DWORD timeoutMs = 60000);
    // Waits for the answer line of an earlier posted request.
    Answer AwaitAnswer(DWORD timeoutMs = 60000);
    // The lines logged since the last request or call of this.
    std::vector<std::string> NewLines();
    // Every line read so far (requests' lines included), since the last ForgetHistory.
    const std::vector<std::string>& History();
    size_t CountInHistory(const std::string& line);
    void ForgetHistory();
    // Waits until the line has been logged (found in the history); false on timeout.
    bool WaitForLine(const std::string& line, DWORD timeoutMs = 15000);

    HWND Window(const char* title = "units") const;  // a top-level template window of the child
    HWND Control(const char* unitName) const;       // a unit's control, by its control id

private:
    std::string ReadLog() const;
    HWND ControlWindow() const;

    testing_support::ChildProcess process_;
    std::string logPath_;
    size_t consumed_ = 0;
    std::vector<std::string> history_;
};

// Request helpers: texts as hex, the value words of requests.
std::string Hex(const std::string& bytes);
std::string FromHex(const std::string& hex);
std::string TextArg(const std::string& bytes);  // "t:HEX"

// Input from outside: the pointer moved to the screen point (waiting until it is there), then
// pressed and released; a double click presses twice.
void ClickAt(POINT screen, bool twice = false);
void ClickCentre(HWND hwnd);
void PressKey(WORD virtualKey);

// The screen's pixels in a rectangle (screen coordinates), row by row, as COLORREFs.
struct Capture {
    RECT rect{};
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture CaptureScreen(const RECT& rect);
// Captures until two captures in a row agree (the window has finished painting).
Capture CaptureSettled(const RECT& rect);

// Waits until the predicate holds, polling; false on timeout.
template <typename F>
bool WaitFor(F condition, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace units_test
