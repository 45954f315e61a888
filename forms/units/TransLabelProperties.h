// The transparent label's property data, format version 1 (the unit type itself comes with its
// own file in this folder).
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"

namespace tpl {

struct TransLabelProperties {
    int32_t version = 1;
    int32_t effect = 0;           // 0 none, 1 raised, 2 sunk, 3 shadow
    uint32_t textColour = 0;
    int32_t horizontalAlign = 0;
    int32_t verticalAlign = 1;
    int32_t wordWrap = 0;
    std::string font{};
    std::string caption = "透明标签";
};

template <class Archive>
constexpr void Serialise(Archive& ar, TransLabelProperties& p) {
    ar.Field(p.version);
    if (p.version > 1) return ar.Fail();
    ar.Field(p.effect);
    ar.Field(p.textColour);
    ar.Field(p.horizontalAlign);
    ar.Field(p.verticalAlign);
    ar.Field(p.wordWrap);
    ar.Block(p.font);
    ar.Text(p.caption);
}

}  // namespace tpl
