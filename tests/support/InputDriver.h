// Real input, as a user gives it: the pointer moved with SendInput to absolute screen positions,
// presses and releases at the same position, keys to the front window. Wine moves the X pointer
// late, so every move waits until the pointer is reported where it was sent before pressing.
#pragma once
#include <windows.h>

namespace testing_support {

// Brings the top-level window to the front (from another process) and waits until it is there.
bool BringToFront(HWND topLevel);
// Moves the pointer to the screen point and waits until it is reported there.
bool MovePointer(POINT screen);
// A left click at the point of the window's client area (the window's top-level window is brought
// to the front first).
bool ClickClientPoint(HWND window, POINT client);
// A left click at the centre of the window.
bool ClickWindow(HWND window);
// A key pressed and released while the top-level window is in front.
bool PressKey(HWND topLevel, WORD virtualKey);

}  // namespace testing_support
