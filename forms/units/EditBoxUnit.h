// The edit box unit type ("编辑框", UnitTypeId 0x00010005) over the "EDIT" class. Event 0 when
// the content changes, by the user or by writing the content property (once per write).
//
// Own properties: 0 content, 1 border, 2 text colour, 3 background colour, 4 font, 5 hide
// selection, 6 maximum length, 7 multi-line, 8 scroll bars (0 none, 1 horizontal, 2 vertical,
// 3 both), 9 alignment, 10 input mode (0 normal, 1 read-only, 2 password), 11 password
// character, 12 case conversion, 13 spin buddy, 14 and 15 spin range, 16 selection start,
// 17 selection length, 18 selected text, 19 and 20 options. Changing 5, 7, 8, 9, 10, 12 or 13
// re-creates the control (the platform fixes those styles at creation).
//
// The content is kept byte for byte in the unit's own store: an ANSI edit control holds its
// text as Unicode, so bytes that are not valid GBK would not survive a trip through it. Reading
// the content yields the store until the control's text changes by other means than a content
// write (the user typing), from then on the control's live text. While the control is hidden
// it is not given the text at all: a multi-line control that wraps words lays out a long
// single line for minutes, and a box that is never shown (the index store of the tool) has no
// use for the layout. It gets the text when it is first shown.
#pragma once
#include <windows.h>

#include <string>

#include "forms/units/ControlUnit.h"
#include "forms/units/EditBoxProperties.h"

namespace forms {

extern const UnitTypeInfo kEditBoxUnitType;

class EditBoxUnit : public ControlUnit {
public:
    EditBoxUnit(uint32_t windowId, uint32_t unitId, const tpl::EditBoxProperties& p) : ControlUnit(windowId, unitId), p_(p) {}

    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();
    // Enter stays with a multi-line box that may be edited.
    int32_t ClaimsKey(const MSG& key) const;

    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // Where the content is: the store holds it exactly (the control has it too, or will get
    // it when shown), or the control's text has changed since and is the content.
    enum class Content { Stored, Live };

    const std::string& CurrentContent();
    void WriteContent(std::string text);
    // Gives the control the stored text (and the selection kept for it) if it does not have it.
    void GiveControlText();
    void SetControlText(const char* text);
    void ApplySelection();
    void ApplyPasswordChar();
    void CreateSpin(const UnitCreateParams& params);
    std::string SelectedText();

    tpl::EditBoxProperties p_;   // p_.content is the store
    Content content_ = Content::Stored;
    bool controlHasText_ = true;  // false while the control waits for the stored text
    int suppressChange_ = 0;      // our own text changes, whose notices raise nothing
    HWND spin_ = nullptr;
    std::string cache_;           // what Get hands out for computed texts
};

}  // namespace forms
