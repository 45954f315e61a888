#include "commands/InteractionCommands.h"

#include <windows.h>

#include <string>

#include "commands/CoreLibrary.h"
#include "commands/TextConversions.h"
#include "forms/UnitObject.h"
#include "runtime/CommandArgs.h"
#include "runtime/ValueHolders.h"

using command_args::At;
using command_args::Given;
using command_args::IntAt;
using command_args::TextAt;

namespace {

// The message of a box: texts, logicals, numbers and dates as ToText writes them; any other
// kind (a byte set among them) gives the empty message.
Text MessageText(const ArgRecord& message) {
    TypeCode kind = message.type;
    if (kind == kTypeText || kind == kTypeLogical || kind == kTypeDateTime || IsNumericType(kind))
        return ValueToText(message);
    return Text();
}

// The owner of a box: an integer is a window handle; a window reference (WindowId, UnitId,
// UnitTypeId) names a window, whose platform window the runtime finds (request 2006: none when
// the window is not on screen); anything else is no owner.
HWND BoxOwner(int32_t n, const ArgRecord* args) {
    const ArgRecord& owner = At(n, args, 3);
    if (owner.type == kTypeInt) return reinterpret_cast<HWND>(static_cast<intptr_t>(owner.AsInt()));
    if (ClassifyId(owner.type) == IdClass::Third && ClassifyId(owner.data.words.low) == IdClass::Second) {
        auto object = RuntimeNotify(2006, static_cast<intptr_t>(owner.data.words.low), static_cast<intptr_t>(owner.data.words.high));
        return forms::UnitWindowHandle(reinterpret_cast<const void*>(static_cast<intptr_t>(object)));
    }
    return nullptr;
}

// MessageBoxA's answer as the command's result code: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6, anything else 0.
int32_t BoxResultCode(int answer) {
    switch (answer) {
    case IDOK: return 0;
    case IDCANCEL: return 1;
    case IDABORT: return 2;
    case IDRETRY: return 3;
    case IDIGNORE: return 4;
    case IDYES: return 5;
    case IDNO: return 6;
    default: return 0;
    }
}

// Show values of window modes 1 to 6.
constexpr WORD kShowValues[] = {SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};

}  // namespace

void ShowMessageBox(ArgRecord* result, int32_t n, ArgRecord* args) {
    Text message = MessageText(At(n, args, 0));
    UINT style = static_cast<UINT>(IntAt(n, args, 1, 0));
    if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
    const ArgRecord& titleArg = At(n, args, 2);
    const char* title = titleArg.type == kTypeText && titleArg.AsText() ? titleArg.AsText() : "信息：";
    int answer = MessageBoxA(BoxOwner(n, args), message.CStr(), title, style);
    *result = ArgRecord::Int(BoxResultCode(answer));
}

void RunProgram(ArgRecord* result, int32_t n, ArgRecord* args) {
    std::string commandLine = TextAt(n, args, 0);
    bool wait = At(n, args, 1).data.words.low != 0;
    int32_t mode = IntAt(n, args, 2, 2);
    mode = mode < 1 ? 1 : mode > 6 ? 6 : mode;

    STARTUPINFOA startup{};
    static_assert(sizeof(void*) != 4 || sizeof startup == 68, "the start-up record is 68 bytes");
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = kShowValues[mode - 1];
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        *result = ArgRecord::Logical(false);
        return;
    }
    if (wait) WaitForSingleObject(process.hProcess, INFINITE);
    else WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    *result = ArgRecord::Logical(true);
}

void ScreenWidth(ArgRecord* result, int32_t, ArgRecord*) { *result = ArgRecord::Int(GetSystemMetrics(SM_CXSCREEN)); }

void ScreenHeight(ArgRecord* result, int32_t, ArgRecord*) { *result = ArgRecord::Int(GetSystemMetrics(SM_CYSCREEN)); }

// GetSysColor's COLORREF already has red in the low byte, then green, then blue.
void DefaultBackColour(ArgRecord* result, int32_t, ArgRecord*) {
    *result = ArgRecord::Int(static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
}

namespace {
const CommandInfo kInteractionCommands[] = {
    {"ShowMessageBox", ShowMessageBox},
    {"RunProgram", RunProgram},
    {"ScreenWidth", ScreenWidth},
    {"ScreenHeight", ScreenHeight},
    {"DefaultBackColour", DefaultBackColour},
};
}

std::span<const CommandInfo> InteractionCommandTable() { return kInteractionCommands; }
