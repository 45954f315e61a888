// The runtime's message loop: an idle phase (idle callbacks, then the idle hook, which raises
// the windows' idle event 7) while the queue is empty, then a pump phase while it is not.
#pragma once
#include <cstdint>

enum class LoopMode : int32_t {
    Main = 0,   // until WM_QUIT
    Modal = 1,  // until the current modal window is destroyed, or WM_QUIT is next (left queued)
};

void RunLoop(LoopMode mode);

// Entry 10: sets the loop-running flag; runs the main loop when any template window is alive,
// else returns at once.
void RunMessageLoop();

// The idle hook: the framework's own idle processing for counts 0 and 1, then event 7 of every
// loaded window that has not declined in this idle period. True while more idle calls are wanted.
bool OnIdle(int32_t idleCount);
