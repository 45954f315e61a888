#include "runtime/SupportLibraries.h"

const LibraryDescriptor kInternetLibraryDescriptor = {
    kLibrarySignature, "{internet}", 2, 0, "互联网支持库", 0, nullptr, nullptr, nullptr,
};
