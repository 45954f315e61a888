#include "commands/TextCommands.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "commands/CoreLibrary.h"
#include "commands/GbkSearch.h"
#include "commands/GbkText.h"
#include "commands/TextConversions.h"
#include "runtime/CommandArgs.h"

using command_args::At;
using command_args::Given;
using command_args::IntAt;
using command_args::TextAt;

namespace {

// A 1-based start position as a 0-based offset: start - 1, raised to 0; 0 when left out.
size_t StartOffset(int32_t n, const ArgRecord* args, int32_t i) {
    if (!Given(n, args, i)) return 0;
    int64_t b = int64_t{At(n, args, i).AsInt()} - 1;
    return b < 0 ? 0 : static_cast<size_t>(b);
}

void SetText(ArgRecord* result, Text text) { *result = ArgRecord::Text(text.Release()); }

// The output of ReplaceText: a heap block that grows as replacements are appended.
class TextBuilder {
public:
    explicit TextBuilder(size_t capacity) : block_(static_cast<char*>(RuntimeAlloc(capacity + 1))), capacity_(capacity) {}
    TextBuilder(const TextBuilder&) = delete;
    TextBuilder& operator=(const TextBuilder&) = delete;
    ~TextBuilder() { RuntimeFree(block_); }

    void Append(const char* bytes, size_t n) {
        if (n > capacity_ - size_) {
            capacity_ = std::max(size_ + n, capacity_ + capacity_ / 2);
            block_ = static_cast<char*>(RuntimeRealloc(block_, capacity_ + 1));
        }
        std::memcpy(block_ + size_, bytes, n);
        size_ += n;
    }

    // The text built: null when empty, else the block cut to its size.
    Text Finish() {
        if (size_ == 0) return Text();
        if (size_ != capacity_) block_ = static_cast<char*>(RuntimeRealloc(block_, size_ + 1));
        block_[size_] = 0;
        return Text(std::exchange(block_, nullptr));
    }

private:
    char* block_;
    size_t size_ = 0;
    size_t capacity_;
};

}  // namespace

void FindText(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* t = TextAt(n, args, 0);
    const char* s = TextAt(n, args, 1);
    size_t length = std::strlen(t), m = std::strlen(s);
    size_t b = StartOffset(n, args, 2);
    bool ignoreCase = At(n, args, 3).data.words.low == 1;
    int32_t position = -1;
    if (b < length) {
        if (m == 0) {
            position = 1;
        } else {
            size_t p = GbkSearch(s, m, ignoreCase).Next(t, length, b);
            if (p != GbkSearch::kNone) position = static_cast<int32_t>(p + 1);
        }
    }
    *result = ArgRecord::Int(position);
}

void MidText(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* t = TextAt(n, args, 0);
    int64_t s = int64_t{IntAt(n, args, 1, 0)} - 1;
    int32_t count = IntAt(n, args, 2, 0);
    *result = ArgRecord::Text(nullptr);
    if (s < 0 || count <= 0) return;
    // Only the bytes up to the end of the piece count; the rest of T need not be measured.
    size_t end = strnlen(t, static_cast<size_t>(s) + static_cast<size_t>(count));
    if (static_cast<size_t>(s) < end) *result = ArgRecord::Text(MakeText(t + s, end - static_cast<size_t>(s)));
}

void ReplaceText(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* t = TextAt(n, args, 0);
    const char* s = TextAt(n, args, 1);
    const char* r = Given(n, args, 2) ? TextAt(n, args, 2) : "";
    size_t length = std::strlen(t), m = std::strlen(s), rn = std::strlen(r);
    size_t b = StartOffset(n, args, 3);
    int64_t limit = IntAt(n, args, 4, -1);  // below 0: no limit
    bool ignoreCase = At(n, args, 5).data.words.low == 0;
    if (length == 0 || m == 0 || b >= length || limit == 0) {
        *result = ArgRecord::Text(MakeText(t, length));
        return;
    }

    GbkSearch search(s, m, ignoreCase);
    TextBuilder out(length);  // enough unless replacements are longer than what they replace
    out.Append(t, b);
    size_t q = b;
    int64_t replaced = 0;
    bool limitReached = false;
    for (size_t p; !limitReached && (p = search.Next(t, length, q)) != GbkSearch::kNone;) {
        out.Append(t + q, p - q);  // the characters scanned past, whole
        out.Append(r, rn);
        q = p + m;  // scanning goes on behind the match: the inserted text is never searched
        limitReached = ++replaced == limit;
    }
    // The rest of T. A scan that ran to the end stepped onto a broken character at the last byte
    // only when single bytes were searched (m = 1); it moves past that lead byte without
    // copying it.
    size_t end = length;
    if (!limitReached && m == 1 && q < length && gbk::IsLeadByte(static_cast<uint8_t>(t[length - 1])) &&
        gbk::OnWalk(reinterpret_cast<const uint8_t*>(t), q, length - 1))
        end = length - 1;
    out.Append(t + q, end - q);
    SetText(result, out.Finish());
}

void ToLowerCase(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* t = TextAt(n, args, 0);
    size_t length = std::strlen(t);
    char* copy = MakeText(t, length);
    for (size_t i = 0; i < length;) {
        auto c = static_cast<uint8_t>(copy[i]);
        if (gbk::IsLeadByte(c)) {
            if (i + 1 >= length) break;  // broken character: the rest stays as it is
            i += 2;
        } else {
            copy[i++] = static_cast<char>(gbk::FoldAsciiCase(c));
        }
    }
    *result = ArgRecord::Text(copy);
}

void ToText(ArgRecord* result, int32_t n, ArgRecord* args) { SetText(result, ValueToText(At(n, args, 0))); }

void ToByteSet(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Bytes(ValueToByteSet(At(n, args, 0)).Release()); }

void ToNumber(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Double(ValueToNumber(At(n, args, 0))); }

void ToInteger(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Int(ValueToInteger(At(n, args, 0))); }

void TextLength(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = ArgRecord::Int(static_cast<int32_t>(std::strlen(TextAt(n, args, 0))));
}

void SpacesText(ArgRecord* result, int32_t n, ArgRecord* args) {
    int32_t count = IntAt(n, args, 0, 0);
    *result = ArgRecord::Text(nullptr);
    if (count <= 0) return;
    auto blanks = static_cast<char*>(RuntimeAlloc(static_cast<size_t>(count) + 1));
    std::memset(blanks, ' ', static_cast<size_t>(count));
    blanks[count] = 0;
    *result = ArgRecord::Text(blanks);
}

void PointerToText(ArgRecord* result, int32_t n, ArgRecord* args) {
    // The address fills the data words: the low word on the 32-bit build, both on the 64-bit one.
    *result = ArgRecord::Text(MakeText(static_cast<const char*>(At(n, args, 0).data.ptr)));
}

namespace {
const CommandInfo kTextCommands[] = {
    {"FindText", FindText},     {"MidText", MidText},       {"ReplaceText", ReplaceText},
    {"ToLowerCase", ToLowerCase}, {"ToText", ToText},       {"ToByteSet", ToByteSet},
    {"ToNumber", ToNumber},     {"ToInteger", ToInteger},   {"TextLength", TextLength},
    {"SpacesText", SpacesText}, {"PointerToText", PointerToText},
};
}  // namespace

std::span<const CommandInfo> TextCommandTable() { return kTextCommands; }
