// Unit events: the notice a unit raises them with (runtime message 2008), the program's event
// handlers, and how the runtime routes an event to the handler its template binds.
#pragma once
#include <cstdint>
#include <type_traits>

namespace forms {

inline constexpr int32_t kMaxEventArguments = 5;

// The record a unit passes with message 2008; 32-bit fields on every build.
struct EventNotice {
    uint32_t window;     // WindowId
    uint32_t unit;       // UnitId; 0 means the window itself
    int32_t event;       // type events from 0, common events negative
    int32_t argumentCount;
    int32_t arguments[kMaxEventArguments];
    int32_t hasResult;   // set to 1 by the runtime when the handler returned a value
    int32_t result;
};
static_assert(sizeof(EventNotice) == 44);

// What a handler gives back: whether it returned a value, and the value.
struct HandlerResult {
    int32_t hasValue;
    int32_t value;
};

// An event handler of program code: the notice's arguments in order.
using EventHandler = HandlerResult (*)(int32_t argumentCount, const int32_t* arguments);

// A routine of program code as an event handler: a routine without result returns no value; one
// returning bool or int32_t returns that value. It takes no arguments or the first one.
template <auto Routine>
HandlerResult HandlerFor(int32_t argumentCount, const int32_t* arguments) {
    using R = decltype(Routine);
    if constexpr (std::is_invocable_v<R>) {
        if constexpr (std::is_void_v<std::invoke_result_t<R>>) {
            Routine();
            return {0, 0};
        } else {
            return {1, static_cast<int32_t>(Routine())};
        }
    } else {
        int32_t first = argumentCount > 0 ? arguments[0] : 0;
        if constexpr (std::is_void_v<std::invoke_result_t<R, int32_t>>) {
            Routine(first);
            return {0, 0};
        } else {
            return {1, static_cast<int32_t>(Routine(first))};
        }
    }
}

// A program's code base is its table of event handlers; a template binds a handler by its byte
// offset in that table.
constexpr int32_t HandlerOffset(int32_t slot) { return slot * static_cast<int32_t>(sizeof(EventHandler)); }

// Raises an event (message 2008): 1 when a handler ran, else 0. A notice raised while events are
// suppressed reaches nothing. Routing failures are runtime errors.
int32_t RaiseEvent(EventNotice& notice);

// Raises an event of a window or one of its units without arguments; the handler's result.
HandlerResult RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                             int32_t argumentCount = 0, const int32_t* arguments = nullptr);

// The unit whose event handler is running (both 0 when none).
struct EventSource {
    uint32_t window;
    uint32_t unit;
};
EventSource CurrentEventSource();

}  // namespace forms
