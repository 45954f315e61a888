#include "support/EncodingLibrary.h"

#include "runtime/SupportLibraries.h"
#include "support/EncodingConversion.h"

namespace {

RuntimeLink gRuntime;

const CommandInfo kEncodingCommands[] = {
    {"ConvertEncoding", ConvertEncoding},
};

std::span<const CommandInfo> EncodingCommands() { return kEncodingCommands; }

// Message 1 hands over RuntimeNotify, message 6 comes at shutdown; nothing else is known.
intptr_t EncodingLibraryNotify(int32_t message, intptr_t p1, intptr_t) {
    switch (message) {
    case 1: gRuntime.Attach(reinterpret_cast<RuntimeNotifyFn>(p1)); return 0;
    case 6: return 0;
    default: return -1;
    }
}

}  // namespace

const RuntimeLink& EncodingLibraryRuntime() { return gRuntime; }

const LibraryDescriptor kEncodingLibraryDescriptor = {
    kLibrarySignature, "{encoding}", 2, 0, "编码转换支持库", 0, nullptr, EncodingCommands, EncodingLibraryNotify,
};
