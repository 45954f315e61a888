// What the skin object's source files share among themselves (not used outside skin/).
#pragma once
#include <windows.h>

#include <cstdint>

#include "skin/SkinEngine.h"

namespace skin::frame {

// The registry's storage: records by window number - 1. A record stays where it is while the
// vector moves, so one found by number is valid until its window is released.
std::vector<std::unique_ptr<SkinnedWindowRecord>>& Records();

// The window's previous procedure (its "Hw_hProc") with the message; DefWindowProcA when none.
LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the window's class name is exactly `name`.
bool ClassIs(HWND window, const char* name);

// The rounded window region of the client size.
void ApplyWindowShape(HWND window);

// A device context of the window for copying the frame: every visible direct child without
// WS_EX_TRANSPARENT excluded from its clipping, so the copy never paints over a control.
class FrameTargetDC {
public:
    explicit FrameTargetDC(HWND window);
    ~FrameTargetDC();
    FrameTargetDC(const FrameTargetDC&) = delete;
    FrameTargetDC& operator=(const FrameTargetDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Copies the rectangle (client coordinates) of the frame cache onto the window.
void BlitFrameArea(const SkinnedWindowRecord& record, int32_t x, int32_t y, int32_t width, int32_t height);

// The caption-button area a highlight restores and copies: one pixel around the picture.
RECT CaptionButtonArea(const SkinnedWindowRecord& record, int32_t button);

// Lets go of the frame caches and their properties (on WM_NCDESTROY).
void ReleaseFrameCache(SkinnedWindowRecord& record);

// ReleaseWindow: the window's record released, the others renumbered.
void ReleaseWindow(HWND window);

// One tick of the hover fade (WM_TIMER whose identifier is the window handle).
void HoverFadeTick(SkinEngine* skin, int32_t windowNumber);

// The height the taskbar leaves on the screen (the whole screen height without one).
int32_t HeightAboveTaskbar(int32_t screenHeight);

// The prepared form of a picture (background modes 0 and 1 fade it into the colour, others
// keep it): PNG bytes or a copy of the given bytes. fileName, when given, is read instead.
Bytes PreparePicture(const char* fileName, const ByteSet* picture, COLORREF colour, int32_t mode);
// The picture's average colour over 2000 sampled pixels (COLORREF with 0xFF on top).
COLORREF AverageColour(const char* fileName, const ByteSet* picture);

}  // namespace skin::frame
