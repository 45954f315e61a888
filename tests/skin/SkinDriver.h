// What the skin tests share: the child program started in a mode, its log read line by line,
// its windows found by title, the screen's pixels read back, the mouse moved for real.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/WindowDriver.h"

namespace skin_test {

// skin_child started with a fresh log, the pointer parked first; killed when the session goes.
class ChildSession {
public:
    explicit ChildSession(const std::vector<std::string>& arguments);
    ~ChildSession();
    ChildSession(const ChildSession&) = delete;
    ChildSession& operator=(const ChildSession&) = delete;

    // The log's lines so far.
    std::vector<std::string> Lines() const;
    // Waits (up to 15 s) until a line starting with `prefix` is logged after the first `skip`
    // lines; returns it ("" on timeout).
    std::string WaitForLine(const std::string& prefix, size_t skip = 0) const;
    size_t LineCount() const { return Lines().size(); }
    // The lines logged since line `from` that start with `prefix`.
    std::vector<std::string> LinesSince(size_t from, const std::string& prefix = "") const;
    // A visible top-level window of the child with the title (waits up to 15 s).
    HWND Window(const std::string& title) const;
    DWORD Wait(DWORD timeoutMs) { return child_.Wait(timeoutMs); }
    DWORD Id() const { return child_.Id(); }

private:
    std::string log_;
    testing_support::ChildProcess child_;
};

// Waits until the condition holds (up to timeoutMs); returns whether it did.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(15);
    }
    return true;
}

struct Rgb {
    int r, g, b;
};
Rgb ScreenPixel(int x, int y);
// A window's client pixel, as the screen shows it.
Rgb ClientPixel(HWND window, int x, int y);
// Waits until the window's pixels have settled (two reads 100 ms apart agree on a few points).
void WaitForPaint(HWND window);

// The pointer moved for real to a client point of the window (absolute SendInput), waiting until
// the system reports it there.
void MoveMouse(HWND window, int x, int y);

// The pointer put where no test window lies (ChildSession does it before the child starts, so
// no window appears under it).
void ParkMouse();

// A message sent to the child's window with the point as lParam.
LRESULT SendAt(HWND window, UINT message, int x, int y, WPARAM wParam = 0);

// The window and a margin around it as the screen shows them, written as NAME.png into the
// folder SKIN_TEST_PICTURES names (nothing without it), to be looked at.
void KeepScreenshot(HWND window, const std::string& name);

}  // namespace skin_test
