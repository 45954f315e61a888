// The units the tool's routines work with, named as the routines see them: (WindowId, UnitId,
// UnitTypeId) of each, and the numbers of the properties they read and write (a unit type's own
// property n has the number n + 8).
#pragma once
#include <cstdint>

#include "forms/TemplateFormat.h"
#include "tool/ProgramWindows.h"

struct UnitName {
    uint32_t window;
    uint32_t unit;
    uint32_t type;
};

inline constexpr UnitName kMainWindowUnit{kMainWindowId, kMainWindowUnitId, tpl::kWindowType};
inline constexpr UnitName kAboutWindowUnit{kAboutWindowId, kAboutWindowUnitId, tpl::kWindowType};
inline constexpr UnitName kJsonPathBox{kMainWindowId, kJsonPathBoxId, tpl::kTransLabelType};
inline constexpr UnitName kSelectedDiscBox{kMainWindowId, kSelectedDiscBoxId, tpl::kTransLabelType};
inline constexpr UnitName kOggPathBox{kMainWindowId, kOggPathBoxId, tpl::kTransLabelType};
inline constexpr UnitName kOggInfoBox{kMainWindowId, kOggInfoBoxId, tpl::kTransLabelType};
inline constexpr UnitName kDiscList{kMainWindowId, kDiscListId, tpl::kListBoxType};
inline constexpr UnitName kJsonTextBox{kMainWindowId, kJsonTextBoxId, tpl::kEditBoxType};
inline constexpr UnitName kFileDialog{kMainWindowId, kFileDialogId, tpl::kCommonDlgType};

inline constexpr int32_t kLabelCaption = 8;      // TransLabel: caption
inline constexpr int32_t kEditContent = 8;       // EditBox: content
inline constexpr int32_t kListSelection = 16;    // ListBox: current selection (-1: none)
inline constexpr int32_t kDialogFileName = 10;   // CommonDlg: file name
inline constexpr int32_t kDialogFilter = 11;     // CommonDlg: filter
inline constexpr int32_t kDialogFolder = 13;     // CommonDlg: initial folder
