// The common dialog's property data, format version 1 (the unit type itself comes with its own
// file in this folder).
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"

namespace tpl {

struct CommonDlgProperties {
    int32_t version = 1;
    int32_t type = 0;             // 0 open file, 1 save file, 2 font, 3 help
    int32_t initialFilter = 0;
    int32_t createPrompt = 0;
    int32_t fileMustExist = 1;
    int32_t overwritePrompt = 1;
    int32_t pathMustExist = 1;
    int32_t keepCurrentFolder = 0;
    uint32_t fontColour = 0;
    int32_t bold = 0, italic = 0, strikeOut = 0, underline = 0;
    int32_t fontSize = 0;
    int32_t helpCommand = 0;
    int32_t helpContext = 0;
    std::string title{}, fileName{}, filter{}, initialFolder{}, defaultExtension{}, fontName{}, helpFile{};
};

template <class Archive>
constexpr void Serialise(Archive& ar, CommonDlgProperties& p) {
    ar.Field(p.version);
    if (p.version > 1) return ar.Fail();
    ar.Field(p.type);
    ar.Field(p.initialFilter);
    ar.Field(p.createPrompt);
    ar.Field(p.fileMustExist);
    ar.Field(p.overwritePrompt);
    ar.Field(p.pathMustExist);
    ar.Field(p.keepCurrentFolder);
    ar.Field(p.fontColour);
    ar.Field(p.bold);
    ar.Field(p.italic);
    ar.Field(p.strikeOut);
    ar.Field(p.underline);
    ar.Field(p.fontSize);
    ar.Field(p.helpCommand);
    ar.Field(p.helpContext);
    ar.Text(p.title);
    ar.Text(p.fileName);
    ar.Text(p.filter);
    ar.Text(p.initialFolder);
    ar.Text(p.defaultExtension);
    ar.Text(p.fontName);
    ar.Text(p.helpFile);
}

}  // namespace tpl
