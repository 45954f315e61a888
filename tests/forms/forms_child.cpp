// A program of this runtime with its own two test windows (TestWindows.h), started by the forms
// tests:   forms_child LOG MODE
// It starts exactly as the product does (header, framework, start routine), adds the test unit
// library, loads FirstWindow and runs the loop. Its handlers append what they see to LOG; MODE
// selects what the handlers do (see the handlers below).
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/Calls.h"
#include "commands/InteractionCommands.h"
#include "forms/UnitObject.h"
#include "forms/UnitProperties.h"
#include "forms/WindowLoader.h"
#include "forms/units/WindowUnit.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/RuntimeErrors.h"
#include "runtime/Values.h"
#include "tests/forms/TestButtonUnit.h"
#include "tests/forms/TestWindows.h"
#include "tests/support/ChildLog.h"

using testing_support::ChildLog;
using namespace test_units;

namespace {

std::string gMode;
int gQueries = 0;
int gClosings = 0;
int gClicksA = 0;
bool gIdleSeen = false;
HHOOK gHook = nullptr;

const RuntimeEntryTable& Rt() { return RuntimeEntries(); }
void Log(const std::string& line) { ChildLog::Append(line); }

// ---- properties through the runtime entries ----
ArgRecord Read(uint32_t window, uint32_t unit, int32_t index, int32_t array = -1) {
    return Rt().readUnitProperty(window, unit, index, array);
}
void WriteInt(uint32_t window, uint32_t unit, int32_t index, int32_t v, int32_t array = -1) {
    Rt().writeUnitProperty(window, unit, index, array, static_cast<uint32_t>(v), 0);
}
void WritePointer(uint32_t window, uint32_t unit, int32_t index, const void* p, int32_t array = -1) {
    Rt().writeUnitProperty(window, unit, index, array, forms::LowWord(p), forms::HighWord(p));
}
void WriteDouble(uint32_t window, uint32_t unit, int32_t index, double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    Rt().writeUnitProperty(window, unit, index, -1, static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32));
}
// A read value as a log word: numbers in decimal, texts as "null" or their bytes, byte sets in hex.
std::string Show(const ArgRecord& v) {
    char buf[64];
    switch (v.type) {
    case kTypeInt:
    case kTypeLogical: return std::to_string(v.AsInt());
    case kTypeDouble:
    case kTypeDateTime: std::snprintf(buf, sizeof buf, "%.1f", v.data.f64); return buf;
    case kTypeText: {
        Text t(static_cast<char*>(v.data.ptr));
        return t.Get() ? std::string(t.CStr()) : "null";
    }
    case kTypeByteSet: {
        Bytes b(static_cast<ByteSet*>(v.data.ptr));
        if (!b.Get()) return "null";
        std::string hex;
        for (size_t i = 0; i < b.Length(); ++i) std::snprintf(buf, sizeof buf, "%02x", b.Data()[i]), hex += buf;
        return hex;
    }
    default: return "type" + std::to_string(v.type);
    }
}
void LogRead(const std::string& what, uint32_t window, uint32_t unit, int32_t index, int32_t array = -1) {
    Log(what + " " + Show(Read(window, unit, index, array)));
}
template <size_t N>
const ByteSet* Block(std::array<uint8_t, N>& storage, const void* data, size_t n) {
    auto* b = reinterpret_cast<ByteSet*>(storage.data());
    b->one = 1;
    b->length = static_cast<uint32_t>(n);
    std::memcpy(b->Bytes(), data, n);
    return b;
}

constexpr int32_t Own(int32_t own) { return own + 8; }

// Every conversion, on ButtonA of the shown FirstWindow and on SecondWindow, not on screen.
void PropertyScript() {
    const uint32_t W = kFirstWindowId, A = kButtonAId;
    WriteInt(W, A, 2, 40000);
    LogRead("width40000", W, A, 2);
    WriteInt(W, A, 2, -5);
    LogRead("width-5", W, A, 2);
    WriteInt(W, A, 0, 15);
    LogRead("left15", W, A, 0);
    WriteInt(kSecondWindowId, kButtonEId, 3, 40000);
    LogRead("unloadedheight40000", kSecondWindowId, kButtonEId, 3);
    WriteInt(kSecondWindowId, kButtonEId, 0, -40000);
    LogRead("unloadedleft-40000", kSecondWindowId, kButtonEId, 0);
    LogRead("unloadedwidth", kSecondWindowId, kButtonEId, 2);
    LogRead("unloadedvisible", kSecondWindowId, kButtonEId, 5);
    LogRead("tag", W, A, 4);
    WritePointer(W, A, 4, nullptr);
    LogRead("tagnull", W, A, 4);
    LogRead("visibleC", W, kButtonCId, 5);
    LogRead("disabledD", W, kButtonDId, 6);
    WriteInt(W, kButtonCId, 5, 1);
    LogRead("visibleCnow", W, kButtonCId, 5);
    WriteInt(W, kButtonDId, 6, 0);
    LogRead("disabledDnow", W, kButtonDId, 6);
    LogRead("title", W, kFirstWindowUnitId, Own(0));
    LogRead("caption", W, A, Own(kCaption));
    WritePointer(W, A, Own(kCaption), nullptr);
    LogRead("captionnull", W, A, Own(kCaption));
    WriteInt(W, A, Own(kNumber), 7);
    LogRead("number", W, A, Own(kNumber));
    WriteDouble(W, A, Own(kReal), 2.5);
    LogRead("real", W, A, Own(kReal));
    WriteDouble(W, A, Own(kDate), 3000000.0);
    LogRead("date", W, A, Own(kDate));
    std::array<uint8_t, 16> storage;
    WritePointer(W, A, Own(kData), Block(storage, "abc", 3));
    LogRead("data", W, A, Own(kData));
    WritePointer(W, A, Own(kData), nullptr);
    LogRead("datanull", W, A, Own(kData));
    WriteInt(W, A, Own(kFlag), 5);
    LogRead("flag5", W, A, Own(kFlag));
    WriteInt(W, A, Own(kIsDefault), -3);
    LogRead("choice-3", W, A, Own(kIsDefault));
    WriteInt(W, A, Own(kColour), 0x123456);
    LogRead("colour", W, A, Own(kColour));
    int32_t hand = 32649;  // IDC_HAND
    WritePointer(W, A, Own(kCursor), Block(storage, &hand, 4));
    LogRead("cursor", W, A, Own(kCursor));
    int32_t ibeam = 32513;  // IDC_IBEAM
    WritePointer(W, A, 7, Block(storage, &ibeam, 4));
    LogRead("commoncursor", W, A, 7);
    WritePointer(W, A, Own(kFileName), nullptr);
    LogRead("filenull", W, A, Own(kFileName));
    // The font: parts, then the whole record.
    WriteInt(W, A, Own(kFont), 12, 5);
    LogRead("fontsize", W, A, Own(kFont), 5);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(forms::FindUnitObject(W, A)->Handle(), WM_GETFONT, 0, 0));
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    HDC dc = GetDC(nullptr);
    Log("fontheight " + std::to_string(lf.lfHeight) + " dpi " + std::to_string(GetDeviceCaps(dc, LOGPIXELSY)));
    ReleaseDC(nullptr, dc);
    WriteInt(W, A, Own(kFont), -450, 0);
    LogRead("fontangle-450", W, A, Own(kFont), 0);
    WriteInt(W, A, Own(kFont), 1, 1);
    LogRead("fontbold", W, A, Own(kFont), 1);
    WritePointer(W, A, Own(kFont), "微软雅黑", 6);
    LogRead("fontface", W, A, Own(kFont), 6);
    WritePointer(W, A, Own(kFont), "", 6);
    LogRead("fontfaceempty", W, A, Own(kFont), 6);
    WritePointer(W, A, Own(kFont), "abcdefghijklmnopqrstuvwxyzabcdefgh", 6);
    LogRead("fontfacelong", W, A, Own(kFont), 6);
    ArgRecord whole = Read(W, A, Own(kFont), -1);
    auto* record = static_cast<forms::FontRecord*>(whole.data.ptr);
    Log("fontrecord " + std::to_string(record->angle) + " " + std::to_string(record->bold) + " " +
        std::to_string(record->size) + " " + record->faceName);
    RuntimeFree(record->faceName);
    RuntimeFree(record);
    // A change that needs a new platform window.
    HWND before = forms::FindUnitObject(W, A)->Handle();
    int beforeId = GetDlgCtrlID(before);
    WritePointer(W, A, Own(kCaption), "新甲");
    WriteInt(W, A, Own(kRadio), 1);
    HWND after = forms::FindUnitObject(W, A)->Handle();
    Log(std::string("recreated ") + (after != before && !IsWindow(before) ? "new" : "same") + " id " +
        std::to_string(GetDlgCtrlID(after)) + " was " + std::to_string(beforeId) + " style " +
        std::to_string(GetWindowLongA(after, GWL_STYLE) & BS_TYPEMASK));
    LogRead("recreatedcaption", W, A, Own(kCaption));
    // The start position reads the live state.
    WriteInt(W, kFirstWindowUnitId, Own(10), 2);
    LogRead("startminimised", W, kFirstWindowUnitId, Own(10));
    WriteInt(W, kFirstWindowUnitId, Own(10), 0);
    LogRead("startrestored", W, kFirstWindowUnitId, Own(10));
    // The runtime's unit-type and window lookups, and the event suppression count.
    auto type = [](uint32_t id) { return reinterpret_cast<const void*>(static_cast<intptr_t>(RuntimeNotify(1002, id, 0))); };
    Log(std::string("types ") + (type(0x00010001) == &forms::kWindowUnitType ? "window" : "?") + " " +
        (type(0x00060001) == &kTestButtonUnitType ? "test" : "?") + " " + (type(0x80000301) ? "?" : "none") + " " +
        (type(0x00070001) ? "?" : "none") + " " + (type(0x00010034) ? "?" : "none") + " " + (type(0x00010002) ? "?" : "none"));
    Log(std::string("windowmap ") + (RuntimeNotify(1001, 0, 0) == reinterpret_cast<intptr_t>(&Runtime().windowMap) ? "yes" : "no"));
    auto object = [](uint32_t w, uint32_t u) { return reinterpret_cast<forms::UnitObject*>(static_cast<intptr_t>(RuntimeNotify(2006, w, u))); };
    Log(std::string("objects ") + (object(W, 0) == object(W, kFirstWindowUnitId) && object(W, 0) ? "window" : "?") + " " +
        (object(W, A) && object(W, A)->Handle() == after ? "unit" : "?") + " " + (object(kSecondWindowId, kButtonEId) ? "?" : "none"));
    int before2009 = Runtime().eventSuppressCount;
    RuntimeNotify(2009, 0, 0);
    int after2009 = Runtime().eventSuppressCount;
    RuntimeNotify(2010, 0, 0);
    RuntimeNotify(2010, 0, 0);  // never below 0
    Log("suppress " + std::to_string(before2009) + " " + std::to_string(after2009) + " " + std::to_string(Runtime().eventSuppressCount));
    Log("props done");
}

void LogOrderMessage(const CWPSTRUCT& m) {
    const char* name = nullptr;
    switch (m.message) {
    case WM_CREATE: name = "create"; break;
    case WM_SHOWWINDOW: name = m.wParam ? "show" : "hide"; break;
    case 0x806F: name = "allcreated"; break;
    case 0x8004: name = "layout"; break;
    case 0x8076: name = "shown"; break;
    default: return;
    }
    char cls[32] = {};
    GetClassNameA(m.hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "WTWindow") != 0 && std::strcmp(cls, "Button") != 0) return;  // not Wine's helper windows
    std::string who = std::strcmp(cls, "WTWindow") == 0 ? "window" : std::string(cls) + " " + std::to_string(GetDlgCtrlID(m.hwnd));
    if (m.message == WM_CREATE) {
        auto cs = reinterpret_cast<const CREATESTRUCTA*>(m.lParam);
        who += (cs->style & WS_VISIBLE) ? " visible" : " hidden";
    }
    Log(std::string("msg ") + name + " " + who);
}

LRESULT CALLBACK RecordMessages(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) LogOrderMessage(*reinterpret_cast<const CWPSTRUCT*>(lp));
    return CallNextHookEx(gHook, code, wp, lp);
}

// An idle callback: logs its parameter the first time; once 1 and 3 were seen, closes the window.
void IdleCallbackRoutine(intptr_t parameter) {
    static bool seen[4] = {};
    if (seen[parameter]) return;
    seen[parameter] = true;
    Log("callback " + std::to_string(parameter) + " of " + std::to_string(Runtime().idleCallbacks.size()));
    if (seen[1] && seen[3]) PostMessageA(forms::FindUnitObject(kFirstWindowId, 0)->Handle(), WM_CLOSE, 0, 0);
}

void RegisterIdleCallbacks(HWND window) {
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND button = forms::FindUnitObject(kFirstWindowId, kButtonAId)->Handle();
    IdleCallback callbacks[] = {{window, IdleCallbackRoutine, 1}, {gone, IdleCallbackRoutine, 2},
                                {button, IdleCallbackRoutine, 3}, {window, IdleCallbackRoutine, 2}};
    for (IdleCallback& c : callbacks) RuntimeNotify(1012, reinterpret_cast<intptr_t>(&c), 0);  // the last: one per window
    DestroyWindow(gone);
}

void OpenSecondModally() {
    forms::OpenWindowRequest request{kSecondWindowId, nullptr, 1};
    int64_t r = RuntimeNotify(2005, reinterpret_cast<intptr_t>(&request), 0);
    Log("modal returned " + std::to_string(r));
}

// ---- the handlers ----
void FirstCreated() {
    HWND h = forms::FindUnitObject(kFirstWindowId, 0)->Handle();
    Log(std::string("created visible=") + (IsWindowVisible(h) ? "1" : "0"));
    if (gMode == "endcreate") EndProgram(3);
    if (gMode == "closecreate") SendMessageA(h, WM_CLOSE, 0, 0);
    if (gMode == "idlecallbacks") RegisterIdleCallbacks(h);
    if (gMode == "icon") {
        // The program's icon resource, as the window got it, in both sizes.
        auto size = [](LPARAM icon) {
            ICONINFO info{};
            BITMAP bm{};
            if (!icon || !GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return 0L;
            GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
            return bm.bmWidth;
        };
        Log("icon big " + std::to_string(size(SendMessageA(h, WM_GETICON, ICON_BIG, 0))) + " small " +
            std::to_string(size(SendMessageA(h, WM_GETICON, ICON_SMALL, 0))) + " expected " +
            std::to_string(GetSystemMetrics(SM_CXICON)) + " " + std::to_string(GetSystemMetrics(SM_CXSMICON)));
        EndProgram(0);
    }
    if (gMode == "cwd") {
        char dir[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, dir);
        Log(std::string("cwd ") + dir);
        EndProgram(0);
    }
    if (gMode == "unloaded8") Read(kSecondWindowId, kButtonEId, Own(kCaption));
    if (gMode == "unloadedwindow8") Read(kSecondWindowId, kSecondWindowUnitId, Own(0));
    if (gMode == "badwindow") Read(0x52009999, kButtonAId, 0);
    if (gMode == "badunit") Read(kFirstWindowId, 0x16009999, 0);
    if (gMode == "badunitobject") forms::RequireUnitObject(kSecondWindowId, kButtonEId);
    auto raise = [](uint32_t window, uint32_t unit) {
        forms::EventNotice notice{window, unit, 0, 0, {}, 0, 0};
        RuntimeNotify(2008, reinterpret_cast<intptr_t>(&notice), 0);
    };
    if (gMode == "raisebadwindow") raise(kSecondWindowId, kButtonEId);
    if (gMode == "raisebadunit") raise(kFirstWindowId, 0x16009999);
    if (gMode == "raisestranger") raise(kFirstWindowId, kStrangerId);
}
void FirstEvent3() { Log("event 3"); }
void FirstEvent4() { Log("event 4"); }
void WindowFocus() { Log("focus window"); }
bool QueryClose() {
    ++gQueries;
    Log("query " + std::to_string(gQueries));
    return !(gMode == "veto" && gQueries == 1);
}
bool Closing() {
    ++gClosings;
    Log("closing " + std::to_string(gClosings));
    return !(gMode == "veto" && gClosings == 1);
}
void ClickA() {
    ++gClicksA;
    Log("click 甲");
    if (gMode == "props") {
        PropertyScript();
        EndProgram(0);
    }
    if (gMode == "errorbox") ReportErrorText("测试中的错误", 0);
    if (gMode == "modal") OpenSecondModally();
    if (gMode == "msgbox") {
        for (uint32_t window : {kFirstWindowId, kSecondWindowId}) {
            uint32_t unit = window == kFirstWindowId ? kFirstWindowUnitId : kSecondWindowUnitId;
            ArgRecord r = cmd::Call(ShowMessageBox, "有主人的消息框", int32_t{0}, "消息", ArgRecord::Unit(window, unit, 0x00010001));
            Log("box " + std::to_string(r.AsInt()));
        }
        EndProgram(0);
    }
}
void ClickB() { Log("click 乙"); }
void FocusA() { Log("focus 甲"); }
void BlurA() { Log("blur 甲"); }
void FocusB() { Log("focus 乙"); }
bool Idle(int32_t elapsed) {
    if (!gIdleSeen) Log("idle " + std::string(elapsed >= 0 ? "ms" : "negative"));
    gIdleSeen = true;
    return false;
}
void SecondCreated() {
    const uint32_t S = kSecondWindowId;
    Log("second created title=" + Show(Read(S, kSecondWindowUnitId, Own(0))) + " tag=" + Show(Read(S, kButtonEId, 4)) +
        " width=" + Show(Read(S, kButtonEId, 2)) + " caption=" + Show(Read(S, kButtonEId, Own(kCaption))));
    WritePointer(S, kSecondWindowUnitId, Own(0), "改过的标题");
    WritePointer(S, kButtonEId, 4, "新标签");
    WriteInt(S, kButtonEId, 2, 200);
    WritePointer(S, kButtonEId, Own(kCaption), "新戊");
}

#define FORMS_CHILD_ROW(name) forms::HandlerFor<&name>,
const forms::EventHandler kChildCode[] = {FORMS_CHILD_HANDLERS(FORMS_CHILD_ROW)};
#undef FORMS_CHILD_ROW

constexpr auto kChildTemplates = tpl::TemplateBlock<test_windows::Definitions>();

const ProgramHeader kChildHeader = {
    3, 0, 0, kChildCode, kConstantRegionStartMarker, kConstantRegionEndMarker, kChildTemplates.data(),
    static_cast<uint32_t>(kChildTemplates.size()), kSupportLibraryCount, kSupportLibraryTable,
};
// The same block one byte short.
const ProgramHeader kShortBlockHeader = {
    3, 0, 0, kChildCode, kConstantRegionStartMarker, kConstantRegionEndMarker, kChildTemplates.data(),
    static_cast<uint32_t>(kChildTemplates.size() - 1), kSupportLibraryCount, kSupportLibraryTable,
};

void ExitHook() { Log("exit hook"); }

int ChildStart() {
    Rt().runtimeService(kServiceInitRuntime, 0, 0);
    AddTestLibrary();
    Rt().runtimeService(kServiceRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitHook), 0);
    if (gMode == "order") gHook = SetWindowsHookExA(WH_CALLWNDPROC, RecordMessages, nullptr, GetCurrentThreadId());
    Rt().loadStartWindow(gMode == "nostartwindow" ? 0x52009999 : gMode == "brokenstartwindow" ? kBrokenWindowId : kFirstWindowId);
    if (gHook) UnhookWindowsHookEx(gHook);
    Log("start window loaded");
    Rt().runMessageLoop();
    Log("loop ended");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    ChildLog::Open(argv[1]);
    gMode = argv[2];
    int code = framework::RunApplication(gMode == "shortblock" ? kShortBlockHeader : kChildHeader, ChildStart);
    Log("exit " + std::to_string(code));
    return code;
}
