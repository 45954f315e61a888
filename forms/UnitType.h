// The unit-type interface: how a unit type describes itself to the runtime.
//
// A unit type is one UnitTypeInfo in a file of its own under forms/units/ plus one row in
// forms/UnitTypeTable.cpp (kUnitTypeRows: its UnitTypeId and the info) that puts it into its
// library's slot. Its property data format is a Serialise function in a header beside it
// (forms/units/<Type>Properties.h), shared by the template writer and the type's creation.
// To add one:
//   1. forms/units/<Type>Unit.h/.cpp: a class derived from UnitObject (forms/UnitObject.h) holding
//      the type's properties struct, with the operations below as members;
//   2. its property table: FORMS_COMMON_PROPERTIES, then one OwnProperty(code) per own property
//      in own-index order;
//   3. its interface entry (a switch from operation code to routine) and its UnitTypeInfo
//      (names, flags, property count and table, interface entry);
//   4. the row in kUnitTypeRows.
// forms/units/WindowUnit.cpp is a type with a window class of its own; tests/forms/
// TestButtonUnit.cpp one over a system control (subclassed, its notifications reflected).
//
// The runtime calls a type only through its interface entry: Interface(operation) gives the
// routine for that operation, or null when the type has none.
//
//   1 create  (CreateUnitRoutine)    reads the property data (tpl::ReadPropertyData over the
//             defaults), creates the platform window with the given style bits, parent, control
//             id, position and size, and returns the live object, or null on failure. Units are
//             created hidden (no WS_VISIBLE); the runtime shows them.
//   4 set     (SetPropertyRoutine)   sets own property `ownIndex` (property index - 8) from a
//             PropertyValue; returns 1 when the unit must be re-created for the change to take
//             effect (the runtime then saves it, creates a new unit from the saved data and
//             replaces the old one), else 0.
//   5 save    (SavePropertiesRoutine) the unit's current state as property data.
//   6 get     (GetPropertyRoutine)   fills a PropertyValue with own property `ownIndex`; texts
//             and bytes point into the unit's own storage (the runtime copies them at once);
//             returns 1 when the property exists.
//   8 claims  (ClaimsKeyRoutine)     1 when the unit handles this key itself, so the window's
//             keyboard handling (Tab, Enter, Escape, F1, arrows) leaves it alone.
//
// Value records by PropertyTypeCode: integer, logical (0 or 1), choice (never negative) and
// colour kinds in `integer`; double and date-time in `real`; text as `pointer` to a
// zero-terminated text (never null when set); picture, icon, sound, cursor and other byte data
// as `pointer` and `length` (null and 0 for none); a font as `pointer` to a 60-byte LOGFONTA and
// length 60 (length 0 when reading: the default GUI font). Clamping a value to the type's range
// (for example a choice of 0..3) is the type's part.
//
// Flags the runtime tests: kNeverShown (the unit stays hidden), kRaisesEvents or kRaisesEvents2
// (events of a type with neither are rejected), kDefaultButton (Enter may press the unit: such a
// type keeps "is the default button" as its own property 1, 1 meaning yes; pressing raises the
// unit's event 0).
//
// A live unit object raises its events with UnitObject::RaiseEvent (runtime message 2008) and
// gets the common behaviour from the UnitObject base: focus events -7 and -8, the destroy notice
// (message 2000), its mouse cursor, and the parent's notifications (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM, ...) reflected to OnReflected. forms/UnitFont.h makes a font
// property's font.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace forms {

class UnitObject;

// PropertyTypeCode values.
enum PropertyTypeCode : uint16_t {
    kPropInteger = 1000,
    kPropInteger2 = 1001,
    kPropDouble = 1002,
    kPropLogical = 1003,
    kPropDateTime = 1004,
    kPropText = 1005,
    kPropChoice = 1006,
    kPropText2 = 1007,
    kPropText3 = 1008,
    kPropPicture = 1009,
    kPropIcon = 1010,
    kPropCursor = 1011,
    kPropSound = 1012,
    kPropFont = 1013,
    kPropColour = 1014,
    kPropColour2 = 1015,
    kPropFileName = 1016,
    kPropColour3 = 1017,
    kPropBinary = 1023,
    kPropBinary2 = 1024,
};

struct PropertyInfo {
    const char* name;
    const char* englishName;
    const char* description;
    uint16_t typeCode;  // PropertyTypeCode
    uint16_t flags;
    const char* const* choices;
};

// Flag bits of a unit type.
enum UnitTypeFlag : uint32_t {
    kRaisesEvents2 = 0x4,
    kRaisesEvents = 0x40,
    kDefaultButton = 0x800,
    kNeverShown = 0x8000,
};

// The value record of operations 4 and 6.
struct PropertyValue {
    union {
        int32_t integer;
        double real;
        const void* pointer;
    };
    uint32_t length;
};

// What operation 1 is given.
struct UnitCreateParams {
    const uint8_t* propertyData;
    size_t propertyLength;
    DWORD style;         // WS_DISABLED and WS_TABSTOP from the unit flags
    HWND parent;
    UINT controlId;      // 100, 110, ... in creation order; 0 for the window
    HMENU menu;
    int left, top, width, height;
    uint32_t windowId;
    uint32_t unitId;
    intptr_t extra1;     // for the window: 1 when it is loaded modally; 0 for other units
    intptr_t extra2;
};

enum UnitOperation : int32_t {
    kOpCreate = 1,
    kOpSetProperty = 4,
    kOpSaveProperties = 5,
    kOpGetProperty = 6,
    kOpClaimsKey = 8,
};

using CreateUnitRoutine = UnitObject* (*)(const UnitCreateParams& params);
using SetPropertyRoutine = int32_t (*)(UnitObject* unit, int32_t ownIndex, const PropertyValue& value);
using SavePropertiesRoutine = std::string (*)(UnitObject* unit);
using GetPropertyRoutine = int32_t (*)(UnitObject* unit, int32_t ownIndex, PropertyValue& out);
using ClaimsKeyRoutine = int32_t (*)(UnitObject* unit, const MSG& keyMessage);

// A routine as the interface entry hands it out; cast to the operation's routine type.
using UnitRoutine = void (*)();
using UnitInterface = UnitRoutine (*)(int32_t operation);

struct UnitTypeInfo {
    const char* name;
    const char* englishName;
    const char* description;
    intptr_t reserved1[2];
    uint32_t flags;
    intptr_t reserved2[3];
    int32_t propertyCount;        // the eight common properties included
    const PropertyInfo* properties;
    UnitInterface interfaceEntry;
    intptr_t reserved3[2];
};

// The routine of an operation, typed; null when the type has none.
template <typename Routine>
Routine OperationOf(const UnitTypeInfo* type, UnitOperation op) {
    if (!type || !type->interfaceEntry) return nullptr;
    return reinterpret_cast<Routine>(type->interfaceEntry(op));
}

// The eight common properties every type's table begins with.
#define FORMS_COMMON_PROPERTIES                                                               \
    {nullptr, nullptr, nullptr, ::forms::kPropInteger, 0xE000, nullptr},  /* 0 left */         \
    {nullptr, nullptr, nullptr, ::forms::kPropInteger, 0xE000, nullptr},  /* 1 top */          \
    {nullptr, nullptr, nullptr, ::forms::kPropInteger, 0xE000, nullptr},  /* 2 width */        \
    {nullptr, nullptr, nullptr, ::forms::kPropInteger, 0xE000, nullptr},  /* 3 height */       \
    {nullptr, nullptr, nullptr, ::forms::kPropText, 0xE000, nullptr},     /* 4 tag */          \
    {nullptr, nullptr, nullptr, ::forms::kPropLogical, 0xE000, nullptr},  /* 5 visible */      \
    {nullptr, nullptr, nullptr, ::forms::kPropLogical, 0xE000, nullptr},  /* 6 disabled */     \
    {nullptr, nullptr, nullptr, ::forms::kPropCursor, 0xE000, nullptr}    /* 7 mouse cursor */

// An own property row of a type's table.
constexpr PropertyInfo OwnProperty(PropertyTypeCode code) { return {nullptr, nullptr, nullptr, code, 0, nullptr}; }

// The type of a UnitTypeId among the libraries the runtime keeps (runtime message 1002); null
// when the id is not of the third id class or its library or type number is out of range.
const UnitTypeInfo* FindUnitType(uint32_t unitTypeId);

}  // namespace forms
