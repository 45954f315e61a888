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
#include "tests/support/ChildLog.h"

using testing_support::ChildLog;

static void FirstRoutine() { ChildLog::Append("first"); }
static void SecondRoutine() { ChildLog::Append("second"); }

static DWORD WINAPI EndFromOtherThread(void* code) {
    EndProgram(static_cast<int>(reinterpret_cast<intptr_t>(code)));
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    ChildLog::Open(argv[1]);
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
        ChildLog::Append("loop ended");  // not reached: the end request ends the process on the main thread
        return 0;
    }
    ChildLog::Append("returned");
    return 1;
}
