// The GBK byte rules that the text commands share.
//
// A byte of 0x80 or more is the lead byte of a double-byte character; the byte after it belongs
// to the same character, whatever its value (trail bytes may lie in the ASCII range). A lead
// byte directly followed by the terminating zero is a broken character. Walking a text means
// stepping one byte for a single-byte character and two for a double-byte one.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace gbk {

constexpr bool IsLeadByte(uint8_t b) { return b >= 0x80; }

constexpr uint8_t FoldAsciiCase(uint8_t b) { return b >= 'A' && b <= 'Z' ? static_cast<uint8_t>(b + ('a' - 'A')) : b; }

// FoldAsciiCase for every byte value, so hot loops fold with one load.
inline constexpr std::array<uint8_t, 256> kAsciiFold = [] {
    std::array<uint8_t, 256> t{};
    for (size_t b = 0; b < t.size(); ++b) t[b] = FoldAsciiCase(static_cast<uint8_t>(b));
    return t;
}();

// Whether position p of `text` lies on the walk that starts at `sync` (sync <= p, sync itself
// on the walk): p is reached unless it is the trail byte of a double-byte character. Only the
// run of lead-range bytes just before p decides it, so the cost is that run's length, never
// more than p - sync.
inline bool OnWalk(const uint8_t* text, size_t sync, size_t p) {
    size_t i = p;
    while (i > sync && IsLeadByte(text[i - 1])) --i;
    return ((p - i) & 1) == 0;
}

// The half-width form of a text of `length` bytes, as the number readers see it: full-width
// ASCII forms (lead 0xA3, trail 0xA1..0xFE) become their ASCII byte, the ideographic space
// 0xA1A1 a blank, 0xA1AB a tilde, 0xA1EE and 0xA1EF an asterisk; every other character is
// copied. A broken character ends the conversion.
std::string HalfWidth(const char* text, size_t length);

}  // namespace gbk
