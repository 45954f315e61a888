#include "gdiplus/ToolTip.h"

#include <cstring>

#include "gdiplus/SystemCalls.h"
#include "runtime/Values.h"

namespace gdip {

namespace {

constexpr DWORD kAlwaysTip = 0x01;  // TTS_ALWAYSTIP
constexpr DWORD kBalloon = 0x40;    // TTS_BALLOON

// One tool message: a fresh description on the heap, copied into the block the control
// receives, copied back after the call; both blocks freed.
void SendToolMessage(ToolTip* self, UINT message, UINT_PTR id, const RECT* rect, LPSTR text) {
    auto* description = static_cast<ToolDescription*>(RuntimeAlloc(sizeof(ToolDescription)));
    std::memset(description, 0, sizeof(ToolDescription));
    description->size = sizeof(ToolDescription);
    description->flags = TTF_SUBCLASS;
    description->owner = self->owner;
    description->id = id;
    if (rect) description->rect = *rect;
    description->instance = nullptr;
    description->text = text;
    auto* passed = static_cast<ToolDescription*>(RuntimeAlloc(sizeof(ToolDescription)));
    std::memcpy(passed, description, sizeof(ToolDescription));
    sys::SendMessageA(self->window, message, 0, reinterpret_cast<LPARAM>(passed));
    std::memcpy(description, passed, sizeof(ToolDescription));
    RuntimeFree(passed);
    RuntimeFree(description);
}

// The address of the text's bytes; null for an empty text held without a block.
LPSTR TextAddress(const char* text) { return const_cast<LPSTR>(text); }

}  // namespace

void ToolTipOps::destroy(ProgramObject*) {}

ProgramObject* ToolTipOps::copy(ProgramObject* self) {
    auto* copy = static_cast<ToolTip*>(RuntimeAlloc(sizeof(ToolTip)));
    std::memcpy(static_cast<void*>(copy), self, sizeof(ToolTip));
    return copy;
}

HWND ToolTipOps::Create(ToolTip* self, HWND owner, Optional<bool> balloon) {
    self->owner = owner;
    const DWORD style = balloon.Or(false) ? kAlwaysTip | kBalloon : kAlwaysTip;
    self->window = sys::CreateWindowExA(0, "ToolTips_class32", "", style, static_cast<int>(CW_USEDEFAULT), static_cast<int>(CW_USEDEFAULT),
                                        static_cast<int>(CW_USEDEFAULT), static_cast<int>(CW_USEDEFAULT), nullptr, nullptr,
                                        dll::GetModuleHandleA(nullptr), nullptr);
    return self->window;
}

void ToolTipOps::AddTool(ToolTip* self, const RECT* rect, const char* text, UINT_PTR id) {
    SendToolMessage(self, TTM_ADDTOOLA, id, rect, TextAddress(text));
}

void ToolTipOps::AddToolCallback(ToolTip* self, const RECT* rect, UINT_PTR id) {
    SendToolMessage(self, TTM_ADDTOOLA, id, rect, LPSTR_TEXTCALLBACKA);
}

LRESULT ToolTipOps::SetBackColour(ToolTip* self, COLORREF colour) {
    return sys::SendMessageA(self->window, TTM_SETTIPBKCOLOR, colour, 0);
}

LRESULT ToolTipOps::SetTextColour(ToolTip* self, COLORREF colour) {
    return sys::SendMessageA(self->window, TTM_SETTIPTEXTCOLOR, colour, 0);
}

LRESULT ToolTipOps::SetMaxWidth(ToolTip* self, int32_t width) { return sys::SendMessageA(self->window, TTM_SETMAXTIPWIDTH, 0, width); }

void ToolTipOps::DeleteTool(ToolTip* self, UINT_PTR id) { SendToolMessage(self, TTM_DELTOOLA, id, nullptr, nullptr); }

void ToolTipOps::SetToolRect(ToolTip* self, UINT_PTR id, const RECT* rect) { SendToolMessage(self, TTM_NEWTOOLRECTA, id, rect, nullptr); }

void ToolTipOps::UpdateTipText(ToolTip* self, UINT_PTR id, const char* text) {
    SendToolMessage(self, TTM_UPDATETIPTEXTA, id, nullptr, TextAddress(text));
}

HWND ToolTipOps::GetHwnd(ToolTip* self) { return self->window; }

}  // namespace gdip
