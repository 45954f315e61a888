#include "runtime/SupportLibraries.h"

#include <cstring>

#include "forms/UnitTypeTable.h"

const LibraryDescriptor* const kSupportLibraryTable[kSupportLibraryCount] = {
    &kCoreLibraryDescriptor,     &kExtendedUiLibraryDescriptor,      &kEncodingLibraryDescriptor,
    &kInternetLibraryDescriptor, &kSpecialFunctionLibraryDescriptor,
};

const LibraryDescriptor* SupportLibrary(int32_t index) {
    if (index < 0 || index >= kSupportLibraryCount) return nullptr;
    return kSupportLibraryTable[index];
}

ArgRecord CallLibraryCommand(int32_t libraryIndex, CommandEntry entry, int32_t n, ArgRecord* args) {
    (void)libraryIndex;
    ArgRecord result{};
    entry(&result, n, args);
    return result;
}

ArgRecord CallCoreCommand(CommandEntry entry, int32_t n, ArgRecord* args) {
    return CallLibraryCommand(kCoreLibrary, entry, n, args);
}

FoundCommand FindLibraryCommand(const char* name) {
    for (int32_t i = 0; i < kSupportLibraryCount; ++i) {
        const LibraryDescriptor* lib = kSupportLibraryTable[i];
        if (!lib->commands) continue;
        for (const CommandInfo& c : lib->commands())
            if (std::strcmp(c.name, name) == 0) return {i, c.entry};
    }
    return {-1, nullptr};
}

// The two libraries whose commands this program does not call: the extended interface library
// carries the transparent label unit type, the special-function library nothing the program reaches.
const LibraryDescriptor kExtendedUiLibraryDescriptor = {
    kLibrarySignature, "{extended-ui}", 2, 0, "扩展界面支持库一", 5, forms::kExtendedUiUnitTypeSlots.data(), nullptr, nullptr,
};
const LibraryDescriptor kSpecialFunctionLibraryDescriptor = {
    kLibrarySignature, "{special-function}", 3, 1, "特殊功能支持库", 0, nullptr, nullptr, nullptr,
};
