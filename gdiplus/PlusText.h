// Texts for GDI+: a GBK text becomes UTF-16 through the ANSI code page, UTF-16 from GDI+ becomes
// a text through the OEM code page.
#pragma once
#include <windows.h>

#include "runtime/ValueHolders.h"

namespace gdip {

// The UTF-16 form of a text for one call: a zero-filled byte set of as many units as
// MultiByteToWideChar counts (terminator included), filled from the text's bytes. "" gives one
// unit holding only the terminator; a text without a block (null) gives no data at all.
class WideText {
public:
    explicit WideText(const char* text);
    const WCHAR* Data() const { return reinterpret_cast<const WCHAR*>(bytes_.Data()); }
    INT Length() const;  // lstrlenW of the data (0 for none)
    const Bytes& Units() const { return bytes_; }

private:
    Bytes bytes_;
};

// The UTF-16 text held in a byte set, as the ...W operations take it: a copy with a terminator
// after its last whole unit, so a byte set without one is never read past its end.
class WideUnits {
public:
    explicit WideUnits(const ByteSet* units);
    const WCHAR* Data() const { return reinterpret_cast<const WCHAR*>(bytes_.Data()); }
    INT Length() const;  // lstrlenW of the data (0 for none)

private:
    Bytes bytes_;
};

INT WideLength(const WCHAR* units);

// A new text from zero-terminated UTF-16 (null for an empty result).
Text TextFromWide(const WCHAR* units);

}  // namespace gdip
