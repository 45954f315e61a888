#include "commands/CoreLibrary.h"

std::span<const CommandInfo> FileCommandTable() { return {}; }
