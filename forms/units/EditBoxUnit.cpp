#include "forms/units/EditBoxUnit.h"

#include <commctrl.h>

#include <iterator>

namespace forms {
namespace {

constexpr DWORD kAlignmentStyles[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
constexpr DWORD kInputStyles[] = {0, ES_READONLY, ES_PASSWORD};
constexpr DWORD kCaseStyles[] = {0, ES_LOWERCASE, ES_UPPERCASE};
constexpr int32_t kMaxSpinChoice = 2;  // 1 up and down, 2 left and right

void ClampChoices(tpl::EditBoxProperties& p) {
    p.border = Clamp(p.border, 0, kMaxBorder);
    p.scrollBars = Clamp(p.scrollBars, 0, 3);
    p.alignment = Clamp(p.alignment, 0, 2);
    p.inputMode = Clamp(p.inputMode, 0, 2);
    p.caseConversion = Clamp(p.caseConversion, 0, 2);
    p.spinBuddy = Clamp(p.spinBuddy, 0, kMaxSpinChoice);
    if (p.maxLength < 0) p.maxLength = 0;
}

void Styles(const tpl::EditBoxProperties& p, DWORD& style, DWORD& exStyle) {
    style = 0;
    exStyle = 0;
    if (!p.hideSelection) style |= ES_NOHIDESEL;
    if (p.multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (p.scrollBars == 1 || p.scrollBars == 3) style |= ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (p.scrollBars == 1 || p.scrollBars == 3) style |= WS_HSCROLL;
    if (p.scrollBars == 2 || p.scrollBars == 3) style |= WS_VSCROLL;
    style |= kAlignmentStyles[p.alignment] | kInputStyles[p.inputMode] | kCaseStyles[p.caseConversion];
    BorderStyles(p.border, style, exStyle);
}

// The text as the control holds it (Unicode) and back, for the selection, whose positions the
// control counts in its own characters.
std::wstring Wide(const std::string& s) {
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}
std::string Narrow(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

// The password character's one or two bytes (a double-byte character in its byte order).
std::string PasswordCharText(uint16_t c) {
    std::string s;
    if (c & 0xFF) s += static_cast<char>(c & 0xFF);
    if (c >> 8) s += static_cast<char>(c >> 8);
    return s;
}
uint16_t PasswordCharOf(const std::string& text) {
    if (text.empty()) return 0;
    auto b0 = static_cast<uint8_t>(text[0]);
    if (b0 >= 0x80 && text.size() >= 2) return static_cast<uint16_t>(b0 | static_cast<uint8_t>(text[1]) << 8);
    return b0;
}

}  // namespace

UnitObject* EditBoxUnit::Create(const UnitCreateParams& params) {
    tpl::EditBoxProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    ClampChoices(p);
    auto* unit = new EditBoxUnit(params.windowId, params.unitId, p);
    DWORD style, exStyle;
    Styles(p, style, exStyle);
    // Created hidden and empty: the stored content waits until the box is shown.
    if (!unit->CreateControl("EDIT", params, style, exStyle, "")) {
        delete unit;
        return nullptr;
    }
    HWND h = unit->Handle();
    unit->controlHasText_ = p.content.empty();
    SendMessageA(h, EM_LIMITTEXT, static_cast<WPARAM>(p.maxLength), 0);
    if (p.inputMode == 2) unit->ApplyPasswordChar();
    if (!p.multiLine && p.spinBuddy != 0) unit->CreateSpin(params);
    if (unit->controlHasText_) unit->ApplySelection();
    unit->ApplyFont(p.font);
    return unit;
}

void EditBoxUnit::CreateSpin(const UnitCreateParams& params) {
    static HMODULE controls = LoadLibraryA("comctl32.dll");  // registers the up-down class
    if (!controls) return;
    DWORD style = WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (p_.spinBuddy == 2) style |= UDS_HORZ;
    spin_ = CreateWindowExA(0, UPDOWN_CLASSA, "", style, 0, 0, 0, 0, params.parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!spin_) return;
    SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    SendMessageA(spin_, UDM_SETRANGE32, static_cast<WPARAM>(p_.spinMinimum), p_.spinMaximum);
}

void EditBoxUnit::ApplyPasswordChar() {
    std::wstring c = Wide(PasswordCharText(p_.passwordChar));
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, c.empty() ? 0 : c[0], 0);
}

void EditBoxUnit::ApplySelection() {
    int32_t start = p_.selectionStart < 0 ? 0 : p_.selectionStart;
    int32_t length = p_.selectionLength < 0 ? 0 : p_.selectionLength;
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void EditBoxUnit::SetControlText(const char* text) {
    ++suppressChange_;
    SetWindowTextA(Handle(), text);
    --suppressChange_;
}

void EditBoxUnit::GiveControlText() {
    if (controlHasText_) return;
    SetControlText(p_.content.c_str());
    controlHasText_ = true;
    ApplySelection();
}

const std::string& EditBoxUnit::CurrentContent() {
    if (content_ == Content::Live) {
        HWND h = Handle();
        int n = GetWindowTextLengthA(h);
        p_.content.assign(static_cast<size_t>(n) + 1, '\0');
        p_.content.resize(static_cast<size_t>(GetWindowTextA(h, p_.content.data(), n + 1)));
    }
    return p_.content;
}

void EditBoxUnit::WriteContent(std::string text) {
    p_.content = std::move(text);
    content_ = Content::Stored;
    if (GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE) {
        SetControlText(p_.content.c_str());
        controlHasText_ = true;
    } else {
        controlHasText_ = false;
    }
    RaiseEvent(0);
}

std::string EditBoxUnit::SelectedText() {
    DWORD start = 0, end = 0;
    std::wstring text;
    if (controlHasText_) {
        SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        int n = GetWindowTextLengthW(Handle());
        text.assign(static_cast<size_t>(n) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), n + 1)));
    } else {
        start = static_cast<DWORD>(p_.selectionStart < 0 ? 0 : p_.selectionStart);
        end = start + static_cast<DWORD>(p_.selectionLength < 0 ? 0 : p_.selectionLength);
        text = Wide(p_.content);
    }
    if (start >= text.size() || end <= start) return {};
    return Narrow(text.substr(start, end - start));
}

int32_t EditBoxUnit::ClaimsKey(const MSG& key) const {
    return key.wParam == VK_RETURN && p_.multiLine && p_.inputMode != 1;
}

bool EditBoxUnit::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wp) GiveControlText();
        if (spin_) ShowWindow(spin_, wp ? SW_SHOWNA : SW_HIDE);
        return false;
    case WM_WINDOWPOSCHANGING:
        if (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW) GiveControlText();
        return false;
    case WM_SETTEXT:
        // A text set by other means than a content write is the content from now on.
        result = CallDefault(msg, wp, lp);
        if (!suppressChange_) {
            content_ = Content::Live;
            controlHasText_ = true;
        }
        return true;
    case WM_DESTROY:
        if (spin_) DestroyWindow(spin_);
        spin_ = nullptr;
        return false;
    default: return false;
    }
}

bool EditBoxUnit::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) != EN_CHANGE) return false;
        if (!suppressChange_) {
            content_ = Content::Live;
            controlHasText_ = true;
            RaiseEvent(0);
        }
        result = 0;
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only boxes ask with this one
        result = ColourAnswer(reinterpret_cast<HDC>(wp), p_.textColour, p_.backColour, COLOR_WINDOW);
        return true;
    default: return false;
    }
}

int32_t EditBoxUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    // A style the platform fixes at creation: a change needs a new control.
    auto recreateFor = [&](int32_t& field, int32_t value) {
        if (field == value) return 0;
        field = value;
        return 1;
    };
    HWND h = Handle();
    switch (ownIndex) {
    case 0: WriteContent(TextOf(v)); break;
    case 1: p_.border = Clamp(v.integer, 0, kMaxBorder); ApplyBorder(p_.border); break;
    case 2: p_.textColour = static_cast<uint32_t>(v.integer); InvalidateRect(h, nullptr, TRUE); break;
    case 3: p_.backColour = static_cast<uint32_t>(v.integer); InvalidateRect(h, nullptr, TRUE); break;
    case 4: p_.font = FontBytesOf(v); ApplyFont(p_.font); break;
    case 5: return recreateFor(p_.hideSelection, v.integer != 0);
    case 6:
        p_.maxLength = v.integer < 0 ? 0 : v.integer;
        SendMessageA(h, EM_LIMITTEXT, static_cast<WPARAM>(p_.maxLength), 0);
        break;
    case 7: return recreateFor(p_.multiLine, v.integer != 0);
    case 8: return recreateFor(p_.scrollBars, Clamp(v.integer, 0, 3));
    case 9: return recreateFor(p_.alignment, Clamp(v.integer, 0, 2));
    case 10: return recreateFor(p_.inputMode, Clamp(v.integer, 0, 2));
    case 11:
        p_.passwordChar = PasswordCharOf(TextOf(v));
        if (p_.inputMode == 2) ApplyPasswordChar();
        break;
    case 12: return recreateFor(p_.caseConversion, Clamp(v.integer, 0, 2));
    case 13: return recreateFor(p_.spinBuddy, Clamp(v.integer, 0, kMaxSpinChoice));
    case 14:
    case 15:
        (ownIndex == 14 ? p_.spinMinimum : p_.spinMaximum) = v.integer;
        if (spin_) SendMessageA(spin_, UDM_SETRANGE32, static_cast<WPARAM>(p_.spinMinimum), p_.spinMaximum);
        break;
    case 16:
    case 17:
        (ownIndex == 16 ? p_.selectionStart : p_.selectionLength) = v.integer;
        if (controlHasText_) ApplySelection();
        break;
    case 18:
        GiveControlText();
        SendMessageA(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(TextOf(v).c_str()));
        break;
    case 19: p_.option19 = TextOf(v); break;
    case 20: p_.option20 = TextOf(v); break;
    default: break;
    }
    return 0;
}

int32_t EditBoxUnit::Get(int32_t ownIndex, PropertyValue& out) {
    auto selection = [&](DWORD& start, DWORD& end) {
        if (controlHasText_) {
            SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        } else {
            start = static_cast<DWORD>(p_.selectionStart);
            end = start + static_cast<DWORD>(p_.selectionLength);
        }
    };
    DWORD start = 0, end = 0;
    switch (ownIndex) {
    case 0: PutText(out, CurrentContent()); break;
    case 1: PutNumber(out, p_.border); break;
    case 2: PutNumber(out, static_cast<int32_t>(p_.textColour)); break;
    case 3: PutNumber(out, static_cast<int32_t>(p_.backColour)); break;
    case 4: PutText(out, p_.font); break;
    case 5: PutNumber(out, p_.hideSelection); break;
    case 6: PutNumber(out, p_.maxLength); break;
    case 7: PutNumber(out, p_.multiLine); break;
    case 8: PutNumber(out, p_.scrollBars); break;
    case 9: PutNumber(out, p_.alignment); break;
    case 10: PutNumber(out, p_.inputMode); break;
    case 11: cache_ = PasswordCharText(p_.passwordChar); PutText(out, cache_); break;
    case 12: PutNumber(out, p_.caseConversion); break;
    case 13: PutNumber(out, p_.spinBuddy); break;
    case 14: PutNumber(out, p_.spinMinimum); break;
    case 15: PutNumber(out, p_.spinMaximum); break;
    case 16: selection(start, end); PutNumber(out, static_cast<int32_t>(start)); break;
    case 17: selection(start, end); PutNumber(out, static_cast<int32_t>(end - start)); break;
    case 18: cache_ = SelectedText(); PutText(out, cache_); break;
    case 19: PutText(out, p_.option19); break;
    case 20: PutText(out, p_.option20); break;
    default: return 0;
    }
    return 1;
}

std::string EditBoxUnit::Save() {
    tpl::EditBoxProperties p = p_;
    p.version = 2;
    p.content = CurrentContent();
    if (controlHasText_) {
        DWORD start = 0, end = 0;
        SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        p.selectionStart = static_cast<int32_t>(start);
        p.selectionLength = static_cast<int32_t>(end - start);
    }
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

constexpr PropertyInfo kEditBoxProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropText),      // 0 content
    OwnProperty(kPropChoice),    // 1 border
    OwnProperty(kPropColour),    // 2 text colour
    OwnProperty(kPropColour3),   // 3 background colour
    OwnProperty(kPropFont),      // 4 font
    OwnProperty(kPropLogical),   // 5 hide selection
    OwnProperty(kPropInteger2),  // 6 maximum length
    OwnProperty(kPropLogical),   // 7 multi-line
    OwnProperty(kPropChoice),    // 8 scroll bars
    OwnProperty(kPropChoice),    // 9 alignment
    OwnProperty(kPropChoice),    // 10 input mode
    OwnProperty(kPropText),      // 11 password character
    OwnProperty(kPropChoice),    // 12 case conversion
    OwnProperty(kPropChoice),    // 13 spin buddy
    OwnProperty(kPropInteger2),  // 14 spin minimum
    OwnProperty(kPropInteger2),  // 15 spin maximum
    OwnProperty(kPropInteger2),  // 16 selection start
    OwnProperty(kPropInteger2),  // 17 selection length
    OwnProperty(kPropText),      // 18 selected text
    OwnProperty(static_cast<PropertyTypeCode>(1018)),  // 19 (option)
    OwnProperty(static_cast<PropertyTypeCode>(1020)),  // 20 (option)
};

}  // namespace

const UnitTypeInfo kEditBoxUnitType = {
    "编辑框", "EditBox", nullptr, {}, 0x80000040, {}, static_cast<int32_t>(std::size(kEditBoxProperties)),
    kEditBoxProperties, UnitRoutines<EditBoxUnit>::Interface, {},
};

}  // namespace forms
