#include "tool/SkinSettings.h"

#include "skin/SkinPictures.h"

skin::SkinSettings& ProgramSkinSettings() { return skin::settings; }

void MakeSkinObject() { skin::NewSkinEngine(); }

void SetUpSkin(HWND mainWindow) {
    skin::SkinSetup(skin::pictures::Background(), 0, 0, mainWindow, 100, 10, 0, 0, 0);
}

void SkinAboutWindow(HWND aboutWindow) {
    if (skin::SkinEngine* engine = skin::TheSkin()) engine->SkinWindow(aboutWindow, 10, 1, 1, 0, 0, 0, 0);
}

void DestroySkinObject() { skin::ReleaseSkinEngine(skin::TheSkin()); }
