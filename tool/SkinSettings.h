// What the tool sets up for the skin layer before its windows exist, and the two places where the
// skin layer comes in: its set-up on the main window and the destruction of the skin object.
//
// The skin layer is not part of the program yet: SetUpSkin does nothing, so the windows show
// unskinned, and DestroySkinObject only shuts GDI+ down, as the skin object's destruction will.
// These settings move to the skin layer once it exists.
#pragma once
#include <windows.h>

#include <cstdint>

struct SkinSettings {
    ULONG_PTR gdiplusToken = 0;  // from GdiplusStartup, for the shutdown
    HICON programIcon = nullptr;
    int32_t firstSizePending = 0;
    int32_t skinControls = 0;
    int32_t controlAlpha = 0;
    uint32_t accentColour = 0;
    int32_t trackbarShading = 0;
};

SkinSettings& ProgramSkinSettings();

// The skin's set-up on the main window, called by StartupRoutine after the update check. The
// skin layer's SkinSetup goes here: the program's background JPEG, background colour 0, accent
// colour 0, the main window, alpha 100, caption height 10, no help button, no menu button, no
// title shown.
void SetUpSkin(HWND mainWindow);

// The end of the skin object, called by ExitRoutine: its destructor (which shuts GDI+ down),
// then its memory.
void DestroySkinObject();
