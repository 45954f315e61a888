// The program's header and start routine.
#pragma once
#include "runtime/ProgramHeader.h"

extern const ProgramHeader kProgramHeader;

// The program's start: the runtime, the globals, the exit hook, the module initialisers, the
// start window, the message loop. Returns 0: the loop has ended.
int ProgramStartRoutine();
