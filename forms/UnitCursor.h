// A unit's mouse cursor property: a byte block whose first 32-bit word is a cursor number,
// kept in the template in its stored form (0 the default, 1 onwards the standard cursors in the
// order below) and seen by program code in its platform form (the IDC_ number).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace forms {

int32_t CursorNumberToPlatform(int32_t stored);
int32_t CursorNumberToStored(int32_t platform);
// The same translation applied to a cursor block's first word (when it has 4 bytes or more).
std::string CursorBlockToPlatform(std::string block);
std::string CursorBlockToStored(std::string block);

// The cursor a stored block names: a shared standard cursor, or null for the default.
HCURSOR LoadUnitCursor(const std::string& storedBlock);

}  // namespace forms
