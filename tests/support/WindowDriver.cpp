#include "tests/support/WindowDriver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

std::string ControlText(HWND hwnd) {
    // Asked wide: the message crosses processes converted, and this side converts to the code page.
    LRESULT n = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    n = SendMessageW(hwnd, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
    std::string text(wide.size() * 2 + 1, '\0');
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
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

namespace testing_support {

namespace {

struct WindowQuery {
    DWORD pid;
    std::string className;
    std::string title;
    HWND found;
};

BOOL CALLBACK FindWindowProc(HWND hwnd, LPARAM lp) {
    auto* q = reinterpret_cast<WindowQuery*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == q->pid && q->className == cls && IsWindowVisible(hwnd) && (q->title.empty() || WindowText(hwnd) == q->title)) {
        q->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct RectQuery {
    HWND parent;
    RECT want;
    HWND found;
};

BOOL CALLBACK FindChildByRect(HWND child, LPARAM lp) {
    auto* q = reinterpret_cast<RectQuery*>(lp);
    if (GetAncestor(child, GA_PARENT) != q->parent) return TRUE;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, q->parent, reinterpret_cast<POINT*>(&r), 2);
    if (EqualRect(&r, &q->want)) {
        q->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectButtons(HWND child, LPARAM lp) {
    char cls[16] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) reinterpret_cast<std::vector<int>*>(lp)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

// The colour distance between what the screen shows in `area` and the icon drawn over the
// area's own corner colour.
long long IconDistance(HDC screen, const RECT& area, LPCSTR iconName) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP shown = CreateCompatibleBitmap(screen, w, h);
    HBITMAP drawn = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, shown);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    COLORREF background = GetPixel(memory, 0, 0);
    std::vector<COLORREF> shownPixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) shownPixels[static_cast<size_t>(y) * w + x] = GetPixel(memory, x, y);
    SelectObject(memory, drawn);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, w, h};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, iconName), w, h, 0, nullptr, DI_NORMAL);
    long long distance = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF a = shownPixels[static_cast<size_t>(y) * w + x], b = GetPixel(memory, x, y);
            distance += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                        std::abs(GetBValue(a) - GetBValue(b));
        }
    SelectObject(memory, old);
    DeleteObject(shown);
    DeleteObject(drawn);
    DeleteDC(memory);
    return distance;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const std::string& className, const std::string& title) {
    WindowQuery q{processId, className, title, nullptr};
    EnumWindows(FindWindowProc, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

HWND WaitForProcessWindow(DWORD processId, const std::string& className, const std::string& title, DWORD timeoutMs) {
    for (DWORD start = GetTickCount();; Sleep(10)) {
        if (HWND h = FindProcessWindow(processId, className, title)) return h;
        if (GetTickCount() - start > timeoutMs) return nullptr;
    }
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(10))
        if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    return false;
}

HWND ChildWithRect(HWND parent, int left, int top, int width, int height) {
    RectQuery q{parent, RECT{left, top, left + width, top + height}, nullptr};
    EnumChildWindows(parent, FindChildByRect, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

bool IsFileDialog(HWND dialog) { return GetDlgItem(dialog, 0x47C) != nullptr; }

bool ChooseInFileDialog(HWND dialog, const std::string& path) {
    HWND name = GetDlgItem(dialog, 0x47C);
    if (!name) return false;
    for (int tries = 0; tries < 50; ++tries) {
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        if (ControlText(name) == path) {
            PressButton(dialog, IDOK);
            return true;
        }
        Sleep(20);
    }
    return false;
}

void CancelFileDialog(HWND dialog) { PressButton(dialog, IDCANCEL); }

std::string FileDialogFilterShown(HWND dialog) {
    HWND types = GetDlgItem(dialog, 0x470);
    return types ? ControlText(types) : std::string();
}

int BoxIconStyle(HWND box) {
    HWND icon = GetDlgItem(box, 0x440);
    if (!icon || !SendMessageA(icon, STM_GETICON, 0, 0)) return 0;
    RECT area;
    GetWindowRect(icon, &area);
    const struct {
        LPCSTR name;
        int style;
    } kinds[] = {{IDI_HAND, 0x10}, {IDI_QUESTION, 0x20}, {IDI_EXCLAMATION, 0x30}, {IDI_ASTERISK, 0x40}};
    HDC screen = GetDC(nullptr);
    int best = 0;
    long long bestDistance = -1;
    for (const auto& kind : kinds) {
        long long d = IconDistance(screen, area, kind.name);
        if (bestDistance < 0 || d < bestDistance) bestDistance = d, best = kind.style;
    }
    ReleaseDC(nullptr, screen);
    return best;
}

std::vector<int> BoxButtons(HWND box) {
    std::vector<int> ids;
    EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&ids));
    return ids;
}

}  // namespace testing_support
