#include "runtime/RuntimeApplication.h"

#include <ole2.h>

#include <algorithm>
#include <mbstring.h>

#include "forms/WindowLoader.h"
#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/Values.h"

namespace {

RuntimeApplication gRuntime;

LRESULT CALLBACK HiddenOwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kEndProgramMessage) EndProgram(static_cast<int>(wp));
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Splits the executable's path at its last backslash; a GBK trail byte is never taken for one.
void SplitProgramPath(const char* path, std::string& folder, std::string& fileName) {
    auto last = reinterpret_cast<const char*>(_mbsrchr(reinterpret_cast<const unsigned char*>(path), '\\'));
    if (last) {
        folder.assign(path, last);
        fileName.assign(last + 1);
    } else {
        folder.clear();
        fileName.assign(path);
    }
}

void CreateHiddenOwnerWindow(RuntimeApplication& app) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HiddenOwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = "_EL_HideOwner";
    RegisterClassA(&wc);
    app.hiddenOwnerWindow =
        CreateWindowExA(WS_EX_TOOLWINDOW, "_EL_HideOwner", "", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace

RuntimeApplication& Runtime() { return gRuntime; }

void InitRuntime() {
    RuntimeApplication& app = gRuntime;
    if (app.initialised) return;
    app.initialised = true;
    const ProgramHeader& header = app.header ? *app.header : PlainProgramHeader();
    // 1. The heap and the build words.
    app.heap = GetProcessHeap();
    app.buildWords[0] = header.buildWord1;
    app.buildWords[1] = header.buildWord2;
    app.buildWords[2] = header.buildWord3;
    // 2. OLE.
    if (!app.oleInitialised && SUCCEEDED(OleInitialize(nullptr))) app.oleInitialised = true;
    // 3, 4. The program folder, also the current directory from here on.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    SplitProgramPath(path, app.programFolder, app.programFileName);
    if (app.moduleFolder.empty()) app.moduleFolder = app.programFolder + "\\";
    SetCurrentDirectoryA(app.programFolder.c_str());
    // 5, 6. The hidden owner window; the main thread.
    CreateHiddenOwnerWindow(app);
    app.mainThreadId = GetCurrentThreadId();
    // 7. The default icon's name and the constant region.
    app.defaultIconName = "DEFAULT_ICON";
    if (header.constantRegionEnd != header.constantRegionStart) {
        app.constantRegionStart = header.constantRegionStart;
        app.constantRegionEnd = header.constantRegionEnd;
    }
    // 8. The DLL command table: every entry unbound.
    dll::InitTable();
    // 9. Each support library learns the runtime's service entry.
    for (int32_t i = 0; i < header.supportLibraryCount; ++i) {
        const LibraryDescriptor* lib = header.supportLibraryTable[i];
        if (lib->notify) lib->notify(1, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
        app.libraries.push_back(lib);
        app.libraryValues.push_back(0);
    }
    // 10. The window templates.
    if (header.templateDataSize > 0 &&
        !forms::LoadTemplates(header.templateData, header.templateDataSize, header.codeBase, app.windowMap))
        ReportErrorText("载入窗口模板数据段出错!", 0);
}

void RegisterExitRoutine(ExitRoutine routine) {
    auto& list = gRuntime.exitRoutines;
    if (std::find(list.begin(), list.end(), routine) == list.end()) list.push_back(routine);
}

void LoadStartWindow(uint32_t windowId) {
    forms::WindowRecord* w = gRuntime.windowMap.Find(windowId);
    if (!w || !forms::LoadWindow(*w, false, false, nullptr)) ReportErrorText("载入启动窗口失败", 0);
}

void RuntimeShutdown(int exitCode) {
    RuntimeApplication& app = gRuntime;
    // 1. No event reaches a handler from here on.
    ++app.eventSuppressCount;
    // 2. Shutdown runs on the main thread; another thread only asks for it.
    if (app.mainThreadId != 0 && GetCurrentThreadId() != app.mainThreadId) {
        SendMessageA(app.hiddenOwnerWindow, kEndProgramMessage, static_cast<WPARAM>(exitCode), 0);
        if (!app.shutdownInProgress) ExitProcess(static_cast<UINT>(exitCode));
        return;
    }
    // 3, 4.
    app.shutdownInProgress = true;
    app.idleCallbacks.clear();
    // 5. Every loaded window, then the template copies.
    forms::DestroyAllWindows();
    app.windowMap.Clear();
    // 6. The exit routines, in registration order; routines registered meanwhile do not run.
    std::vector<ExitRoutine> routines;
    routines.swap(app.exitRoutines);
    for (ExitRoutine r : routines) r();
    // 7. The libraries' message 6.
    for (size_t i = 0; i < app.libraries.size(); ++i)
        if (app.libraries[i]->notify) app.libraries[i]->notify(6, app.libraryValues[i], 0);
    app.libraries.clear();
    app.libraryValues.clear();
    // 8. The DLL commands' modules.
    if (app.freeDllModules) app.freeDllModules();
    // 9. The constant region's bounds, the default icons, the hidden owner window.
    app.constantRegionStart = app.constantRegionEnd = nullptr;
    for (HICON& icon : app.defaultIcons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    if (app.hiddenOwnerWindow) {
        DestroyWindow(app.hiddenOwnerWindow);
        app.hiddenOwnerWindow = nullptr;
    }
    // 10, 11. Nothing else is held: the runtime keeps no per-window object lists, players or
    // picture caches, and the sockets layer belongs to the internet library.
    // 12. OLE.
    if (app.oleInitialised) {
        OleUninitialize();
        app.oleInitialised = false;
    }
    app.shutdownDone = true;
}

void EndProgram(int exitCode) {
    RuntimeShutdown(exitCode);
    ExitProcess(static_cast<UINT>(exitCode));
}
