// Searching a GBK text for a search text the way the text commands walk it: a match may start
// only at a position of the walk (never at the trail byte of a double-byte character), and
// bytes compare exactly or with the ASCII letters folded.
//
// The search does not walk every character. It scans whole words for positions whose first and
// last bytes agree with the search text, compares the candidates in full, and only then asks
// whether the candidate lies on the walk; that answer depends on the run of lead-range bytes
// just before it, scanned back no further than the last position known to be on the walk. So
// the cost stays linear in the text, also with case folding.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class GbkSearch {
public:
    static constexpr size_t kNone = SIZE_MAX;

    // A search for the m >= 1 bytes of `pattern`.
    GbkSearch(const char* pattern, size_t m, bool ignoreCase);


    // The first match at or after `from`, where `from` is a position of the walk and every
    // position considered lies on the walk from there; kNone when no match fits before `length`.
    size_t Next(const char* text, size_t length, size_t from) const;

private:
    bool MatchesAt(const uint8_t* at) const;

    std::string pattern_;  // folded when ignoring case
    bool ignoreCase_;
    // Per anchor byte (first and last of the pattern): the bits a text byte is or-ed with before
    // it is compared, so both cases of a letter compare equal in one step.
    uint8_t firstMask_, firstWant_, lastMask_, lastWant_;
};
