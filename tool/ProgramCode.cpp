#include "tool/ProgramCode.h"

#include "tool/ProgramRoutines.h"

#define PROGRAM_HANDLER_ROW(name) forms::HandlerFor<&name>,
const forms::EventHandler kProgramCode[] = {PROGRAM_EVENT_HANDLERS(PROGRAM_HANDLER_ROW)};
#undef PROGRAM_HANDLER_ROW
