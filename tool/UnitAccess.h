// How the tool's routines reach units: properties by number through the runtime's entries 4
// and 5, and unit references for the commands that take a unit.
#pragma once
#include <cstdint>

#include "runtime/ArgRecord.h"
#include "runtime/ValueHolders.h"
#include "tool/ProgramUnits.h"

// The ArgRecord that names the unit to a command.
inline ArgRecord UnitReference(const UnitName& u) { return ArgRecord::Unit(u.window, u.unit, u.type); }

// A text property, as a new text owned by the caller (null: the empty text).
Text ReadTextProperty(const UnitName& u, int32_t property);
// Writes a text property; the text is borrowed (null writes the empty text).
void WriteTextProperty(const UnitName& u, int32_t property, const char* text);
inline void WriteTextProperty(const UnitName& u, int32_t property, const Text& text) {
    WriteTextProperty(u, property, text.Get());
}
// An integer property.
int32_t ReadIntProperty(const UnitName& u, int32_t property);
