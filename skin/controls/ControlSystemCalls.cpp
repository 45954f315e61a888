#include "skin/controls/ControlSystemCalls.h"

namespace {

#define SKIN_CONTROL_ENTRY_(name, ...) &::skin::sys::name.TableEntry(),
::dll::Entry* const kControlEntries[] = {SKIN_CONTROL_DLL_COMMANDS(SKIN_CONTROL_ENTRY_, SKIN_CONTROL_ENTRY_)};
const int32_t kControlFirstIndex = ::dll::RegisterModule(kControlEntries);

}  // namespace
