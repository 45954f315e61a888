// A program of this runtime that trims its working set as the program does:
//   trim_child direct FOLDER   one TrimWorkingSet on the main thread, then the end
//   trim_child window FOLDER   a hidden top-level window whose procedure hands WM_ACTIVATEAPP to
//                              StartTrimOnDeactivate, as the skin's procedure does; ends on WM_CLOSE
// FOLDER becomes the current folder after the runtime's start (which makes the program's own
// folder current), so that "\empty.exe" names the root of the drive the test chose.
#include <windows.h>

#include <string>

#include "runtime/RuntimeApplication.h"
#include "trimmer/TrimWorkingSet.h"

namespace {

LRESULT CALLBACK ChildWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATEAPP:
        StartTrimOnDeactivate(wParam);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RunWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ChildWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TrimChildWindow";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "TrimChildWindow", "trim child", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                    windowClass.hInstance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    InitRuntime();
    if (!SetCurrentDirectoryA(argv[2])) return 3;
    const std::string mode = argv[1];
    if (mode == "direct") TrimWorkingSet(nullptr);
    else if (mode == "window") RunWindow();
    else return 2;
    EndProgram(0);
}
