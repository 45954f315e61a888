// ToolTip: one common-controls tooltip window ("ToolTips_class32") whose tools cover areas of
// an owner window. Not a PlusObject and no GDI+: CreateWindowExA and SendMessageA as DLL
// commands. Releasing the object leaves the control and its tools alone.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

#include "gdiplus/PlusObject.h"

namespace gdip {

// The tool description the control receives: TOOLINFOA without its later fields, every field
// 32-bit on the 32-bit build (40 bytes) and pointer-wide where the 64-bit build needs it.
struct ToolDescription {
    UINT size;
    UINT flags;
    HWND owner;
    UINT_PTR id;
    RECT rect;
    HINSTANCE instance;
    LPSTR text;
};
static_assert(sizeof(void*) != 4 || sizeof(ToolDescription) == 40);
static_assert(sizeof(void*) != 8 || sizeof(ToolDescription) == 56);
static_assert(sizeof(ToolDescription) == offsetof(TOOLINFOA, lParam));  // TTTOOLINFOA_V1_SIZE
static_assert(offsetof(ToolDescription, owner) == 8 && offsetof(ToolDescription, id) == 8 + sizeof(void*) &&
              offsetof(ToolDescription, rect) == 8 + 2 * sizeof(void*) && offsetof(ToolDescription, instance) == 24 + 2 * sizeof(void*) &&
              offsetof(ToolDescription, text) == 24 + 3 * sizeof(void*));
static_assert(offsetof(ToolDescription, owner) == offsetof(TOOLINFOA, hwnd) && offsetof(ToolDescription, id) == offsetof(TOOLINFOA, uId) &&
              offsetof(ToolDescription, rect) == offsetof(TOOLINFOA, rect) && offsetof(ToolDescription, instance) == offsetof(TOOLINFOA, hinst) &&
              offsetof(ToolDescription, text) == offsetof(TOOLINFOA, lpszText));

struct ToolTip;

struct ToolTipOps {
    static void destroy(ProgramObject* self);
    static ProgramObject* copy(ProgramObject* self);
    static HWND Create(ToolTip* self, HWND owner, Optional<bool> balloon);
    static void AddTool(ToolTip* self, const RECT* rect, const char* text, UINT_PTR id);
    static void AddToolCallback(ToolTip* self, const RECT* rect, UINT_PTR id);
    static LRESULT SetBackColour(ToolTip* self, COLORREF colour);
    static LRESULT SetTextColour(ToolTip* self, COLORREF colour);
    static LRESULT SetMaxWidth(ToolTip* self, int32_t width);
    static void DeleteTool(ToolTip* self, UINT_PTR id);
    static void SetToolRect(ToolTip* self, UINT_PTR id, const RECT* rect);
    static void UpdateTipText(ToolTip* self, UINT_PTR id, const char* text);
    static HWND GetHwnd(ToolTip* self);
};

struct ToolTip : ProgramObject {
    HWND window;  // the control; 0 until Create
    HWND owner;   // the window whose areas the tools cover
    GDIP_TOOLTIP_OPERATIONS(GDIP_ACCESSOR, GDIP_SKIP_SHARED)
};

GDIP_TOOLTIP_OPERATIONS(GDIP_ROW, GDIP_SKIP_SHARED)

}  // namespace gdip
