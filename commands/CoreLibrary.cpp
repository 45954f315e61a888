#include "commands/CoreLibrary.h"

#include <vector>

#include "forms/UnitTypeTable.h"

namespace {

std::span<const CommandInfo> CoreCommands() {
    static const std::vector<CommandInfo> table = [] {
        std::vector<CommandInfo> all;
        for (auto family : {TextCommandTable, FileCommandTable, InteractionCommandTable, ByteSetCommandTable, WindowCommandTable})
            for (const CommandInfo& c : family()) all.push_back(c);
        return all;
    }();
    return table;
}

}  // namespace

const LibraryDescriptor kCoreLibraryDescriptor = {
    kLibrarySignature, "{system-core}", 5, 3, "系统核心支持库", 51, forms::kCoreUnitTypeSlots.data(), CoreCommands, nullptr,
};
