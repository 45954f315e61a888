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

// The about window has no frame of its own: the skin gives it the main window's frame and
// caption buttons.
void AboutCreatedRoutine() {
    SkinAboutWindow(reinterpret_cast<HWND>(
        static_cast<intptr_t>(cmd::AsInt(cmd::Call(WindowHandle, UnitReference(kAboutWindowUnit))))));
}

void ProgramExitHook() {
    ExitRoutine();
    GlobalsRelease();
}
