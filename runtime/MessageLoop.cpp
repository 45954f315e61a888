#include "runtime/MessageLoop.h"

#include <windows.h>

#include "forms/Events.h"
#include "forms/WindowLoader.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/RuntimeApplication.h"

namespace {

DWORD gIdleStart = 0;

// Walks the idle callbacks from the last to the first; one whose window is gone is dropped.
// A callback may add or remove entries, so each step looks at the list afresh.
void RunIdleCallbacks() {
    auto& list = Runtime().idleCallbacks;
    for (size_t i = list.size(); i-- > 0;) {
        if (i >= list.size()) continue;
        IdleCallback c = list[i];
        if (IsWindow(c.window)) c.routine(c.parameter);
        else list.erase(list.begin() + static_cast<ptrdiff_t>(i));
    }
}

bool ModalWindowGone(HWND modal) { return Runtime().currentModalWindow != modal || !IsWindow(modal); }

}  // namespace

bool OnIdle(int32_t idleCount) {
    RuntimeApplication& app = Runtime();
    if (idleCount == 0) {
        gIdleStart = GetTickCount();
        for (forms::WindowRecord& w : app.windowMap.Records()) w.idleDeclined = false;
    }
    if (idleCount < 2) return true;  // the framework's own idle time (nothing to do here)
    bool more = false;
    auto& records = app.windowMap.Records();
    for (size_t i = 0; i < records.size(); ++i) {
        if (!records[i].OnScreen() || records[i].idleDeclined) continue;
        uint32_t id = records[i].windowId;
        int32_t elapsed = static_cast<int32_t>(GetTickCount() - gIdleStart);
        forms::HandlerResult r = forms::RaiseUnitEvent(id, 0, 7, 1, &elapsed);
        if (r.hasValue && r.value != 0) more = true;
        else if (forms::WindowRecord* w = app.windowMap.Find(id)) w->idleDeclined = true;
    }
    return more;
}

void RunLoop(LoopMode mode) {
    const HWND modal = Runtime().currentModalWindow;
    bool idle = true;
    int32_t idleCount = 0;
    MSG msg;
    for (;;) {
        // Idle phase.
        while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            RunIdleCallbacks();
            if (!OnIdle(idleCount++)) idle = false;
            if (mode == LoopMode::Modal && ModalWindowGone(modal)) return;
        }
        // Pump phase.
        do {
            if (mode == LoopMode::Modal) {
                if (ModalWindowGone(modal)) return;
                if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message == WM_QUIT) return;
            }
            if (!framework::PumpMessage()) {
                // A quit that arrived while the modal loop waited stays for the main loop.
                if (mode == LoopMode::Modal) PostQuitMessage(static_cast<int>(framework::CurrentMessage().wParam));
                return;
            }
            if (mode == LoopMode::Modal && ModalWindowGone(modal)) return;
            if (framework::IsIdleMessage(framework::CurrentMessage())) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void RunMessageLoop() {
    Runtime().messageLoopRunning = true;
    if (forms::AnyWindowAlive()) RunLoop(LoopMode::Main);
}
