// The skin's painting on the product's main window, timed inside the process:
//   skin_bench [rounds]
// The main window is loaded through the forms engine from the program's own templates and taken
// over by SkinSetup as the program's start does (its other start steps, the update check and the
// dialogs, are left out), then shown. Each round times, in this order:
//   - a full RenderFrame with the blit (shape, frame bitmap, background picture, border, caption
//     copy, both caption buttons, the copy onto the window);
//   - a cached BlitFrame (the single copy of frameDC onto the window that an ordinary WM_PAINT
//     makes);
//   - one hover-fade tick (WM_TIMER with the window's own timer id through the frame's window
//     procedure, one button fading in: painted at the step's opacity and copied onto the window).
// GdiFlush follows every step, so the figures hold the drawing and not only its queueing. Prints
// the median and the fastest of each in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "forms/UnitObject.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/SupportLibraries.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPictures.h"
#include "tool/ProgramCode.h"
#include "tool/ProgramWindows.h"

namespace {

int gRounds = 200;
HWND gMain = nullptr;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.3f ms   fastest %8.3f ms   (%zu runs)\n", what, ms[ms.size() / 2], ms.front(), ms.size());
}

template <typename Step>
std::vector<double> Time(Step step) {
    std::vector<double> ms;
    for (int i = 0; i < gRounds; ++i) {
        const double start = Now();
        step();
        GdiFlush();
        ms.push_back(Now() - start);
        Pump();
    }
    return ms;
}

void Created() {
    auto object = RuntimeNotify(2006, static_cast<intptr_t>(kMainWindowId), static_cast<intptr_t>(kMainWindowUnitId));
    gMain = forms::UnitWindowHandle(reinterpret_cast<const void*>(static_cast<intptr_t>(object)));
    skin::SkinSetup(skin::pictures::Background(), 0, 0, gMain, 100, 10, 0, 0, 0);
}
void Nothing() {}

// The product's handler table in its order, with only the creation handler doing anything.
const forms::EventHandler kBenchCode[] = {
    forms::HandlerFor<&Nothing>, forms::HandlerFor<&Created>, forms::HandlerFor<&Nothing>,
    forms::HandlerFor<&Nothing>, forms::HandlerFor<&Nothing>, forms::HandlerFor<&Nothing>,
};
static_assert(static_cast<int32_t>(ProgramHandler::StartupRoutine) == 1);

const ProgramHeader kBenchHeader = {
    3, 0, 0x1AF61, kBenchCode, kConstantRegionStartMarker, kConstantRegionEndMarker, kTemplateBlock.data(),
    static_cast<uint32_t>(kTemplateBlock.size()), kSupportLibraryCount, kSupportLibraryTable,
};

void StartSkin() {
    Gdiplus::GdiplusStartupInput input;
    skin::NewSkinEngine();
    dll::GdiplusStartup(&skin::settings.gdiplusToken, &input, nullptr);
    skin::settings.firstSizePending = 1;
    skin::settings.skinControls = 1;
    skin::settings.controlAlpha = 160;
    skin::settings.accentColour = 0xDDCA22;
    skin::settings.trackbarShading = 1;
}

int BenchStart() {
    const RuntimeEntryTable& runtime = RuntimeEntries();
    runtime.runtimeService(kServiceInitRuntime, 0, 0);
    StartSkin();
    runtime.loadStartWindow(kMainWindowId);
    skin::SkinEngine* engine = skin::TheSkin();
    const int32_t n = skin::WindowNumberOf(gMain);
    if (!gMain || !IsWindowVisible(gMain) || n != 1) {
        std::printf("the main window did not come up skinned\n");
        return 1;
    }
    Pump();
    RECT client{};
    GetClientRect(gMain, &client);
    std::printf("main window %ldx%ld, skinned as window %d, %d rounds\n", client.right, client.bottom, n, gRounds);

    Report("RenderFrame (full, with the blit)", Time([&] { engine->RenderFrame(n, nullptr, 1); }));
    Report("BlitFrame (cached)", Time([&] {
               HDC dc = GetDC(gMain);
               engine->BlitFrame(n, dc);
               ReleaseDC(gMain, dc);
           }));
    skin::SkinnedWindowRecord* w = skin::WindowRecord(n);
    int step = 0;
    Report("hover-fade tick (one button fading in)", Time([&] {
               w->hover.trackingArmed = 1;
               w->hover.inStrip = 1;
               w->hover.fadeIn = {1, step};
               w->hover.fadeOut = {0, 0};
               w->hotButton = 1;
               step = (step + 1) % 8;
               SendMessageA(gMain, WM_TIMER, reinterpret_cast<WPARAM>(gMain), 0);
           }));
    DestroyWindow(gMain);
    skin::ReleaseSkinEngine(engine);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) gRounds = std::max(1, std::atoi(argv[1]));
    return framework::RunApplication(kBenchHeader, BenchStart);
}
