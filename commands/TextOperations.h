// The text and byte-set operations that program code performs by itself, without a command
// call: joining texts, comparing texts, joining byte sets. Parts are borrowed (null is the
// empty value); results are new heap values owned by the caller.
#pragma once
#include <span>

#include "runtime/ValueHolders.h"

// All parts in order in one heap block of (total length + 1) bytes; always a block, also when
// every part is empty.
Text ConcatTextList(std::span<const char* const> parts);

// Unsigned byte comparison up to the first difference, as strcmp; null equals the empty text.
// Negative, 0 or positive.
int CompareTexts(const char* a, const char* b);

// All parts' bytes in order; the empty byte set (null) when they hold no bytes.
Bytes ConcatByteSetList(std::span<const ByteSet* const> parts);

namespace text_operations_detail {
inline const char* Part(const char* t) { return t; }
inline const char* Part(const Text& t) { return t.Get(); }
inline const ByteSet* Part(const ByteSet* b) { return b; }
inline const ByteSet* Part(const Bytes& b) { return b.Get(); }
}  // namespace text_operations_detail

// ConcatTexts(a, b, c): the inline join of n >= 1 texts (const char* or Text).
template <typename... P>
Text ConcatTexts(const P&... parts) {
    static_assert(sizeof...(P) >= 1);
    const char* list[] = {text_operations_detail::Part(parts)...};
    return ConcatTextList(list);
}

// ConcatByteSets(a, b): the inline join of n >= 1 byte sets (const ByteSet* or Bytes).
template <typename... P>
Bytes ConcatByteSets(const P&... parts) {
    static_assert(sizeof...(P) >= 1);
    const ByteSet* list[] = {text_operations_detail::Part(parts)...};
    return ConcatByteSetList(list);
}
