// Support libraries and command calls: the descriptor of each library, the table of the five
// libraries, the command-call entry and the runtime's service entry for the libraries.
#pragma once
#include <cstdint>
#include <span>

#include "runtime/ArgRecord.h"

// A command entry: writes its result into *result; args points to n consecutive records.
using CommandEntry = void (*)(ArgRecord* result, int32_t n, ArgRecord* args);
// The runtime's service entry handed to every library (some messages give 64-bit results).
using RuntimeNotifyFn = int64_t (*)(int32_t message, intptr_t p1, intptr_t p2);
// A library's entry for messages from the runtime (1 at start-up, 6 at shutdown).
using LibraryNotifyFn = intptr_t (*)(int32_t message, intptr_t p1, intptr_t p2);

namespace forms {
struct UnitTypeInfo;  // a unit type's property table and interface (forms/UnitType.h)
}

// A command as a library lists it: its name (for tools such as the command probe) and entry.
struct CommandInfo {
    const char* name;
    CommandEntry entry;
};

constexpr uint32_t kLibrarySignature = 0x01312D65;

struct LibraryDescriptor {
    uint32_t signature;
    const char* identifier;
    int32_t majorVersion;
    int32_t minorVersion;
    const char* displayName;
    int32_t unitTypeSlotCount;
    const forms::UnitTypeInfo* const* unitTypes;  // slotCount entries; a slot the program does not use is null
    std::span<const CommandInfo> (*commands)();  // exactly the commands the program uses
    LibraryNotifyFn notify;
};

// Library indexes, in the table's fixed order (the 1-based position is the number in a UnitTypeId).
enum LibraryIndex : int32_t {
    kCoreLibrary = 0,
    kExtendedUiLibrary = 1,
    kEncodingLibrary = 2,
    kInternetLibrary = 3,
    kSpecialFunctionLibrary = 4,
    kSupportLibraryCount = 5,
};

// The table itself, for the program header, and one library of it.
extern const LibraryDescriptor* const kSupportLibraryTable[kSupportLibraryCount];
const LibraryDescriptor* SupportLibrary(int32_t index);

// The descriptors, each defined beside its library's code.
extern const LibraryDescriptor kCoreLibraryDescriptor;
extern const LibraryDescriptor kExtendedUiLibraryDescriptor;
extern const LibraryDescriptor kEncodingLibraryDescriptor;
extern const LibraryDescriptor kInternetLibraryDescriptor;
extern const LibraryDescriptor kSpecialFunctionLibraryDescriptor;

// Runtime entries 2 and 3: zero a result record, call the entry with (result, n, args), hand
// the result back. The library index travels with the call; the entry alone names the command.
ArgRecord CallLibraryCommand(int32_t libraryIndex, CommandEntry entry, int32_t n, ArgRecord* args);
ArgRecord CallCoreCommand(CommandEntry entry, int32_t n, ArgRecord* args);

// Finds a command by name in any library; null entry when there is none.
struct FoundCommand {
    int32_t libraryIndex;
    CommandEntry entry;
};
FoundCommand FindLibraryCommand(const char* name);

// The runtime's service entry (see RuntimeNotify.cpp for the messages).
int64_t RuntimeNotify(int32_t message, intptr_t p1, intptr_t p2);

