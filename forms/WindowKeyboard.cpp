#include "forms/WindowKeyboard.h"

#include <algorithm>
#include <string>
#include <vector>

#include "forms/Events.h"
#include "forms/TemplateFormat.h"
#include "forms/UnitObject.h"
#include "forms/UnitType.h"
#include "forms/units/WindowUnit.h"
#include "runtime/RuntimeApplication.h"

namespace forms {
namespace {

struct KeyContext {
    WindowRecord* window;
    WindowUnit* windowUnit;
    int32_t focused;  // the unit the key came to; 0: the window itself
};

const UnitTypeInfo* TypeAt(const WindowRecord& w, int32_t i) { return FindUnitType(w.Word(w.Layout(i)->type)); }

bool Usable(const WindowRecord& w, int32_t i) {
    UnitObject* u = w.ObjectAt(i);
    return u && IsWindowVisible(u->Handle()) && IsWindowEnabled(u->Handle());
}

// The units that take part in Tab navigation, by tab order, then unit order.
std::vector<int32_t> FocusOrder(const WindowRecord& w) {
    std::vector<int32_t> order;
    for (int32_t i = 1; i < w.unitCount; ++i)
        if (!w.Layout(i)->menuEntry && (w.Word(w.Layout(i)->flags) & tpl::kUnitTabStop) && Usable(w, i)) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return w.Int(w.Layout(a)->tabOrder) < w.Int(w.Layout(b)->tabOrder); });
    return order;
}

void MoveFocus(const KeyContext& k, bool backwards) {
    const WindowRecord& w = *k.window;
    std::vector<int32_t> order = FocusOrder(w);
    if (order.empty()) return;
    auto key = [&](int32_t i) { return std::pair(w.Int(w.Layout(i)->tabOrder), i); };
    int32_t target;
    if (k.focused <= 0) {
        target = backwards ? order.back() : order.front();
    } else if (!backwards) {
        auto it = std::find_if(order.begin(), order.end(), [&](int32_t i) { return key(i) > key(k.focused); });
        target = it == order.end() ? order.front() : *it;
    } else {
        auto it = std::find_if(order.rbegin(), order.rend(), [&](int32_t i) { return key(i) < key(k.focused); });
        target = it == order.rend() ? order.back() : *it;
    }
    SetFocus(w.ObjectAt(target)->Handle());
}

bool IsDefaultButton(const WindowRecord& w, int32_t i) {
    const UnitTypeInfo* type = TypeAt(w, i);
    if (!type || !(type->flags & kDefaultButton) || !Usable(w, i)) return false;
    auto get = OperationOf<GetPropertyRoutine>(type, kOpGetProperty);
    PropertyValue v{};
    return get && get(w.ObjectAt(i), 1, v) && v.integer == 1;
}

void PressButton(const WindowRecord& w, int32_t i) { RaiseUnitEvent(w.windowId, w.UnitIdAt(i), 0); }

bool OnEnter(const KeyContext& k) {
    const WindowRecord& w = *k.window;
    if (k.focused > 0 && IsDefaultButton(w, k.focused)) {
        PressButton(w, k.focused);
        return true;
    }
    if (k.windowUnit->Properties().enterMovesFocus) {
        MoveFocus(k, false);
        return true;
    }
    for (int32_t i = 1; i < w.unitCount; ++i) {
        if (!w.Layout(i)->menuEntry && IsDefaultButton(w, i)) {
            PressButton(w, i);
            return true;
        }
    }
    return false;
}

bool OnF1(const KeyContext& k) {
    const tpl::WindowProperties& p = k.windowUnit->Properties();
    if (!p.f1Help) return false;
    std::string file = p.helpFile;
    if (file.empty()) {  // the program's own file name with the extension "hlp"
        const RuntimeApplication& app = Runtime();
        file = app.programFolder + "\\" + app.programFileName;
        size_t dot = file.find_last_of('.');
        file = (dot == std::string::npos || dot < file.find_last_of('\\') ? file : file.substr(0, dot)) + ".hlp";
    }
    if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES)
        WinHelpA(k.windowUnit->Handle(), file.c_str(), p.helpContext ? HELP_CONTEXT : HELP_CONTENTS,
                 static_cast<ULONG_PTR>(p.helpContext));
    return true;
}

// An option unit is a radio button; its group is the run of option units around it in unit order.
bool IsOptionUnit(const WindowRecord& w, int32_t i) {
    UnitObject* u = w.ObjectAt(i);
    if (!u) return false;
    char cls[16] = {};
    GetClassNameA(u->Handle(), cls, sizeof cls);
    LONG type = GetWindowLongA(u->Handle(), GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(cls, "Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool OnArrow(const KeyContext& k, bool backwards) {
    const WindowRecord& w = *k.window;
    if (k.focused <= 0 || !IsOptionUnit(w, k.focused)) return false;
    int32_t first = k.focused, last = k.focused;
    while (first > 1 && IsOptionUnit(w, first - 1)) --first;
    while (last + 1 < w.unitCount && IsOptionUnit(w, last + 1)) ++last;
    int32_t span = last - first + 1;
    for (int32_t step = 1; step < span; ++step) {
        int32_t offset = backwards ? span - step : step;
        int32_t i = first + (k.focused - first + offset) % span;
        if (Usable(w, i)) {
            SetFocus(w.ObjectAt(i)->Handle());
            break;
        }
    }
    return true;
}

// The template window a message's window belongs to, and the unit it came to.
bool FindContext(HWND target, KeyContext& k) {
    HWND root = GetAncestor(target, GA_ROOT);
    for (WindowRecord& w : Runtime().windowMap.Records()) {
        if (!w.OnScreen() || w.Handle() != root) continue;
        k.window = &w;
        k.windowUnit = dynamic_cast<WindowUnit*>(w.ObjectAt(0));
        k.focused = 0;
        for (HWND h = target; h && h != root; h = GetParent(h)) {
            UnitObject* u = UnitObject::FromHandle(h);
            if (u && u->WindowId() == w.windowId) {
                k.focused = w.IndexOf(u->UnitId());
                break;
            }
        }
        return k.windowUnit != nullptr;
    }
    return false;
}

}  // namespace

bool PretranslateMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    KeyContext k{};
    if (!FindContext(msg.hwnd, k)) return false;
    if (k.focused > 0) {
        auto claims = OperationOf<ClaimsKeyRoutine>(TypeAt(*k.window, k.focused), kOpClaimsKey);
        if (claims && claims(k.window->ObjectAt(k.focused), msg)) return false;
    }
    bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (msg.wParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
        MoveFocus(k, shift);
        return true;
    case VK_RETURN: return OnEnter(k);
    case VK_ESCAPE:
        if (!k.windowUnit->Properties().escapeCloses) return false;
        SendMessageA(k.windowUnit->Handle(), WM_CLOSE, 0, 0);
        return true;
    case VK_F1: return OnF1(k);
    case VK_LEFT:
    case VK_UP: return OnArrow(k, true);
    case VK_RIGHT:
    case VK_DOWN: return OnArrow(k, false);
    default: return false;
    }
}

}  // namespace forms
