// Unit properties by number (runtime entries 4 and 5). Properties 0 to 7 are common to every
// unit and kept in its template record; 8 onwards belong to the unit type and need the unit on
// screen. Values travel in the kind their PropertyTypeCode gives them in program code.
#pragma once
#include <cstdint>

#include "runtime/ArgRecord.h"

namespace forms {

// The whole font, as program code sees it (array index -1 of a font property). Reading one
// gives a new block whose face name is a new text, both owned by the caller.
struct FontRecord {
    int32_t angle;      // tenths of a degree
    int32_t bold;
    int32_t italic;
    int32_t strikeOut;
    int32_t underline;
    int32_t size;       // points
    char* faceName;
};
static_assert(sizeof(void*) != 4 || sizeof(FontRecord) == 28);
// The TypeCode a whole font record carries.
inline constexpr TypeCode kTypeFontRecord = 0x00000F01;

// Array index -1: the whole property; a font's parts by index 0 to 6.
inline constexpr int32_t kWholeProperty = -1;

// Texts and byte sets read are new values owned by the caller.
ArgRecord ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex);
// The value's two words: a pointer (text, byte set, font record) in both words on 64-bit builds,
// a double in both; texts and byte sets are borrowed.
void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex, uint32_t valueLow,
                       uint32_t valueHigh);

// The two words of a pointer value.
inline uint32_t LowWord(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
inline uint32_t HighWord(const void* p) { return static_cast<uint32_t>(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)) >> 32); }

}  // namespace forms
