// The list box's property data, format versions 1 to 3 (the unit type itself comes with its own
// file in this folder).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "forms/TemplateArchive.h"

namespace tpl {

struct ListBoxProperties {
    int32_t version = 3;
    int32_t border = 1;
    int32_t sorted = 0;
    int32_t multiColumn = 0;
    int32_t extraItemHeight = 1;
    uint32_t textColour = 0;
    uint32_t backColour = 0xFFFFFF;
    int32_t multipleSelection = 0;
    int32_t currentSelection = -1;
    std::string font{};
    std::string itemValues{};       // one 32-bit value per item, or empty
    std::vector<std::string> items{};
    std::string option11{}, option12{};  // version 2 on
    int32_t option13 = 0;            // version 3
};

template <class Archive>
constexpr void Serialise(Archive& ar, ListBoxProperties& p) {
    ar.Field(p.version);
    if (p.version > 3) return ar.Fail();
    ar.Field(p.border);
    ar.Field(p.sorted);
    ar.Field(p.multiColumn);
    ar.Field(p.extraItemHeight);
    ar.Field(p.textColour);
    ar.Field(p.backColour);
    ar.Field(p.multipleSelection);
    ar.Field(p.currentSelection);
    ar.Block(p.font);
    ar.Block(p.itemValues);
    ar.TextArray(p.items);
    if (p.version > 1) {
        ar.Text(p.option11);
        ar.Text(p.option12);
    }
    if (p.version >= 3) ar.Field(p.option13);
}

}  // namespace tpl
