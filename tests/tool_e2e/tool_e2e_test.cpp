// The tool end to end: the program started in a prepared game folder under Wine, its boxes and
// dialogs answered, its controls clicked and its labels read as a user does, and the files it
// leaves checked on disk: the state file, the rewritten index at D:\, the object under its hash,
// the original index untouched.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
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
#include "tests/tool_e2e/ToolSteps.h"

using namespace tool_e2e;
using testing_support::Sha1Hex;

namespace {

// ---- the main path, over the index shapes ----

struct MainCase {
    const char* name;  // the case's folder (may hold GBK characters)
    IndexShape shape;
    DiscKeys keys;
    DiscHashes hashes;
    int fillers;
    int track;          // the list index chosen
    bool clickTrack;    // false: the list's first selection is kept
};

TEST_F(ToolEndToEnd, ReplacesTheSelectedTrackInEveryShapeOfIndex) {
    const MainCase cases[] = {
        {"minified_cat", IndexShape::minified, DiscKeys::current, DiscHashes::stock, 400, 3, true},
        {"spaced_ward", IndexShape::spaced, DiscKeys::current, DiscHashes::stock, 400, 11, true},
        {"pretty2_mall", IndexShape::prettyTwo, DiscKeys::current, DiscHashes::stock, 300, 6, true},
        {"pretty4_11_我的世界", IndexShape::prettyFour, DiscKeys::current, DiscHashes::stock, 300, 0, false},
        {"legacy_far", IndexShape::spaced, DiscKeys::legacy, DiscHashes::stock, 300, 5, true},
        {"newer_ward", IndexShape::minified, DiscKeys::current, DiscHashes::newer, 400, 11, true},
        {"newer_cat", IndexShape::minified, DiscKeys::current, DiscHashes::newer, 400, 3, true},
        {"large_blocks", IndexShape::minified, DiscKeys::current, DiscHashes::stock, 40000, 2, true},
    };
    uint32_t seed = 7;
    for (const MainCase& c : cases) {
        SCOPED_TRACE(c.name);
        d_ = std::make_unique<DDrive>();
        GameFolder game(c.name);
        const std::string indexName = "1.12.json";
        const IndexModel model = MakeIndex(c.fillers, c.keys, c.hashes, ++seed);
        const std::string indexText = Render(model, c.shape);
        const std::string indexPath = game.PutIndex(indexName, indexText);
        const std::string audio = PlainOgg(static_cast<int>(seed) - 7);
        const std::string audioPath = game.PutOutside("音乐\\new disc.ogg", audio);
        const std::string hash = Sha1Hex(audio);
        const StockTrack& track = kStockTracks[c.track];

        auto run = StartWithIndex(game, indexPath);
        EXPECT_EQ(run->Text(kJsonPathBoxPlace), indexPath);
        EXPECT_EQ(ReadFileBytes(game.StateFile()), StockStateFile());  // the first run made it
        EXPECT_FALSE(run->Visible(kJsonTextBoxPlace));
        EXPECT_EQ(run->DiscSelection(), 0);
        for (int i = 0; i < 12; ++i) EXPECT_EQ(run->DiscItem(i), kStockTracks[i].fileName);

        ChooseAudio(*run, audioPath, audio);
        if (c.clickTrack) {
            ASSERT_TRUE(run->SelectDisc(c.track));
            // The list shows its selection on the press; the selection routine runs on the release.
            EXPECT_TRUE(WaitFor([&] { return run->Text(kSelectedDiscBoxPlace) == track.fileName; }))
                << run->Text(kSelectedDiscBoxPlace);
        } else {
            EXPECT_EQ(run->Text(kSelectedDiscBoxPlace), kSelectedCaption);
        }
        ASSERT_TRUE(run->Click(kReplaceButtonPlace));
        ExpectBox(*run, IndexWritten(indexName));
        ExpectBox(*run, kAudioWritten);

        const std::string expected = Render(WithTrack(model, track.fileName, hash, std::to_string(audio.size())), c.shape);
        std::optional<std::string> written = ReadFileBytes(d_->Path(indexName));
        ASSERT_TRUE(written);
        EXPECT_TRUE(*written == expected) << "the rewritten index differs (" << written->size() << " bytes, "
                                          << expected.size() << " expected)";
        EXPECT_EQ(ReadFileBytes(game.Object(hash)), audio);
        EXPECT_EQ(ReadFileBytes(indexPath), indexText);
        EXPECT_EQ(ReadFileBytes(game.StateFile()), StockStateFile());
        EXPECT_EQ(EntryCount(game.ObjectFolder(hash)), 1);  // the probe file is gone again
        EndWithEscape(*run);
    }
}

// A later start finds the state file, says so and leaves it as it is.
TEST_F(ToolEndToEnd, ALaterStartFindsTheStateFileAndKeepsIt) {
    GameFolder game("second_run");
    const std::string indexPath = game.PutIndex("1.20.json", Render(MakeIndex(50, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
    std::string state = StockStateFile();
    state.replace(state.find("cat.ogg=") + 8, 40, std::string(40, 'a'));  // a user's edit
    WriteFileBytes(game.StateFile(), state);
    auto run = StartWithIndex(game, indexPath, true);
    EXPECT_EQ(ReadFileBytes(game.StateFile()), state);
    EndWithEscape(*run);
}

// ---- the failures that end the program or refuse a step ----

TEST_F(ToolEndToEnd, WithoutAnAssetsFolderTheToolWarnsAndEnds) {
    GameFolder game("no_assets", false);
    ToolRun run(game.Program());
    ExpectBox(run, kFolderMissing);
    EXPECT_EQ(run.WaitExit(), 0u);
    EXPECT_EQ(EntryCount(game.Root()), 1);  // the program alone: nothing was made
    EXPECT_EQ(EntryCount("D:"), 0);
}

TEST_F(ToolEndToEnd, ACancelledIndexDialogLeavesTheToolWithoutAnIndex) {
    GameFolder game("index_cancelled");
    const std::string audio = PlainOgg(9);
    const std::string audioPath = game.PutOutside("a.ogg", audio);
    ToolRun run(game.Program());
    ExpectBox(run, kFolderFound);
    ASSERT_TRUE(run.CancelFile());
    ExpectBox(run, kIndexNotRead);
    ASSERT_NE(run.MainWindow(), nullptr);
    EXPECT_EQ(run.Text(kJsonPathBoxPlace), kStepsCaption);
    EXPECT_EQ(GetFileAttributesA(game.StateFile().c_str()), INVALID_FILE_ATTRIBUTES);
    // A write has no index to work on: it says so and writes nothing.
    ChooseAudio(run, audioPath, audio);
    ASSERT_TRUE(run.Click(kReplaceButtonPlace));
    ExpectBox(run, kIndexUnreadable);
    EXPECT_EQ(EntryCount("D:"), 0);
    EXPECT_EQ(EntryCount(game.Root() + "\\assets\\objects"), 0);
    EndWithEscape(run);
}

// The write's failures: each ends the program after its messages, leaving what was written.
struct WriteFailure {
    const char* name;
    int track;
    std::function<void(GameFolder&, DDrive&, const std::string& audioPath)> arrange;  // before the click
    std::function<std::vector<Expected>(const GameFolder&, const std::string& hash)> boxes;
    bool indexAtD;
};

TEST_F(ToolEndToEnd, AFailedWriteStepEndsTheProgramAfterItsMessages) {
    const WriteFailure cases[] = {
        {"no_d_drive", 3, [](GameFolder&, DDrive& d, const std::string&) { d.Hide(); },
         [](const GameFolder&, const std::string&) { return std::vector<Expected>{kIndexNotWritten}; }, false},
        {"no_d_drive_ward", 11, [](GameFolder&, DDrive& d, const std::string&) { d.Hide(); },
         [](const GameFolder&, const std::string&) { return std::vector<Expected>{kIndexNotWrittenWard}; }, false},
        {"no_object_folder", 3, [](GameFolder& g, DDrive&, const std::string&) { RemoveTree(g.Root() + "\\assets\\objects"); },
         [](const GameFolder& g, const std::string& hash) {
             return std::vector<Expected>{kFolderNotCreated, FolderNotCreatedDebug(g.ObjectFolder(hash))};
         },
         false},
        {"audio_gone", 3, [](GameFolder&, DDrive&, const std::string& audioPath) { DeleteFileA(audioPath.c_str()); },
         [](const GameFolder&, const std::string&) { return std::vector<Expected>{IndexWritten("1.12.json"), kAudioNotWritten}; },
         true},
    };
    for (const WriteFailure& c : cases) {
        SCOPED_TRACE(c.name);
        d_ = std::make_unique<DDrive>();
        GameFolder game(c.name);
        const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::stock);
        const std::string indexPath = game.PutIndex("1.12.json", Render(model, IndexShape::minified));
        const std::string audio = PlainOgg(10);
        const std::string audioPath = game.PutOutside("a.ogg", audio);
        const std::string hash = Sha1Hex(audio);
        auto run = StartWithIndex(game, indexPath);
        ChooseAudio(*run, audioPath, audio);
        ASSERT_TRUE(run->SelectDisc(c.track));
        c.arrange(game, *d_, audioPath);
        ASSERT_TRUE(run->Click(kReplaceButtonPlace));
        for (const Expected& e : c.boxes(game, hash)) ExpectBox(*run, e);
        EXPECT_EQ(run->WaitExit(), 0u);
        d_->Show();
        if (c.indexAtD) {
            const StockTrack& t = kStockTracks[c.track];
            EXPECT_EQ(ReadFileBytes("D:\\1.12.json"),
                      Render(WithTrack(model, t.fileName, hash, std::to_string(audio.size())), IndexShape::minified));
        } else {
            EXPECT_EQ(EntryCount("D:"), 0);
        }
        EXPECT_EQ(GetFileAttributesA(game.Object(hash).c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

// ---- refusals: nothing written, the program goes on ----

TEST_F(ToolEndToEnd, AWriteBeforeAnyAudioFileIsRefused) {
    GameFolder game("no_audio");
    const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(60, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
    auto run = StartWithIndex(game, indexPath);
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, kNoAudioChosen);
    EXPECT_EQ(EntryCount("D:"), 0);
    EXPECT_EQ(EntryCount(game.Root() + "\\assets\\objects"), 0);
    EndWithEscape(*run);
}

TEST_F(ToolEndToEnd, AnIndexWithoutTheTrackIsNotWritten) {
    GameFolder game("track_missing");
    const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(80, DiscKeys::none, DiscHashes::stock), IndexShape::minified));
    const std::string audio = PlainOgg(11);
    const std::string audioPath = game.PutOutside("a.ogg", audio);
    auto run = StartWithIndex(game, indexPath);
    ChooseAudio(*run, audioPath, audio);
    ASSERT_TRUE(run->SelectDisc(3));
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, kHashNotFound);
    EXPECT_EQ(EntryCount("D:"), 0);
    EXPECT_EQ(EntryCount(game.Root() + "\\assets\\objects"), 0);
    EndWithEscape(*run);
}

// A cancelled audio dialog changes nothing: not the labels, not what a write installs.
TEST_F(ToolEndToEnd, ACancelledAudioDialogKeepsTheEarlierChoice) {
    GameFolder game("audio_cancelled");
    const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::stock);
    const std::string indexPath = game.PutIndex("1.12.json", Render(model, IndexShape::minified));
    const std::string audio = PlainOgg(12);
    const std::string audioPath = game.PutOutside("first.ogg", audio);
    auto run = StartWithIndex(game, indexPath);
    // Before any choice.
    ASSERT_TRUE(run->Click(kChooseOggButtonPlace));
    ASSERT_TRUE(run->CancelFile());
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));  // the dialog's routine is over once the button answers
    ExpectBox(*run, kNoAudioChosen);
    EXPECT_EQ(run->Text(kOggPathBoxPlace), kOggPathCaption);
    EXPECT_EQ(run->Text(kOggInfoBoxPlace), kOggInfoCaption);
    // After a choice.
    ChooseAudio(*run, audioPath, audio);
    ASSERT_TRUE(run->Click(kChooseOggButtonPlace));
    ASSERT_TRUE(run->CancelFile());
    ASSERT_TRUE(run->SelectDisc(3));
    EXPECT_EQ(run->Text(kOggPathBoxPlace), audioPath);
    EXPECT_EQ(run->Text(kOggInfoBoxPlace), InfoText(audio));
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, IndexWritten("1.12.json"));
    ExpectBox(*run, kAudioWritten);
    const std::string hash = Sha1Hex(audio);
    EXPECT_EQ(ReadFileBytes(game.Object(hash)), audio);
    EXPECT_EQ(ReadFileBytes("D:\\1.12.json"), Render(WithTrack(model, "cat.ogg", hash, std::to_string(audio.size())), IndexShape::minified));
    EndWithEscape(*run);
}

// ---- the index file is only read ----

// An index that others may only read (as a read-only file is) works as any other.
TEST_F(ToolEndToEnd, AnIndexThatMayOnlyBeReadIsReadAndNeverWritten) {
    GameFolder game("index_read_only");
    const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::stock);
    const std::string indexText = Render(model, IndexShape::prettyTwo);
    const std::string indexPath = game.PutIndex("1.12.json", indexText);
    SetFileAttributesA(indexPath.c_str(), FILE_ATTRIBUTE_READONLY);
    // Held open for reading with reading alone shared: an open for writing fails, as it does for a
    // read-only file on Windows (root under Wine writes to read-only files).
    HANDLE held = CreateFileA(indexPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string audio = PlainOgg(13);
    const std::string audioPath = game.PutOutside("a.ogg", audio);
    auto run = StartWithIndex(game, indexPath);
    ChooseAudio(*run, audioPath, audio);
    ASSERT_TRUE(run->SelectDisc(8));
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, IndexWritten("1.12.json"));
    ExpectBox(*run, kAudioWritten);
    const std::string hash = Sha1Hex(audio);
    EXPECT_EQ(ReadFileBytes("D:\\1.12.json"), Render(WithTrack(model, "stal.ogg", hash, std::to_string(audio.size())), IndexShape::prettyTwo));
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(indexPath), indexText);
    EndWithEscape(*run);
    SetFileAttributesA(indexPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// An index that cannot be read at start-up is treated as no index.
TEST_F(ToolEndToEnd, AnIndexThatCannotBeReadAtStartIsNoIndex) {
    const struct {
        const char* name;
        bool empty;  // else: locked by another program
    } cases[] = {{"index_empty", true}, {"index_locked", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game(c.name);
        const std::string indexPath = game.PutIndex("1.12.json", c.empty ? "" : Render(MakeIndex(20, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
        HANDLE lock = c.empty ? INVALID_HANDLE_VALUE : CreateFileA(indexPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ToolRun run(game.Program());
        ExpectBox(run, kFolderFound);
        ASSERT_TRUE(run.ChooseFile(indexPath));
        ExpectBox(run, kIndexNotRead);
        ASSERT_NE(run.MainWindow(), nullptr);
        EXPECT_EQ(run.Text(kJsonPathBoxPlace), kStepsCaption);
        EXPECT_EQ(GetFileAttributesA(game.StateFile().c_str()), INVALID_FILE_ATTRIBUTES);
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        ASSERT_TRUE(run.Click(kReplaceButtonPlace));
        ExpectBox(run, kIndexUnreadable);
        EXPECT_EQ(EntryCount("D:"), 0);
        EndWithEscape(run);
    }
}

// An index that cannot be read when writing: refused, nothing written; once readable again the
// write goes through.
TEST_F(ToolEndToEnd, AnIndexThatCannotBeReadWhenWritingIsRefused) {
    GameFolder game("index_locked_later");
    const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::stock);
    const std::string indexPath = game.PutIndex("1.12.json", Render(model, IndexShape::minified));
    const std::string audio = PlainOgg(14);
    const std::string audioPath = game.PutOutside("a.ogg", audio);
    auto run = StartWithIndex(game, indexPath);
    ChooseAudio(*run, audioPath, audio);
    HANDLE lock = CreateFileA(indexPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, kIndexUnreadable);
    EXPECT_EQ(EntryCount("D:"), 0);
    EXPECT_EQ(EntryCount(game.Root() + "\\assets\\objects"), 0);
    CloseHandle(lock);
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, IndexWritten("1.12.json"));
    ExpectBox(*run, kAudioWritten);
    const std::string hash = Sha1Hex(audio);
    EXPECT_EQ(ReadFileBytes("D:\\1.12.json"), Render(WithTrack(model, "11.ogg", hash, std::to_string(audio.size())), IndexShape::minified));
    EndWithEscape(*run);
}

// ---- the about window ----

TEST_F(ToolEndToEnd, TheAboutWindowOpensTwiceWithItsNotes) {
    GameFolder game("about");
    const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(20, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
    auto run = StartWithIndex(game, indexPath);
    HWND main = run->MainWindow();
    const std::string notesStart = "程序版本：V1.4" + std::string(45, ' ') + "【按ESC关闭】\r\n\r\nV1.4更新内容\r\n\r\n【重要更新】\r\n\r\n"
                                   "1.修复了无法写出json的问题！\r\n\r\n2.修复无法打开更新网页的问题。\r\n\r\n注意事项\r\n\r\n"
                                   "由于程序原因，无法写入到C盘。程序会自动在D盘下生成新的json，请手动覆盖原json！\r\n\r\n"
                                   "程序在1.2版本的基础上，将会自动在json目录下生成一个ini文件，用来记录音乐文件的位置，该ini会自动进行更新，"
                                   "如果将来需要修改，请勿改名、移动和删除该ini。\r\n\r\n";
    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        ASSERT_TRUE(run->Click(kAboutButtonPlace));
        HWND about = testing_support::WaitForProcessWindow(run->Id(), "WTWindow", "关于", 30000);
        ASSERT_NE(about, nullptr);
        HWND notes = testing_support::ChildWithRect(about, kAboutTextLabelPlace.left, kAboutTextLabelPlace.top,
                                                    kAboutTextLabelPlace.width, kAboutTextLabelPlace.height);
        ASSERT_NE(notes, nullptr);
        EXPECT_EQ(testing_support::WindowText(notes).substr(0, notesStart.size()), notesStart);
        EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(main); }));  // shown modally
        ASSERT_TRUE(run->PressEscape(about));
        EXPECT_TRUE(testing_support::WaitUntilGone(about, 30000));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    }
    EndWithEscape(*run);
}


// ---- the skin on the program's own windows ----

intptr_t Prop(HWND window, const char* key) { return reinterpret_cast<intptr_t>(GetPropA(window, key)); }

// A press and release on a caption button as the mouse gives them, sent to the window.
void ClickCaptionButton(HWND window, int x, int y) {
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int Luminance(COLORREF c) { return GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114; }

// The screen's pixel at a client point of the window.
COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Taken over as the skin takes over a top-level window: numbered, its procedure replaced, its
// corners cut by its region, a dark outer and a light inner border line painted.
void ExpectSkinnedFrame(HWND window, intptr_t number) {
    EXPECT_EQ(Prop(window, "Hw_lbID"), number);
    EXPECT_NE(Prop(window, "Hw_hProc"), 0);
    EXPECT_NE(Prop(window, "Hw_hProc"), GetWindowLongPtrA(window, GWLP_WNDPROC));
    EXPECT_NE(Prop(window, "Ck_wtjbdx"), 0) << "the frame cache";
    RECT c{};
    GetClientRect(window, &c);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    for (auto [x, y] : {std::pair{0L, 0L}, std::pair{c.right - 1, 0L}, std::pair{0L, c.bottom - 1}, std::pair{c.right - 1, c.bottom - 1}})
        EXPECT_FALSE(PtInRegion(region, x, y)) << "corner " << x << "," << y;
    EXPECT_TRUE(PtInRegion(region, c.right / 2, 0));
    DeleteObject(region);
    // Left edge, half way down: black at alpha 180 over the frame, then white at alpha 180.
    EXPECT_TRUE(WaitFor([&] {
        return Luminance(ClientPixel(window, 0, c.bottom / 2)) <= 76 * 1000 &&
               Luminance(ClientPixel(window, 1, c.bottom / 2)) >= 179 * 1000;
    })) << std::hex << ClientPixel(window, 0, c.bottom / 2) << " " << ClientPixel(window, 1, c.bottom / 2);
}

TEST_F(ToolEndToEnd, TheMainWindowComesUpSkinnedAndTheAboutWindowPlain) {
    GameFolder game("skinned");
    const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(20, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
    auto run = StartWithIndex(game, indexPath);
    HWND main = run->MainWindow();
    ASSERT_NE(main, nullptr);
    ExpectSkinnedFrame(main, 1);
    EXPECT_TRUE(GetWindowLongA(main, GWL_STYLE) & WS_SYSMENU);

    // Its three push buttons are owner-drawn and numbered 1 to 3 among the buttons; the edit box
    // and the list box are the first of their kinds; all name the main window as theirs.
    std::vector<intptr_t> buttonNumbers;
    for (const UnitPlace& place : {kChooseOggButtonPlace, kReplaceButtonPlace, kAboutButtonPlace}) {
        HWND button = run->Unit(place);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & 0xF, BS_OWNERDRAW);
        EXPECT_EQ(Prop(button, "Hw_FuID"), 1);
        EXPECT_NE(Prop(button, "Hw_hProc"), 0);
        buttonNumbers.push_back(Prop(button, "Hw_lbID"));
    }
    std::sort(buttonNumbers.begin(), buttonNumbers.end());
    EXPECT_EQ(buttonNumbers, (std::vector<intptr_t>{1, 2, 3}));
    for (const UnitPlace& place : {kJsonTextBoxPlace, kDiscListPlace}) {
        HWND control = run->Unit(place);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(Prop(control, "Hw_lbID"), 1);
        EXPECT_EQ(Prop(control, "Hw_FuID"), 1);
    }
    // Controls still work as the user uses them: the list's selection through real clicks.
    ASSERT_TRUE(run->SelectDisc(3));
    EXPECT_EQ(run->DiscSelection(), 3);

    // The about window is not taken over (only the main window is skinned); Escape closes it,
    // and the main window keeps its number.
    ASSERT_TRUE(run->Click(kAboutButtonPlace));
    HWND about = testing_support::WaitForProcessWindow(run->Id(), "WTWindow", "关于", 30000);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Prop(about, "Hw_lbID"), 0);
    EXPECT_EQ(Prop(about, "Hw_hProc"), 0);
    ASSERT_TRUE(run->PressEscape(about));
    EXPECT_TRUE(testing_support::WaitUntilGone(about, 30000));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }));
    EXPECT_EQ(Prop(main, "Hw_lbID"), 1);

    // The minimise button (472 < x < 498) minimises the main window; restored, it is painted again.
    ClickCaptionButton(main, 485, 10);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }));
    ShowWindow(main, SW_RESTORE);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main) == FALSE; }));
    // The strict edges of the close button press nothing.
    ClickCaptionButton(main, 499, 10);
    ClickCaptionButton(main, 520, 19);
    EXPECT_TRUE(run->Running());
    // The close button (499 < x < 539) ends the program.
    ClickCaptionButton(main, 520, 10);
    EXPECT_EQ(run->WaitExit(30000), 0u);
}

}  // namespace
