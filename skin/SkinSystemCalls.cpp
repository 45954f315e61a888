#include "skin/SkinSystemCalls.h"

namespace {

#define SKIN_SYSTEM_ENTRY_(name, ...) &::skin::sys::name.TableEntry(),
::dll::Entry* const kSkinEntries[] = {SKIN_DLL_COMMANDS(SKIN_SYSTEM_ENTRY_, SKIN_SYSTEM_ENTRY_)};
const int32_t kSkinFirstIndex = ::dll::RegisterModule(kSkinEntries);

}  // namespace
