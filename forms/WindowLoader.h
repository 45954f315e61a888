// Windows on screen: loading a window from its template copy, the unit objects of loaded
// windows, the close sequence, and what happens when a window or a unit is destroyed.
#pragma once
#include <windows.h>

#include <cstdint>

#include "forms/WindowMap.h"

namespace forms {

class UnitObject;

// Builds the window and its units from the record and shows it; 1 on success, 0 on failure.
// With `reuse` 0 a window already on screen is only brought forward. A modal window disables
// the other parentless windows until it closes.
int32_t LoadWindow(WindowRecord& window, bool reuse, bool modal, HWND parent);

// Runtime message 2005: loads the window; a modal one then runs the modal loop until it is
// destroyed. 0 on success, -1 on failure.
struct OpenWindowRequest {
    uint32_t windowId;
    UnitObject* parent;  // the parent window's unit object, or null
    int32_t modal;
};
int32_t OpenWindow(const OpenWindowRequest& request);

// Runtime message 2006: the live object of a unit (unit 0: the window itself), or null.
UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId);
// Runtime message 2007: the same; none is the runtime error "指定窗口或窗口组件不存在或尚未载入".
UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId);

// Runtime message 2000: a unit's or a window's platform window is being destroyed. For the
// window: the units' cursors are freed, the template copy restored, the windows its modal
// display disabled enabled again, and with no template window left the loop is ended.
void PlatformWindowDestroyed(uint32_t windowId, uint32_t unitId);

// WM_CLOSE of a window: events 12 and 1, either of which may cancel; then the window goes.
void CloseWindowRequested(uint32_t windowId);

// Shutdown: destroys every loaded window.
void DestroyAllWindows();
bool AnyWindowAlive();

// The cursor loaded for a unit, or null.
HCURSOR UnitCursor(uint32_t windowId, uint32_t unitId);

// Replaces a live unit by a new one made from its saved properties (a property change that
// needs a new platform window), keeping ids, place, size, parent, state, z-order and children.
bool RecreateUnit(WindowRecord& window, int32_t index);

// Called by the units' focus handling: how many got-focus events units have raised so far.
uint32_t& FocusEventCount();

}  // namespace forms
