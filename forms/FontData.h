// A font as unit property data keeps it: a 60-byte LOGFONTA (five 32-bit numbers, eight bytes,
// a 32-byte face name), or nothing for the default GUI font.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tpl {

inline constexpr size_t kLogFontSize = 60;

struct FontSpec {
    int32_t height = 0;
    int32_t weight = 400;
    uint8_t charSet = 0;
    std::string_view face;
    int32_t escapement = 0;
    uint8_t italic = 0, underline = 0, strikeOut = 0;
};

// The 60 bytes of the font's LOGFONTA, as a counted block's contents.
constexpr std::string FontBlock(const FontSpec& f) {
    std::string b(kLogFontSize, '\0');
    auto put = [&b](size_t at, int32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
    };
    put(0, f.height);
    put(8, f.escapement);
    put(12, f.escapement);  // orientation follows the escapement
    put(16, f.weight);
    b[20] = static_cast<char>(f.italic);
    b[21] = static_cast<char>(f.underline);
    b[22] = static_cast<char>(f.strikeOut);
    b[23] = static_cast<char>(f.charSet);
    for (size_t i = 0; i < f.face.size() && i < 31; ++i) b[28 + i] = f.face[i];
    return b;
}

}  // namespace tpl
