// A program of this runtime that ends as its command line says:
//   runtime_child LOG error N | text CODE [TEXT] | alloc | numeric | notify2027 TEXT
//                   | end N | endthread N
// Exit routines append their names to LOG, so the test sees which ran and in what order.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/ArgRecord.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"

static std::string gLog;

static void Append(const char* line) {
    if (FILE* f = std::fopen(gLog.c_str(), "ab")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}
static void FirstRoutine() { Append("first"); }
static void SecondRoutine() { Append("second"); }

static DWORD WINAPI EndFromOtherThread(void* code) {
    EndProgram(static_cast<int>(reinterpret_cast<intptr_t>(code)));
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    char full[MAX_PATH];
    GetFullPathNameA(argv[1], MAX_PATH, full, nullptr);
    gLog = full;
    InitRuntime();
    RegisterExitRoutine(FirstRoutine);
    RegisterExitRoutine(SecondRoutine);
    RegisterExitRoutine(FirstRoutine);  // a second registration is ignored
    std::string what = argv[2];
    const char* arg = argc > 3 ? argv[3] : "";
    if (what == "error") ReportRuntimeError(std::atoi(arg));
    if (what == "text") ReportErrorText(argc > 4 ? argv[4] : "", std::atoi(arg));
    if (what == "alloc") RuntimeAlloc(static_cast<size_t>(-1) / 2 + 1000);
    if (what == "numeric") NumericValueOf(ArgRecord::Text("12"));
    if (what == "notify2027") RuntimeNotify(2027, reinterpret_cast<intptr_t>(arg), 0);
    if (what == "end") EndProgram(std::atoi(arg));
    if (what == "endthread") {
        CreateThread(nullptr, 0, EndFromOtherThread, reinterpret_cast<void*>(static_cast<intptr_t>(std::atoi(arg))), 0, nullptr);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        Append("loop ended");  // not reached: the end request ends the process on the main thread
        return 0;
    }
    Append("returned");
    return 1;
}
