// text_bench: FindText and ReplaceText over large GBK texts against a plain byte search.
//
// The text is ASCII (JSON-like words in both cases) with Chinese mixed in, including
// double-byte characters whose trail byte is an ASCII letter, and the search text
// "records/唱片" once per KB or so, written "Records/唱片". Both commands ignore case and are
// called through the command-call entry.
//   FindText:    one call over the whole text, for a search text whose only match is at its end
//                (the per-KB occurrences of "Records/唱片" are near misses for it).
//   ReplaceText: every "records/唱片" replaced by "discs/新唱片".
// The baseline does the same with a plain case-sensitive byte search over a known length (a
// memchr/memcmp loop for the exact-case search text) and a search-and-copy replace built on it.
// Prints MB/s for each, the ratio, for 5, 10 and 50 MB. The best of several runs counts.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands/Calls.h"
#include "commands/TextCommands.h"

namespace {

constexpr char kRecord[] = "Records/唱片";          // as the text has it
constexpr char kRecordSearch[] = "records/唱片";    // what ReplaceText is given
constexpr char kRecordReplace[] = "discs/新唱片";
constexpr char kEnd[] = "Records/唱片.EndOfText";   // once, at the end
constexpr char kEndSearch[] = "records/唱片.endoftext";

class Random {
public:
    uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u; }
    uint32_t Below(uint32_t n) { return (Next() >> 8) % n; }

private:
    uint32_t state_ = 12345;
};

std::string MakeGbkText(size_t size) {
    static const char* words[] = {"\"name\": ", "\"hash\": ", "\"size\": ", "minecraft", "Sounds", "MUSIC",
                                  "objects", "Index", ", ", "{", "}", "\n  ", "0123abcd", "RECORD", "disc"};
    Random rng;
    std::string t;
    t.reserve(size + 64);
    size_t nextRecord = 512;
    while (t.size() < size - sizeof kEnd) {
        if (t.size() >= nextRecord) {
            t += kRecord;
            nextRecord = t.size() + 700 + rng.Below(650);  // about one per KB
        }
        uint32_t kind = rng.Below(10);
        if (kind < 6) {
            t += words[rng.Below(sizeof words / sizeof *words)];
        } else if (kind < 9) {  // a common Chinese character
            t += static_cast<char>(0xB0 + rng.Below(0x48));
            t += static_cast<char>(0xA1 + rng.Below(0x5E));
        } else {  // an extension character, its trail byte in the ASCII range (letters among them)
            t += static_cast<char>(0x81 + rng.Below(0x20));
            t += static_cast<char>(0x40 + rng.Below(0x3F));
        }
    }
    t += kEnd;
    return t;
}

// ---- the baseline ----

size_t PlainFind(const char* t, size_t n, const char* s, size_t m, size_t from) {
    const char* end = t + n;
    for (const char* p = t + from; end - p >= static_cast<ptrdiff_t>(m);) {
        p = static_cast<const char*>(std::memchr(p, s[0], static_cast<size_t>(end - p) - m + 1));
        if (!p) break;
        if (std::memcmp(p, s, m) == 0) return static_cast<size_t>(p - t);
        ++p;
    }
    return SIZE_MAX;
}

std::string PlainReplace(const std::string& t, const char* s, const char* r) {
    size_t m = std::strlen(s), rn = std::strlen(r);
    std::string out;
    out.reserve(t.size());
    size_t q = 0;
    for (size_t p; (p = PlainFind(t.data(), t.size(), s, m, q)) != SIZE_MAX; q = p + m) {
        out.append(t, q, p - q);
        out.append(r, rn);
    }
    out.append(t, q, std::string::npos);
    return out;
}

// ---- timing ----

template <typename F>
double BestSeconds(int runs, F&& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        f();
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (s < best) best = s;
    }
    return best;
}

double MBps(size_t bytes, double seconds) { return static_cast<double>(bytes) / (1024.0 * 1024.0) / seconds; }

bool BenchOneSize(size_t megabytes) {
    const std::string text = MakeGbkText(megabytes * 1024 * 1024);
    const Text value = Text::Copy(text);  // a runtime text, as program code holds it
    const int runs = megabytes >= 50 ? 3 : 5;
    bool agree = true;

    int32_t found = 0;
    size_t plainFound = 0;
    double findS = BestSeconds(runs, [&] { found = cmd::AsInt(cmd::Call(FindText, value, kEndSearch, cmd::kOmitted, true)); });
    double plainFindS = BestSeconds(runs, [&] { plainFound = PlainFind(text.data(), text.size(), kEnd, std::strlen(kEnd), 0); });
    agree &= found > 0 && static_cast<size_t>(found) == plainFound + 1;

    Text replaced;
    std::string plainReplaced;
    double replaceS = BestSeconds(runs, [&] { replaced = cmd::TakeText(cmd::Call(ReplaceText, value, kRecordSearch, kRecordReplace)); });
    double plainReplaceS = BestSeconds(runs, [&] { plainReplaced = PlainReplace(text, kRecord, kRecordReplace); });
    agree &= replaced.View() == plainReplaced;

    size_t matches = 0;
    for (size_t p = 0; (p = PlainFind(text.data(), text.size(), kRecord, std::strlen(kRecord), p)) != SIZE_MAX; ++p) ++matches;

    std::printf("%3zu MB (%zu matches, one per %zu bytes)\n", megabytes, matches, text.size() / (matches ? matches : 1));
    std::printf("  FindText     %8.1f MB/s   baseline %8.1f MB/s   ratio %.2f\n", MBps(text.size(), findS),
                MBps(text.size(), plainFindS), plainFindS / findS);
    std::printf("  ReplaceText  %8.1f MB/s   baseline %8.1f MB/s   ratio %.2f\n", MBps(text.size(), replaceS),
                MBps(text.size(), plainReplaceS), plainReplaceS / replaceS);
    if (!agree) std::printf("  RESULTS DIFFER from the baseline\n");
    std::fflush(stdout);
    return agree;
}

}  // namespace

int main() {
    bool ok = true;
    for (size_t mb : {5, 10, 50}) ok &= BenchOneSize(mb);
    return ok ? 0 : 1;
}
