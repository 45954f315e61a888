// Drives windows from outside, as a user would: finds message boxes, reads their texts,
// presses their buttons; starts programs and waits for them.
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

// A visible top-level window of class "#32770" that belongs to the process, or null.
HWND FindProcessDialog(DWORD processId);
// Waits up to timeoutMs for such a window.
HWND WaitForProcessDialog(DWORD processId, DWORD timeoutMs);
// Waits (up to 2 s) until a message box has its message text in place, so reading it from
// outside does not race the box's own set-up.
void WaitUntilBoxReady(HWND box);

std::string WindowText(HWND hwnd);
std::string DialogItemText(HWND dialog, int id);  // a box's message is the static control 0xFFFF
// Presses the dialog's default button (DM_GETDEFID) as a click would.
void PressDefaultButton(HWND dialog);
// Presses the button with the given id.
void PressButton(HWND dialog, int id);

struct BoxSeen {
    std::string caption;
    std::string text;
    LONG style = 0;
};
BoxSeen ReadBox(HWND box);

// The message of the runtime's error box (caption "错误"), spelled out here from its published
// layout rather than taken from the runtime's own formatting.
std::string RuntimeErrorBoxText(const std::string& message, int code = 0);

// A child program started with CreateProcessA.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool Start(const std::string& commandLine, const char* currentDirectory = nullptr);
    DWORD Id() const { return pi_.dwProcessId; }
    // Waits for the exit; returns the full 32-bit exit code, or STILL_ACTIVE on timeout.
    DWORD Wait(DWORD timeoutMs);
    void Kill();

private:
    PROCESS_INFORMATION pi_{};
};

// Folder of the running test program, with a trailing backslash.
std::string ProgramFolder();

std::string ToHex(const std::string& bytes);

}  // namespace testing_support
