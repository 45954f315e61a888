// The edit box's property data, format versions 1 and 2 (the unit type itself comes with its
// own file in this folder).
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"

namespace tpl {

struct EditBoxProperties {
    int32_t version = 2;
    int32_t border = 1;
    uint32_t textColour = 0;
    uint32_t backColour = 0xFFFFFF;
    int32_t hideSelection = 1;
    int32_t maxLength = 0;
    int32_t multiLine = 0;
    int32_t scrollBars = 0;       // 0 none, 1 horizontal, 2 vertical, 3 both
    int32_t alignment = 0;
    int32_t inputMode = 0;        // 0 normal, 1 read-only, 2 password
    uint16_t passwordChar = '*';
    int32_t caseConversion = 0;
    int32_t spinBuddy = 0;
    int32_t spinMinimum = 0;
    int32_t spinMaximum = 100;
    int32_t selectionStart = 0;
    int32_t selectionLength = 0;
    std::string font{};             // 60-byte LOGFONTA or empty
    std::string content{};
    std::string option19{}, option20{};  // version 2
};

template <class Archive>
constexpr void Serialise(Archive& ar, EditBoxProperties& p) {
    ar.Field(p.version);
    if (p.version > 2) return ar.Fail();
    ar.Field(p.border);
    ar.Field(p.textColour);
    ar.Field(p.backColour);
    ar.Field(p.hideSelection);
    ar.Field(p.maxLength);
    ar.Field(p.multiLine);
    ar.Field(p.scrollBars);
    ar.Field(p.alignment);
    ar.Field(p.inputMode);
    ar.Short(p.passwordChar);
    ar.Field(p.caseConversion);
    ar.Field(p.spinBuddy);
    ar.Field(p.spinMinimum);
    ar.Field(p.spinMaximum);
    ar.Field(p.selectionStart);
    ar.Field(p.selectionLength);
    ar.Block(p.font);
    ar.Text(p.content);
    if (p.version == 2) {
        ar.Text(p.option19);
        ar.Text(p.option20);
    }
}

}  // namespace tpl
