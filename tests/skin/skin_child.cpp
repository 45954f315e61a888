// The skin tests' child program: windows taken over by the skin, driven from outside by
// skin_frame_test.
//
//   skin_child LOG program            the product's main window, loaded through the forms engine
//                                     from the program's templates and taken over by SkinSetup
//   skin_child LOG windows SPEC...    plain Win32 windows, one per SPEC letter (below), taken over
//                                     with the program's settings
//   skin_child LOG checks             checks made inside the process, each logged as a line
//
// Window letters: A the main window's styles and size (minimise box, 537 x 327 client) with three
// push buttons, a hidden edit box and a list box; M minimise and maximise boxes; N neither; F as
// A but not resizable. Their titles are "skin A" and so on. Each window's own procedure (the
// previous procedure under the skin) logs what reaches it ("A syscommand F020") and swallows the
// moves and size commands, so no modal loop starts. The hover timer is not started: SetTimer and
// KillTimer are logged instead ("settimer A 20"), so the test gives every tick by WM_TIMER.
// With "realtimer" among the letters the real timer runs; with "taskbar40" a stand-in taskbar
// 40 pixels high lies along the bottom of the screen; with "notips" the caption buttons'
// tooltips are switched off (a tip popping up under the pointer takes the mouse from the window).
//
// After set-up the child logs "ready", then one "layout" line per window: its number, strip
// x/y/width/height and each caption button as left,top,width,height,kind.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "forms/UnitObject.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/SupportLibraries.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPictures.h"
#include "skin/SkinSystemCalls.h"
#include "tests/support/ChildLog.h"
#include "tool/ProgramCode.h"
#include "tool/ProgramWindows.h"

using testing_support::ChildLog;

namespace {

std::map<HWND, char> gLetters;

std::string Hex(uintptr_t v) {
    char text[32];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(v));
    return text;
}

std::string LetterOf(HWND window) {
    auto it = gLetters.find(window);
    return it == gLetters.end() ? std::string("?") : std::string(1, it->second);
}

// ---- the timer, logged instead of started ----

UINT_PTR WINAPI LoggedSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC) {
    ChildLog::Append("settimer " + LetterOf(window) + " " + std::to_string(period) + (id == reinterpret_cast<UINT_PTR>(window) ? " id=window" : " id=other"));
    return id;
}
BOOL WINAPI LoggedKillTimer(HWND window, UINT_PTR id) {
    ChildLog::Append("killtimer " + LetterOf(window) + (id == reinterpret_cast<UINT_PTR>(window) ? " id=window" : " id=other"));
    return TRUE;
}

void LogTimers() {
    skin::sys::SetTimer.TableEntry().address = reinterpret_cast<dll::Address>(&LoggedSetTimer);
    skin::sys::KillTimer.TableEntry().address = reinterpret_cast<dll::Address>(&LoggedKillTimer);
}

// ---- the plain windows ----

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::string who = LetterOf(window) + " ";
    switch (message) {
    case WM_SYSCOMMAND: {
        ChildLog::Append(who + "syscommand " + Hex(wParam));
        const WPARAM command = wParam & 0xFFF0;
        if (command == SC_SIZE || command == SC_MOVE) return 0;  // no modal loop
        break;
    }
    case WM_NCLBUTTONDOWN:
        ChildLog::Append(who + "nclbuttondown " + std::to_string(wParam));
        return 0;
    case WM_CLOSE: ChildLog::Append(who + "close"); break;
    case WM_DESTROY: {
        ChildLog::Append(who + "destroy");
        gLetters.erase(window);
        bool plainLeft = false;
        for (const auto& [other, letter] : gLetters) plainLeft = plainLeft || (letter != 'P' && other != window);
        if (!plainLeft) PostQuitMessage(0);
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: ChildLog::Append(who + "ctlcolor-previous " + Hex(message)); break;
    case WM_LBUTTONDOWN: ChildLog::Append(who + "lbuttondown"); break;
    case WM_TIMER: ChildLog::Append(who + "timer"); break;
    case WM_MOUSELEAVE: ChildLog::Append(who + "mouseleave"); break;
    case WM_MOUSEHOVER: ChildLog::Append(who + "mousehover"); break;
    case WM_MOUSEMOVE:
        ChildLog::Append(who + "mousemove " + std::to_string(static_cast<int16_t>(LOWORD(lParam))) + "," +
                         std::to_string(static_cast<int16_t>(HIWORD(lParam))));
        break;
    case WM_ACTIVATEAPP: ChildLog::Append(who + "activateapp " + std::to_string(wParam)); break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPlainClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "SkinTestWindow";
    RegisterClassA(&wc);
}

struct PlainSpec {
    char letter;
    DWORD boxes;
    int x, y, w, h;
    bool controls;
    int resizable;
};

const PlainSpec kSpecs[] = {
    {'A', WS_MINIMIZEBOX, 60, 60, 537, 327, true, 1},
    {'M', WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 640, 60, 400, 300, false, 1},
    {'N', 0, 640, 420, 300, 200, false, 1},
    {'F', WS_MINIMIZEBOX, 60, 440, 537, 327, true, 0},
};

void AddControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto child = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        return CreateWindowExA(0, cls, text, WS_CHILD | style, x, y, w, h, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    child("BUTTON", "读入ogg", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 48, 100, 160, 101, 101);
    child("BUTTON", "替换ogg文件", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 344, 39, 100, 105, 102);
    child("BUTTON", "关于V1.4更新", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 344, 152, 100, 45, 103);
    child("Edit", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE, 528, 144, 72, 72, 104);
    HWND list = child("ListBox", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 216, 40, 120, 160, 105);
    for (const char* item : {"11.ogg", "13.ogg", "blocks.ogg", "cat.ogg", "chirp.ogg", "far.ogg", "mall.ogg", "mellohi.ogg", "stal.ogg",
                             "strad.ogg", "wait.ogg", "ward.ogg"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

// A window of the spec, created hidden.
HWND CreatePlainWindow(const PlainSpec& spec) {
    RECT rect{0, 0, spec.w, spec.h};
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | spec.boxes;
    AdjustWindowRect(&rect, style, FALSE);
    const std::string title = std::string("skin ") + spec.letter;
    HWND window = CreateWindowExA(0, "SkinTestWindow", title.c_str(), style, spec.x, spec.y, rect.right - rect.left, rect.bottom - rect.top,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    gLetters[window] = spec.letter;
    if (spec.controls) AddControls(window);
    return window;
}

// ---- what the windows' records say ----

void LogLayout(HWND window) {
    const int32_t n = skin::WindowNumberOf(window);
    const skin::SkinnedWindowRecord* w = skin::WindowRecord(n);
    if (!w) {
        ChildLog::Append("layout " + LetterOf(window) + " none");
        return;
    }
    std::string line = "layout " + LetterOf(window) + " n=" + std::to_string(n) + " strip=" + std::to_string(w->stripX) + "," +
                       std::to_string(w->stripY) + "," + std::to_string(w->stripWidth) + "," + std::to_string(w->stripHeight) +
                       " caption=" + std::to_string(w->captionHeight) + " buttons=";
    for (const auto& b : w->captionButtons)
        line += std::to_string(static_cast<int>(b.rect.x)) + "," + std::to_string(static_cast<int>(b.rect.y)) + "," +
                std::to_string(static_cast<int>(b.rect.width)) + "," + std::to_string(static_cast<int>(b.rect.height)) + "," +
                std::to_string(b.kind) + "," + std::to_string(b.width) + "x" + std::to_string(b.height) + ";";
    ChildLog::Append(line);
}

// GDI+ and the skin object as the program has them after its initialisation.
void StartSkin() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    dll::GdiplusStartup(&token, &input, nullptr);
    skin::NewSkinEngine();
    skin::settings.gdiplusToken = token;
    skin::settings.firstSizePending = 1;
    skin::settings.skinControls = 1;
    skin::settings.controlAlpha = 160;
    skin::settings.accentColour = 0xDDCA22;
    skin::settings.trackbarShading = 1;
}

// A stand-in taskbar 40 pixels high along the bottom of the screen, found before any other.
void MakeTaskbar() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, h - 40, w, 40, nullptr, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
}

int RunPlainWindows(const std::vector<std::string>& letters) {
    InitRuntime();
    for (const auto& l : letters)
        if (l == "taskbar40") MakeTaskbar();
    StartSkin();
    bool realTimer = false;
    for (const auto& l : letters) realTimer = realTimer || l == "realtimer";
    if (!realTimer) LogTimers();
    RegisterPlainClass();
    skin::SkinEngine* engine = skin::TheSkin();
    engine->SetBackground(gdip::Optional<const char*>(), skin::pictures::Background(), 0, 0, 3);
    engine->SetOptions(1, 100);
    std::vector<HWND> windows;
    for (const auto& l : letters)
        for (const PlainSpec& spec : kSpecs)
            if (l.size() == 1 && l[0] == spec.letter) {
                HWND window = CreatePlainWindow(spec);
                engine->SkinWindow(window, 10, 1, spec.resizable, 0, 0, 0, 0);
                windows.push_back(window);
            }
    for (const auto& l : letters)
        if (l == "notips")
            for (int32_t n = 1; n <= skin::WindowCount(); ++n)
                SendMessageA(skin::WindowRecord(n)->tooltip->GetHwnd(), TTM_ACTIVATE, FALSE, 0);
    for (HWND window : windows) ShowWindow(window, SW_SHOWNORMAL);
    for (HWND window : windows) UpdateWindow(window);
    ChildLog::Append("ready");
    for (HWND window : windows) LogLayout(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    skin::ReleaseSkinEngine(skin::TheSkin());
    ChildLog::Append("done");
    return 0;
}

// ---- the product's main window ----

void ProgramCreated() {
    auto object = RuntimeNotify(2006, static_cast<intptr_t>(kMainWindowId), static_cast<intptr_t>(kMainWindowUnitId));
    HWND window = forms::UnitWindowHandle(reinterpret_cast<const void*>(static_cast<intptr_t>(object)));
    gLetters[window] = 'P';
    skin::SkinSetup(skin::pictures::Background(), 0, 0, window, 100, 10, 0, 0, 0);
    ChildLog::Append("ready");
    LogLayout(window);
}
void Nothing() {}

// The product's handler table in its order, with the creation handler replaced.
const forms::EventHandler kChildCode[] = {
    forms::HandlerFor<&Nothing>,         // ShowAboutRoutine
    forms::HandlerFor<&ProgramCreated>,  // StartupRoutine
    forms::HandlerFor<&Nothing>,         // SelectionRoutine
    forms::HandlerFor<&Nothing>,         // WriteRoutine
    forms::HandlerFor<&Nothing>,         // ChooseOggRoutine
    forms::HandlerFor<&Nothing>,         // AboutCreatedRoutine
};
static_assert(static_cast<int32_t>(ProgramHandler::StartupRoutine) == 1);

const ProgramHeader kChildHeader = {
    3, 0, 0x1AF61, kChildCode, kConstantRegionStartMarker, kConstantRegionEndMarker, kTemplateBlock.data(),
    static_cast<uint32_t>(kTemplateBlock.size()), kSupportLibraryCount, kSupportLibraryTable,
};

void ProgramExit() {
    skin::ReleaseSkinEngine(skin::TheSkin());
    ChildLog::Append("done");
}

int ProgramStart() {
    const RuntimeEntryTable& runtime = RuntimeEntries();
    runtime.runtimeService(kServiceInitRuntime, 0, 0);
    runtime.runtimeService(kServiceRegisterExitRoutine, reinterpret_cast<intptr_t>(&ProgramExit), 0);
    StartSkin();
    runtime.loadStartWindow(kMainWindowId);
    runtime.runMessageLoop();
    return 0;
}

// ---- checks inside the process ----

void Value(const std::string& name, uintptr_t value) { ChildLog::Append("value " + name + " " + Hex(value)); }

HBRUSH CtlColor(HWND window, UINT message, HWND control) {
    HDC dc = GetDC(control);
    auto answer = reinterpret_cast<HBRUSH>(SendMessageA(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    Value("textcolour", GetTextColor(dc));
    Value("bkmode", static_cast<uintptr_t>(GetBkMode(dc)));
    ReleaseDC(control, dc);
    return answer;
}

// Control colouring: what the frame answers for each WM_CTLCOLOR* message and kind of control,
// logged as "value NAME HEX" lines (the brush is logged as "null", "stock-null", "kept" (the
// brush the control's "Kj_dxjb" holds) or "other").
int RunChecks() {
    InitRuntime();
    StartSkin();
    LogTimers();
    RegisterPlainClass();
    skin::SkinEngine* engine = skin::TheSkin();
    engine->SetBackground(gdip::Optional<const char*>(), skin::pictures::Background(), 0, 0, 3);
    HWND window = CreatePlainWindow(kSpecs[0]);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND label = CreateWindowExA(0, "Static", "标签", WS_CHILD | WS_VISIBLE, 20, 250, 100, 20, window, nullptr, instance, nullptr);
    HWND drawnList = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 20, 280, 100, 40, window, nullptr, instance, nullptr);
    HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 400, 250, 100, 100, window, nullptr, instance, nullptr);
    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    HWND button = FindWindowExA(window, nullptr, "BUTTON", nullptr);
    HWND list = FindWindowExA(window, nullptr, "ListBox", nullptr);
    HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    engine->SkinWindow(window, 10, 1, 1, 0, 0, 0, 0);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    engine->SetControlTextColour(button, 0x0000FF);
    engine->SetControlTextColour(label, 0x00FF00);
    engine->SetControlTextColour(combo, 0xFF0000);  // goes on the combo's edit
    Value("combo-colour", static_cast<uintptr_t>(skin::ReadProperty(combo, "Kj_Ztys")));
    Value("combo-edit-colour", static_cast<uintptr_t>(skin::ReadProperty(comboEdit, "Kj_Ztys")));

    auto describe = [](HBRUSH brush, HWND control) -> std::string {
        if (!brush) return "null";
        if (brush == GetStockObject(NULL_BRUSH)) return "stock-null";
        if (reinterpret_cast<intptr_t>(brush) == skin::ReadProperty(control, "Kj_dxjb")) return "kept";
        return "other";
    };
    struct Case {
        const char* name;
        UINT message;
        HWND control;
    };
    const Case cases[] = {
        {"btn", WM_CTLCOLORBTN, button},
        {"listbox", WM_CTLCOLORLISTBOX, list},
        {"drawn-listbox", WM_CTLCOLORLISTBOX, drawnList},
        {"static", WM_CTLCOLORSTATIC, label},
        {"edit", WM_CTLCOLOREDIT, edit},
        {"combo-edit", WM_CTLCOLOREDIT, comboEdit},
    };
    auto runCases = [&](const char* phase) {
        for (const Case& c : cases) {
            ChildLog::Append(std::string("case ") + phase + " " + c.name);
            HBRUSH answer = CtlColor(window, c.message, c.control);
            ChildLog::Append(std::string("answer ") + phase + " " + c.name + " " + describe(answer, c.control));
        }
    };
    engine->SetOptions(1, 100);
    runCases("skinned");
    // A second answer for the label replaces the first brush and its bitmap.
    const auto firstBrush = reinterpret_cast<HGDIOBJ>(skin::ReadProperty(label, "Kj_dxjb"));
    const auto firstBitmap = reinterpret_cast<HGDIOBJ>(skin::ReadProperty(label, "Kj_wtjb"));
    CtlColor(window, WM_CTLCOLORSTATIC, label);
    Value("first-brush-type", firstBrush ? static_cast<uintptr_t>(GetObjectType(firstBrush)) : 0xFFFF);
    Value("first-bitmap-type", firstBitmap ? static_cast<uintptr_t>(GetObjectType(firstBitmap)) : 0xFFFF);
    const auto brushBitmap = reinterpret_cast<HGDIOBJ>(skin::ReadProperty(label, "Kj_wtjb"));
    Value("bitmap-type", brushBitmap ? static_cast<uintptr_t>(GetObjectType(brushBitmap)) : 0xFFFF);
    engine->SetOptions(1);
    runCases("noalpha");
    engine->SetOptions(0, 100);
    runCases("nocontrols");
    DestroyWindow(window);
    skin::ReleaseSkinEngine(engine);
    ChildLog::Append("done");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    ChildLog::Open(argv[1]);
    const std::string mode = argv[2];
    if (mode == "program") return framework::RunApplication(kChildHeader, ProgramStart);
    std::vector<std::string> letters(argv + 3, argv + argc);
    if (mode == "windows") return RunPlainWindows(letters);
    if (mode == "checks") return RunChecks();
    return 2;
}
