// The unit types of the libraries, by slot: each library's UnitTypeInfo slots (a slot whose
// type the program does not use is null). The rows are in UnitTypeTable.cpp.
#pragma once
#include <array>

#include "forms/UnitType.h"

namespace forms {

extern const std::array<const UnitTypeInfo*, 51> kCoreUnitTypeSlots;       // the system core library
extern const std::array<const UnitTypeInfo*, 5> kExtendedUiUnitTypeSlots;  // the extended interface library

}  // namespace forms
