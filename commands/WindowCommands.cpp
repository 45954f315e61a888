#include "commands/WindowCommands.h"

#include <windows.h>

#include <string>

#include "commands/CoreLibrary.h"
#include "forms/UnitObject.h"
#include "forms/WindowLoader.h"
#include "forms/units/CommonDlgUnit.h"
#include "forms/units/ListBoxUnit.h"
#include "runtime/CommandArgs.h"
#include "runtime/SupportLibraries.h"

using command_args::At;
using command_args::Given;
using command_args::IntAt;

namespace {

bool IsUnitReference(const ArgRecord& r) {
    return ClassifyId(r.type) == IdClass::Third && ClassifyId(r.data.words.low) == IdClass::Second;
}

// The live object of a referenced window or unit (request 2007: a missing one is the runtime
// error "指定窗口或窗口组件不存在或尚未载入", which does not return).
forms::UnitObject* RequiredUnit(const ArgRecord& reference) {
    auto object = RuntimeNotify(2007, static_cast<intptr_t>(reference.data.words.low),
                                static_cast<intptr_t>(reference.data.words.high));
    return reinterpret_cast<forms::UnitObject*>(static_cast<intptr_t>(object));
}

// The same without the error (request 2006): null when the reference names nothing on screen.
forms::UnitObject* FoundUnit(const ArgRecord& reference) {
    auto object = RuntimeNotify(2006, static_cast<intptr_t>(reference.data.words.low),
                                static_cast<intptr_t>(reference.data.words.high));
    return reinterpret_cast<forms::UnitObject*>(static_cast<intptr_t>(object));
}

}  // namespace

void WindowHandle(ArgRecord* result, int32_t n, ArgRecord* args) {
    HWND h = forms::UnitWindowHandle(RequiredUnit(At(n, args, 0)));
    // Window handles are 32-bit values on every build.
    *result = ArgRecord::Int(static_cast<int32_t>(reinterpret_cast<intptr_t>(h)));
}

void OpenWindow(ArgRecord* result, int32_t n, ArgRecord* args) {
    const ArgRecord& window = At(n, args, 0);
    forms::UnitObject* parent = nullptr;
    if (Given(n, args, 1) && IsUnitReference(args[1])) {
        parent = FoundUnit(args[1]);
        if (!parent) {
            *result = ArgRecord::Logical(false);
            return;
        }
    }
    forms::OpenWindowRequest request{window.data.words.low, parent, Given(n, args, 2) && args[2].data.words.low != 0};
    *result = ArgRecord::Logical(RuntimeNotify(2005, reinterpret_cast<intptr_t>(&request), 0) == 0);
}

void DialogOpen(ArgRecord* result, int32_t n, ArgRecord* args) {
    auto* dialog = dynamic_cast<forms::CommonDlgUnit*>(RequiredUnit(At(n, args, 0)));
    *result = ArgRecord::Logical(dialog && dialog->Open());
}

void ListItemText(ArgRecord* result, int32_t n, ArgRecord* args) {
    auto* list = dynamic_cast<forms::ListBoxUnit*>(RequiredUnit(At(n, args, 0)));
    std::string text = list ? list->ItemText(IntAt(n, args, 1, -1)) : std::string();
    *result = ArgRecord::Text(MakeText(text.data(), text.size()));
}

namespace {
const CommandInfo kWindowCommands[] = {
    {"WindowHandle", WindowHandle},
    {"OpenWindow", OpenWindow},
    {"DialogOpen", DialogOpen},
    {"ListItemText", ListItemText},
};
}

std::span<const CommandInfo> WindowCommandTable() { return kWindowCommands; }
