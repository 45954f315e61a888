#include "forms/UnitTypeTable.h"

#include <cstdint>

#include "forms/TemplateFormat.h"
#include "forms/UnitObject.h"
#include "forms/units/ButtonUnit.h"
#include "forms/units/CommonDlgUnit.h"
#include "forms/units/EditBoxUnit.h"
#include "forms/units/ListBoxUnit.h"
#include "forms/units/TransLabelUnit.h"
#include "forms/units/WindowUnit.h"
#include "runtime/RuntimeApplication.h"

namespace forms {
namespace {

struct UnitTypeRow {
    uint32_t unitTypeId;  // library number and type number
    const UnitTypeInfo* info;
};

// One row per unit type of this program.
constexpr UnitTypeRow kUnitTypeRows[] = {
    {tpl::kWindowType, &kWindowUnitType},
    {tpl::kEditBoxType, &kEditBoxUnitType},
    {tpl::kButtonType, &kButtonUnitType},
    {tpl::kListBoxType, &kListBoxUnitType},
    {tpl::kCommonDlgType, &kCommonDlgUnitType},
    {tpl::kTransLabelType, &kTransLabelUnitType},
};

template <size_t N>
constexpr std::array<const UnitTypeInfo*, N> SlotsOf(uint32_t libraryNumber) {
    std::array<const UnitTypeInfo*, N> slots{};
    for (const UnitTypeRow& row : kUnitTypeRows)
        if ((row.unitTypeId >> 16) == libraryNumber) slots[(row.unitTypeId & 0xFFFF) - 1] = row.info;
    return slots;
}

}  // namespace

constexpr std::array<const UnitTypeInfo*, 51> kCoreUnitTypeSlots = SlotsOf<51>(1);
constexpr std::array<const UnitTypeInfo*, 5> kExtendedUiUnitTypeSlots = SlotsOf<5>(2);

const UnitTypeInfo* FindUnitType(uint32_t unitTypeId) {
    if (ClassifyId(unitTypeId) != IdClass::Third) return nullptr;
    const auto& libraries = Runtime().libraries;
    uint32_t library = unitTypeId >> 16;
    uint32_t type = unitTypeId & 0xFFFF;
    if (library < 1 || library > libraries.size()) return nullptr;
    const LibraryDescriptor* lib = libraries[library - 1];
    if (type < 1 || static_cast<int32_t>(type) > lib->unitTypeSlotCount || !lib->unitTypes) return nullptr;
    return lib->unitTypes[type - 1];
}

}  // namespace forms
