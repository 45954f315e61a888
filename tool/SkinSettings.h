// The tool's side of the skin layer: the skin object's life (made in GlobalsInit, destroyed by
// ExitRoutine), the settings ProgramInit gives it, and its set-up on the tool's windows.
#pragma once
#include <windows.h>

#include "skin/SkinEngine.h"

// The skin's module-level settings, which ProgramInit fills before any window exists.
skin::SkinSettings& ProgramSkinSettings();

// GlobalsInit: the one skin object.
void MakeSkinObject();

// The skin's set-up on the main window, called by StartupRoutine after the update check:
// SkinSetup with the program's background JPEG, background colour 0, accent colour 0, the main
// window, alpha 100, caption height 10, no help button, no menu button, no title shown.
void SetUpSkin(HWND mainWindow);

// The end of the skin object, called by ExitRoutine: Destroy (the icon, GDI+), then its memory.
void DestroySkinObject();
