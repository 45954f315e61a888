#include "tool/IndexRewrite.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "commands/GbkSearch.h"
#include "commands/GbkText.h"

namespace {

constexpr size_t kNone = std::string_view::npos;

struct Span {
    size_t begin;
    size_t end;  // one past the last byte
};

struct Edit {
    Span span;
    std::string_view with;
};

bool IsAsciiLetterOrDigit(uint8_t b) { return (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z'); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t SkipBlanks(std::string_view text, size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

// The entry around the bytes [from, to): the object from the nearest brace before them, when
// that is an opening one, to the nearest brace after them, when that is a closing one. An
// index entry holds only its hash and size (texts and numbers without braces), so nothing
// between them and the entry's own braces can be a brace; anything else is no entry.
std::optional<Span> EntryAround(std::string_view text, size_t from, size_t to, size_t& braceAfter) {
    size_t open = from == 0 ? kNone : text.find_last_of("{}", from - 1);
    braceAfter = text.find_first_of("{}", to);
    if (open == kNone || text[open] != '{' || braceAfter == kNone || text[braceAfter] != '}') return std::nullopt;
    return Span{open, braceAfter + 1};
}

// The value of the member "key" of the entry: a text's bytes between its quotes, or a number's
// (any other token) bytes up to the next comma, brace or blank.
std::optional<Span> MemberValue(std::string_view text, Span entry, std::string_view quotedKey) {
    std::string_view inside = text.substr(0, entry.end - 1);
    for (size_t k = inside.find(quotedKey, entry.begin + 1); k != kNone; k = inside.find(quotedKey, k + 1)) {
        size_t colon = SkipBlanks(inside, k + quotedKey.size());
        if (colon >= inside.size() || inside[colon] != ':') continue;  // the key's text as a value
        size_t value = SkipBlanks(inside, colon + 1);
        if (value >= inside.size()) return std::nullopt;
        if (inside[value] == '"') {
            size_t close = inside.find('"', value + 1);
            if (close == kNone) return std::nullopt;
            return Span{value + 1, close};
        }
        size_t end = value;
        while (end < inside.size() && !IsBlank(inside[end]) && inside[end] != ',' && inside[end] != '}') ++end;
        if (end == value) return std::nullopt;
        return Span{value, end};
    }
    return std::nullopt;
}

constexpr std::string_view kHashKey = "\"hash\"";
constexpr std::string_view kSizeKey = "\"size\"";

// The whole-token occurrences of the hash, each an edit, and the size of each entry holding one.
void FindByHash(std::string_view text, std::string_view storedHash, std::string_view newHash,
                std::string_view newSizeText, std::vector<Edit>& edits, RewrittenIndex& result) {
    const size_t m = storedHash.size();
    if (m == 0 || m > text.size()) return;
    const auto bytes = reinterpret_cast<const uint8_t*>(text.data());
    GbkSearch search(storedHash.data(), m, true);
    size_t walkKnown = 0;  // a position known to lie on the walk, at or before the last candidate
    // Each occurrence's entry is looked for by scanning back and ahead to the nearest braces;
    // occurrences before the brace found ahead of the previous one lie in the same entry. So no
    // byte is scanned twice.
    size_t braceAfter = kNone;      // the brace found ahead of the previous occurrence
    bool bracesAhead = true;        // false once a scan ahead found none
    std::optional<Span> lastEntry;  // the entry whose size was set last
    size_t from = 0;
    for (size_t p; (p = search.Next(text.data(), text.size(), from)) != GbkSearch::kNone;) {
        // A double-byte character before the match is no letter, even when its trail byte
        // reads as one; so the byte before counts only when it starts a character itself.
        bool letterBefore = p > 0 && IsAsciiLetterOrDigit(bytes[p - 1]) && gbk::OnWalk(bytes, walkKnown, p - 1);
        bool letterAfter = p + m < text.size() && IsAsciiLetterOrDigit(bytes[p + m]);
        walkKnown = p;
        if (letterBefore || letterAfter) {
            from = p + (gbk::IsLeadByte(bytes[p]) ? 2 : 1);
            continue;
        }
        edits.push_back({{p, p + m}, newHash});
        ++result.hashesReplaced;
        from = p + m;
        if (bracesAhead && (braceAfter == kNone || p > braceAfter)) {
            std::optional<Span> entry = EntryAround(text, p, p + m, braceAfter);
            bracesAhead = braceAfter != kNone;
            if (entry && !(lastEntry && lastEntry->begin == entry->begin)) {
                lastEntry = entry;
                if (std::optional<Span> size = MemberValue(text, *entry, kSizeKey)) {
                    edits.push_back({*size, newSizeText});
                    ++result.sizesSet;
                }
            }
        }
    }
    if (result.hashesReplaced) result.match = IndexMatch::byHash;
}

// The track's entries under its current and legacy keys: each key followed by a colon and an
// object whose hash and size are set.
void FindByName(std::string_view text, std::string_view trackFileName, std::string_view newHash,
                std::string_view newSizeText, std::vector<Edit>& edits, RewrittenIndex& result) {
    const std::string track(trackFileName);
    // A key begins with a quote, which is never the trail byte of a GBK character.
    const std::string keys[] = {"\"minecraft/sounds/records/" + track + "\"", "\"sounds/records/" + track + "\"",
                                "\"records/" + track + "\""};
    for (const std::string& key : keys) {
        for (size_t k = text.find(key); k != kNone; k = text.find(key, k + key.size())) {
            size_t colon = SkipBlanks(text, k + key.size());
            if (colon >= text.size() || text[colon] != ':') continue;
            size_t open = SkipBlanks(text, colon + 1);
            if (open >= text.size() || text[open] != '{') continue;
            size_t braceAfter = kNone;
            std::optional<Span> entry = EntryAround(text, open + 1, open + 1, braceAfter);
            if (!entry) continue;
            std::optional<Span> hash = MemberValue(text, *entry, kHashKey);
            if (!hash) continue;
            edits.push_back({*hash, newHash});
            ++result.hashesReplaced;
            if (std::optional<Span> size = MemberValue(text, *entry, kSizeKey)) {
                edits.push_back({*size, newSizeText});
                ++result.sizesSet;
            }
        }
    }
    if (result.hashesReplaced) result.match = IndexMatch::byName;
}

std::string Apply(std::string_view text, std::vector<Edit>& edits) {
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.span.begin < b.span.begin; });
    std::string out;
    out.reserve(text.size() + 64 * edits.size());
    size_t copied = 0;
    for (const Edit& e : edits) {
        if (e.span.begin < copied) continue;  // inside an edit already made (a hash within a size value)
        out.append(text, copied, e.span.begin - copied);
        out.append(e.with);
        copied = e.span.end;
    }
    out.append(text, copied);
    return out;
}

}  // namespace

RewrittenIndex RewriteIndex(std::string_view index, std::string_view storedHash, std::string_view trackFileName,
                            std::string_view newHash, std::string_view newSizeText) {
    RewrittenIndex result;
    std::vector<Edit> edits;
    FindByHash(index, storedHash, newHash, newSizeText, edits, result);
    if (result.match == IndexMatch::notFound) FindByName(index, trackFileName, newHash, newSizeText, edits, result);
    result.text = Apply(index, edits);
    return result;
}
