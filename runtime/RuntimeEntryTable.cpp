#include "runtime/RuntimeEntryTable.h"

#include "forms/UnitProperties.h"
#include "runtime/MessageLoop.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/Values.h"

namespace {

void ReportNumberedError(int32_t number) { ReportRuntimeError(number); }
void EndWithCode(int32_t exitCode) { EndProgram(exitCode); }

constexpr RuntimeEntryTable kEntries = {
    ReportNumberedError,
    dll::AddressOf,
    CallLibraryCommand,
    CallCoreCommand,
    forms::ReadUnitProperty,
    forms::WriteUnitProperty,
    RuntimeAlloc,
    RuntimeRealloc,
    RuntimeFree,
    EndWithCode,
    RunMessageLoop,
    LoadStartWindow,
    RuntimeService,
};

}  // namespace

const RuntimeEntryTable& RuntimeEntries() { return kEntries; }

intptr_t RuntimeService(int32_t service, intptr_t argument1, intptr_t argument2) {
    switch (service) {
    case kServiceMakeArrayWritable:
        MakeArrayWritable(static_cast<size_t>(argument1), reinterpret_cast<ArrayValue**>(argument2));
        return 0;
    case kServiceRegisterExitRoutine: RegisterExitRoutine(reinterpret_cast<ExitRoutine>(argument1)); return 0;
    case kServiceInitRuntime: InitRuntime(); return 0;
    default: return 0;  // the file search and by-object property services serve no routine here
    }
}
