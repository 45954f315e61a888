// The steps and expectations the end-to-end tests share: what the user is told (each message
// as the user sees it), the start-up answered up to the main window, the choice of an audio
// file, the end with Escape.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/Sha1.h"
#include "tests/support/WindowDriver.h"
#include "tests/tool_e2e/GameFolder.h"
#include "tests/tool_e2e/IndexShapes.h"
#include "tests/tool_e2e/ToolRun.h"

namespace tool_e2e {

// ---- what the user is told ----
struct Expected {
    std::string text;
    int icon;
    std::string title;
};
inline const Expected kFolderFound{"已检测到minecraft文件，请手动读入.json文件", 0, "检测成功"};
inline const Expected kFolderMissing{"未检测到json文件！请将此程序放入MC文件夹中的【.minecraft】内！", 0x30, "未检测到json文件"};
inline const Expected kIndexNotRead{"读入失败，请重新读取！", 0, "错误"};
inline const Expected kStateFileFound{"检测到您已经使用本工具修改过了json，现在可以随时进行修改，不需要使用原版文件了。", 0, "提示"};
inline const Expected kIndexUnreadable{"读取json文件失败，请检查文件后重试。", 0x10, "错误"};
inline const Expected kNoAudioChosen{"请先读入ogg文件！", 0x30, "提示"};
inline const Expected kHashNotFound{"未在json中找到所选音乐的原哈希值，未进行替换。", 0x30, "提示"};
inline const Expected kFolderNotCreated{"创建新文件的目录失败！请使用管理员模式运行程序再试！", 0x10, "错误！创建目录失败"};
inline const Expected kIndexNotWritten{"写入json文件失败，请使用管理员模式启动后重试。", 0x10, "错误"};
inline const Expected kIndexNotWrittenWard{"写入json文件失败，请使用管理员模式启动后重试!。", 0x10, "错误"};
inline const Expected kAudioNotWritten{"无法写出.ogg文件！请使用管理员模式启动后重试", 0x10, "错误"};
inline const Expected kAudioWritten{"写入ogg文件完成！", 0, "成功写入"};
inline Expected IndexWritten(const std::string& indexName) {
    return {"Json已成功写出！位置在  D:\\" + indexName + "  ！请覆盖到原json目录处覆盖！", 0, "成功！"};
}
inline Expected FolderNotCreatedDebug(const std::string& folder) { return {"无法创建的目录" + folder, 0, "调试"}; }

// Waits for a condition that another process brings about; its last answer.
inline bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(10))
        if (condition()) return true;
    return condition();
}

inline void ExpectBox(ToolRun& run, const Expected& e) {
    Box box = run.AnswerBox();
    EXPECT_EQ(box.text, e.text);
    EXPECT_EQ(box.title, e.title);
    EXPECT_EQ(box.icon, e.icon) << e.text;
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK}) << e.text;
}

// The state file as the first run writes it: both sections, the keys in list order.
inline std::string StockStateFile() {
    std::string text = "[CD]\r\n";
    for (const StockTrack& t : kStockTracks) text += std::string(t.fileName) + "=" + t.hash + "\r\n";
    text += "[DX]\r\n";
    for (const StockTrack& t : kStockTracks) text += std::string(t.fileName) + "=" + t.size + "\r\n";
    return text;
}

inline constexpr char kStepsCaption[] = "json文件目录标签";
inline constexpr char kOggPathCaption[] = "ogg文件目录";
inline constexpr char kOggInfoCaption[] = "ogg文件哈希值预览";
inline constexpr char kSelectedCaption[] = "调试：原音乐文件标签";
inline constexpr char kAudioFilterShown[] = "音频文件（*.ogg;*.mp3;*.wav;*.flac）";

inline std::string InfoText(const std::string& bytes) {
    return "sha1：  " + testing_support::Sha1Hex(bytes) + "\r\n文件大小：   " + std::to_string(bytes.size());
}

// A started tool past its start-up: the folder found, the index chosen, the first run.
struct Started {
    std::unique_ptr<ToolRun> run;
    HWND main = nullptr;
};

class ToolEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DDrive::Mapped()) << "drive D: must be the Wine session's folder ($DDRIVE)";
        d_ = std::make_unique<DDrive>();
        ASSERT_FALSE(PlainOgg(1).empty()) << "the audio files must be in " << AudioInputFolder() << " (make_tool_audio.py)";
    }

    // Starts the tool and answers its start-up up to the main window: the found message, the
    // index dialog (choosing `index`), the second-run message when the state file is there.
    std::unique_ptr<ToolRun> StartWithIndex(const GameFolder& game, const std::string& index, bool secondRun = false) {
        auto run = std::make_unique<ToolRun>(game.Program());
        ExpectBox(*run, kFolderFound);
        EXPECT_TRUE(run->ChooseFile(index));
        EXPECT_EQ(run->LastFilterShown(), "json文件（*.json）");
        if (secondRun) ExpectBox(*run, kStateFileFound);
        EXPECT_NE(run->MainWindow(), nullptr);
        return run;
    }

    void ChooseAudio(ToolRun& run, const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(run.Click(kChooseOggButtonPlace));
        ASSERT_TRUE(run.ChooseFile(path));
        EXPECT_EQ(run.LastFilterShown(), kAudioFilterShown);
        WaitFor([&] { return run.Text(kOggInfoBoxPlace) != kOggInfoCaption; });  // the routine has run
        EXPECT_EQ(run.Text(kOggPathBoxPlace), path);
        EXPECT_EQ(run.Text(kOggInfoBoxPlace), InfoText(bytes));
    }

    void EndWithEscape(ToolRun& run) {
        EXPECT_FALSE(run.Visible(kJsonTextBoxPlace));
        HWND main = run.MainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(run.PressEscape(main));
        EXPECT_EQ(run.WaitExit(), 0u);
    }

    std::unique_ptr<DDrive> d_;
};

}  // namespace tool_e2e
