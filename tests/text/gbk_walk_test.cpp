// FindText and ReplaceText against a character-by-character walk, written the plain way, over
// many random texts of lead bytes, ASCII-range trail bytes and letters of both cases: the fast
// search must give the same positions and outputs, at every alignment of its word scan.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "commands/Calls.h"
#include "commands/TextCommands.h"

namespace {

bool Lead(char c) { return static_cast<uint8_t>(c) >= 0x80; }

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool SameAt(const std::string& t, size_t q, const std::string& s, bool ignoreCase) {
    for (size_t i = 0; i < s.size(); ++i)
        if (ignoreCase ? Fold(t[q + i]) != Fold(s[i]) : t[q + i] != s[i]) return false;
    return true;
}

int32_t WalkFind(const std::string& t, const std::string& s, size_t b, bool ignoreCase) {
    size_t l = t.size(), m = s.size();
    if (b >= l) return -1;
    if (m == 0) return 1;
    for (size_t q = b; l - q >= m;) {
        if (SameAt(t, q, s, ignoreCase)) return static_cast<int32_t>(q + 1);
        if (Lead(t[q])) {
            if (q + 1 == l) break;  // broken character
            q += 2;
        } else {
            q += 1;
        }
    }
    return -1;
}

std::string WalkReplace(const std::string& t, const std::string& s, const std::string& r, size_t b, int count,
                        bool ignoreCase) {
    size_t l = t.size(), m = s.size();
    if (l == 0 || m == 0 || b >= l || count == 0) return t;
    std::string out = t.substr(0, b);
    size_t q = b;
    int done = 0;
    while (q <= l && l - q >= m) {
        if (SameAt(t, q, s, ignoreCase)) {
            out += r;
            q += m;
            if (++done == count) break;
        } else if (Lead(t[q])) {
            if (q + 1 == l) {  // broken character: moved past, not copied
                q += 1;
                break;
            }
            out += t.substr(q, 2);
            q += 2;
        } else {
            out += t[q++];
        }
    }
    if (q < l) out += t.substr(q);
    return out;
}

std::string RandomText(std::mt19937& rng, size_t length) {
    static const char alphabet[] = {'a', 'A', 'b', 'B', '@', '`', '\x81', '\xD6', '\xC1', '\xE1'};
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 1);
    std::string s;
    for (size_t i = 0; i < length; ++i) s += alphabet[pick(rng)];
    return s;
}

TEST(GbkWalk, FindAndReplaceAgreeWithACharacterWalk) {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<size_t> textLength(0, 90), patternLength(1, 4);
    std::uniform_int_distribution<int> coin(0, 1), countPick(-1, 3), startPick(-2, 95);
    for (int round = 0; round < 20000; ++round) {
        std::string t = RandomText(rng, textLength(rng));
        std::string s = RandomText(rng, patternLength(rng));
        if (coin(rng) && t.size() > 8) {  // make a real match likely somewhere
            size_t at = std::uniform_int_distribution<size_t>(0, t.size() - s.size())(rng);
            t.replace(at, s.size(), s);
        }
        bool ignoreCase = coin(rng) != 0;
        int start = startPick(rng);
        size_t b = start - 1 < 0 ? 0 : static_cast<size_t>(start - 1);

        int32_t found = cmd::AsInt(cmd::Call(FindText, t.c_str(), s.c_str(), start, ignoreCase));
        ASSERT_EQ(found, WalkFind(t, s, b, ignoreCase)) << "round " << round;

        int count = countPick(rng);
        Text replaced = cmd::TakeText(cmd::Call(ReplaceText, t.c_str(), s.c_str(), "<>", start, count, !ignoreCase));
        ASSERT_EQ(std::string(replaced.View()), WalkReplace(t, s, "<>", b, count, ignoreCase)) << "round " << round;
    }
}

}  // namespace
