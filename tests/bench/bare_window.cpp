// The yardstick for the tool's start: a bare Win32 program that registers a class, creates and
// shows one window of the tool's size and runs its message loop until the window is closed.
//   bare_window                 the window alone
//   bare_window dialogs FOLDER  first the steps a user answers in the tool's start, made with the
//                               plain platform calls: a message box, the open dialog for an index
//                               in FOLDER, a second message box; then the window
#include <windows.h>
#include <commdlg.h>

#include <cstring>

namespace {
LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

// The steps before the window, as the tool's start has them.
void StartDialogs(const char* folder) {
    MessageBoxA(nullptr, "已检测到minecraft文件，请手动读入.json文件", "检测成功", MB_TASKMODAL);
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = "json文件（*.json）\0*.json\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder;
    ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
    GetOpenFileNameA(&ofn);
    MessageBoxA(nullptr, "检测到您已经使用本工具修改过了json，现在可以随时进行修改，不需要使用原版文件了。", "提示", MB_TASKMODAL);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc > 2 && std::strcmp(__argv[1], "dialogs") == 0) StartDialogs(__argv[2]);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "BareWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "BareWindow", "bare", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 537, 327,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
