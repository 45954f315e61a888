#include "runtime/RuntimeApplication.h"

#include <ole2.h>

#include <algorithm>
#include <mbstring.h>

#include "runtime/DllCommandTable.h"
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
    app.heap = GetProcessHeap();
    if (!app.oleInitialised && SUCCEEDED(OleInitialize(nullptr))) app.oleInitialised = true;

    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    SplitProgramPath(path, app.programFolder, app.programFileName);
    app.moduleFolder = app.programFolder + "\\";
    SetCurrentDirectoryA(app.programFolder.c_str());

    CreateHiddenOwnerWindow(app);
    app.mainThreadId = GetCurrentThreadId();
    app.defaultIconName = "DEFAULT_ICON";
    app.constantRegionStart = ConstantRegionStart();
    app.constantRegionEnd = ConstantRegionEnd();
    dll::InitTable();

    for (int32_t i = 0; i < kSupportLibraryCount; ++i) {
        const LibraryDescriptor* lib = SupportLibrary(i);
        if (lib->notify) lib->notify(1, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
        app.libraries.push_back(lib);
        app.libraryValues.push_back(0);
    }
}

void RegisterExitRoutine(ExitRoutine routine) {
    auto& list = gRuntime.exitRoutines;
    if (std::find(list.begin(), list.end(), routine) == list.end()) list.push_back(routine);
}

void RuntimeShutdown(int exitCode) {
    RuntimeApplication& app = gRuntime;
    ++app.eventSuppressCount;
    if (app.mainThreadId != 0 && GetCurrentThreadId() != app.mainThreadId) {
        // Shutdown runs on the main thread; this thread only asks for it.
        SendMessageA(app.hiddenOwnerWindow, kEndProgramMessage, static_cast<WPARAM>(exitCode), 0);
        if (!app.shutdownInProgress) ExitProcess(static_cast<UINT>(exitCode));
        return;
    }
    app.shutdownInProgress = true;
    app.idleCallbacks.clear();
    if (app.destroyLoadedWindows) app.destroyLoadedWindows();

    // Routines registered while the list runs are not run; the list is taken first.
    std::vector<ExitRoutine> routines;
    routines.swap(app.exitRoutines);
    for (ExitRoutine r : routines) r();

    for (size_t i = 0; i < app.libraries.size(); ++i)
        if (app.libraries[i]->notify) app.libraries[i]->notify(6, app.libraryValues[i], 0);
    app.libraries.clear();
    app.libraryValues.clear();

    if (app.freeDllModules) app.freeDllModules();
    if (app.hiddenOwnerWindow) {
        DestroyWindow(app.hiddenOwnerWindow);
        app.hiddenOwnerWindow = nullptr;
    }
    if (app.oleInitialised) {
        OleUninitialize();
        app.oleInitialised = false;
    }
}

void EndProgram(int exitCode) {
    RuntimeShutdown(exitCode);
    ExitProcess(static_cast<UINT>(exitCode));
}
