#include "runtime/SupportLibraries.h"
#include "support/HttpPageReader.h"
#include "support/InternetLibraryState.h"

namespace {

const CommandInfo kInternetCommands[] = {
    {"HttpReadPage", HttpReadPage},
};

std::span<const CommandInfo> InternetCommands() { return kInternetCommands; }

// Message 1 hands over RuntimeNotify. At shutdown (message 6) the session is closed while the
// platform is still whole; the state object's destructor would otherwise do it at process exit.
intptr_t InternetLibraryNotify(int32_t message, intptr_t p1, intptr_t) {
    switch (message) {
    case 1: InternetState().runtime.Attach(reinterpret_cast<RuntimeNotifyFn>(p1)); return 0;
    case 6: InternetState().CloseSession(); return -1;
    default: return -1;
    }
}

}  // namespace

const LibraryDescriptor kInternetLibraryDescriptor = {
    kLibrarySignature, "{internet}", 2, 0, "互联网支持库", 0, nullptr, InternetCommands, InternetLibraryNotify,
};
