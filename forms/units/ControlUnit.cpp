#include "forms/units/ControlUnit.h"

#include "forms/FontData.h"

namespace forms {
namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;

}  // namespace

std::string FontBytesOf(const PropertyValue& v) {
    return v.pointer && v.length == tpl::kLogFontSize ? std::string(static_cast<const char*>(v.pointer), v.length)
                                                      : std::string();
}

void BorderStyles(int32_t border, DWORD& style, DWORD& exStyle) {
    switch (border) {
    case 1: exStyle |= WS_EX_CLIENTEDGE; break;
    case 2: exStyle |= WS_EX_DLGMODALFRAME; break;
    case 3: exStyle |= WS_EX_STATICEDGE; break;
    case 4: exStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME; break;
    case 5: style |= WS_BORDER; break;
    default: break;
    }
}

COLORREF ColourOf(uint32_t colour, int systemColour) {
    return colour >= 0xFF000000 ? GetSysColor(systemColour) : static_cast<COLORREF>(colour & 0xFFFFFF);
}

ControlUnit::~ControlUnit() {
    if (brush_) DeleteObject(brush_);
}

bool ControlUnit::CreateControl(const char* className, const UnitCreateParams& p, DWORD style, DWORD exStyle,
                                const char* text) {
    HWND h = CreateWindowExA(exStyle, className, text, kChildStyle | style | p.style, p.left, p.top, p.width, p.height,
                             p.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(p.controlId)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!h) return false;
    AttachControl(h);
    return true;
}

bool ControlUnit::CreateOwnWindow(const char* className, const UnitCreateParams& p, DWORD style, DWORD exStyle,
                                  const char* text) {
    return CreateWindowExA(exStyle, className, text, kChildStyle | style | p.style, p.left, p.top, p.width, p.height,
                           p.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(p.controlId)),
                           GetModuleHandleA(nullptr), static_cast<UnitObject*>(this)) != nullptr;
}

void ControlUnit::ApplyBorder(int32_t border) {
    HWND h = Handle();
    DWORD style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)) & ~WS_BORDER;
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE)) &
                    ~(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE);
    BorderStyles(border, style, exStyle);
    SetWindowLongA(h, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT ControlUnit::ColourAnswer(HDC dc, uint32_t textColour, uint32_t backColour, int systemBack) {
    COLORREF back = ColourOf(backColour, systemBack);
    if (!brush_ || brushColour_ != back) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(back);
        brushColour_ = back;
    }
    SetTextColor(dc, ColourOf(textColour, COLOR_WINDOWTEXT));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush_);
}

}  // namespace forms
