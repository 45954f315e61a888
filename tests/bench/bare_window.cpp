// The baseline of the start-up benchmark: a bare Win32 program that registers a window class and
// shows one window of the main window's size, centred, then waits for WM_CLOSE.
// Built a second time with WITH_PLATFORM_LIBRARIES: then it also loads the libraries the product
// starts with (OLE, Windows Sockets, WinINet, OLE automation) and starts OLE and the sockets layer
// first, so that the product's own share of its start-up can be told apart.
#ifdef WITH_PLATFORM_LIBRARIES
#include <winsock2.h>
#endif
#include <windows.h>
#ifdef WITH_PLATFORM_LIBRARIES
#include <ole2.h>
#include <wininet.h>
#endif

namespace {
LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
