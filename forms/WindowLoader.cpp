#include "forms/WindowLoader.h"

#include <algorithm>

#include "forms/Events.h"
#include "forms/TemplateFormat.h"
#include "forms/UnitCursor.h"
#include "forms/UnitObject.h"
#include "forms/UnitType.h"
#include "forms/units/WindowUnit.h"
#include "runtime/MessageLoop.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/SupportLibraries.h"

namespace forms {
namespace {

// Private messages sent to the units once all of them exist, and to the window to lay out
// docked units, and to the units once the window is shown.
constexpr UINT kAllUnitsCreated = 0x806F;
constexpr UINT kLayOutDockedUnits = 0x8004;
constexpr UINT kWindowShown = 0x8076;

const UnitTypeInfo* TypeOfUnit(const WindowRecord& w, int32_t index) {
    auto l = w.Layout(index);
    return l && !l->menuEntry ? FindUnitType(w.Word(l->type)) : nullptr;
}

DWORD StyleFromFlags(uint32_t flags) {
    DWORD style = 0;
    if (flags & tpl::kUnitDisabled) style |= WS_DISABLED;
    if (flags & tpl::kUnitTabStop) style |= WS_TABSTOP;
    return style;
}

UnitObject* CreateUnit(const WindowRecord& w, int32_t index, const UnitTypeInfo* type, HWND parent, UINT controlId,
                       DWORD style, const RECT* place, intptr_t extra1) {
    auto create = OperationOf<CreateUnitRoutine>(type, kOpCreate);
    if (!create) return nullptr;
    UnitLayout l = *w.Layout(index);
    UnitCreateParams p{};
    p.propertyData = w.units.data() + l.propertyData;
    p.propertyLength = l.end - l.propertyData;
    p.style = style;
    p.parent = parent;
    p.controlId = controlId;
    p.left = place ? place->left : w.Int(l.left);
    p.top = place ? place->top : w.Int(l.top);
    p.width = place ? place->right - place->left : w.Int(l.width);
    p.height = place ? place->bottom - place->top : w.Int(l.height);
    p.windowId = w.windowId;
    p.unitId = w.UnitIdAt(index);
    p.extra1 = extra1;
    return create(p);
}

// Back to the template's values: the working table and the live state are dropped.
void RestoreTemplate(WindowRecord& w) {
    for (UnitLive& u : w.live)
        if (u.cursor && u.ownsCursor) DestroyCursor(u.cursor);
    if (!w.backup.empty()) w.units = std::move(w.backup);
    w.backup.clear();
    w.live.clear();
    w.parent = nullptr;
    w.idleDeclined = false;
}

void RestoreDisabledWindows(WindowRecord& w) {
    RuntimeApplication& app = Runtime();
    for (const DisabledWindow& d : w.disabledByModal)
        if (WindowRecord* other = app.windowMap.Find(d.windowId); other && other->OnScreen())
            EnableWindow(other->Handle(), d.wasEnabled);
    w.disabledByModal.clear();
}

// The unit of window `w` whose platform window is or contains `focus` (0: the window itself).
int32_t UnitWithFocus(const WindowRecord& w, HWND focus) {
    for (int32_t i = w.unitCount - 1; i >= 1; --i)
        if (UnitObject* u = w.ObjectAt(i); u && (u->Handle() == focus || IsChild(u->Handle(), focus))) return i;
    HWND window = w.Handle();
    return focus && (focus == window || IsChild(window, focus)) ? 0 : -1;
}

bool StillShown(const WindowRecord& w, HWND window) { return IsWindow(window) && w.Handle() == window; }

// A failed load: whatever was built goes; destroying the window restores the template.
int32_t FailLoad(WindowRecord& w) {
    if (HWND window = w.Handle(); window && IsWindow(window)) DestroyWindow(window);
    RestoreTemplate(w);
    RuntimeNotify(2010, 0, 0);
    return 0;
}

}  // namespace

uint32_t& FocusEventCount() {
    static uint32_t count = 0;
    return count;
}

int32_t LoadWindow(WindowRecord& w, bool reuse, bool modal, HWND parent) {
    RuntimeApplication& app = Runtime();
    // 1. Already on screen: brought forward.
    if (w.OnScreen()) {
        if (!reuse) {
            HWND h = w.Handle();
            if (IsIconic(h)) ShowWindow(h, SW_RESTORE);
            else SetActiveWindow(h);
        }
        return 1;
    }
    // 2. The parent.
    if (modal) parent = nullptr;
    else if (parent && !IsWindow(parent)) return 0;
    // 3. No events while the window is built.
    RuntimeNotify(2009, 0, 0);
    // 4. The untouched copy.
    w.backup = w.units;
    w.live.assign(static_cast<size_t>(w.unitCount), UnitLive{});
    w.parent = parent;
    if (w.unitCount == 0) return FailLoad(w);

    // 5. The window unit.
    uint32_t windowFlags = w.Word(w.Layout(0)->flags);
    UnitObject* window = CreateUnit(w, 0, TypeOfUnit(w, 0), parent, 0, StyleFromFlags(windowFlags), nullptr, modal ? 1 : 0);
    if (!window) return FailLoad(w);
    w.live[0].object = window;
    HWND windowHandle = window->Handle();

    // 6. The other units, last first, hidden; control ids in creation order.
    UINT controlId = 100;
    for (int32_t i = w.unitCount - 1; i >= 1; --i, controlId += 10) {
        auto l = w.Layout(i);
        if (l->menuEntry) continue;
        const UnitTypeInfo* type = TypeOfUnit(w, i);
        if (!type) continue;  // a type this program does not carry: the unit stays away
        UnitObject* unit = CreateUnit(w, i, type, windowHandle, controlId, StyleFromFlags(w.Word(l->flags)), nullptr, 0);
        if (!unit) return FailLoad(w);
        w.live[i].object = unit;
    }

    // 7. Units in containers move into them; the z-order follows the unit order.
    for (int32_t i = 1; i < w.unitCount; ++i) {
        UnitObject* unit = w.ObjectAt(i);
        uint32_t container = unit ? w.Word(w.Layout(i)->parent) : 0;
        int32_t c = container ? w.IndexOf(container) : -1;
        if (c > 0 && w.ObjectAt(c)) {
            auto l = w.Layout(i);
            SetParent(unit->Handle(), w.ObjectAt(c)->Handle());
            SetWindowPos(unit->Handle(), nullptr, w.Int(l->left), w.Int(l->top), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    std::vector<std::pair<HWND, HWND>> lastByParent;  // (parent, last unit placed in it)
    for (int32_t i = 1; i < w.unitCount; ++i) {
        UnitObject* unit = w.ObjectAt(i);
        if (!unit) continue;
        HWND h = unit->Handle();
        HWND p = GetParent(h);
        auto it = std::find_if(lastByParent.begin(), lastByParent.end(), [&](auto& e) { return e.first == p; });
        HWND after = it == lastByParent.end() ? HWND_TOP : it->second;
        SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (it == lastByParent.end()) lastByParent.push_back({p, h});
        else it->second = h;
    }

    // 8. Custom mouse cursors.
    for (int32_t i = 0; i < w.unitCount; ++i) {
        auto l = w.Layout(i);
        if (!l->menuEntry) w.live[i].cursor = LoadUnitCursor(w.Counted(l->cursorData));
    }

    // 9. All units exist.
    for (int32_t i = w.unitCount - 1; i >= 1; --i)
        if (UnitObject* unit = w.ObjectAt(i)) SendMessageA(unit->Handle(), kAllUnitsCreated, 0, 0);
    SendMessageA(windowHandle, kLayOutDockedUnits, 0, 0);

    // 10. Show the visible units, in creation order.
    for (int32_t i = w.unitCount - 1; i >= 1; --i) {
        UnitObject* unit = w.ObjectAt(i);
        if (!unit) continue;
        bool visible = (w.Word(w.Layout(i)->flags) & tpl::kUnitVisible) && !(TypeOfUnit(w, i)->flags & kNeverShown);
        ShowWindow(unit->Handle(), visible ? SW_SHOWNA : SW_HIDE);
    }

    // 11. Events flow again.
    RuntimeNotify(2010, 0, 0);

    // 12. Created, then events 3 and 4, while the window is still hidden.
    const uint32_t windowId = w.windowId;
    RaiseUnitEvent(windowId, 0, 0);
    if (StillShown(w, windowHandle)) RaiseUnitEvent(windowId, 0, 3);
    if (StillShown(w, windowHandle)) RaiseUnitEvent(windowId, 0, 4);
    if (!StillShown(w, windowHandle)) return 1;

    // 13. Shown, in its start state; the focused unit hears of it once.
    if (w.Word(w.Layout(0)->flags) & tpl::kUnitVisible) {
        uint32_t focusEvents = FocusEventCount();
        auto* windowUnit = dynamic_cast<WindowUnit*>(w.ObjectAt(0));
        ShowWindow(windowHandle, windowUnit ? windowUnit->FirstShowCommand() : SW_SHOW);
        if (!StillShown(w, windowHandle)) return 1;
        if (FocusEventCount() == focusEvents) {
            int32_t focused = UnitWithFocus(w, GetFocus());
            if (focused >= 0) RaiseUnitEvent(windowId, focused == 0 ? 0 : w.UnitIdAt(focused), -7);
            if (!StillShown(w, windowHandle)) return 1;
        }
    }

    // 14. A modal window disables the other parentless windows.
    if (modal) {
        for (WindowRecord& other : app.windowMap.Records()) {
            if (&other == &w || !other.OnScreen() || other.parent) continue;
            HWND h = other.Handle();
            w.disabledByModal.push_back({other.windowId, IsWindowEnabled(h) != FALSE});
            EnableWindow(h, FALSE);
        }
    }

    // 15. Shown; the focus back where it was; loaded.
    HWND focus = GetFocus();
    for (int32_t i = w.unitCount - 1; i >= 1; --i)
        if (UnitObject* unit = w.ObjectAt(i)) SendMessageA(unit->Handle(), kWindowShown, 0, 0);
    if (!StillShown(w, windowHandle)) return 1;
    if (GetFocus() != focus && focus && IsWindow(focus)) SetFocus(focus);
    size_t state = w.Layout(0)->stateWord;
    w.SetWord(state, w.Word(state) | tpl::kStateLoaded);
    return 1;
}

int32_t OpenWindow(const OpenWindowRequest& request) {
    RuntimeApplication& app = Runtime();
    WindowRecord* w = app.windowMap.Find(request.windowId);
    if (!w) return -1;
    HWND parent = request.parent ? request.parent->Handle() : nullptr;
    if (!LoadWindow(*w, false, request.modal != 0, parent)) return -1;
    if (request.modal && w->OnScreen()) {
        HWND previous = app.currentModalWindow;
        app.currentModalWindow = w->Handle();
        RunLoop(LoopMode::Modal);
        app.currentModalWindow = previous;
    }
    return 0;
}

UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId) {
    WindowRecord* w = Runtime().windowMap.Find(windowId);
    if (!w) return nullptr;
    int32_t index = unitId == 0 ? 0 : w->IndexOf(unitId);
    UnitObject* unit = w->ObjectAt(index);
    return unit && IsWindow(unit->Handle()) ? unit : nullptr;
}

UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId) {
    UnitObject* unit = FindUnitObject(windowId, unitId);
    if (!unit) ReportErrorText("指定窗口或窗口组件不存在或尚未载入", 0);
    return unit;
}

void PlatformWindowDestroyed(uint32_t windowId, uint32_t unitId) {
    RuntimeApplication& app = Runtime();
    if (app.recreatingUnit) return;
    WindowRecord* w = app.windowMap.Find(windowId);
    if (!w || w->live.empty()) return;
    int32_t index = unitId == 0 ? 0 : w->IndexOf(unitId);
    if (index < 0) return;
    if (index > 0) {
        UnitLive& u = w->live[index];
        if (u.cursor && u.ownsCursor) DestroyCursor(u.cursor);
        u = UnitLive{};
        return;
    }
    HWND window = w->Handle();
    RestoreDisabledWindows(*w);
    RestoreTemplate(*w);
    if (app.currentModalWindow == window) app.currentModalWindow = nullptr;
    if (!app.shutdownInProgress && app.messageLoopRunning && !AnyWindowAlive()) PostQuitMessage(0);
}

void CloseWindowRequested(uint32_t windowId) {
    WindowRecord* w = Runtime().windowMap.Find(windowId);
    if (!w || !w->OnScreen()) return;
    HWND window = w->Handle();
    for (int32_t event : {12, 1}) {
        HandlerResult r = RaiseUnitEvent(windowId, 0, event);
        if (!StillShown(*w, window)) return;
        if (r.hasValue && r.value == 0) return;  // vetoed
    }
    RestoreDisabledWindows(*w);
    DestroyWindow(window);
}

void DestroyAllWindows() {
    for (WindowRecord& w : Runtime().windowMap.Records())
        if (w.OnScreen()) DestroyWindow(w.Handle());
}

bool AnyWindowAlive() {
    auto& records = Runtime().windowMap.Records();
    return std::any_of(records.begin(), records.end(), [](const WindowRecord& w) { return w.OnScreen(); });
}

HCURSOR UnitCursor(uint32_t windowId, uint32_t unitId) {
    WindowRecord* w = Runtime().windowMap.Find(windowId);
    if (!w || w->live.empty()) return nullptr;
    int32_t index = w->IndexOf(unitId);
    return index >= 0 ? w->live[index].cursor : nullptr;
}

bool RecreateUnit(WindowRecord& w, int32_t index) {
    RuntimeApplication& app = Runtime();
    UnitObject* old = w.ObjectAt(index);
    const UnitTypeInfo* type = TypeOfUnit(w, index);
    auto save = OperationOf<SavePropertiesRoutine>(type, kOpSaveProperties);
    if (index <= 0 || !old || !save) return false;
    HWND oldHandle = old->Handle();
    HWND parent = GetParent(oldHandle);
    RECT place;
    GetWindowRect(oldHandle, &place);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    DWORD style = (IsWindowEnabled(oldHandle) ? 0 : WS_DISABLED) | (w.Word(w.Layout(index)->flags) & tpl::kUnitTabStop ? WS_TABSTOP : 0);
    UINT controlId = static_cast<UINT>(GetDlgCtrlID(oldHandle));
    bool visible = IsWindowVisible(oldHandle) != FALSE;
    HWND focus = GetFocus();
    bool hadFocus = focus == oldHandle || IsChild(oldHandle, focus);

    ++app.eventSuppressCount;
    app.recreatingUnit = true;
    std::string data = save(old);
    // The new unit is made from the saved state rather than the template's property data.
    UnitCreateParams p{};
    p.propertyData = reinterpret_cast<const uint8_t*>(data.data());
    p.propertyLength = data.size();
    p.style = style;
    p.parent = parent;
    p.controlId = controlId;
    p.left = place.left;
    p.top = place.top;
    p.width = place.right - place.left;
    p.height = place.bottom - place.top;
    p.windowId = w.windowId;
    p.unitId = w.UnitIdAt(index);
    auto create = OperationOf<CreateUnitRoutine>(type, kOpCreate);
    UnitObject* fresh = create ? create(p) : nullptr;
    if (fresh) {
        HWND h = fresh->Handle();
        SetWindowPos(h, oldHandle, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        std::vector<HWND> children;
        for (HWND c = GetWindow(oldHandle, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (UnitObject::FromHandle(c)) children.push_back(c);  // units inside it, not the control's own parts
        for (HWND c : children) SetParent(c, h);
        if (visible) ShowWindow(h, SW_SHOWNA);
        w.live[index].object = fresh;
        DestroyWindow(oldHandle);
        if (hadFocus) SetFocus(h);
    }
    app.recreatingUnit = false;
    --app.eventSuppressCount;
    return fresh != nullptr;
}

}  // namespace forms
