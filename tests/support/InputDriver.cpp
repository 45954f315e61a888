#include "tests/support/InputDriver.h"

namespace testing_support {

namespace {

constexpr DWORD kSettleMs = 5000;

// The normalised absolute coordinate that lands on pixel `pixel` of a screen `extent` wide.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent); }

void SendMouse(POINT screen, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

bool PointerAt(POINT screen) {
    POINT now{};
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

}  // namespace

bool BringToFront(HWND topLevel) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kSettleMs; Sleep(20)) {
        if (GetForegroundWindow() == topLevel) return true;
        SetForegroundWindow(topLevel);
    }
    return GetForegroundWindow() == topLevel;
}

bool MovePointer(POINT screen) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kSettleMs;) {
        SendMouse(screen, 0);
        // The move is answered from X once it has landed; give it time before sending it again.
        for (DWORD sent = GetTickCount(); GetTickCount() - sent < 300; Sleep(10))
            if (PointerAt(screen)) return true;
    }
    return PointerAt(screen);
}

bool ClickClientPoint(HWND window, POINT client) {
    HWND top = GetAncestor(window, GA_ROOT);
    if (!BringToFront(top)) return false;
    POINT screen = client;
    ClientToScreen(window, &screen);
    if (!MovePointer(screen)) return false;
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
    return true;
}

bool ClickWindow(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return ClickClientPoint(window, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

bool PressKey(HWND topLevel, WORD virtualKey) {
    if (!BringToFront(topLevel)) return false;
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof keys[0]) == 2;
}

}  // namespace testing_support
