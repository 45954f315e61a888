#include "tests/skin/skin_controls_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <cstdio>
#include <cstdlib>

#include "gdiplus/Gdiplus.h"
#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeApplication.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPictures.h"

namespace skin_controls_test {

namespace {

constexpr const char* kWindowClass = "SkinControlsTestWindow";
constexpr const char* kBoxClass = "SkinControlsTestBox";

HFONT TestFont() {
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return font;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<WindowLog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (log) log->colourMessages.push_back(message);
            return reinterpret_cast<LRESULT>(OwnColourBrush());
        case WM_COMMAND:
            if (log && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) < 300) ++log->clicks[LOWORD(wParam)];
            return 0;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
            return TRUE;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    WNDCLASSA boxClass = windowClass;
    boxClass.lpfnWndProc = DefWindowProcA;
    boxClass.lpszClassName = kBoxClass;
    RegisterClassA(&boxClass);
}

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y, int w, int h, int id) {
    HWND control = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(TestFont()), FALSE);
    return control;
}

void AddStrings(HWND control, UINT message, std::initializer_list<const char*> items) {
    for (const char* item : items) SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(item));
}

void MakeControls(HWND w) {
    Make(w, "BUTTON", "确定", BS_PUSHBUTTON, 0, 10, 40, 100, 28, kPush);
    Make(w, "BUTTON", "默认", BS_DEFPUSHBUTTON, 0, 120, 40, 100, 28, kDefaultPush);
    Make(w, "BUTTON", "自绘", BS_OWNERDRAW, 0, 230, 40, 80, 28, kOwnerDrawn);
    Make(w, "BUTTON", "单选", BS_RADIOBUTTON, 0, 320, 40, 90, 24, kPlainRadio);
    Make(w, "BUTTON", "停用", BS_PUSHBUTTON | WS_DISABLED, 0, 420, 40, 100, 28, kDisabledPush);
    Make(w, "BUTTON", "复选框", BS_AUTOCHECKBOX, 0, 10, 80, 120, 22, kCheck);
    Make(w, "BUTTON", "自动单选", BS_AUTORADIOBUTTON, 0, 140, 80, 120, 22, kAutoRadio);
    Make(w, "Edit", "编辑框", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 280, 80, 150, 24, kEdit);
    Make(w, "Edit", "多行\r\n文本", ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, 440, 80, 150, 60, kMultiEdit);

    HWND list = Make(w, "ListBox", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 0, 10, 150, 150, 120, kList);
    AddStrings(list, LB_ADDSTRING, {"第一首", "第二首", "第三首", "第四首"});
    Make(w, "ListBox", "", LBS_OWNERDRAWFIXED | WS_BORDER, 0, 170, 150, 100, 60, kOwnerList);
    HWND dropList = Make(w, "ComboBox", "", CBS_DROPDOWNLIST, 0, 290, 150, 140, 200, kDropList);
    AddStrings(dropList, CB_ADDSTRING, {"甲", "乙", "丙"});
    SendMessageA(dropList, CB_SETCURSEL, 1, 0);
    HWND dropDown = Make(w, "ComboBox", "", CBS_DROPDOWN, 0, 440, 150, 140, 200, kDropDown);
    AddStrings(dropDown, CB_ADDSTRING, {"甲", "乙", "丙"});
    HWND simple = Make(w, "ComboBox", "", CBS_SIMPLE, 0, 590, 150, 100, 110, kSimpleCombo);
    AddStrings(simple, CB_ADDSTRING, {"甲", "乙", "丙"});

    HWND track = Make(w, TRACKBAR_CLASSA, "", TBS_HORZ | TBS_AUTOTICKS, 0, 10, 280, 200, 32, kTrackbar);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(track, TBM_SETPOS, TRUE, 3);
    HWND vtrack = Make(w, TRACKBAR_CLASSA, "", TBS_VERT, 0, 220, 280, 32, 100, kVerticalTrackbar);
    SendMessageA(vtrack, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(vtrack, TBM_SETPOS, TRUE, 6);
    HWND progress = Make(w, PROGRESS_CLASSA, "", 0, 0, 260, 280, 200, 20, kProgress);
    SendMessageA(progress, PBM_SETRANGE32, 0, 100);
    SendMessageA(progress, PBM_SETPOS, 50, 0);
    HWND vprogress = Make(w, PROGRESS_CLASSA, "", PBS_VERTICAL, 0, 470, 280, 20, 100, kVerticalProgress);
    SendMessageA(vprogress, PBM_SETRANGE32, 0, 100);
    SendMessageA(vprogress, PBM_SETPOS, 50, 0);
    Make(w, UPDOWN_CLASSA, "", 0, 0, 500, 280, 20, 34, kUpDown);

    HWND view = Make(w, WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, 0, 10, 390, 250, 100, kListView);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<char*>("曲名");
    SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.pszText = const_cast<char*>("大小");
    SendMessageA(view, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    LVITEMA row{};
    row.mask = LVIF_TEXT;
    row.pszText = const_cast<char*>("第一首");
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    HWND tree = Make(w, WC_TREEVIEWA, "", TVS_HASLINES | TVS_HASBUTTONS | WS_BORDER, 0, 270, 390, 150, 100, kTree);
    TVINSERTSTRUCTA node{};
    node.hInsertAfter = TVI_LAST;
    node.item.mask = TVIF_TEXT;
    node.item.pszText = const_cast<char*>("唱片");
    auto top = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&node)));
    node.hParent = top;
    node.item.pszText = const_cast<char*>("第一首");
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&node));
    Make(w, WC_IPADDRESSA, "", 0, 0, 430, 390, 150, 22, kAddress);
    Make(w, DATETIMEPICK_CLASSA, "", 0, 0, 430, 420, 150, 22, kDate);

    HWND box = Make(w, kBoxClass, "", 0, 0, 590, 280, 100, 100, kContainer);
    Make(box, "BUTTON", "内部", BS_PUSHBUTTON, 0, 10, 10, 80, 26, kInnerPush);
    Make(box, "Edit", "内", 0, WS_EX_CLIENTEDGE, 10, 50, 80, 24, kInnerEdit);
    HWND tab = Make(w, WC_TABCONTROLA, "", 0, 0, 590, 400, 100, 60, kTab);
    TCITEMA page{};
    page.mask = TCIF_TEXT;
    page.pszText = const_cast<char*>("页");
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&page));
}

BOOL CALLBACK RecordProc(HWND control, LPARAM lParam) {
    auto* window = reinterpret_cast<TestWindow*>(lParam);
    window->procsBefore.emplace_back(control, GetWindowLongPtrA(control, GWLP_WNDPROC));
    return TRUE;
}

}  // namespace

HBRUSH OwnColourBrush() { return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)); }

void StartSkin() {
    static bool started = false;
    if (started) return;
    started = true;
    InitRuntime();
    SetCursorPos(1279, 1023);  // away from the test windows: no hover unless a test makes one
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&classes);
    LoadLibraryA("riched20.dll");
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    dll::GdiplusStartup(&token, &input, nullptr);
    skin::SkinEngine* engine = skin::NewSkinEngine();
    // What the program's initialisation sets, then the background and options its set-up gives.
    skin::settings.firstSizePending = 1;
    skin::settings.skinControls = 1;
    skin::settings.controlAlpha = 160;
    skin::settings.accentColour = 0xDDCA22;
    skin::settings.trackbarShading = 1;
    skin::settings.gdiplusToken = token;
    engine->SetBackground(gdip::Optional<const char*>(), skin::pictures::Background(), 0, 0, 3);
    engine->SetOptions(1, 100);
}

HWND TestWindow::Control(int id) const { return GetDlgItem(hwnd, id) ? GetDlgItem(hwnd, id) : GetDlgItem(GetDlgItem(hwnd, kContainer), id); }

LONG_PTR TestWindow::ProcBefore(HWND control) const {
    for (const auto& [child, proc] : procsBefore)
        if (child == control) return proc;
    return 0;
}

TestWindow MakeWindow(const char* title, bool skin) {
    StartSkin();
    RegisterClasses();
    TestWindow window;
    window.log = new WindowLog();
    window.hwnd = CreateWindowExA(0, kWindowClass, title, WS_POPUP | WS_MINIMIZEBOX, 100, 100, 700, 520, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.log));
    MakeControls(window.hwnd);
    EnumChildWindows(window.hwnd, RecordProc, reinterpret_cast<LPARAM>(&window));
    if (skin) {
        skin::SkinEngine* engine = skin::TheSkin();
        engine->SkinWindow(window.hwnd, 10, 1, 1, 0, 0, 0, 0);
        engine->SkinChildWindow(window.Control(kContainer), 0xFFFFFF, 80, 1);
        engine->SkinOtherControls(window.Control(kTab), 0xFF00FF);
        window.windowNumber = skin::WindowNumberOf(window.hwnd);
    }
    ShowWindow(window.hwnd, SW_SHOW);
    UpdateWindow(window.hwnd);
    PumpUntilPainted(window.hwnd);
    return window;
}

void DestroyTestWindow(TestWindow& window) {
    if (window.hwnd) DestroyWindow(window.hwnd);
    Pump(50);
    delete window.log;
    window = TestWindow{};
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD passed = GetTickCount() - start;
        if (passed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    }
}

void PumpUntilPainted(HWND window) {
    // Timers (the caret, mouse tracking) keep coming; painted means no WM_PAINT is pending.
    const DWORD start = GetTickCount();
    int idleRounds = 0;
    while (idleRounds < 3 && GetTickCount() - start < 3000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        idleRounds = PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE) ? 0 : idleRounds + 1;
        Sleep(10);
    }
    GdiFlush();
}

Rgb ToRgb(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

Rgb ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return ToRgb(colour);
}

Rgb FramePixel(int32_t windowNumber, int x, int y) {
    const skin::SkinnedWindowRecord* record = skin::WindowRecord(windowNumber);
    if (!record || !record->cache.frameDC) return {-1, -1, -1};
    return ToRgb(GetPixel(record->cache.frameDC, x, y));
}

POINT InWindow(HWND control, int x, int y) {
    POINT point{x, y};
    MapWindowPoints(control, GetAncestor(control, GA_ROOT), &point, 1);
    return point;
}

Rgb Veiled(Rgb under, int alpha) { return Over(under, {255, 255, 255}, alpha); }

Rgb Over(Rgb under, Rgb colour, int alpha) {
    auto mix = [alpha](int u, int c) { return (u * (255 - alpha) + c * alpha + 127) / 255; };
    return {mix(under.r, colour.r), mix(under.g, colour.g), mix(under.b, colour.b)};
}

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

std::string Describe(Rgb c) {
    char text[40];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", c.r, c.g, c.b);
    return text;
}

void KeepPicture(HWND window, const char* name) {
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("SKIN_CONTROLS_PICTURES", folder, MAX_PATH)) return;
    RECT rect{};
    GetWindowRect(window, &rect);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(copy, previous);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    auto picture = gdip::Make<gdip::PlusBitmap>();
    picture->CreateBitmapFromHBITMAP(bitmap, nullptr);
    const std::string path = std::string(folder) + "\\" + name + ".png";
    picture->SaveImageToFile(path.c_str(), gdip::kPngFormat);
    DeleteObject(bitmap);
}

}  // namespace skin_controls_test
