#include "tool/ProgramRoutines.h"

// The routines below are filled in with the tool's steps; until then they do nothing, so the
// program starts, shows its main window and ends cleanly.
void GlobalsInit() {}
void ProgramInit() {}
void StartupRoutine() {}
void ChooseOggRoutine() {}
void WriteRoutine() {}
void ShowAboutRoutine() {}
void SelectionRoutine() {}
void ExitRoutine() {}
void GlobalsRelease() {}

void AboutCreatedRoutine() {}

void ProgramExitHook() {
    ExitRoutine();
    GlobalsRelease();
}
