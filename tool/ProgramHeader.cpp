#include "tool/ProgramHeader.h"

#include "runtime/RuntimeEntryTable.h"
#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"
#include "tool/ProgramCode.h"
#include "tool/ProgramRoutines.h"
#include "tool/ProgramWindows.h"

extern const ProgramHeader kProgramHeader = {
    3,
    0,
    0x1AF61,
    kProgramCode,
    kConstantRegionStartMarker,
    kConstantRegionEndMarker,
    kTemplateBlock.data(),
    static_cast<uint32_t>(kTemplateBlock.size()),
    kSupportLibraryCount,
    kSupportLibraryTable,
};

int ProgramStartRoutine() {
    const RuntimeEntryTable& runtime = RuntimeEntries();
    runtime.runtimeService(kServiceInitRuntime, 0, 0);
    GlobalsInit();
    runtime.runtimeService(kServiceRegisterExitRoutine, reinterpret_cast<intptr_t>(&ProgramExitHook), 0);
    ProgramInit();  // the one module initialiser that does something
    runtime.loadStartWindow(kMainWindowId);
    runtime.runMessageLoop();
    return 0;
}
