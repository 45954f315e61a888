#include "forms/units/WindowUnit.h"

#include <algorithm>
#include <cstring>

#include "forms/WindowLoader.h"
#include "forms/units/UnitPictures.h"
#include "runtime/RuntimeApplication.h"

namespace forms {
namespace {

constexpr const char* kDefaultClassName = "WTWindow";
constexpr uint32_t kSystemDefaultColour = 0xFF000000;

bool Sizable(int32_t border) { return border == 1 || border == 3 || border == 5; }

// Style bits by border, caption and the caption buttons.
void StylesFor(const tpl::WindowProperties& p, DWORD& style, DWORD& exStyle) {
    style = WS_POPUP | WS_CLIPCHILDREN;
    exStyle = 0;
    if (p.border != 0) {
        if (!p.title.empty() || p.controlBox) style |= WS_CAPTION;
        if (p.controlBox) style |= WS_SYSMENU;
        if (Sizable(p.border)) style |= WS_THICKFRAME;
        if (p.border == 3 || p.border == 4) exStyle |= WS_EX_TOOLWINDOW;
        if (p.border == 5 || p.border == 6) exStyle |= WS_EX_CLIENTEDGE;
    }
    if (p.maxButton) style |= WS_MAXIMIZEBOX;
    if (p.minButton) style |= WS_MINIMIZEBOX;
}

// The program's icon resource, loaded once in the two sizes.
HICON DefaultIcon(int which) {
    RuntimeApplication& app = Runtime();
    if (!app.defaultIcons[which]) {
        int metric = which == 0 ? SM_CXICON : SM_CXSMICON;
        int size = GetSystemMetrics(metric);
        app.defaultIcons[which] = static_cast<HICON>(LoadImageA(
            GetModuleHandleA(nullptr), app.defaultIconName ? app.defaultIconName : "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
    }
    return app.defaultIcons[which];
}

template <typename T>
T Clamp(T v, T low, T high) {
    return v < low ? low : v > high ? high : v;
}

}  // namespace

WindowUnit::~WindowUnit() {
    for (HICON icon : ownIcons_)
        if (icon) DestroyIcon(icon);
}

UnitObject* WindowUnit::Create(const UnitCreateParams& params) {
    // 1. The property data, over the defaults.
    tpl::WindowProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    p.border = Clamp(p.border, 0, 6);
    RuntimeApplication& app = Runtime();
    const bool startStates = app.buildWords[0] != 0;

    // 2. Styles.
    DWORD style, exStyle;
    StylesFor(p, style, exStyle);
    style |= params.style & WS_DISABLED;
    // 3. Place and start state.
    int left = params.left, top = params.top;
    if (p.startPosition == 1) {
        left = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
    } else if (p.startPosition == 2 && startStates) {
        style |= WS_MINIMIZE;
    } else if (p.startPosition == 3 && startStates && Sizable(p.border)) {
        style |= WS_MAXIMIZE;
    }
    // 4. The owner.
    HWND owner = params.parent;
    if (!owner && (params.extra1 != 0 || !p.showInTaskbar) && app.buildWords[0] != 0) owner = app.hiddenOwnerWindow;
    // 5. The class.
    const char* className = p.className.empty() ? kDefaultClassName : p.className.c_str();
    if (!RegisterOwnClass(className, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)) return nullptr;
    // 6. The window, at exactly the requested rectangle.
    auto* unit = new WindowUnit(params.windowId, params.unitId, p);
    HWND hwnd = CreateWindowExA(exStyle, className, p.title.c_str(), style, left, top, params.width, params.height, owner,
                                params.menu, GetModuleHandleA(nullptr), static_cast<UnitObject*>(unit));
    if (!hwnd) {
        delete unit;
        return nullptr;
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    if (!(style & (WS_MINIMIZE | WS_MAXIMIZE)) &&
        (r.left != left || r.top != top || r.right - r.left != params.width || r.bottom - r.top != params.height))
        SetWindowPos(hwnd, nullptr, left, top, params.width, params.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // 7. Icons; 8. font, topmost, the Move entry.
    unit->ApplyIcon();
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    unit->ApplyTopmost();
    unit->ApplyMovable();
    return unit;
}

int WindowUnit::FirstShowCommand() const {
    if (Runtime().buildWords[0] == 0) return SW_SHOW;
    if (p_.startPosition == 2) return SW_SHOWMINIMIZED;
    if (p_.startPosition == 3 && Sizable(p_.border)) return SW_SHOWMAXIMIZED;
    return SW_SHOW;
}

void WindowUnit::ApplyStyles() {
    HWND h = Handle();
    DWORD style, exStyle;
    StylesFor(p_, style, exStyle);
    constexpr DWORD kKept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
    SetWindowLongA(h, GWL_STYLE, static_cast<LONG>(style | (GetWindowLongA(h, GWL_STYLE) & kKept)));
    SetWindowLongA(h, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowUnit::ApplyIcon() {
    for (HICON& icon : ownIcons_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    HICON icons[2];
    for (int which = 0; which < 2; ++which) {
        int size = GetSystemMetrics(which == 0 ? SM_CXICON : SM_CXSMICON);
        ownIcons_[which] = p_.icon.empty() ? nullptr : IconFromData(p_.icon, size);
        icons[which] = ownIcons_[which] ? ownIcons_[which] : DefaultIcon(which);
    }
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons[0]));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons[1]));
}

void WindowUnit::ApplyMovable() {
    if (p_.movable) GetSystemMenu(Handle(), TRUE);  // back to the standard menu
    else if (HMENU menu = GetSystemMenu(Handle(), FALSE)) DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

void WindowUnit::ApplyTopmost() {
    bool topmost = (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost != (p_.alwaysOnTop != 0))
        SetWindowPos(Handle(), p_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowUnit::EraseBackground(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    if (p_.backColour == kSystemDefaultColour) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        HBRUSH brush = CreateSolidBrush(p_.backColour & 0xFFFFFF);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
}

bool WindowUnit::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wp));
        result = 1;
        return true;
    case WM_CLOSE:
        CloseWindowRequested(WindowId());
        return true;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        return true;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(font_);
        return true;
    case WM_LBUTTONDOWN:
        if (!p_.dragByClient) return false;
        ReleaseCapture();
        SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lp);
        return true;
    case WM_GETMINMAXINFO: {
        // Maximised to the monitor's work area, caption or not.
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        if (!GetMonitorInfoA(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &mi)) return false;
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMaxPosition = {mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top};
        info->ptMaxSize = {mi.rcWork.right - mi.rcWork.left, mi.rcWork.bottom - mi.rcWork.top};
        return true;
    }
    default: return false;
    }
}

int32_t WindowUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    auto text = [&] { return std::string(v.pointer ? static_cast<const char*>(v.pointer) : ""); };
    auto bytes = [&] { return v.pointer ? std::string(static_cast<const char*>(v.pointer), v.length) : std::string(); };
    HWND h = Handle();
    switch (ownIndex) {
    case 0:
        p_.title = text();
        SetWindowTextA(h, p_.title.c_str());
        break;
    case 1: p_.border = Clamp(v.integer, 0, 6); ApplyStyles(); break;
    case 2: p_.backColour = static_cast<uint32_t>(v.integer); InvalidateRect(h, nullptr, TRUE); break;
    case 3: p_.picture = bytes(); InvalidateRect(h, nullptr, TRUE); break;
    case 4: p_.pictureMode = Clamp(v.integer, 0, 3); InvalidateRect(h, nullptr, TRUE); break;
    case 5: p_.music = bytes(); break;
    case 6: p_.playCount = Clamp(v.integer, 0, 2); break;
    case 7: p_.controlBox = v.integer; ApplyStyles(); break;
    case 8: p_.maxButton = v.integer; ApplyStyles(); break;
    case 9: p_.minButton = v.integer; ApplyStyles(); break;
    case 10:
        p_.startPosition = Clamp(v.integer, 0, 3);
        if (p_.startPosition == 2) ShowWindow(h, SW_MINIMIZE);
        else if (p_.startPosition == 3) ShowWindow(h, SW_MAXIMIZE);
        else if (IsIconic(h) || IsZoomed(h)) ShowWindow(h, SW_RESTORE);
        if (p_.startPosition == 1) {
            RECT r;
            GetWindowRect(h, &r);
            SetWindowPos(h, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    case 11: p_.movable = v.integer; ApplyMovable(); break;
    case 12: p_.icon = bytes(); ApplyIcon(); break;
    case 13: p_.enterMovesFocus = v.integer; break;
    case 14: p_.escapeCloses = v.integer; break;
    case 15: p_.f1Help = v.integer; break;
    case 16: p_.helpFile = text(); break;
    case 17: p_.helpContext = v.integer; break;
    case 18: p_.showInTaskbar = v.integer; break;  // the owner is chosen at creation
    case 19: p_.dragByClient = v.integer; break;
    case 20: p_.option20 = v.integer; break;
    case 21: p_.alwaysOnTop = v.integer; ApplyTopmost(); break;
    case 22: p_.option22 = v.integer; break;
    case 23: p_.className = text(); break;  // used when the window is next created
    default: break;
    }
    return 0;
}

int32_t WindowUnit::Get(int32_t ownIndex, PropertyValue& out) {
    auto text = [&](const std::string& s) { out.pointer = s.c_str(), out.length = static_cast<uint32_t>(s.size()); };
    auto number = [&](int32_t n) { out.integer = n; };
    HWND h = Handle();
    switch (ownIndex) {
    case 0: {
        int n = GetWindowTextLengthA(h);
        textCache_.assign(static_cast<size_t>(n) + 1, '\0');
        textCache_.resize(static_cast<size_t>(std::max(0, GetWindowTextA(h, textCache_.data(), n + 1))));
        text(textCache_);
        break;
    }
    case 1: number(p_.border); break;
    case 2: number(static_cast<int32_t>(p_.backColour)); break;
    case 3: text(p_.picture); break;
    case 4: number(p_.pictureMode); break;
    case 5: text(p_.music); break;
    case 6: number(p_.playCount); break;
    case 7: number(p_.controlBox); break;
    case 8: number(p_.maxButton); break;
    case 9: number(p_.minButton); break;
    case 10: number(IsIconic(h) ? 2 : IsZoomed(h) ? 3 : 0); break;
    case 11: number(p_.movable); break;
    case 12: text(p_.icon); break;
    case 13: number(p_.enterMovesFocus); break;
    case 14: number(p_.escapeCloses); break;
    case 15: number(p_.f1Help); break;
    case 16: text(p_.helpFile); break;
    case 17: number(p_.helpContext); break;
    case 18: number(p_.showInTaskbar); break;
    case 19: number(p_.dragByClient); break;
    case 20: number(p_.option20); break;
    case 21: number(p_.alwaysOnTop); break;
    case 22: number(p_.option22); break;
    case 23: text(p_.className); break;
    default: return 0;
    }
    return 1;
}

std::string WindowUnit::Save() {
    tpl::WindowProperties p = p_;
    p.version = tpl::kWindowDataVersion;
    PropertyValue title{};
    Get(0, title);
    p.title = static_cast<const char*>(title.pointer);
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

UnitObject* CreateWindowUnit(const UnitCreateParams& params) { return WindowUnit::Create(params); }
int32_t SetWindowProperty(UnitObject* unit, int32_t own, const PropertyValue& v) {
    return static_cast<WindowUnit*>(unit)->Set(own, v);
}
int32_t GetWindowProperty(UnitObject* unit, int32_t own, PropertyValue& out) {
    return static_cast<WindowUnit*>(unit)->Get(own, out);
}
std::string SaveWindowProperties(UnitObject* unit) { return static_cast<WindowUnit*>(unit)->Save(); }

UnitRoutine WindowInterface(int32_t operation) {
    switch (operation) {
    case kOpCreate: return reinterpret_cast<UnitRoutine>(CreateWindowUnit);
    case kOpSetProperty: return reinterpret_cast<UnitRoutine>(SetWindowProperty);
    case kOpSaveProperties: return reinterpret_cast<UnitRoutine>(SaveWindowProperties);
    case kOpGetProperty: return reinterpret_cast<UnitRoutine>(GetWindowProperty);
    default: return nullptr;
    }
}

constexpr PropertyInfo kWindowProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropText),      // 0 title
    OwnProperty(kPropChoice),    // 1 border
    OwnProperty(kPropColour3),   // 2 background colour
    OwnProperty(kPropPicture),   // 3 background picture
    OwnProperty(kPropChoice),    // 4 picture mode
    OwnProperty(kPropSound),     // 5 background music
    OwnProperty(kPropChoice),    // 6 play count
    OwnProperty(kPropLogical),   // 7 control box
    OwnProperty(kPropLogical),   // 8 maximise button
    OwnProperty(kPropLogical),   // 9 minimise button
    OwnProperty(kPropChoice),    // 10 start position
    OwnProperty(kPropLogical),   // 11 movable
    OwnProperty(kPropIcon),      // 12 icon
    OwnProperty(kPropLogical),   // 13 Enter moves the focus
    OwnProperty(kPropLogical),   // 14 Escape closes the window
    OwnProperty(kPropLogical),   // 15 F1 opens help
    OwnProperty(kPropFileName),  // 16 help file
    OwnProperty(kPropInteger2),  // 17 help context
    OwnProperty(kPropLogical),   // 18 shown in the taskbar
    OwnProperty(kPropLogical),   // 19 drag by the client area
    OwnProperty(kPropChoice),    // 20 (option)
    OwnProperty(kPropLogical),   // 21 always on top
    OwnProperty(kPropLogical),   // 22 (option)
    OwnProperty(kPropText),      // 23 window class name
};

}  // namespace

const UnitTypeInfo kWindowUnitType = {
    "窗口", "window", nullptr, {}, 0x800000D0, {}, static_cast<int32_t>(std::size(kWindowProperties)),
    kWindowProperties, WindowInterface, {},
};

}  // namespace forms
