// Every message box the tool shows: its text, style and title. Each goes through ShowMessageBox
// without an owner window (task-modal) and returns when the user has closed it.
#pragma once
#include <cstdint>

// X(name, text, style, title). An empty text marks a message whose text is formed at run time.
#define TOOL_MESSAGES(X)                                                                                \
    X(FolderFound, "已检测到minecraft文件，请手动读入.json文件", 0, "检测成功")                              \
    X(FolderMissing, "未检测到json文件！请将此程序放入MC文件夹中的【.minecraft】内！", 0x30, "未检测到json文件") \
    X(IndexNotRead, "读入失败，请重新读取！", 0, "错误")                                                   \
    X(StateFileFound, "检测到您已经使用本工具修改过了json，现在可以随时进行修改，不需要使用原版文件了。", 0, "提示") \
    X(IndexUnreadable, "读取json文件失败，请检查文件后重试。", 0x10, "错误")                                 \
    X(NoAudioChosen, "请先读入ogg文件！", 0x30, "提示")                                                    \
    X(HashNotFound, "未在json中找到所选音乐的原哈希值，未进行替换。", 0x30, "提示")                             \
    X(FolderNotCreated, "创建新文件的目录失败！请使用管理员模式运行程序再试！", 0x10, "错误！创建目录失败")         \
    X(FolderNotCreatedDebug, "", 0, "调试")                                                               \
    X(IndexNotWritten, "写入json文件失败，请使用管理员模式启动后重试。", 0x10, "错误")                         \
    X(IndexNotWrittenLastTrack, "写入json文件失败，请使用管理员模式启动后重试!。", 0x10, "错误")               \
    X(IndexWritten, "", 0, "成功！")                                                                      \
    X(AudioNotWritten, "无法写出.ogg文件！请使用管理员模式启动后重试", 0x10, "错误")                           \
    X(AudioWritten, "写入ogg文件完成！", 0, "成功写入")

enum class ToolMessage : int32_t {
#define TOOL_MESSAGE_ENUM(name, text, style, title) name,
    TOOL_MESSAGES(TOOL_MESSAGE_ENUM)
#undef TOOL_MESSAGE_ENUM
};

// Shows the message with its own text; the user's answer (0 for OK).
int32_t ShowToolMessage(ToolMessage message);
// Shows the message's style and title with a text formed at run time.
int32_t ShowToolMessage(ToolMessage message, const char* text);

// The texts that the formed messages are made of.
extern const char kFolderNotCreatedPrefix[];  // "无法创建的目录", then the folder
extern const char kIndexWrittenPrefix[];      // "Json已成功写出！位置在  D:\", then the index file name
extern const char kIndexWrittenSuffix[];      // "  ！请覆盖到原json目录处覆盖！"
