#include "commands/ByteSetCommands.h"

#include "commands/CoreLibrary.h"

void ByteSetLength(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = ArgRecord::Int(static_cast<int32_t>(ByteSetLength(args[0].AsByteSet())));
}

namespace {
const CommandInfo kByteSetCommands[] = {
    {"ByteSetLength", ByteSetLength},
};
}

std::span<const CommandInfo> ByteSetCommandTable() { return kByteSetCommands; }
