#include "gdiplus/SystemCalls.h"

namespace {

#define GDIP_SYSTEM_ENTRY_(name, ...) &::gdip::sys::name.TableEntry(),
::dll::Entry* const kSystemEntries[] = {GDIP_SYSTEM_DLL_COMMANDS(GDIP_SYSTEM_ENTRY_, GDIP_SYSTEM_ENTRY_)};
const int32_t kSystemFirstIndex = ::dll::RegisterModule(kSystemEntries);

}  // namespace
