#include "gdiplus/PlusText.h"

#include <cstring>
#include <vector>

#include "gdiplus/SystemCalls.h"

namespace gdip {

WideText::WideText(const char* text) {
    const int units = sys::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    bytes_ = Bytes(MakeByteSet(nullptr, static_cast<size_t>(units) * 2));
    // The last unit stays zero: the byte set is one unit longer than the text's characters.
    sys::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(TextLength(text)),
                             reinterpret_cast<WCHAR*>(bytes_.Get() ? bytes_.Get()->Bytes() : nullptr), units);
}

INT WideText::Length() const { return WideLength(Data()); }

WideUnits::WideUnits(const ByteSet* units) {
    if (!units) return;
    const size_t whole = ByteSetLength(units) / 2 * 2;
    bytes_ = Bytes(MakeByteSet(nullptr, whole + 2));
    std::memcpy(bytes_.Get()->Bytes(), units->Bytes(), whole);
}

INT WideUnits::Length() const { return WideLength(Data()); }

INT WideLength(const WCHAR* units) { return sys::lstrlenW(units); }

Text TextFromWide(const WCHAR* units) {
    const int size = sys::WideCharToMultiByte(CP_OEMCP, 0, units, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return Text();
    std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
    sys::WideCharToMultiByte(CP_OEMCP, 0, units, -1, text.data(), size, nullptr, nullptr);
    return Text::Copy(text.data());
}

}  // namespace gdip
