#include "tool/ProgramRoutines.h"

#include "commands/Calls.h"
#include "commands/WindowCommands.h"
#include "tool/SkinSettings.h"
#include "tool/UnitAccess.h"

// The program's module objects: the skin object.
void GlobalsInit() { MakeSkinObject(); }
void GlobalsRelease() {}

void ShowAboutRoutine() {
    cmd::Call(OpenWindow, UnitReference(kAboutWindowUnit), cmd::kOmitted, true);  // returns once it is closed
}

void SelectionRoutine() {
    int32_t selection = ReadIntProperty(kDiscList, kListSelection);
    Text item = cmd::TakeText(cmd::Call(ListItemText, UnitReference(kDiscList), selection));
    WriteTextProperty(kSelectedDiscBox, kLabelCaption, item);
}

// The about window is left as its template makes it: only the main window is skinned.
void AboutCreatedRoutine() {}

void ProgramExitHook() {
    ExitRoutine();
    GlobalsRelease();
}
