#include "tool/ToolMessages.h"

#include <iterator>

#include "commands/Calls.h"
#include "commands/InteractionCommands.h"
#include "runtime/Values.h"

namespace {

// The texts live in the program's constant region, as every constant text of program code.
#define TOOL_MESSAGE_TEXTS(name, text, style, title)         \
    RT_CONSTANT const char k##name##Text[] = text;            \
    RT_CONSTANT const char k##name##Title[] = title;
TOOL_MESSAGES(TOOL_MESSAGE_TEXTS)
#undef TOOL_MESSAGE_TEXTS

struct MessageRow {
    const char* text;
    int32_t style;
    const char* title;
};

constexpr MessageRow kMessageRows[] = {
#define TOOL_MESSAGE_ROW(name, text, style, title) {k##name##Text, style, k##name##Title},
    TOOL_MESSAGES(TOOL_MESSAGE_ROW)
#undef TOOL_MESSAGE_ROW
};

}  // namespace

RT_CONSTANT const char kFolderNotCreatedPrefix[] = "无法创建的目录";
RT_CONSTANT const char kIndexWrittenPrefix[] = "Json已成功写出！位置在  D:\\";
RT_CONSTANT const char kIndexWrittenSuffix[] = "  ！请覆盖到原json目录处覆盖！";

int32_t ShowToolMessage(ToolMessage message) {
    return ShowToolMessage(message, kMessageRows[static_cast<size_t>(message)].text);
}

int32_t ShowToolMessage(ToolMessage message, const char* text) {
    const MessageRow& row = kMessageRows[static_cast<size_t>(message)];
    return cmd::AsInt(cmd::Call(ShowMessageBox, text, row.style, row.title));
}
