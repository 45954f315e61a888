// The transparent label unit type ("透明标签", UnitTypeId 0x00020005, the extended interface
// library's): a caption drawn without any background of its own, so that what lies behind it
// shows around the letters. "&" is drawn as it is, never as a mnemonic. It raises no events of
// its own.
//
// Own properties: 0 caption, 1 effect (0 none, 1 raised, 2 sunk, 3 shadow), 2 font, 3 text
// colour, 4 horizontal alignment (0 left, 1 centre, 2 right), 5 word wrap, 6 vertical alignment
// (0 top, 1 centre, 2 bottom; only without word wrap). The caption is kept byte for byte as the
// unit's own text. Writing any own property repaints what lies behind the label first, then
// the label, so that the new text never appears over the old one.
#pragma once
#include <windows.h>

#include "forms/units/ControlUnit.h"
#include "forms/units/TransLabelProperties.h"

namespace forms {

extern const UnitTypeInfo kTransLabelUnitType;

class TransLabelUnit : public ControlUnit {
public:
    TransLabelUnit(uint32_t windowId, uint32_t unitId, const tpl::TransLabelProperties& p)
        : ControlUnit(windowId, unitId), p_(p) {}

    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Paint();
    void RepaintWithBackground();
    UINT DrawFormat() const;

    tpl::TransLabelProperties p_;  // p_.caption is the label's text
};

}  // namespace forms
