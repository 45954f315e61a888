#include "forms/Events.h"

#include "forms/UnitType.h"
#include "forms/WindowMap.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"

namespace forms {
namespace {

EventSource gCurrentSource{};

// The record whose bindings an event of unit `index` uses: its event host's, while that names
// another unit of the same type (a chain never longer than the window's units).
int32_t BindingUnit(const WindowRecord& w, int32_t index) {
    for (int32_t hops = 0; hops < w.unitCount; ++hops) {
        auto l = w.Layout(index);
        uint32_t host = w.Word(l->eventHost);
        int32_t hostIndex = host ? w.IndexOf(host) : -1;
        if (hostIndex < 0 || hostIndex == index) break;
        auto hl = w.Layout(hostIndex);
        if (!hl || hl->menuEntry || w.Word(hl->type) != w.Word(l->type)) break;
        index = hostIndex;
    }
    return index;
}

}  // namespace

int32_t RaiseEvent(EventNotice& notice) {
    RuntimeApplication& app = Runtime();
    if (app.eventSuppressCount > 0) return 0;
    WindowRecord* w = app.windowMap.Find(notice.window);
    if (!w || !w->ObjectAt(0)) ReportErrorText("未找到引发事件的窗口", 0);
    int32_t index = notice.unit == 0 ? 0 : w->IndexOf(notice.unit);
    if (index < 0 || w->Layout(index)->menuEntry) ReportErrorText("未找到引发事件的窗口组件", 0);
    index = BindingUnit(*w, index);
    const UnitTypeInfo* type = FindUnitType(w->Word(w->Layout(index)->type));
    if (!type || !(type->flags & (kRaisesEvents | kRaisesEvents2))) ReportErrorText("引发事件的窗口组件无效", 0);

    uint32_t handler = w->HandlerOf(index, notice.event);
    if (handler == 0) return 0;
    auto routine = *static_cast<const EventHandler*>(FromCodeAddress(handler));
    if (!routine) return 0;

    // The window record is not touched after the call: the handler may close the window.
    EventSource previous = gCurrentSource;
    gCurrentSource = {notice.window, notice.unit};
    int32_t n = notice.argumentCount < 0 ? 0 : notice.argumentCount > kMaxEventArguments ? kMaxEventArguments : notice.argumentCount;
    HandlerResult result = routine(n, notice.arguments);
    gCurrentSource = previous;
    if (result.hasValue) {
        notice.hasResult = 1;
        notice.result = result.value;
    }
    return 1;
}

HandlerResult RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int32_t event, int32_t argumentCount,
                             const int32_t* arguments) {
    EventNotice notice{};
    notice.window = windowId;
    notice.unit = unitId;
    notice.event = event;
    for (int32_t i = 0; i < argumentCount && i < kMaxEventArguments; ++i) notice.arguments[i] = arguments[i];
    notice.argumentCount = argumentCount < kMaxEventArguments ? argumentCount : kMaxEventArguments;
    RaiseEvent(notice);
    return {notice.hasResult, notice.result};
}

EventSource CurrentEventSource() { return gCurrentSource; }

}  // namespace forms
