#include "commands/CoreLibrary.h"

std::span<const CommandInfo> TextCommandTable() { return {}; }
