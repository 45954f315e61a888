#include "tests/support/WindowDriver.h"

#include <cstdio>
#include <cstring>

namespace testing_support {

namespace {
struct FindState {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindDialogProc(HWND hwnd, LPARAM lp) {
    auto state = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == state->pid && std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        state->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindProcessDialog(DWORD processId) {
    FindState state{processId, nullptr};
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND WaitForProcessDialog(DWORD processId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND h = FindProcessDialog(processId)) return h;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(20);
    }
}

void WaitUntilBoxReady(HWND box) {
    for (int i = 0; i < 100; ++i) {
        HWND text = GetDlgItem(box, 0xFFFF);
        if (text && GetWindowTextLengthA(text) > 0 && IsWindowVisible(box)) break;
        Sleep(20);
    }
    Sleep(20);
}

std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd, s.data(), n + 1);
    s.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return s;
}

std::string DialogItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? WindowText(item) : std::string();
}

void PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {
BOOL CALLBACK FindDefPushButton(HWND child, LPARAM lp) {
    char cls[16] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return TRUE;
    auto found = reinterpret_cast<HWND*>(lp);
    if (!found[1]) found[1] = child;  // the first button, should none be marked default
    if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) {
        found[0] = child;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

void PressDefaultButton(HWND dialog) {
    LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID && GetDlgItem(dialog, LOWORD(def))) {
        PressButton(dialog, LOWORD(def));
        return;
    }
    // Wine's message box names IDOK as its default id even when it has no such button: its
    // default button is then the one drawn as default.
    HWND found[2] = {nullptr, nullptr};
    EnumChildWindows(dialog, FindDefPushButton, reinterpret_cast<LPARAM>(found));
    HWND button = found[0] ? found[0] : found[1];
    PressButton(dialog, button ? GetDlgCtrlID(button) : IDOK);
}

BoxSeen ReadBox(HWND box) {
    BoxSeen seen;
    seen.caption = WindowText(box);
    seen.text = DialogItemText(box, 0xFFFF);
    seen.style = GetWindowLongA(box, GWL_STYLE);
    return seen;
}

ChildProcess::~ChildProcess() {
    if (pi_.hProcess) {
        Kill();
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
}

bool ChildProcess::Start(const std::string& commandLine, const char* currentDirectory) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = commandLine;
    return CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory, &si, &pi_) != 0;
}

DWORD ChildProcess::Wait(DWORD timeoutMs) {
    if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

void ChildProcess::Kill() {
    DWORD code = 0;
    if (pi_.hProcess && GetExitCodeProcess(pi_.hProcess, &code) && code == STILL_ACTIVE) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string RuntimeErrorBoxText(const std::string& message, int code) {
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    if (!message.empty()) text += "错误信息：" + message + "\r\n";
    return text;
}

std::string ToHex(const std::string& bytes) {
    std::string out;
    char b[3];
    for (unsigned char c : bytes) {
        std::snprintf(b, sizeof b, "%02x", c);
        out += b;
    }
    return out;
}

}  // namespace testing_support
