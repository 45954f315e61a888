#include "tool/SkinSettings.h"

#include "runtime/DllCommandTable.h"

#define SKIN_SETTINGS_DLL_COMMANDS(X, T) \
    T(GdiplusShutdownOnExit, decltype(&Gdiplus::GdiplusShutdown), "gdiplus.dll", "GdiplusShutdown")
DLL_DECLARE(SKIN_SETTINGS_DLL_COMMANDS)
DLL_COMMAND_MODULE(SkinSettings, SKIN_SETTINGS_DLL_COMMANDS)

SkinSettings& ProgramSkinSettings() {
    static SkinSettings settings;
    return settings;
}

void SetUpSkin(HWND mainWindow) {}

void DestroySkinObject() {
    SkinSettings& skin = ProgramSkinSettings();
    if (skin.gdiplusToken) dll::GdiplusShutdownOnExit(skin.gdiplusToken);
    skin.gdiplusToken = 0;
}
