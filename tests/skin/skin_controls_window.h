// The window the control tests skin: a popup top-level window holding one control of every
// kind the skin takes over (and a few it must leave alone), made in the test program's own
// thread so that the tests can send it messages, read its properties and procedures and look
// at its pixels on the screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin_controls_test {

enum ControlId : int {
    kPush = 101,
    kDefaultPush = 102,
    kOwnerDrawn = 103,   // already 0xB: left alone
    kPlainRadio = 104,   // BS_RADIOBUTTON: left alone
    kDisabledPush = 105,
    kCheck = 106,
    kAutoRadio = 107,
    kEdit = 110,
    kMultiEdit = 111,
    kList = 120,
    kOwnerList = 121,
    kDropList = 130,
    kDropDown = 131,
    kSimpleCombo = 132,
    kTrackbar = 140,
    kVerticalTrackbar = 141,
    kProgress = 150,
    kVerticalProgress = 151,
    kUpDown = 160,
    kListView = 170,
    kTree = 180,
    kAddress = 190,
    kDate = 191,
    kContainer = 200,
    kInnerPush = 201,
    kInnerEdit = 202,
    kTab = 210,
};

// What the window's own procedure (the one the skin keeps as the previous procedure) saw.
struct WindowLog {
    std::vector<UINT> colourMessages;  // WM_CTLCOLOR* that reached it
    int clicks[300] = {};              // BN_CLICKED per control id
};

// The brush the window's own procedure answers WM_CTLCOLOR* with.
HBRUSH OwnColourBrush();

// GDI+, the runtime and the skin object, started once for the program.
void StartSkin();

struct TestWindow {
    HWND hwnd = nullptr;
    int32_t windowNumber = 0;
    WindowLog* log = nullptr;
    // Each child's window procedure before the skin took it over.
    std::vector<std::pair<HWND, LONG_PTR>> procsBefore;

    HWND Control(int id) const;
    LONG_PTR ProcBefore(HWND control) const;
};

// Makes the window with its controls (hidden), records their procedures, and, with `skin`,
// skins it as the program does (SkinWindow with caption height 10, caption active and
// resizable, no help, menu or title); then shows it and lets it paint.
TestWindow MakeWindow(const char* title, bool skin = true);
void DestroyTestWindow(TestWindow& window);

// Runs the thread's messages for the time given.
void Pump(DWORD milliseconds);
// Runs messages until the window and its children have nothing left to paint (at most 3 s).
void PumpUntilPainted(HWND window);

struct Rgb {
    int r, g, b;
};
Rgb ToRgb(COLORREF colour);
// A pixel of the window's client area as the screen shows it.
Rgb ScreenPixel(HWND window, int x, int y);
// A pixel of the skinned window's painted frame (the cache the controls compose from).
Rgb FramePixel(int32_t windowNumber, int x, int y);
// The point of `control`'s client area in its window's client coordinates.
POINT InWindow(HWND control, int x, int y);

// White laid over a colour at alpha / 255, as the skin's veil and fills do.
Rgb Veiled(Rgb under, int alpha);
// colour laid over `under` at alpha / 255.
Rgb Over(Rgb under, Rgb colour, int alpha);
// Whether two colours agree within `tolerance` on every channel.
bool Near(Rgb a, Rgb b, int tolerance);
std::string Describe(Rgb c);

// With SKIN_CONTROLS_PICTURES naming a folder, the window as the screen shows it goes there
// as name.png.
void KeepPicture(HWND window, const char* name);

}  // namespace skin_controls_test
