// The tool's two windows, MainWindow and AboutWindow, as readable definitions: every unit with
// its type, id, stored name, place, flags, settings and event bindings. The compiler serialises
// them into the program's template block (kTemplateBlock, read-only data).
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "forms/FontData.h"
#include "forms/TemplateWriter.h"
#include "forms/units/ButtonProperties.h"
#include "forms/units/CommonDlgProperties.h"
#include "forms/units/EditBoxProperties.h"
#include "forms/units/ListBoxProperties.h"
#include "forms/units/TransLabelProperties.h"
#include "forms/units/WindowProperties.h"
#include "tool/ProgramCode.h"

// MainWindow and its units.
inline constexpr uint32_t kMainWindowId = 0x52010001;
inline constexpr uint32_t kMainWindowUnitId = 0x06010000;
inline constexpr uint32_t kStepsLabelId = 0x16013E84;
inline constexpr uint32_t kCreditLabelId = 0x16013E4C;
inline constexpr uint32_t kJsonPathBoxId = 0x16011EF9;
inline constexpr uint32_t kAboutButtonId = 0x16013E35;
inline constexpr uint32_t kSelectedDiscBoxId = 0x16011F05;
inline constexpr uint32_t kDiscListId = 0x16011F03;
inline constexpr uint32_t kOggPathBoxId = 0x16011EFA;
inline constexpr uint32_t kJsonTextBoxId = 0x16011EE0;
inline constexpr uint32_t kOggInfoBoxId = 0x16011EDD;
inline constexpr uint32_t kReplaceButtonId = 0x16010010;
inline constexpr uint32_t kFileDialogId = 0x16010008;
inline constexpr uint32_t kChooseOggButtonId = 0x16010002;
// AboutWindow and its unit.
inline constexpr uint32_t kAboutWindowId = 0x52013E38;
inline constexpr uint32_t kAboutWindowUnitId = 0x06013E37;
inline constexpr uint32_t kAboutTextLabelId = 0x16013E39;

namespace program_windows {

using namespace tpl;

constexpr std::vector<EventBinding> On0(ProgramHandler h) { return {{0, HandlerOffsetOf(h)}}; }

// A caption: white text, left-aligned, one line, vertically centred.
constexpr TransLabelProperties WhiteLine(const char* caption) {
    return {.textColour = 0xFFFFFF, .horizontalAlign = 0, .verticalAlign = 1, .wordWrap = 0, .caption = caption};
}
constexpr ButtonProperties PlainButton(const char* caption, std::string font = {}) {
    return {.type = 0, .horizontalAlign = 1, .verticalAlign = 1, .font = font, .caption = caption};
}

// The tool's settings on both windows: no frame (the skin draws one), centred, control box and
// minimise button, Escape closes, in the taskbar, the default class.
constexpr WindowProperties ToolWindow(const char* title) {
    return {.version = 6, .border = 0, .pictureMode = 1, .backColour = 0xFF000000, .maxButton = 0, .minButton = 1,
            .controlBox = 1, .startPosition = 1, .movable = 1, .escapeCloses = 1, .showInTaskbar = 1, .title = title};
}

constexpr FontSpec kYaHei9 = {.height = -12, .weight = 400, .charSet = 134, .face = "微软雅黑"};
constexpr FontSpec kNinePoint = {.height = -12, .weight = 400, .charSet = 134, .face = ""};

constexpr WindowDef MainWindow() {
    return {
        .windowId = kMainWindowId,
        .word1 = 0x00BE6000,
        .word2 = 0x19010005,
        .units = {
            {.type = kWindowType, .id = kMainWindowUnitId, .rect = {50, 50, 537, 327}, .flags = kUnitVisible,
             .events = On0(ProgramHandler::StartupRoutine),
             .propertyData = PropertyBytes(ToolWindow("【V1.4】Vellumtone"))},
            {.type = kTransLabelType, .id = kStepsLabelId, .name = "透明标签2", .rect = {48, 48, 160, 56}, .flags = kUnitVisible,
             .propertyData = PropertyBytes(TransLabelProperties{
                 .textColour = 0xFFFFFF, .horizontalAlign = 0, .wordWrap = 1,
                 .caption = "修改步骤：\r\n1.读入您想要的ogg文件\r\n2.选择您要替换的游戏内文件\r\n3.点击替换即可！"})},
            {.type = kTransLabelType, .id = kCreditLabelId, .name = "透明标签1", .rect = {368, 304, 168, 16}, .flags = kUnitVisible,
             .propertyData = PropertyBytes(WhiteLine("制作：Vellumtone 工作室"))},
            {.type = kTransLabelType, .id = kJsonPathBoxId, .name = "json文件目录标签", .rect = {24, 219, 424, 32}, .flags = kUnitVisible,
             .propertyData = PropertyBytes(WhiteLine("json文件目录标签"))},
            {.type = kButtonType, .id = kAboutButtonId, .name = "按钮1", .rect = {344, 152, 100, 45},
             .flags = kUnitVisible | kUnitTabStop, .events = On0(ProgramHandler::ShowAboutRoutine),
             .propertyData = PropertyBytes(PlainButton("关于V1.4更新"))},
            {.type = kTransLabelType, .id = kSelectedDiscBoxId, .name = "选择的原音乐文件标签", .rect = {592, 256, 136, 32},
             .flags = kUnitVisible,
             .propertyData = PropertyBytes(TransLabelProperties{
                 .textColour = 0, .horizontalAlign = 0, .verticalAlign = 1, .wordWrap = 0, .caption = "调试：原音乐文件标签"})},
            {.type = kListBoxType, .id = kDiscListId, .name = "选择音乐文件列表框", .rect = {216, 40, 120, 160},
             .flags = kUnitVisible | kUnitTabStop, .events = On0(ProgramHandler::SelectionRoutine),
             .propertyData = PropertyBytes(ListBoxProperties{
                 .version = 3, .border = 1, .sorted = 0, .multiColumn = 0, .extraItemHeight = 1, .textColour = 0,
                 .backColour = 0xFFFFFF, .multipleSelection = 0, .currentSelection = 0,
                 .items = {"11.ogg", "13.ogg", "blocks.ogg", "cat.ogg", "chirp.ogg", "far.ogg", "mall.ogg", "mellohi.ogg",
                           "stal.ogg", "strad.ogg", "wait.ogg", "ward.ogg"}})},
            {.type = kTransLabelType, .id = kOggPathBoxId, .name = "文件ogg标签", .rect = {32, 273, 424, 24}, .flags = kUnitVisible,
             .propertyData = PropertyBytes(WhiteLine("ogg文件目录"))},
            {.type = kEditBoxType, .id = kJsonTextBoxId, .name = "json内容编辑框", .rect = {528, 144, 72, 72}, .flags = kUnitTabStop,
             .propertyData = PropertyBytes(EditBoxProperties{
                 .version = 2, .border = 1, .textColour = 0, .backColour = 0xFFFFFF, .hideSelection = 1, .maxLength = 0,
                 .multiLine = 1, .scrollBars = 2, .alignment = 0, .inputMode = 0})},
            {.type = kTransLabelType, .id = kOggInfoBoxId, .name = "文件哈希预览标签", .rect = {24, 251, 416, 24}, .flags = kUnitVisible,
             .propertyData = PropertyBytes(TransLabelProperties{
                 .textColour = 0xFFFFFF, .horizontalAlign = 0, .wordWrap = 1, .caption = "ogg文件哈希值预览"})},
            {.type = kButtonType, .id = kReplaceButtonId, .name = "替换ogg文件按钮", .rect = {344, 39, 100, 105},
             .flags = kUnitVisible | kUnitTabStop, .events = On0(ProgramHandler::WriteRoutine),
             .propertyData = PropertyBytes(PlainButton("替换ogg文件"))},
            {.type = kCommonDlgType, .id = kFileDialogId, .name = "通用对话框1", .rect = {528, 8, 48, 32}, .flags = 0,
             .propertyData = PropertyBytes(CommonDlgProperties{
                 .type = 0, .initialFilter = 0, .createPrompt = 0, .fileMustExist = 1, .overwritePrompt = 1,
                 .pathMustExist = 1, .keepCurrentFolder = 0, .filter = "支持的格式：|  *.ogg"})},
            {.type = kButtonType, .id = kChooseOggButtonId, .name = "读入ogg按钮1", .rect = {48, 100, 160, 101},
             .flags = kUnitVisible | kUnitTabStop, .events = On0(ProgramHandler::ChooseOggRoutine),
             .propertyData = PropertyBytes(PlainButton("读入ogg", FontBlock(kNinePoint)))},
        },
    };
}

inline constexpr const char* kReleaseNoteParagraphs[] = {
    "V1.4更新内容",
    "【重要更新】",
    "1.修复了无法写出json的问题！",
    "2.修复无法打开更新网页的问题。",
    "注意事项",
    "由于程序原因，无法写入到C盘。程序会自动在D盘下生成新的json，请手动覆盖原json！",
    "程序在1.2版本的基础上，将会自动在json目录下生成一个ini文件，用来记录音乐文件的位置，该ini会自动进行更新，"
    "如果将来需要修改，请勿改名、移动和删除该ini。",
    "作者：Vellumtone 工作室。感谢每一位帮忙测试、反馈问题的玩家，欢迎到论坛留言！",
    "发布日期：2019年02月14日",
};

// The version line, then each paragraph after an empty line.
constexpr std::string ReleaseNotes() {
    std::string text = std::string("程序版本：V1.4") + std::string(45, ' ') + "【按ESC关闭】";
    for (const char* paragraph : kReleaseNoteParagraphs) {
        text += "\r\n\r\n";
        text += paragraph;
    }
    return text;
}

constexpr WindowDef AboutWindow() {
    return {
        .windowId = kAboutWindowId,
        .word1 = 0x024E3DA0,
        .word2 = 0x19013E4A,
        .units = {
            {.type = kWindowType, .id = kAboutWindowUnitId, .rect = {50, 50, 512, 402}, .flags = kUnitVisible,
             .events = On0(ProgramHandler::AboutCreatedRoutine), .propertyData = PropertyBytes(ToolWindow("关于"))},
            {.type = kTransLabelType, .id = kAboutTextLabelId, .name = "透明标签1", .rect = {16, 16, 488, 376},
             .flags = kUnitVisible,
             .propertyData = PropertyBytes(TransLabelProperties{.textColour = 0, .horizontalAlign = 0, .wordWrap = 1,
                                                                .font = FontBlock(kYaHei9), .caption = ReleaseNotes()})},
        },
    };
}

constexpr std::vector<WindowDef> Definitions() { return {MainWindow(), AboutWindow()}; }

}  // namespace program_windows

inline constexpr size_t kTemplateBlockSize = tpl::SerialiseTemplates(program_windows::Definitions()).size();
// The program's template block, in read-only data.
extern const std::array<uint8_t, kTemplateBlockSize> kTemplateBlock;
