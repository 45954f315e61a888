// The runtime's application object: process-wide state, start-up and shutdown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/SupportLibraries.h"

using ExitRoutine = void (*)();

struct IdleCallback {
    HWND window;
    void (*routine)(intptr_t);
    intptr_t parameter;
};

struct RuntimeApplication {
    std::string programFolder;    // the executable's folder, no trailing backslash
    std::string programFileName;  // the part after the last backslash
    std::string moduleFolder;     // the same folder with a trailing backslash
    HANDLE heap = nullptr;
    DWORD mainThreadId = 0;
    HWND hiddenOwnerWindow = nullptr;
    const char* defaultIconName = nullptr;
    const char* constantRegionStart = nullptr;
    const char* constantRegionEnd = nullptr;
    std::vector<const LibraryDescriptor*> libraries;
    std::vector<intptr_t> libraryValues;  // one per library, handed over at shutdown
    std::vector<ExitRoutine> exitRoutines;
    std::vector<IdleCallback> idleCallbacks;
    int eventSuppressCount = 0;
    bool shutdownInProgress = false;
    bool messageLoopRunning = false;
    bool oleInitialised = false;
    bool initialised = false;
    // Set by the forms layer: destroys every loaded window and drops the template copies.
    void (*destroyLoadedWindows)() = nullptr;
    // Set by the DLL command table: frees every module it loaded.
    void (*freeDllModules)() = nullptr;
};

RuntimeApplication& Runtime();

// Start-up: heap, OLE, program folder (made current), hidden owner window, DLL table,
// libraries' message 1. Safe to call once; later calls do nothing.
void InitRuntime();

// Appends the routine unless it is already registered (runtime service 3).
void RegisterExitRoutine(ExitRoutine routine);

// Runs the shutdown, then ends the process with that code. Does not return.
[[noreturn]] void EndProgram(int exitCode);

// The shutdown; idempotent in effect (a second call finds every list empty).
void RuntimeShutdown(int exitCode);

// The private message that hands an end request from another thread to the main thread.
constexpr UINT kEndProgramMessage = 0x83E7;
