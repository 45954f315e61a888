#include "runtime/ProgramHeader.h"

#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"

const ProgramHeader& PlainProgramHeader() {
    static const ProgramHeader header = {
        0, 0, 0, nullptr, ConstantRegionStart(), ConstantRegionEnd(), nullptr, 0, kSupportLibraryCount, kSupportLibraryTable,
    };
    return header;
}
