#include "forms/UnitObject.h"

#include "forms/WindowLoader.h"
#include "runtime/SupportLibraries.h"

namespace forms {
namespace {
constexpr const char* kUnitProperty = "WTUnit";

// The child a parent's notification is about, for the messages that name one.
HWND NotifyingChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY: return lp ? reinterpret_cast<const NMHDR*>(lp)->hwndFrom : nullptr;
    case WM_DRAWITEM: return lp ? reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem : nullptr;
    case WM_DELETEITEM: return lp ? reinterpret_cast<const DELETEITEMSTRUCT*>(lp)->hwndItem : nullptr;
    case WM_COMPAREITEM: return lp ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lp)->hwndItem : nullptr;
    case WM_MEASUREITEM: return GetDlgItem(parent, static_cast<int>(wp));
    default: return nullptr;
    }
}
}  // namespace

UnitObject::~UnitObject() = default;

UnitObject* UnitObject::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<UnitObject*>(GetPropA(hwnd, kUnitProperty)) : nullptr;
}

void UnitObject::Bind(HWND hwnd) {
    hwnd_ = hwnd;
    SetPropA(hwnd, kUnitProperty, this);
}

void UnitObject::AttachControl(HWND hwnd) {
    Bind(hwnd);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnitObject::SubclassProc)));
}

void UnitObject::AttachOwnWindow(HWND hwnd) { Bind(hwnd); }

bool UnitObject::RegisterOwnClass(const char* className, UINT classStyle) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing)) return true;
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &UnitObject::OwnClassProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

LRESULT CALLBACK UnitObject::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        if (auto* unit = static_cast<UnitObject*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams)) unit->AttachOwnWindow(hwnd);
    UnitObject* unit = FromHandle(hwnd);
    return unit ? unit->Dispatch(msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK UnitObject::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    UnitObject* unit = FromHandle(hwnd);
    return unit ? unit->Dispatch(msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT UnitObject::CallDefault(UINT msg, WPARAM wp, LPARAM lp) {
    return original_ ? CallWindowProcA(original_, hwnd_, msg, wp, lp) : DefWindowProcA(hwnd_, msg, wp, lp);
}

bool UnitObject::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = NotifyingChild(hwnd_, msg, wp, lp);
    if (!child || child == hwnd_) return false;
    UnitObject* unit = FromHandle(child);
    return unit && unit->OnReflected(msg, wp, lp, result);
}

LRESULT UnitObject::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    ++depth_;
    HWND hwnd = hwnd_;
    LRESULT result = 0;
    bool handled = Reflect(msg, wp, lp, result);
    if (!handled && msg == WM_SETCURSOR && reinterpret_cast<HWND>(wp) == hwnd && LOWORD(lp) == HTCLIENT) {
        if (HCURSOR cursor = UnitCursor(windowId_, unitId_)) {
            SetCursor(cursor);
            handled = true;
            result = TRUE;
        }
    }
    if (!handled) handled = OnMessage(msg, wp, lp, result);
    if (!handled) result = CallDefault(msg, wp, lp);
    switch (msg) {
    case WM_SETFOCUS:
        ++FocusEventCount();
        RaiseEvent(-7);
        break;
    case WM_KILLFOCUS: RaiseEvent(-8); break;
    case WM_DESTROY: RuntimeNotify(2000, static_cast<intptr_t>(windowId_), static_cast<intptr_t>(unitId_)); break;
    case WM_NCDESTROY:
        RemovePropA(hwnd, kUnitProperty);
        if (original_) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        finished_ = true;
        break;
    default: break;
    }
    if (--depth_ == 0 && finished_) delete this;
    return result;
}

HandlerResult UnitObject::RaiseEvent(int32_t event, std::initializer_list<int32_t> args) {
    // A unit whose window is being destroyed (its template copy already restored) raises nothing.
    if (FindUnitObject(windowId_, unitId_) != this) return {0, 0};
    EventNotice notice{};
    notice.window = windowId_;
    notice.unit = unitId_;
    notice.event = event;
    for (int32_t a : args) {
        if (notice.argumentCount == kMaxEventArguments) break;
        notice.arguments[notice.argumentCount++] = a;
    }
    RuntimeNotify(2008, reinterpret_cast<intptr_t>(&notice), 0);
    return {notice.hasResult, notice.result};
}

}  // namespace forms
