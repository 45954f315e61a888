// Drives windows from outside, as a user would: finds message boxes, reads their texts,
// presses their buttons; starts programs and waits for them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// A visible top-level window of class "#32770" that belongs to the process, or null.
HWND FindProcessDialog(DWORD processId);
// Waits up to timeoutMs for such a window.
HWND WaitForProcessDialog(DWORD processId, DWORD timeoutMs);
// Waits (up to 2 s) until a message box has its message text in place, so reading it from
// outside does not race the box's own set-up.
void WaitUntilBoxReady(HWND box);

// The window's caption as the system keeps it (for another process's window, GetWindowTextA
// gives that and never asks the window).
std::string WindowText(HWND hwnd);
// The text the control itself answers WM_GETTEXT with (edit, combo box, ...), in the ANSI code page.
std::string ControlText(HWND hwnd);
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

// A visible top-level window of the process with the class (and, unless empty, the title).
HWND FindProcessWindow(DWORD processId, const std::string& className, const std::string& title = "");
HWND WaitForProcessWindow(DWORD processId, const std::string& className, const std::string& title, DWORD timeoutMs);
// Waits until the window is gone (or hidden); false on timeout.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

// The child window of `parent` whose rectangle in the parent's client area is exactly this
// one (left, top, width, height), or null.
HWND ChildWithRect(HWND parent, int left, int top, int width, int height);

// The open-file dialog (a "#32770" with the file-name box 0x47C) and message boxes (the others).
bool IsFileDialog(HWND dialog);
// Puts the full path into the file-name box, reads it back and presses OK; false when the name
// would not stay in the box.
bool ChooseInFileDialog(HWND dialog, const std::string& path);
void CancelFileDialog(HWND dialog);
// The text of the dialog's file-type list as shown (its current entry).
std::string FileDialogFilterShown(HWND dialog);

// Which icon a message box shows: none, or the one the style asks for (stop 0x10, question
// 0x20, exclamation 0x30, information 0x40), told apart by the pixels shown on screen.
int BoxIconStyle(HWND box);
// The box's buttons' ids, in the order they were found.
std::vector<int> BoxButtons(HWND box);

// Folder of the running test program, with a trailing backslash.
std::string ProgramFolder();

std::string ToHex(const std::string& bytes);

}  // namespace testing_support
