#include "commands/CoreLibrary.h"

std::span<const CommandInfo> InteractionCommandTable() { return {}; }
