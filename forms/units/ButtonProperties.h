// The button's property data, format version 1 (the unit type itself comes with its own file
// in this folder).
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"

namespace tpl {

struct ButtonProperties {
    int32_t version = 1;
    int32_t type = 0;             // 0 normal, 1 default button
    int32_t horizontalAlign = 1;
    int32_t verticalAlign = 1;
    std::string picture{};
    std::string font{};
    std::string caption = "按钮";
};

template <class Archive>
constexpr void Serialise(Archive& ar, ButtonProperties& p) {
    ar.Field(p.version);
    if (p.version > 1) return ar.Fail();
    ar.Field(p.type);
    ar.Field(p.horizontalAlign);
    ar.Field(p.verticalAlign);
    ar.Block(p.picture);
    ar.Block(p.font);
    ar.Text(p.caption);
}

}  // namespace tpl
