// units_child LOG: a program of this runtime with the unit tests' windows (UnitTestWindows.h).
// It starts as the product does (header, framework, start routine), loads UnitsWindow and runs
// the loop. Its event handlers append "event NAME INDEX" to LOG.
//
// The tests drive it from outside: through the windows as a user would, and through requests,
// each a WM_COPYDATA text sent to its control window (class "UnitsChildControl"):
//   read NAME INDEX                property INDEX of unit NAME        -> "= TYPECODE VALUE"
//   write NAME INDEX VALUE         VALUE: i:N, t:HEX (a text), b:HEX  -> "= done"
//   call COMMAND NAME [ARG ...]    a built-in command on unit NAME, further arguments i:N, l:N,
//                                  u:NAME (a unit reference) or - (left out) -> "= TYPECODE VALUE"
//   post call ...                  the same, run later from the message loop (for commands
//                                  that wait for the user); the request returns at once
//   trace NAME INDEX VALUE         a write, with the paint messages it causes logged as
//                                  "paint NAME MESSAGE", then the label's pending paint
//   settle                         every pending paint of the windows, at once
//   cwd                            the current folder                  -> "= 0 HEX"
// Texts are logged as their bytes in hex, numbers in decimal. A fatal runtime error ends the
// program with its error box, as always.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "commands/Calls.h"
#include "commands/WindowCommands.h"
#include "forms/Events.h"
#include "forms/TemplateWriter.h"
#include "forms/UnitObject.h"
#include "forms/UnitProperties.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/Values.h"
#include "tests/support/ChildLog.h"
#include "tests/support/WindowDriver.h"
#include "tests/units/UnitTestWindows.h"

using testing_support::ChildLog;
using testing_support::ToHex;
using namespace units_test;

namespace {

constexpr UINT kPostedRequest = WM_APP + 1;
HWND gControl = nullptr;
std::vector<std::string> gPosted;

void Log(const std::string& line) { ChildLog::Append(line); }

const char* NameOf(uint32_t windowId, uint32_t unitId) {
    for (const UnitName& u : kUnits)
        if (u.windowId == windowId && (u.unitId == unitId || (unitId == 0 && u.type == kWindowType))) return u.name;
    return "?";
}

const char* NameOfWindow(HWND h) {
    for (const UnitName& u : kUnits) {
        auto object = reinterpret_cast<forms::UnitObject*>(
            static_cast<intptr_t>(RuntimeNotify(2006, static_cast<intptr_t>(u.windowId), static_cast<intptr_t>(u.unitId))));
        if (object && object->Handle() == h) return u.name;
    }
    return nullptr;
}

template <int32_t Event>
forms::HandlerResult OnEvent(int32_t, const int32_t*) {
    forms::EventSource source = forms::CurrentEventSource();
    Log("event " + std::string(NameOf(source.window, source.unit)) + " " + std::to_string(Event));
    return {0, 0};
}

const forms::EventHandler kCode[kHandlerCount] = {OnEvent<0>, OnEvent<1>, OnEvent<-7>, OnEvent<-8>};

const std::vector<uint8_t>& Block() {
    static const std::vector<uint8_t> block = tpl::SerialiseTemplates(Definitions());
    return block;
}

std::string FromHex(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
    return out;
}

std::string Show(const ArgRecord& v) {
    char code[16];
    std::snprintf(code, sizeof code, "%08x ", v.type);
    std::string value;
    if (v.type == kTypeText) value = v.AsText() ? ToHex(v.AsText()) : "";
    else if (v.type == kTypeByteSet) value = v.AsByteSet() ? ToHex(std::string(reinterpret_cast<const char*>(v.AsByteSet()->Bytes()), v.AsByteSet()->length)) : "";
    else value = std::to_string(v.AsInt());
    if (v.type == kTypeText || v.type == kTypeByteSet) RuntimeFree(v.data.ptr);
    return code + value;
}

// Keeps the texts and byte sets of one request alive while it runs.
struct Values {
    std::vector<std::string> texts;
    std::vector<std::vector<uint8_t>> blocks;

    // VALUE of a request as an ArgRecord.
    ArgRecord Parse(const std::string& arg) {
        std::string v = arg.size() > 2 ? arg.substr(2) : std::string();
        switch (arg[0]) {
        case 'i': return ArgRecord::Int(static_cast<int32_t>(std::strtoll(v.c_str(), nullptr, 0)));
        case 'l': return ArgRecord::Logical(v == "1");
        case 't': {
            texts.push_back(FromHex(v));
            return ArgRecord::Text(texts.back().empty() ? nullptr : texts.back().c_str());
        }
        case 'b': {
            std::string bytes = FromHex(v);
            if (bytes.empty()) return ArgRecord::Bytes(nullptr);
            std::vector<uint8_t> block(sizeof(ByteSet) + bytes.size());
            auto header = reinterpret_cast<ByteSet*>(block.data());
            header->one = 1;
            header->length = static_cast<uint32_t>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), header->Bytes());
            blocks.push_back(std::move(block));
            return ArgRecord::Bytes(reinterpret_cast<const ByteSet*>(blocks.back().data()));
        }
        case '-': return ArgRecord::Empty();
        case 'u': {
            const UnitName* u = FindUnit(v);
            return u ? ArgRecord::Unit(u->windowId, u->unitId, u->type) : ArgRecord::Unit(0x52039999, 0x16039999, kTransLabelType);
        }
        default: return ArgRecord::Empty();
        }
    }
};

const UnitName& Named(const std::string& name) {
    static const UnitName kMissing = {"missing", 0x52039999, 0x16039999, kTransLabelType};
    const UnitName* u = FindUnit(name);
    return u ? *u : kMissing;
}

void Write(const UnitName& u, int32_t index, const ArgRecord& v) {
    RuntimeEntries().writeUnitProperty(u.windowId, u.unitId, index, -1, v.data.words.low, v.data.words.high);
}

CommandEntry CommandNamed(const std::string& name) {
    FoundCommand c = FindLibraryCommand(name.c_str());
    return c.entry;
}

HHOOK gTraceHook = nullptr;
LRESULT CALLBACK TracePaint(int code, WPARAM wp, LPARAM lp) {
    auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && (m->message == WM_PAINT || m->message == WM_ERASEBKGND))
        if (const char* name = NameOfWindow(m->hwnd))
            Log(std::string("paint ") + name + (m->message == WM_PAINT ? " WM_PAINT" : " WM_ERASEBKGND"));
    return CallNextHookEx(gTraceHook, code, wp, lp);
}

void Run(const std::string& request) {
    std::istringstream in(request);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.empty()) return;
    Values values;
    const std::string& verb = words[0];
    if (verb == "read" && words.size() >= 3) {
        const UnitName& u = Named(words[1]);
        Log("= " + Show(RuntimeEntries().readUnitProperty(u.windowId, u.unitId, std::stoi(words[2]), -1)));
    } else if ((verb == "write" || verb == "trace") && words.size() >= 4) {
        const UnitName& u = Named(words[1]);
        ArgRecord v = values.Parse(words[3]);
        if (verb == "trace") gTraceHook = SetWindowsHookExA(WH_CALLWNDPROC, TracePaint, nullptr, GetCurrentThreadId());
        Write(u, std::stoi(words[2]), v);
        if (verb == "trace") {
            Log("written");
            auto object = reinterpret_cast<forms::UnitObject*>(static_cast<intptr_t>(
                RuntimeNotify(2006, static_cast<intptr_t>(u.windowId), static_cast<intptr_t>(u.unitId))));
            if (object) RedrawWindow(object->Handle(), nullptr, nullptr, RDW_UPDATENOW);
            UnhookWindowsHookEx(gTraceHook);
            gTraceHook = nullptr;
        }
        Log("= done");
    } else if (verb == "call" && words.size() >= 3) {
        CommandEntry entry = CommandNamed(words[1]);
        const UnitName& u = Named(words[2]);
        std::vector<ArgRecord> args = {ArgRecord::Unit(u.windowId, u.unitId, u.type)};
        for (size_t i = 3; i < words.size(); ++i) args.push_back(values.Parse(words[i]));
        Log("= " + Show(CallCoreCommand(entry, static_cast<int32_t>(args.size()), args.data())));
    } else if (verb == "post" && words.size() >= 2) {
        gPosted.push_back(request.substr(5));
        PostMessageA(gControl, kPostedRequest, 0, 0);
    } else if (verb == "settle") {
        // Every paint still pending in the window, now.
        for (const UnitName& u : kUnits)
            if (u.type == kWindowType)
                if (auto* w = reinterpret_cast<forms::UnitObject*>(static_cast<intptr_t>(RuntimeNotify(2006, static_cast<intptr_t>(u.windowId), 0))))
                    RedrawWindow(w->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Log("= done");
    } else if (verb == "cwd") {
        char dir[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, dir);
        Log("= 0 " + ToHex(dir));
    } else {
        Log("= unknown request");
    }
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COPYDATA: {
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        Run(std::string(static_cast<const char*>(data->lpData), data->cbData));
        return TRUE;
    }
    case kPostedRequest: {
        std::vector<std::string> posted;
        posted.swap(gPosted);
        for (const std::string& r : posted) Run(r);
        return 0;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

void CreateControlWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "UnitsChildControl";
    RegisterClassA(&wc);
    gControl = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

int Start() {
    const RuntimeEntryTable& runtime = RuntimeEntries();
    runtime.runtimeService(kServiceInitRuntime, 0, 0);
    CreateControlWindow();
    runtime.loadStartWindow(kUnitsWindowId);
    Log("ready");
    runtime.runMessageLoop();
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    ChildLog::Open(__argv[1]);
    static const ProgramHeader header = {
        3, 0, 0, kCode, ConstantRegionStart(), ConstantRegionEnd(), Block().data(), static_cast<uint32_t>(Block().size()),
        kSupportLibraryCount, kSupportLibraryTable,
    };
    return framework::RunApplication(header, Start);
}
