#include "runtime/SupportLibraries.h"

const LibraryDescriptor kEncodingLibraryDescriptor = {
    kLibrarySignature, "{encoding}", 2, 0, "编码转换支持库", 0, nullptr, nullptr, nullptr,
};
