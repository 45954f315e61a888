// The baseline of the start-up benchmark: a bare Win32 program that registers a window class and
// shows one window of the main window's size, centred, then waits for WM_CLOSE.
// Built a second time with WITH_PLATFORM_LIBRARIES: then it also loads the libraries the product
// starts with (OLE, Windows Sockets, WinINet, OLE automation) and starts OLE and the sockets layer
// first, so that the product's own share of its start-up can be told apart.
//   bare_window dialogs FOLDER   shows first what a user answers in the tool's start, made with
//                                the plain platform calls: a message box, the open dialog for an
//                                index in FOLDER, a second message box; then the window.
#ifdef WITH_PLATFORM_LIBRARIES
#include <winsock2.h>
#endif
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>
#ifdef WITH_PLATFORM_LIBRARIES
#include <ole2.h>
#include <wininet.h>
#endif

namespace {
LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// The steps before the tool's window, as its start has them.
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
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // "dialogs FOLDER", the folder possibly in quotes.
    if (std::strncmp(commandLine, "dialogs ", 8) == 0) {
        std::string folder = commandLine + 8;
        if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') folder = folder.substr(1, folder.size() - 2);
        StartDialogs(folder.c_str());
    }
#ifdef WITH_PLATFORM_LIBRARIES
    WSADATA sockets;
    WSAStartup(MAKEWORD(1, 1), &sockets);
    OleInitialize(nullptr);
    InternetCloseHandle(nullptr);
    SysFreeString(nullptr);
#endif
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "BareWindow";
    RegisterClassA(&wc);
    const int width = 537, height = 327;
    HWND hwnd = CreateWindowExA(0, "BareWindow", "bare", WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                                width, height, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
