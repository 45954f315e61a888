// The thirteen entries through which program code reaches the runtime, in their fixed order.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/ArgRecord.h"
#include "runtime/DllCommandTable.h"
#include "runtime/SupportLibraries.h"

struct RuntimeEntryTable {
    void (*reportRuntimeError)(int32_t number);                                            // 0
    // The bound address of DLL command `index`; program code calls it with the function's
    // own arguments, through the function's prototype.
    dll::Address (*callDllCommand)(int32_t index);                                         // 1
    ArgRecord (*callLibraryCommand)(int32_t libraryIndex, CommandEntry entry, int32_t n, ArgRecord* args);  // 2
    ArgRecord (*callCoreCommand)(CommandEntry entry, int32_t n, ArgRecord* args);          // 3
    ArgRecord (*readUnitProperty)(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex);  // 4
    void (*writeUnitProperty)(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex,
                              uint32_t valueLow, uint32_t valueHigh);                      // 5
    void* (*runtimeAlloc)(size_t byteCount);                                               // 6
    void* (*runtimeRealloc)(void* block, size_t byteCount);                                // 7
    void (*runtimeFree)(void* block);                                                      // 8
    void (*endProgram)(int32_t exitCode);                                                  // 9
    void (*runMessageLoop)();                                                              // 10
    void (*loadStartWindow)(uint32_t windowId);                                            // 11
    intptr_t (*runtimeService)(int32_t service, intptr_t argument1, intptr_t argument2);   // 12
};

const RuntimeEntryTable& RuntimeEntries();

// Runtime services (entry 12).
enum RuntimeServiceNumber : int32_t {
    kServiceMakeArrayWritable = 2,   // (element size, address of the array variable)
    kServiceRegisterExitRoutine = 3, // (routine)
    kServiceInitRuntime = 6,
};
intptr_t RuntimeService(int32_t service, intptr_t argument1, intptr_t argument2);
