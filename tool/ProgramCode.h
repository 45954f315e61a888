// The program's code base: the table of its event handlers. The window templates bind a handler
// by its offset in this table (ShowAboutRoutine, first, has offset 0).
#pragma once
#include <cstdint>

#include "forms/Events.h"

#define PROGRAM_EVENT_HANDLERS(X) \
    X(ShowAboutRoutine)           \
    X(StartupRoutine)             \
    X(SelectionRoutine)           \
    X(WriteRoutine)               \
    X(ChooseOggRoutine)           \
    X(AboutCreatedRoutine)

enum class ProgramHandler : int32_t {
#define PROGRAM_HANDLER_ENUM(name) name,
    PROGRAM_EVENT_HANDLERS(PROGRAM_HANDLER_ENUM)
#undef PROGRAM_HANDLER_ENUM
};

constexpr int32_t HandlerOffsetOf(ProgramHandler h) { return forms::HandlerOffset(static_cast<int32_t>(h)); }

extern const forms::EventHandler kProgramCode[];
