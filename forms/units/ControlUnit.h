// What the unit types over child windows share: creating the platform window (a control of a
// system class, or a window of the type's own class registered through UnitObject), the font
// property (a 60-byte LOGFONTA or nothing for DEFAULT_GUI_FONT), the border choice, the colour
// brush, the readers of property values, and the interface entry that hands out a type's
// operations.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "forms/UnitFont.h"
#include "forms/UnitObject.h"
#include "forms/UnitType.h"

namespace forms {

// Property values as a type's Set receives them.
inline std::string TextOf(const PropertyValue& v) { return v.pointer ? static_cast<const char*>(v.pointer) : ""; }
inline std::string BytesOf(const PropertyValue& v) {
    return v.pointer && v.length ? std::string(static_cast<const char*>(v.pointer), v.length) : std::string();
}
// A font value: the 60 LOGFONTA bytes, or empty for the default GUI font.
std::string FontBytesOf(const PropertyValue& v);

template <typename T>
constexpr T Clamp(T v, T low, T high) {
    return v < low ? low : v > high ? high : v;
}

// Property values as a type's Get hands them out (pointing into the unit's own storage).
inline void PutText(PropertyValue& out, const std::string& s) {
    out.pointer = s.c_str();
    out.length = static_cast<uint32_t>(s.size());
}
inline void PutNumber(PropertyValue& out, int32_t n) { out.integer = n; }

// The border choice of edit and list boxes: 0 none, 1 sunken, 2 raised, 3 shallow, 4 sunken
// and raised, 5 single line.
inline constexpr int32_t kMaxBorder = 5;
void BorderStyles(int32_t border, DWORD& style, DWORD& exStyle);

// A colour of a colour property: 0xFF000000 and above stand for the system colour `fallback`.
COLORREF ColourOf(uint32_t colour, int systemColour);

class ControlUnit : public UnitObject {
public:
    using UnitObject::UnitObject;
    ~ControlUnit() override;

protected:
    // Creates the platform window as a hidden child: WS_CHILD and WS_CLIPSIBLINGS, the given
    // style and the bits the loader passes (WS_DISABLED, WS_TABSTOP). A system class is
    // subclassed; an own class (UnitObject::RegisterOwnClass) dispatches to this object.
    bool CreateControl(const char* className, const UnitCreateParams& params, DWORD style, DWORD exStyle,
                       const char* text);
    bool CreateOwnWindow(const char* className, const UnitCreateParams& params, DWORD style, DWORD exStyle,
                         const char* text);

    // Sets the control's font from font property bytes; the font made from them is kept until
    // the next change or the unit's end.
    void ApplyFont(const std::string& fontBytes) { font_.Apply(Handle(), fontBytes); }
    HFONT Font() const { return font_.Get(); }

    // Changes the border of a live control.
    void ApplyBorder(int32_t border);

    // WM_CTLCOLOR* answer: the text and background colours and a brush of the background.
    LRESULT ColourAnswer(HDC dc, uint32_t textColour, uint32_t backColour, int systemBack);

private:
    UnitFont font_;
    HBRUSH brush_ = nullptr;
    COLORREF brushColour_ = 0;
};

// The interface entry of a type whose unit class has the static Create and the members Set,
// Get and Save (and, when it claims keys, ClaimsKey).
template <class Unit>
struct UnitRoutines {
    static UnitObject* Create(const UnitCreateParams& p) { return Unit::Create(p); }
    static int32_t Set(UnitObject* u, int32_t own, const PropertyValue& v) { return static_cast<Unit*>(u)->Set(own, v); }
    static int32_t Get(UnitObject* u, int32_t own, PropertyValue& out) { return static_cast<Unit*>(u)->Get(own, out); }
    static std::string Save(UnitObject* u) { return static_cast<Unit*>(u)->Save(); }
    static int32_t Claims(UnitObject* u, const MSG& m) {
        if constexpr (requires(Unit& x, const MSG& key) { x.ClaimsKey(key); }) return static_cast<Unit*>(u)->ClaimsKey(m);
        else return 0;
    }
    static UnitRoutine Interface(int32_t operation) {
        switch (operation) {
        case kOpCreate: return reinterpret_cast<UnitRoutine>(&Create);
        case kOpSetProperty: return reinterpret_cast<UnitRoutine>(&Set);
        case kOpSaveProperties: return reinterpret_cast<UnitRoutine>(&Save);
        case kOpGetProperty: return reinterpret_cast<UnitRoutine>(&Get);
        case kOpClaimsKey: return reinterpret_cast<UnitRoutine>(&Claims);
        default: return nullptr;
        }
    }
};

}  // namespace forms
