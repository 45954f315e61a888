#include "tool/SkinSettings.h"

#include "skin/SkinPictures.h"

skin::SkinSettings& ProgramSkinSettings() { return skin::settings; }

void MakeSkinObject() { skin::NewSkinEngine(); }

void SetUpSkin(HWND mainWindow) {
    skin::SkinSetup(skin::pictures::Background(), 0, 0, mainWindow, 100, 10, 0, 0, 0);
}

void DestroySkinObject() { skin::ReleaseSkinEngine(skin::TheSkin()); }
