#include "commands/TextOperations.h"

#include <cstring>

Text ConcatTextList(std::span<const char* const> parts) {
    size_t total = 0;
    for (const char* p : parts) total += TextLength(p);
    auto block = static_cast<char*>(RuntimeAlloc(total + 1));
    char* out = block;
    for (const char* p : parts) {
        size_t n = TextLength(p);
        if (n) std::memcpy(out, p, n);
        out += n;
    }
    *out = 0;
    return Text(block);
}

int CompareTexts(const char* a, const char* b) {
    return std::strcmp(a ? a : "", b ? b : "");  // strcmp compares as unsigned char
}

Bytes ConcatByteSetList(std::span<const ByteSet* const> parts) {
    size_t total = 0;
    for (const ByteSet* p : parts) total += ByteSetLength(p);
    if (total == 0) return Bytes();
    Bytes joined(MakeByteSet(nullptr, total));
    uint8_t* out = joined.Get()->Bytes();
    for (const ByteSet* p : parts) {
        size_t n = ByteSetLength(p);
        if (n) std::memcpy(out, p->Bytes(), n);
        out += n;
    }
    return joined;
}
