#include "commands/GbkSearch.h"

#include <cstring>

#include "commands/GbkText.h"

namespace {

constexpr bool IsLowerAsciiLetter(uint8_t b) { return b >= 'a' && b <= 'z'; }

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;

// 0x80 in every byte of x that is zero (and possibly in some above a zero byte, which the full
// comparison of each candidate sorts out).
constexpr uint64_t ZeroBytes(uint64_t x) { return (x - kOnes) & ~x & kHighs; }

inline uint64_t LoadWord(const uint8_t* p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;  // little-endian: byte i of the word is p[i]
}

}  // namespace

GbkSearch::GbkSearch(const char* pattern, size_t m, bool ignoreCase) : pattern_(pattern, m), ignoreCase_(ignoreCase) {
    if (ignoreCase_)
        for (char& c : pattern_) c = static_cast<char>(gbk::kAsciiFold[static_cast<uint8_t>(c)]);
    auto anchor = [&](uint8_t b, uint8_t& mask, uint8_t& want) {
        // A folded letter has bit 0x20 set; or-ing it into a text byte maps only the letter's
        // upper case onto it.
        mask = ignoreCase_ && IsLowerAsciiLetter(b) ? 0x20 : 0;
        want = b;
    };
    anchor(static_cast<uint8_t>(pattern_.front()), firstMask_, firstWant_);
    anchor(static_cast<uint8_t>(pattern_.back()), lastMask_, lastWant_);
}

bool GbkSearch::MatchesAt(const uint8_t* at) const {
    auto want = reinterpret_cast<const uint8_t*>(pattern_.data());
    size_t m = pattern_.size();
    if (!ignoreCase_) return std::memcmp(at, want, m) == 0;
    for (size_t i = 0; i < m; ++i)
        if (gbk::kAsciiFold[at[i]] != want[i]) return false;
    return true;
}

size_t GbkSearch::Next(const char* textChars, size_t length, size_t from) const {
    auto text = reinterpret_cast<const uint8_t*>(textChars);
    const size_t m = pattern_.size();
    if (m > length || from > length - m) return kNone;
    const size_t last = length - m;  // the last position a match can start at
    size_t sync = from;              // a position known to lie on the walk

    // A candidate that matches in full is a match if it lies on the walk; either way the
    // knowledge of the walk moves up to it.
    auto accept = [&](size_t p) {
        if (!MatchesAt(text + p)) return false;
        if (gbk::OnWalk(text, sync, p)) return true;
        sync = p + 1;  // p is a trail byte, so the next byte starts a character
        return false;
    };

    size_t p = from;
    const uint64_t firstMask = firstMask_ * kOnes, firstWant = firstWant_ * kOnes;
    const uint64_t lastMask = lastMask_ * kOnes, lastWant = lastWant_ * kOnes;
    for (; p <= last && last - p >= 7; p += 8) {  // candidates p .. p + 7, all <= last
        uint64_t first = (LoadWord(text + p) | firstMask) ^ firstWant;
        uint64_t tail = (LoadWord(text + p + m - 1) | lastMask) ^ lastWant;
        for (uint64_t hits = ZeroBytes(first) & ZeroBytes(tail); hits; hits &= hits - 1) {
            size_t c = p + static_cast<size_t>(__builtin_ctzll(hits)) / 8;
            if (accept(c)) return c;
        }
    }
    for (; p <= last; ++p)
        if (((text[p] | firstMask_) == firstWant_) && accept(p)) return p;
    return kNone;
}
