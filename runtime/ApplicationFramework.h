// The small application framework the runtime stands on: the process entry with its instance
// hooks, the message pump with its pretranslation hook, and the rule for which messages restart
// idle processing. It holds no windows of its own; the runtime's loop (MessageLoop.h) drives it.
#pragma once
#include <windows.h>

#include "runtime/ProgramHeader.h"

namespace framework {

// The program code's start routine: returns 0 when it ran its own loop and the program is done.
using StartRoutine = int (*)();

// The process entry, called by the program's WinMain after static construction: the
// instance-initialisation hook (records the module folder, runs the start routine; the
// framework's own loop only when that returns non-zero), then the instance-exit hook (the
// runtime's shutdown with exit code 0). Returns the process exit code: that of the WM_QUIT
// that ended the loop, else 0.
int RunApplication(const ProgramHeader& header, StartRoutine start);

// One message through the framework: GetMessageA, the pretranslation hook, then
// TranslateMessage and DispatchMessageA. False when the message was WM_QUIT.
bool PumpMessage();
// The message PumpMessage handled last.
const MSG& CurrentMessage();
// Whether idle processing should resume after this message (not after mouse moves that did
// not move, paints, or the caret's timer).
bool IsIdleMessage(const MSG& msg);
// Handles the messages waiting in the queue, until it is empty or WM_QUIT is next.
void PumpPendingMessages();

}  // namespace framework
