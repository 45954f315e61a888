// The runtime's application object: process-wide state, start-up and shutdown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forms/WindowMap.h"
#include "runtime/ProgramHeader.h"
#include "runtime/SupportLibraries.h"

using ExitRoutine = void (*)();

struct IdleCallback {
    HWND window;
    void (*routine)(intptr_t);
    intptr_t parameter;
};

struct RuntimeApplication {
    // Destroyed after the framework's exit hook or EndProgram has shut the runtime down; it
    // releases nothing itself, since the statics a shutdown touches may be gone by then.
    RuntimeApplication() = default;
    RuntimeApplication(const RuntimeApplication&) = delete;
    RuntimeApplication& operator=(const RuntimeApplication&) = delete;

    const ProgramHeader* header = nullptr;  // set by the framework's process entry
    uint32_t buildWords[3] = {};
    std::string programFolder;    // the executable's folder, no trailing backslash
    std::string programFileName;  // the part after the last backslash
    std::string moduleFolder;     // the same folder with a trailing backslash
    HANDLE heap = nullptr;
    DWORD mainThreadId = 0;
    HWND hiddenOwnerWindow = nullptr;
    const char* defaultIconName = nullptr;
    HICON defaultIcons[2] = {};   // large and small, loaded on first use
    const char* constantRegionStart = nullptr;
    const char* constantRegionEnd = nullptr;
    std::vector<const LibraryDescriptor*> libraries;
    std::vector<intptr_t> libraryValues;  // one per library, handed over at shutdown
    forms::WindowMap windowMap;
    HWND currentModalWindow = nullptr;    // the window the innermost modal loop runs for
    std::vector<ExitRoutine> exitRoutines;
    std::vector<IdleCallback> idleCallbacks;
    int eventSuppressCount = 0;
    bool shutdownInProgress = false;
    bool shutdownDone = false;
    bool messageLoopRunning = false;
    bool oleInitialised = false;
    bool initialised = false;
    bool recreatingUnit = false;          // destroy notices of the replaced unit are ignored
    // Set by the DLL command table: frees every module it loaded.
    void (*freeDllModules)() = nullptr;
};

RuntimeApplication& Runtime();

// Runtime service 6: heap, OLE, program folder (made current), hidden owner window, DLL table,
// the libraries' message 1, the window templates. Reads the header the framework was given (a
// program without one gets PlainProgramHeader). Later calls do nothing.
void InitRuntime();

// Appends the routine unless it is already registered (runtime service 3).
void RegisterExitRoutine(ExitRoutine routine);

// Runs the shutdown, then ends the process with that code. Does not return.
[[noreturn]] void EndProgram(int exitCode);

// The shutdown; idempotent in effect (a second call finds every list empty).
void RuntimeShutdown(int exitCode);

// Loads the start window (entry 11); "载入启动窗口失败" when the id names no template or the
// window cannot be created.
void LoadStartWindow(uint32_t windowId);

// The private message that hands an end request from another thread to the main thread.
constexpr UINT kEndProgramMessage = 0x83E7;
