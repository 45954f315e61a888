// The tool's routines that the runtime starts: the start-up steps, the event handlers of the two
// windows and the clean-up at the end.
#pragma once

// Start-up, in the order the program's start routine runs them.
void GlobalsInit();   // the program's module objects (the skin object) and global arrays
void ProgramInit();   // GDI+, the program icon, the skin settings

// Event handlers (bound in the window templates).
void StartupRoutine();       // MainWindow created: update check, skin, folder check, index file
void ChooseOggRoutine();     // ChooseOggButton clicked
void WriteRoutine();         // ReplaceButton clicked
void ShowAboutRoutine();     // AboutButton clicked: AboutWindow, modally
void SelectionRoutine();     // DiscList selection changed by the user
void AboutCreatedRoutine();  // AboutWindow created; does nothing

// The end: registered as exit routine, runs ExitRoutine and then GlobalsRelease.
void ProgramExitHook();
void ExitRoutine();     // the tool's texts and the skin object
void GlobalsRelease();  // every program-global text, byte set, array and object
