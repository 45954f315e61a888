// A unit type for the forms tests only: a push button (or a radio button) with one own
// property of every value kind the runtime converts, so that properties, events, default
// buttons, claimed keys and re-creation can be exercised before the program's own control types
// exist. It lives in a test library that the test program adds to the runtime's list (library
// number 6, so its UnitTypeId is 0x00060001).
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"
#include "forms/UnitType.h"
#include "runtime/SupportLibraries.h"

namespace test_units {

inline constexpr uint32_t kTestLibraryNumber = 6;
inline constexpr uint32_t kTestButtonType = 0x00060001;

// Own properties (property index = own index + 8).
enum TestButtonProperty : int32_t {
    kCaption = 0,       // 1005 text
    kIsDefault = 1,     // 1006 choice: 1 is the default button
    kFont = 2,          // 1013 font
    kNumber = 3,        // 1001 integer
    kReal = 4,          // 1002 double
    kDate = 5,          // 1004 date-time
    kData = 6,          // 1009 picture data
    kFlag = 7,          // 1003 logical
    kColour = 8,        // 1014 colour
    kCursor = 9,        // 1011 mouse cursor
    kRadio = 10,        // 1006 choice: 0 push button, 1 radio button; a change re-creates the unit
    kClaimsEscape = 11, // 1003 logical: the unit takes Escape itself
    kFileName = 12,     // 1016 file name
};

struct TestButtonProperties {
    int32_t version = 1;
    std::string caption = "测试";
    int32_t isDefault = 0;
    std::string font{};
    int32_t number = 0;
    double real = 0;
    double date = 0;
    std::string data{};
    int32_t flag = 0;
    uint32_t colour = 0;
    std::string cursor{};
    int32_t radio = 0;
    int32_t claimsEscape = 0;
    std::string fileName{};
};

template <class Archive>
constexpr void Serialise(Archive& ar, TestButtonProperties& p) {
    ar.Field(p.version);
    if (p.version != 1) return ar.Fail();
    ar.Text(p.caption);
    ar.Field(p.isDefault);
    ar.Block(p.font);
    ar.Field(p.number);
    ar.Real(p.real);
    ar.Real(p.date);
    ar.Block(p.data);
    ar.Field(p.flag);
    ar.Field(p.colour);
    ar.Block(p.cursor);
    ar.Field(p.radio);
    ar.Field(p.claimsEscape);
    ar.Text(p.fileName);
}

extern const forms::UnitTypeInfo kTestButtonUnitType;
extern const LibraryDescriptor kTestLibraryDescriptor;

// Adds the test library to the runtime's libraries (after InitRuntime), as library number 6.
void AddTestLibrary();

}  // namespace test_units
