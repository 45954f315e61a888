// Names and constants of the window template format, shared by the writer, the reader and the
// engine. The layout itself is written out once, in TemplateWriter.h (Serialise) and read back
// in WindowMap.cpp (ParseUnitRecord), field for field in the same order.
#pragma once
#include <cstdint>

namespace tpl {

// UnitTypeIds: the support library's 1-based number in the high 16 bits, the type's number in
// the library in the low 16 bits.
constexpr uint32_t MakeUnitTypeId(uint32_t library, uint32_t type) { return (library << 16) | type; }
inline constexpr uint32_t kWindowType = 0x00010001;
inline constexpr uint32_t kEditBoxType = 0x00010005;
inline constexpr uint32_t kButtonType = 0x0001000B;
inline constexpr uint32_t kListBoxType = 0x0001000F;
inline constexpr uint32_t kCommonDlgType = 0x0001001F;
inline constexpr uint32_t kTransLabelType = 0x00020005;

// Unit flags of a unit record.
enum UnitFlag : uint32_t {
    kUnitVisible = 1,
    kUnitDisabled = 2,
    kUnitTabStop = 4,
};

// A window's own unit id has 0 in its top four bits and 6 in the next four; the other units 1
// and 6. A top byte of 0x26 marks a menu entry, whose record has another layout.
constexpr bool IsMenuEntryId(uint32_t unitId) { return (unitId >> 24) == 0x26; }

// An event binding's handler offset that means "no handler".
inline constexpr int32_t kNoHandler = -1;

// The state word bit the runtime sets in a window's own record while it is on screen.
inline constexpr uint32_t kStateLoaded = 1;

}  // namespace tpl
