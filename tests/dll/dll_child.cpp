// A program of this runtime that calls a DLL command which cannot be bound, then a good one:
//   dll_child LOG indll | nolib | nodll | ordinal
// What runs after the failing call (the good call, the exit routine) appends to LOG.
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeApplication.h"
#include "tests/dll/dlltest.h"
#include "tests/support/ChildLog.h"

using testing_support::ChildLog;

using TwoInts = decltype(&::DllTestAdd);

#define CHILD_DLL_COMMANDS(X, T)                                   \
    T(MissingInDll, TwoInts, "dlltest.dll", "NoSuchExport")        \
    T(MissingNoLibrary, TwoInts, "", "NoSuchExport")               \
    T(MissingDll, TwoInts, "nosuchlib.dll", "DllTestAdd")          \
    T(MissingOrdinal, TwoInts, "dlltest.dll", "#999")              \
    X(DllTestAdd, "dlltest.dll")
DLL_DECLARE(CHILD_DLL_COMMANDS)
DLL_COMMAND_MODULE(Child, CHILD_DLL_COMMANDS)

static void ExitRoutineRan() { ChildLog::Append("exit routine"); }

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    ChildLog::Open(argv[1]);
    InitRuntime();
    RegisterExitRoutine(ExitRoutineRan);
    const std::string which = argv[2];
    int r = which == "indll"     ? dll::MissingInDll(1, 2)
            : which == "nolib"   ? dll::MissingNoLibrary(1, 2)
            : which == "nodll"   ? dll::MissingDll(1, 2)
            : which == "ordinal" ? dll::MissingOrdinal(1, 2)
                                 : -1;
    ChildLog::Append("returned " + std::to_string(r));
    ChildLog::Append("later entry gave " + std::to_string(dll::DllTestAdd(1, 2)));
    EndProgram(0);
}
