// The runtime's single service entry for the support libraries.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "forms/Events.h"
#include "forms/UnitType.h"
#include "forms/WindowLoader.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/FileRegistry.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"

namespace {

int64_t Allocate(intptr_t byteCount, intptr_t flag) {
    auto n = static_cast<size_t>(byteCount);
    // Flag 0: as RuntimeAlloc (failure is fatal); otherwise a plain allocation that may fail.
    void* p = flag == 0 ? RuntimeAlloc(n) : HeapAlloc(GetProcessHeap(), 0, n);
    return reinterpret_cast<intptr_t>(p);
}

// One idle callback per window: a second request for the same window is ignored.
int64_t AddIdleCallback(RuntimeApplication& app, const IdleCallback* callback) {
    auto& list = app.idleCallbacks;
    if (std::none_of(list.begin(), list.end(), [&](const IdleCallback& c) { return c.window == callback->window; }))
        list.push_back(*callback);
    return 0;
}

int64_t RemoveIdleCallback(RuntimeApplication& app, HWND window) {
    std::erase_if(app.idleCallbacks, [&](const IdleCallback& c) { return c.window == window; });
    return 0;
}

int64_t NumericValueBits(const ArgRecord* value) {
    double d = NumericValueOf(*value).AsDouble();
    int64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

// Messages 2009 and 2010: pending messages first, then events off or on again (never below 0).
int64_t SuppressEvents(RuntimeApplication& app) {
    framework::PumpPendingMessages();
    ++app.eventSuppressCount;
    return 0;
}

int64_t ResumeEvents(RuntimeApplication& app) {
    framework::PumpPendingMessages();
    if (app.eventSuppressCount > 0) --app.eventSuppressCount;
    return 0;
}

int64_t PointerResult(const void* p) { return static_cast<int64_t>(reinterpret_cast<intptr_t>(p)); }

}  // namespace

// Message 1012 adds an idle callback (a record of window handle, routine and parameter), 1013
// removes the window's; 1001 gives the WindowMap, 1002 a UnitTypeInfo; 2000 to 2010 serve the
// forms (destroy notices, loading windows, unit objects, events); 2001 gives the numeric value of an ArgRecord as the bit pattern of a double;
// 2003 and 2004 give new texts owned by the caller; 2012 gives the registered file's number.
int64_t RuntimeNotify(int32_t message, intptr_t p1, intptr_t p2) {
    RuntimeApplication& app = Runtime();
    switch (message) {
    case 1001: return PointerResult(&app.windowMap);
    case 1002: return PointerResult(forms::FindUnitType(static_cast<uint32_t>(p1)));
    case 1012: return AddIdleCallback(app, reinterpret_cast<const IdleCallback*>(p1));
    case 1013: return RemoveIdleCallback(app, reinterpret_cast<HWND>(p1));
    case 2000: forms::PlatformWindowDestroyed(static_cast<uint32_t>(p1), static_cast<uint32_t>(p2)); return 0;
    case 2001: return NumericValueBits(reinterpret_cast<const ArgRecord*>(p1));
    case 2003: return reinterpret_cast<intptr_t>(MakeText(app.programFolder.c_str()));
    case 2004: return reinterpret_cast<intptr_t>(MakeText(app.programFileName.c_str()));
    case 2005: return forms::OpenWindow(*reinterpret_cast<const forms::OpenWindowRequest*>(p1));
    case 2006: return PointerResult(forms::FindUnitObject(static_cast<uint32_t>(p1), static_cast<uint32_t>(p2)));
    case 2007: return PointerResult(forms::RequireUnitObject(static_cast<uint32_t>(p1), static_cast<uint32_t>(p2)));
    case 2008: return forms::RaiseEvent(*reinterpret_cast<forms::EventNotice*>(p1));
    case 2009: return SuppressEvents(app);
    case 2010: return ResumeEvents(app);
    case 2011: return RegisteredFileKind(reinterpret_cast<const void*>(p1));
    case 2012: return RegisterFile(reinterpret_cast<void*>(p1), static_cast<uint8_t>(p2));
    case 2013: return UnregisterFile(reinterpret_cast<const void*>(p1)) ? 1 : 0;
    case 2018: framework::PumpPendingMessages(); return 0;
    case 2023: FreeArray(static_cast<TypeCode>(p1), reinterpret_cast<ArrayValue*>(p2)); return 0;
    case 2024: return Allocate(p1, p2);
    case 2025: RuntimeFree(reinterpret_cast<void*>(p1)); return 0;
    case 2026: return reinterpret_cast<intptr_t>(RuntimeRealloc(reinterpret_cast<void*>(p1), static_cast<size_t>(p2)));
    case 2027: ReportErrorText(reinterpret_cast<const char*>(p1), 0);
    case 2028: EndProgram(static_cast<int>(p1));
    default: return 0;
    }
}
