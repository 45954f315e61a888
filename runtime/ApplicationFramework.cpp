#include "runtime/ApplicationFramework.h"

#include <mbstring.h>

#include "forms/WindowKeyboard.h"
#include "runtime/RuntimeApplication.h"

namespace framework {
namespace {

MSG gCurrent{};
int gExitCode = 0;
POINT gLastMousePosition{-1, -1};
UINT gLastMouseMessage = 0;
constexpr UINT kSystemTimer = 0x0118;  // the caret's blink timer

// Instance initialisation, first part: the module folder, the executable's path cut after its
// last backslash (a GBK trail byte is never taken for one).
void RecordModuleFolder() {
    unsigned char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA(nullptr), reinterpret_cast<char*>(path), MAX_PATH);
    if (unsigned char* last = _mbsrchr(path, '\\')) last[1] = '\0';
    Runtime().moduleFolder = reinterpret_cast<const char*>(path);
}

}  // namespace

int RunApplication(const ProgramHeader& header, StartRoutine start) {
    Runtime().header = &header;
    RecordModuleFolder();
    if (start() != 0) {
        while (PumpMessage()) {
        }
    }
    RuntimeShutdown(0);
    return gExitCode;
}

bool PumpMessage() {
    if (GetMessageA(&gCurrent, nullptr, 0, 0) <= 0) {
        gExitCode = static_cast<int>(gCurrent.wParam);
        return false;
    }
    if (!forms::PretranslateMessage(gCurrent)) {
        TranslateMessage(&gCurrent);
        DispatchMessageA(&gCurrent);
    }
    return true;
}

const MSG& CurrentMessage() { return gCurrent; }

bool IsIdleMessage(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        POINT p = msg.pt;
        bool same = gLastMouseMessage == msg.message && p.x == gLastMousePosition.x && p.y == gLastMousePosition.y;
        gLastMousePosition = p;
        gLastMouseMessage = msg.message;
        return !same;
    }
    return msg.message != WM_PAINT && msg.message != kSystemTimer;
}

void PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        if (!PumpMessage()) break;
}

}  // namespace framework
