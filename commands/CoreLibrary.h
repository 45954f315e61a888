// The system core library: the built-in commands, by family.
#pragma once
#include <span>

#include "runtime/SupportLibraries.h"

std::span<const CommandInfo> TextCommandTable();         // texts and conversions
std::span<const CommandInfo> FileCommandTable();         // files, folders, INI
std::span<const CommandInfo> InteractionCommandTable();  // boxes, programs, windows
std::span<const CommandInfo> ByteSetCommandTable();      // byte sets, arithmetic, bits
std::span<const CommandInfo> WindowCommandTable();       // windows and units
