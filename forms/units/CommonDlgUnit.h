// The common dialog unit type ("通用对话框", UnitTypeId 0x0001001F): an invisible unit holding
// the settings of an open-file, save-file, font or help dialog, shown by its open command. Its
// platform window is a hidden child of class "_EL_CommonDlg"; it raises no events.
//
// Own properties: 0 type (0 open file, 1 save file, 2 font, 3 help), 1 title, 2 file name,
// 3 filter ("description|pattern|..."), 4 initial filter (0-based), 5 initial folder, 6 default
// extension, 7 create prompt, 8 file must exist, 9 overwrite prompt, 10 path must exist, 11 keep
// the current folder, 12 font colour, 13 bold, 14 italic, 15 strike-out, 16 underline, 17 font
// name, 18 font size (points), 19 help file, 20 help command (0..5), 21 help context.
#pragma once
#include <windows.h>

#include "forms/units/CommonDlgProperties.h"
#include "forms/units/ControlUnit.h"

namespace forms {

extern const UnitTypeInfo kCommonDlgUnitType;

class CommonDlgUnit : public ControlUnit {
public:
    CommonDlgUnit(uint32_t windowId, uint32_t unitId, const tpl::CommonDlgProperties& p)
        : ControlUnit(windowId, unitId), p_(p) {}

    static UnitObject* Create(const UnitCreateParams& params);
    int32_t Set(int32_t ownIndex, const PropertyValue& value);
    int32_t Get(int32_t ownIndex, PropertyValue& out);
    std::string Save();

    // Shows the dialog of the unit's type and waits until the user closes it: true when the
    // user confirmed (a file dialog's file name then holds the chosen full path), false when
    // the user cancelled or the dialog could not be shown (then nothing changes).
    bool Open();

private:
    bool OpenFileDialog();
    bool OpenFontDialog();
    bool OpenHelp();

    tpl::CommonDlgProperties p_;
};

// The filter as the file dialog takes it: trailing white space removed, "||" appended unless it
// already ends so (or is empty), then every "|" that is a character of its own (not the second
// byte of a double-byte character) turned into the zero that separates the parts.
std::string FileDialogFilter(const std::string& filter);

}  // namespace forms
