// A unit's font: made from a font property's 60-byte LOGFONTA, or the default GUI font when the
// property holds nothing. Owns the font it made.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

class UnitFont {
public:
    UnitFont() = default;
    ~UnitFont() { Release(); }
    UnitFont(const UnitFont&) = delete;
    UnitFont& operator=(const UnitFont&) = delete;

    // Makes the font for the property's bytes and gives it to the window (WM_SETFONT, redrawn);
    // the previous font is released once the window no longer uses it.
    void Apply(HWND hwnd, const std::string& logFont) {
        HFONT old = own_;
        own_ = logFont.size() == sizeof(LOGFONTA) ? CreateFontIndirectA(reinterpret_cast<const LOGFONTA*>(logFont.data())) : nullptr;
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Get()), TRUE);
        if (old) DeleteObject(old);
    }
    HFONT Get() const { return own_ ? own_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

private:
    void Release() {
        if (own_) DeleteObject(own_);
        own_ = nullptr;
    }
    HFONT own_ = nullptr;
};

}  // namespace forms
