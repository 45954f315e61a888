// The window unit's property data (own properties 0 to 23), format versions 1 to 6. The struct
// starts with the defaults that hold for fields an older version does not carry.
#pragma once
#include <cstdint>
#include <string>

#include "forms/TemplateArchive.h"

namespace tpl {

struct WindowProperties {
    int32_t version = 6;
    int32_t border = 2;           // 0 none .. 6 fixed with sunken client edge
    int32_t pictureMode = 1;
    uint32_t backColour = 0xFF000000;  // the system default
    int32_t maxButton = 0;
    int32_t minButton = 1;
    int32_t controlBox = 1;
    int32_t startPosition = 1;    // 0 as given, 1 centred, 2 minimised, 3 maximised
    int32_t movable = 1;
    int32_t playCount = 0;
    int32_t enterMovesFocus = 0;
    int32_t escapeCloses = 1;
    int32_t f1Help = 0;
    int32_t helpContext = 0;
    int32_t showInTaskbar = 1;    // version 2 on
    int32_t dragByClient = 0;     // version 3 on, with option20
    int32_t option20 = 0;
    int32_t alwaysOnTop = 0;      // version 4 on
    int32_t option22 = 0;         // version 5 on
    std::string className{};        // version 6
    std::string picture{}, icon{}, music{};
    std::string title{}, helpFile{};
};

inline constexpr int32_t kWindowDataVersion = 6;

template <class Archive>
constexpr void Serialise(Archive& ar, WindowProperties& p) {
    ar.Field(p.version);
    if (p.version > kWindowDataVersion) return ar.Fail();
    ar.Field(p.border);
    ar.Field(p.pictureMode);
    ar.Field(p.backColour);
    ar.Field(p.maxButton);
    ar.Field(p.minButton);
    ar.Field(p.controlBox);
    ar.Field(p.startPosition);
    ar.Field(p.movable);
    ar.Field(p.playCount);
    ar.Field(p.enterMovesFocus);
    ar.Field(p.escapeCloses);
    ar.Field(p.f1Help);
    ar.Field(p.helpContext);
    if (p.version > 1) ar.Field(p.showInTaskbar);
    if (p.version > 2) {
        ar.Field(p.dragByClient);
        ar.Field(p.option20);
    }
    if (p.version > 3) ar.Field(p.alwaysOnTop);
    if (p.version > 4) ar.Field(p.option22);
    if (p.version == 6) ar.Text(p.className);
    ar.Block(p.picture);
    ar.Block(p.icon);
    ar.Block(p.music);
    ar.Text(p.title);
    ar.Text(p.helpFile);
}

}  // namespace tpl
