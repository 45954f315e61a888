// The window unit type ("窗口", UnitTypeId 0x00010001): unit 0 of every template. It creates
// the top-level platform window (class "WTWindow" unless the template names another), applies
// the window's own properties and raises the window's events: 0 created, 3 and 4 after it, 1
// and 12 on a close request, 7 when idle, -7 and -8 on focus.
#pragma once
#include <windows.h>

#include "forms/UnitObject.h"
#include "forms/UnitType.h"
#include "forms/units/WindowProperties.h"

namespace forms {

extern const UnitTypeInfo kWindowUnitType;

class WindowUnit : public UnitObject {
public:
    WindowUnit(uint32_t windowId, uint32_t unitId, const tpl::WindowProperties& properties)
        : UnitObject(windowId, unitId), p_(properties) {}
    ~WindowUnit() override;

    const tpl::WindowProperties& Properties() const { return p_; }
    // How the window is shown the first time: normal, or its minimised or maximised start state.
    int FirstShowCommand() const;

    // The unit-type operations.
    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ApplyStyles();
    void ApplyIcon();
    void ApplyMovable();
    void ApplyTopmost();
    void EraseBackground(HDC dc);

    tpl::WindowProperties p_;
    HFONT font_ = nullptr;
    HICON ownIcons_[2] = {};   // icons made from the icon property
    std::string textCache_;    // what Get hands out for the title
};

}  // namespace forms
