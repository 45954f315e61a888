#include "tool/ProgramRoutines.h"

#include "commands/Calls.h"
#include "commands/WindowCommands.h"
#include "tool/UnitAccess.h"

// The program's module objects: the skin object, once the skin layer exists.
void GlobalsInit() {}
void GlobalsRelease() {}

void ShowAboutRoutine() {
    cmd::Call(OpenWindow, UnitReference(kAboutWindowUnit), cmd::kOmitted, true);  // returns once it is closed
}

void SelectionRoutine() {
    int32_t selection = ReadIntProperty(kDiscList, kListSelection);
    Text item = cmd::TakeText(cmd::Call(ListItemText, UnitReference(kDiscList), selection));
    WriteTextProperty(kSelectedDiscBox, kLabelCaption, item);
}

void AboutCreatedRoutine() {}

void ProgramExitHook() {
    ExitRoutine();
    GlobalsRelease();
}
