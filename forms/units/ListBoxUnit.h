// The list box unit type ("列表框", UnitTypeId 0x0001000F) over the "LISTBOX" class: the item
// texts in template order (or sorted), their 32-bit values, extra item height, colours, font,
// single or multiple selection. Event 0 when the user changes the selection (LBN_SELCHANGE;
// setting it by program raises nothing), event 1 on a double click (LBN_DBLCLK).
//
// Own properties: 0 border, 1 sorted, 2 multi-column, 3 extra item height, 4 text colour,
// 5 background colour, 6 font, 7 multiple selection, 8 current selection (0-based, -1 none),
// 9 items, 10 item values, 11 to 13 options. Changing 1, 2 or 7 re-creates the control.
// The items travel as a byte set in the template's string-array form (a 16-bit count, or 0xFFFF
// and a 32-bit count, then each item as a 32-bit byte count and its bytes); item values as one
// 32-bit little-endian value per item. A list without items reads as the empty byte set.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "forms/units/ControlUnit.h"
#include "forms/units/ListBoxProperties.h"

namespace forms {

extern const UnitTypeInfo kListBoxUnitType;

class ListBoxUnit : public ControlUnit {
public:
    ListBoxUnit(uint32_t windowId, uint32_t unitId, const tpl::ListBoxProperties& p) : ControlUnit(windowId, unitId), p_(p) {}

    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();

    int32_t ItemCount() const;
    // The item's text; empty for an index outside 0 .. count - 1.
    std::string ItemText(int32_t index) const;

    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool Sorted() const { return p_.sorted && p_.itemValues.empty(); }
    int32_t CurrentSelection() const;
    void SelectClamped(int32_t index);
    void FillItems();
    void ApplyItemValues();
    void ApplyItemHeight();
    void ApplyListFont();
    std::vector<std::string> LiveItems() const;
    std::string LiveItemValues() const;

    tpl::ListBoxProperties p_;
    int32_t baseItemHeight_ = 0;  // the font's item height, before the extra pixels
    std::string cache_;           // what Get hands out for items and values
};

}  // namespace forms
