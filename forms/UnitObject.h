// The live object of a unit: knows its WindowId, UnitId and platform window, and gives every
// unit type the behaviour all units share (see forms/UnitType.h): the focus events -7 and -8,
// the destroy notice to the runtime, the unit's mouse cursor, and the parent's notifications
// reflected to the child unit they are about.
//
// A type derives from UnitObject and overrides OnMessage (its own window's messages) and
// OnReflected (the notifications its parent received about it). The object lives as long as its
// platform window: it deletes itself after WM_NCDESTROY.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "forms/Events.h"

namespace forms {

class UnitObject {
public:
    UnitObject(uint32_t windowId, uint32_t unitId) : windowId_(windowId), unitId_(unitId) {}
    virtual ~UnitObject();
    UnitObject(const UnitObject&) = delete;
    UnitObject& operator=(const UnitObject&) = delete;

    uint32_t WindowId() const { return windowId_; }
    uint32_t UnitId() const { return unitId_; }
    HWND Handle() const { return hwnd_; }

    // The unit whose platform window this is, or null.
    static UnitObject* FromHandle(HWND hwnd);

    // Takes over a control created from a system class (subclassing it).
    void AttachControl(HWND hwnd);
    // For a unit type with a window class of its own: registers the class once (the arrow
    // cursor, no background brush) with OwnClassProc, which takes the UnitObject passed as the
    // creation parameter of CreateWindowExA and hands it every message.
    static bool RegisterOwnClass(const char* className, UINT classStyle);
    static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void AttachOwnWindow(HWND hwnd);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    // Raises an event of this unit through the runtime (message 2008).
    HandlerResult RaiseEvent(int32_t event, std::initializer_list<int32_t> args = {});

    // A notification the parent received about this unit; true when handled (then `result`).
    virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }

protected:
    // The type's own handling of its window's messages; true when handled (then `result`).
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
    // The platform's handling: the control's own procedure, or DefWindowProcA.
    LRESULT CallDefault(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Bind(HWND hwnd);

    uint32_t windowId_;
    uint32_t unitId_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;  // the control's procedure, when subclassed
    int depth_ = 0;               // nested Dispatch calls; the object outlives them
    bool finished_ = false;       // WM_NCDESTROY seen
};

// The platform window of a live unit object (for commands that get the object from the runtime).
inline HWND UnitWindowHandle(const void* unitObject) {
    return unitObject ? static_cast<const UnitObject*>(unitObject)->Handle() : nullptr;
}

}  // namespace forms
