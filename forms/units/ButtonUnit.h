// The button unit type ("按钮", UnitTypeId 0x0001000B) over the "BUTTON" class: always
// BS_MULTILINE, a normal or default push button, the caption's alignment, an icon or bitmap
// picture, its font. Event 0 when clicked (BN_CLICKED; Enter on a default button raises it too).
//
// Own properties: 0 picture, 1 type (0 normal, 1 default button), 2 caption, 3 horizontal
// alignment (0 left, 1 centre, 2 right), 4 vertical alignment (0 top, 1 centre, 2 bottom), 5 font.
#pragma once
#include <windows.h>

#include "forms/units/ButtonProperties.h"
#include "forms/units/ControlUnit.h"

namespace forms {

extern const UnitTypeInfo kButtonUnitType;

class ButtonUnit : public ControlUnit {
public:
    ButtonUnit(uint32_t windowId, uint32_t unitId, const tpl::ButtonProperties& p) : ControlUnit(windowId, unitId), p_(p) {}
    ~ButtonUnit() override;

    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();

    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    DWORD Styles() const;
    void ApplyStyles();
    void ApplyPicture();

    tpl::ButtonProperties p_;
    HANDLE image_ = nullptr;  // the icon or bitmap made from the picture
    UINT imageKind_ = 0;      // IMAGE_ICON or IMAGE_BITMAP
    std::string caption_;     // what Get hands out for the caption
};

}  // namespace forms
