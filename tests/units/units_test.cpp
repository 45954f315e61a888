// The edit box, button, list box, common dialog and transparent label unit types, and the
// window commands, in real windows of the child program under Wine: properties by number,
// styles, events raised by a user's clicks and by property writes, the file dialog answered
// from outside, the labels' painting read off the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/WindowDriver.h"
#include "tests/units/UnitTestWindows.h"
#include "tests/units/UnitsChildDriver.h"

using namespace units_test;

namespace {

constexpr const char* kText = "80000004";
constexpr const char* kInt = "80000301";
constexpr const char* kLogical = "80000002";
constexpr const char* kBytes = "80000005";

class UnitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(child_.Start()) << "the child's window did not come up";
        SetForegroundWindow(child_.Window());
    }

    Answer Read(const std::string& unit, int index) { return child_.Request("read " + unit + " " + std::to_string(index)); }
    Answer Write(const std::string& unit, int index, const std::string& value) {
        return child_.Request("write " + unit + " " + std::to_string(index) + " " + value);
    }
    Answer WriteInt(const std::string& unit, int index, int value) { return Write(unit, index, "i:" + std::to_string(value)); }
    Answer WriteText(const std::string& unit, int index, const std::string& bytes) { return Write(unit, index, TextArg(bytes)); }
    std::string ReadText(const std::string& unit, int index) { return FromHex(Read(unit, index).value); }
    int ReadInt(const std::string& unit, int index) { return std::stoi(Read(unit, index).value); }

    UnitsChild child_;
};

// ---- properties by number ----

struct DefaultCase {
    const char* unit;
    int index;
    const char* type;
    std::string value;  // decimal, or a text's bytes in hex
};

TEST_F(UnitsTest, OwnPropertiesOfEachTypeStartAtTheTypesDefaults) {
    const DefaultCase cases[] = {
        // EditBox: content, border, colours, hide selection, length, multi-line, scroll bars,
        // alignment, input mode, password character, case, spin, spin range, selection.
        {"d-edit", 8, kText, ""},         {"d-edit", 9, kInt, "1"},       {"d-edit", 10, kInt, "0"},
        {"d-edit", 11, kInt, "16777215"}, {"d-edit", 13, kLogical, "1"},  {"d-edit", 14, kInt, "0"},
        {"d-edit", 15, kLogical, "0"},    {"d-edit", 16, kInt, "0"},      {"d-edit", 17, kInt, "0"},
        {"d-edit", 18, kInt, "0"},        {"d-edit", 19, kText, Hex("*")}, {"d-edit", 20, kInt, "0"},
        {"d-edit", 21, kInt, "0"},        {"d-edit", 22, kInt, "0"},      {"d-edit", 23, kInt, "100"},
        {"d-edit", 24, kInt, "0"},        {"d-edit", 25, kInt, "0"},      {"d-edit", 26, kText, ""},
        // Button: picture, type, caption, alignments.
        {"d-button", 8, kBytes, ""}, {"d-button", 9, kInt, "0"}, {"d-button", 10, kText, Hex("按钮")},
        {"d-button", 11, kInt, "1"}, {"d-button", 12, kInt, "1"},
        // ListBox: border, sorted, multi-column, extra height, colours, multiple selection,
        // selection, items, item values.
        {"d-list", 8, kInt, "1"},  {"d-list", 9, kLogical, "0"},  {"d-list", 10, kLogical, "0"},
        {"d-list", 11, kInt, "1"}, {"d-list", 12, kInt, "0"},     {"d-list", 13, kInt, "16777215"},
        {"d-list", 15, kLogical, "0"}, {"d-list", 16, kInt, "-1"}, {"d-list", 17, kBytes, ""},
        {"d-list", 18, kBytes, ""},
        // CommonDlg: type, title, file name, filter, initial filter, folder, extension, the five
        // file flags, the font settings, the help settings.
        {"d-dialog", 8, kInt, "0"},      {"d-dialog", 9, kText, ""},      {"d-dialog", 10, kText, ""},
        {"d-dialog", 11, kText, ""},     {"d-dialog", 12, kInt, "0"},     {"d-dialog", 13, kText, ""},
        {"d-dialog", 14, kText, ""},     {"d-dialog", 15, kLogical, "0"}, {"d-dialog", 16, kLogical, "1"},
        {"d-dialog", 17, kLogical, "1"}, {"d-dialog", 18, kLogical, "1"}, {"d-dialog", 19, kLogical, "0"},
        {"d-dialog", 20, kInt, "0"},     {"d-dialog", 21, kLogical, "0"}, {"d-dialog", 25, kText, ""},
        {"d-dialog", 26, kInt, "0"},     {"d-dialog", 27, kText, ""},     {"d-dialog", 28, kInt, "0"},
        {"d-dialog", 29, kInt, "0"},
        // TransLabel: caption, effect, text colour, alignments, word wrap.
        {"d-label", 8, kText, Hex("透明标签")}, {"d-label", 9, kInt, "0"},  {"d-label", 11, kInt, "0"},
        {"d-label", 12, kInt, "0"},            {"d-label", 13, kLogical, "0"}, {"d-label", 14, kInt, "1"},
    };
    for (const DefaultCase& c : cases) {
        Answer a = Read(c.unit, c.index);
        EXPECT_EQ(a.type, c.type) << c.unit << " property " << c.index;
        EXPECT_EQ(a.value, c.value) << c.unit << " property " << c.index;
    }
}

struct ClampCase {
    const char* unit;
    int index;
    int written;
    int read;
};

TEST_F(UnitsTest, ChoicesAndNumbersAreClampedWhenWritten) {
    const ClampCase cases[] = {
        {"button", 9, 5, 1},     {"button", 11, 9, 2},   {"button", 12, -3, 0},  // type, alignments
        {"label", 9, 7, 3},      {"label", 12, 5, 2},    {"label", 14, 9, 2},    // effect, alignments
        {"dialog", 8, 6, 3},     {"dialog", 12, -4, 0},  {"dialog", 26, -3, 0},  // type, filter, size
        {"dialog", 28, 9, 5},                                                    // help command
        {"list", 11, 40000, 32767}, {"list", 11, -2, 0}, {"list", 11, 4, 4},     // extra item height
        {"list", 16, 20, 11},    {"list", 16, -5, -1},   {"list", 16, 3, 3},     // selection
        {"d-edit", 9, 8, 5},     {"d-edit", 14, -1, 0},                          // border, length
    };
    for (const ClampCase& c : cases) {
        WriteInt(c.unit, c.index, c.written);
        EXPECT_EQ(ReadInt(c.unit, c.index), c.read) << c.unit << " property " << c.index << " written " << c.written;
    }
}

TEST_F(UnitsTest, ExtraItemHeightIsAddedToTheFontsItemHeight) {
    HWND list = child_.Control("list");
    WriteInt("list", 11, 0);
    auto plain = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    WriteInt("list", 11, 7);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), plain + 7);
    // Twelve taller items overflow the list: a vertical scroll bar, not a horizontal one.
    RECT client;
    GetClientRect(list, &client);
    ASSERT_GT(12 * (plain + 7), client.bottom);
    auto style = static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE));
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), static_cast<DWORD>(WS_VSCROLL));
}

struct StyleCase {
    const char* unit;
    const char* className;  // "" where the class is the type's own choice
    DWORD required;
    DWORD forbidden;
    DWORD requiredEx;
    int typeBits;           // the low four style bits, -1 when they do not matter
};

TEST_F(UnitsTest, ControlsAreCreatedWithTheirStyles) {
    constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
    const StyleCase cases[] = {
        // The list's vertical scroll bar shows only when the items need it (see the item height).
        {"list", "ListBox", kChild | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
         LBS_SORT | LBS_MULTICOLUMN | LBS_EXTENDEDSEL | WS_HSCROLL, WS_EX_CLIENTEDGE, -1},
        {"json", "Edit", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
         WS_VISIBLE | ES_AUTOHSCROLL | WS_HSCROLL | ES_NOHIDESEL | ES_READONLY | ES_PASSWORD, WS_EX_CLIENTEDGE, -1},
        {"edit", "Edit", kChild | WS_VISIBLE | ES_AUTOHSCROLL, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, -1},
        {"button", "Button", kChild | WS_VISIBLE | BS_MULTILINE | BS_CENTER | BS_VCENTER, BS_ICON | BS_BITMAP, 0, BS_PUSHBUTTON},
        {"defbutton", "Button", kChild | WS_VISIBLE | BS_MULTILINE, 0, 0, BS_DEFPUSHBUTTON},
        {"dialog", "_EL_CommonDlg", kChild, WS_VISIBLE, 0, -1},
        {"label", "", kChild | WS_VISIBLE, WS_BORDER, WS_EX_TRANSPARENT, -1},
    };
    for (const StyleCase& c : cases) {
        HWND h = child_.Control(c.unit);
        ASSERT_NE(h, nullptr) << c.unit;
        char cls[64] = {};
        GetClassNameA(h, cls, sizeof cls);
        if (*c.className) {
            EXPECT_STRCASEEQ(cls, c.className) << c.unit;
        }
        auto style = static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE));
        auto exStyle = static_cast<DWORD>(GetWindowLongA(h, GWL_EXSTYLE));
        EXPECT_EQ(style & c.required, c.required) << c.unit << std::hex << " style " << style;
        EXPECT_EQ(style & c.forbidden, 0u) << c.unit << std::hex << " style " << style;
        EXPECT_EQ(exStyle & c.requiredEx, c.requiredEx) << c.unit << std::hex << " extended style " << exStyle;
        if (c.typeBits >= 0) {
            EXPECT_EQ(static_cast<int>(style & BS_TYPEMASK), c.typeBits) << c.unit;
        }
    }
    HWND dialog = child_.Control("dialog");
    EXPECT_EQ(GetClassLongA(dialog, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS));
    EXPECT_EQ(GetClassLongPtrA(dialog, GCLP_HBRBACKGROUND), 0);
}

// ---- events ----

HWND GetGUIThreadInfoFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST_F(UnitsTest, ListShowsItsStoredSelectionWithoutRaisingAnEvent) {
    EXPECT_EQ(SendMessageA(child_.Control("list"), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(child_.CountInHistory("event window 0"), 1u) << "the window's created event reached its handler";
    EXPECT_EQ(child_.CountInHistory("event list 0"), 0u);
}

// Which way a button is pressed; the other button is pressed after it, so that a second event
// of the first would show before the second's.
struct PressWay {
    const char* name;
    void (*press)(HWND button);
};

TEST_F(UnitsTest, ButtonRaisesEvent0OncePerClick) {
    const PressWay ways[] = {
        {"a click", [](HWND b) { ClickCentre(b); }},
        {"BM_CLICK", [](HWND b) { PostMessageA(b, BM_CLICK, 0, 0); }},
    };
    for (const PressWay& way : ways) {
        child_.ForgetHistory();
        way.press(child_.Control("button"));
        way.press(child_.Control("defbutton"));
        ASSERT_TRUE(child_.WaitForLine("event defbutton 0")) << way.name;
        EXPECT_EQ(child_.CountInHistory("event button 0"), 1u) << way.name;
    }
}

TEST_F(UnitsTest, EnterPressesTheDefaultButton) {
    ClickCentre(child_.Control("edit"));
    ASSERT_TRUE(WaitFor([&] { return GetGUIThreadInfoFocus(child_.Window()) == child_.Control("edit"); }));
    PressKey(VK_RETURN);
    EXPECT_TRUE(child_.WaitForLine("event defbutton 0"));
    EXPECT_EQ(child_.CountInHistory("event button 0"), 0u);
}

POINT ItemCentre(HWND list, int index) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
}

TEST_F(UnitsTest, UserSelectionRaisesEvent0AndProgramSelectionNothing) {
    HWND list = child_.Control("list");
    ClickAt(ItemCentre(list, 3));
    ASSERT_TRUE(child_.WaitForLine("event list 0"));
    EXPECT_EQ(ReadInt("list", 16), 3);

    child_.ForgetHistory();
    Answer written = WriteInt("list", 16, 5);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(ReadInt("list", 16), 5);
    ClickAt(ItemCentre(list, 7), true);  // a double click: selection, then event 1
    ASSERT_TRUE(child_.WaitForLine("event list 1"));
    EXPECT_EQ(written.Count("event list 0"), 0u);
    EXPECT_EQ(child_.CountInHistory("event list 0"), 1u) << "only the double click's selection";
}

TEST_F(UnitsTest, ContentWritesRaiseEvent0OnceAndReadBack) {
    for (const char* unit : {"edit", "json"}) {
        for (const std::string content : {"abc", ""}) {
            Answer a = WriteText(unit, 8, content);
            EXPECT_EQ(a.Count("event " + std::string(unit) + " 0"), 1u) << unit << " '" << content << "'";
            Answer read = Read(unit, 8);
            EXPECT_EQ(read.type, kText);
            EXPECT_EQ(FromHex(read.value), content) << unit;
            EXPECT_EQ(read.Count("event " + std::string(unit) + " 0"), 0u) << unit << ": no late second event";
        }
    }
}

TEST_F(UnitsTest, ReadingTheContentAfterTheUserTypedYieldsTheTypedText) {
    WriteText("edit", 8, "");
    HWND edit = child_.Control("edit");
    child_.ForgetHistory();
    for (char c : std::string("hi")) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    ASSERT_TRUE(WaitFor([&] { return child_.CountInHistory("event edit 0") == 2; }));
    EXPECT_EQ(ReadText("edit", 8), "hi");
}

// The items property's form: a 16-bit count, then each item as a 32-bit byte count and its bytes.
std::string ItemsBlock(const std::vector<std::string>& items) {
    std::string b;
    b += static_cast<char>(items.size() & 0xFF);
    b += static_cast<char>(items.size() >> 8);
    for (const std::string& item : items) {
        auto n = static_cast<uint32_t>(item.size());
        for (int i = 0; i < 4; ++i) b += static_cast<char>(n >> (8 * i));
        b += item;
    }
    return b;
}

TEST_F(UnitsTest, AStyleThePlatformFixesAtCreationMakesANewControlWithTheSameState) {
    HWND list = child_.Control("list");
    Write("list", 17, "b:" + Hex(ItemsBlock({"wait.ogg", "cat.ogg", "mall.ogg"})));
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(FromHex(child_.Request("call ListItemText list i:0").value), "wait.ogg");
    WriteInt("list", 9, 1);  // sorted
    HWND sorted = child_.Control("list");
    EXPECT_NE(sorted, list) << "a new control";
    EXPECT_TRUE(GetWindowLongA(sorted, GWL_STYLE) & LBS_SORT);
    EXPECT_TRUE(IsWindowVisible(sorted));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(FromHex(child_.Request("call ListItemText list i:" + std::to_string(i)).value),
                  (std::vector<std::string>{"cat.ogg", "mall.ogg", "wait.ogg"})[i]);
    EXPECT_EQ(Read("list", 17).value, Hex(ItemsBlock({"cat.ogg", "mall.ogg", "wait.ogg"})));

    HWND edit = child_.Control("edit");
    WriteText("edit", 8, "kept\r\nacross");
    Answer recreated = WriteInt("edit", 15, 1);  // multi-line
    HWND multi = child_.Control("edit");
    EXPECT_NE(multi, edit);
    EXPECT_TRUE(GetWindowLongA(multi, GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(ReadText("edit", 8), "kept\r\nacross");
    EXPECT_EQ(recreated.Count("event edit 0"), 0u) << "re-creating raises nothing";
}

TEST_F(UnitsTest, SpinBuddyIsAnUpDownControlBesideASingleLineBox) {
    WriteInt("edit", 22, 5);   // spin minimum
    WriteInt("edit", 23, 50);  // spin maximum
    WriteInt("edit", 21, 1);   // spin buddy: a new control with an up-down control beside it
    HWND edit = child_.Control("edit");
    HWND spin = FindWindowExA(child_.Window(), nullptr, "msctls_updown32", nullptr);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)), edit);
    EXPECT_EQ(SendMessageA(spin, UDM_GETRANGE, 0, 0), MAKELONG(50, 5));
    EXPECT_TRUE(IsWindowVisible(spin));
    WriteInt("edit", 5, 0);  // hidden with its box
    EXPECT_FALSE(IsWindowVisible(spin));
}

TEST_F(UnitsTest, AHiddenBoxGetsItsTextWhenShown) {
    HWND json = child_.Control("json");
    WriteText("json", 8, "shown\r\nnow");
    EXPECT_EQ(GetWindowTextLengthA(json), 0) << "a hidden box's control waits for its text";
    WriteInt("json", 5, 1);  // visible
    EXPECT_TRUE(IsWindowVisible(json));
    wchar_t shown[64] = {};
    SendMessageW(json, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));  // the control's own text
    EXPECT_TRUE(std::wstring(shown) == L"shown\r\nnow");
    EXPECT_EQ(ReadText("json", 8), "shown\r\nnow");
}

// ---- the edit box's store ----

TEST_F(UnitsTest, ContentKeepsEveryByteAndLineEnd) {
    const std::string contents[] = {
        "{\"a\":1}\r\n{\"b\":2}\n\rend\r\n",
        "\"name\":\"\xE5\x90\x8D\xE5\xAD\x97 \xE2\x9C\x93 \xF0\x9F\x8E\xB5\"",  // UTF-8 names
        "\x80\xFF\xA1\x0A\xFE\x7F|\x81",                                         // not valid GBK
    };
    for (const char* unit : {"json", "edit", "label"})  // the label's caption is its property 8 too
        for (const std::string& content : contents) {
            WriteText(unit, 8, content);
            EXPECT_EQ(Hex(ReadText(unit, 8)), Hex(content)) << unit;
        }
}

std::string LongOneLineIndex(size_t atLeast) {
    std::string text = "{\"objects\":{";
    for (int i = 0; text.size() < atLeast; ++i) {
        char entry[160];
        std::snprintf(entry, sizeof entry,
                      "\"minecraft/sounds/\xE9\x9F\xB3\xE4\xB9\x90/track%06d.ogg\":{\"hash\":\"%08x%032x\",\"size\":%d},", i,
                      i * 2654435761u, i, 1000 + i);
        text += entry;
    }
    text += "\"end\":{}}}";
    return text;
}

TEST_F(UnitsTest, LongOneLineContentIsKeptExactlyWhileTheWindowKeepsAnswering) {
    const std::string index = LongOneLineIndex(500 * 1024);
    HWND window = child_.Window();
    std::atomic<bool> done{false};
    std::atomic<int> unanswered{0}, answered{0};
    std::thread pinger([&] {
        while (!done) {
            DWORD_PTR r = 0;
            if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r)) ++answered;
            else ++unanswered;
            Sleep(20);
        }
    });
    Answer written = WriteText("json", 8, index);
    std::string read = ReadText("json", 8);
    done = true;
    pinger.join();
    EXPECT_EQ(written.Count("event json 0"), 1u);
    EXPECT_EQ(read.size(), index.size());
    EXPECT_TRUE(read == index);
    EXPECT_EQ(unanswered, 0) << "the window stopped answering for 20 s";
    EXPECT_GT(answered, 0);
    EXPECT_FALSE(IsWindowVisible(child_.Control("json")));
}

// ---- the window commands ----

TEST_F(UnitsTest, ListItemTextYieldsTheItemOrTheEmptyText) {
    const std::pair<int, std::string> cases[] = {{-1, ""}, {0, kDiscItems[0]}, {11, kDiscItems[11]}, {12, ""}, {500, ""}};
    for (const auto& [index, text] : cases) {
        Answer a = child_.Request("call ListItemText list i:" + std::to_string(index));
        EXPECT_EQ(a.type, kText);
        EXPECT_EQ(FromHex(a.value), text) << "index " << index;
    }
}

TEST_F(UnitsTest, WindowHandleIsThePlatformWindowOfTheWindowOrUnit) {
    for (const char* unit : {"list", "json", "dialog", "label"}) {
        Answer a = child_.Request(std::string("call WindowHandle ") + unit);
        EXPECT_EQ(a.type, kInt);
        EXPECT_EQ(a.value, std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(child_.Control(unit))))) << unit;
    }
    EXPECT_EQ(child_.Request("call WindowHandle window").value,
              std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(child_.Window()))));
}

TEST_F(UnitsTest, WindowHandleOfAUnitOfAWindowNotLoadedEndsTheProgram) {
    child_.Request("post call WindowHandle second-label");
    HWND box = testing_support::WaitForProcessDialog(child_.Id(), 15000);
    ASSERT_NE(box, nullptr);
    testing_support::WaitUntilBoxReady(box);
    testing_support::BoxSeen seen = testing_support::ReadBox(box);
    EXPECT_EQ(seen.caption, "错误");
    EXPECT_EQ(seen.text, testing_support::RuntimeErrorBoxText("指定窗口或窗口组件不存在或尚未载入"));
    testing_support::PressDefaultButton(box);
    EXPECT_EQ(child_.Process().Wait(15000), 0xFFFFFFFFu);
}

TEST_F(UnitsTest, OpenWindowModalDisablesTheOtherWindowUntilItCloses) {
    child_.Request("post call OpenWindow second - l:1");
    ASSERT_TRUE(WaitFor([&] { return child_.Window("second") && IsWindowVisible(child_.Window("second")); }));
    EXPECT_TRUE(child_.WaitForLine("event second 0"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(child_.Window()); }));
    EXPECT_EQ(child_.CountInHistory("= 80000002 1"), 0u) << "returned before the window closed";
    PostMessageA(child_.Window("second"), WM_CLOSE, 0, 0);
    Answer a = child_.AwaitAnswer();
    EXPECT_EQ(a.type, kLogical);
    EXPECT_EQ(a.value, "1");
    EXPECT_TRUE(IsWindowEnabled(child_.Window()));
}

TEST_F(UnitsTest, OpenWindowWithoutModalReturnsAtOnceAndAMissingParentOpensNothing) {
    EXPECT_EQ(child_.Request("call OpenWindow second u:second").value, "0") << "the parent is not on screen";
    EXPECT_EQ(child_.Window("second"), nullptr);
    EXPECT_EQ(child_.Request("call OpenWindow second").value, "1");
    EXPECT_TRUE(IsWindowVisible(child_.Window("second")));
    EXPECT_TRUE(IsWindowEnabled(child_.Window()));
}


// ---- the file dialog, answered from outside ----

constexpr int kFileNameBox = 0x47C;
constexpr int kFileTypeBox = 0x470;

std::string MakeFolder(const std::string& name, std::initializer_list<const char*> files) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* f : files) {
        HANDLE h = CreateFileA((folder + "\\" + f).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
    }
    char full[MAX_PATH];
    GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return s;
}

std::wstring WideOf(const std::string& gbk) {
    int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), w.data(), n);
    return w;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    auto n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        items.push_back(text);
    }
    return items;
}

// The dialog's current folder: CDM_GETFOLDERPATH answers into memory of the dialog's process.
std::string DialogFolder(HWND dialog, DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    constexpr size_t kSize = 2048;
    void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    SendMessageA(dialog, CDM_GETFOLDERPATH, kSize / 2, reinterpret_cast<LPARAM>(remote));
    std::string bytes(kSize, '\0');
    ReadProcessMemory(process, remote, bytes.data(), kSize, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return bytes.c_str();
}

struct OtherDialogSearch {
    DWORD pid;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindOtherDialog(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<OtherDialogSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    char cls[16] = {};
    GetClassNameA(h, cls, sizeof cls);
    if (owner != s->pid || h == s->except || std::string(cls) != "#32770" || !IsWindowVisible(h)) return TRUE;
    s->found = h;
    return FALSE;
}

HWND OtherDialog(DWORD pid, HWND except) {
    OtherDialogSearch s{pid, except, nullptr};
    EnumWindows(FindOtherDialog, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

class FileDialogTest : public UnitsTest {
protected:
    // Opens the dialog from the child's message loop and waits until it is ready for input.
    HWND Open() {
        child_.Request("post call DialogOpen dialog");
        HWND dialog = testing_support::WaitForProcessDialog(child_.Id(), 20000);
        if (dialog) WaitFor([&] { return GetDlgItem(dialog, kFileNameBox) && IsWindowVisible(dialog); });
        return dialog;
    }
    void TypeName(HWND dialog, const std::string& name) {
        HWND box = GetDlgItem(dialog, kFileNameBox);
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        WaitFor([&] { return testing_support::WindowText(box) == name; });
    }
    std::string Cwd() { return FromHex(child_.Request("cwd").value); }
};

TEST_F(FileDialogTest, ShowsTheUnitsSettingsAndStoresTheConfirmedPath) {
    const std::string folder = MakeFolder("units_dialog_open", {"a.ogg", "b.txt"});
    WriteText("dialog", 13, folder);
    WriteText("dialog", 9, "选择ogg文件");
    const std::string programFolder = Cwd();
    // Keeping the current folder first: the second run then moves it to the chosen file's.
    for (int keep : {1, 0}) {
        WriteInt("dialog", 19, keep);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        // It belongs to the window the user works in, which waits for it.
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), child_.Window());
        EXPECT_FALSE(IsWindowEnabled(child_.Window()));
        EXPECT_EQ(testing_support::WindowText(dialog), "选择ogg文件");
        EXPECT_EQ(Lower(DialogFolder(dialog, child_.Id())), Lower(folder));
        HWND types = GetDlgItem(dialog, kFileTypeBox);
        EXPECT_EQ(ComboItems(types), std::vector<std::wstring>{WideOf("ogg文件（*.ogg）")});
        TypeName(dialog, "a.ogg");
        testing_support::PressButton(dialog, IDOK);
        Answer a = child_.AwaitAnswer();
        EXPECT_EQ(a.type, kLogical);
        EXPECT_EQ(a.value, "1");
        EXPECT_EQ(Lower(ReadText("dialog", 10)), Lower(folder + "\\a.ogg"));
        EXPECT_EQ(Lower(Cwd()), Lower(keep ? programFolder : folder)) << "keep the current folder " << keep;
        EXPECT_TRUE(IsWindowEnabled(child_.Window()));
    }
}

struct FilterCase {
    std::string filter;
    int initial;
    std::vector<std::string> descriptions;
    int selected;
};

TEST_F(FileDialogTest, FilterBecomesTheFileTypeChoices) {
    const FilterCase cases[] = {
        {kOggFilter, 0, {"ogg文件（*.ogg）"}, 0},
        {"A|*.a|B|*.b||", 1, {"A", "B"}, 1},
        {"A|*.a|B|*.b  \t", 0, {"A", "B"}, 0},
        {"\xB0\x7C\xCE\xC4|*.ogg", 0, {"\xB0\x7C\xCE\xC4"}, 0},  // a second byte that reads as "|"
        {"", 3, {}, -1},
    };
    for (const FilterCase& c : cases) {
        WriteText("dialog", 11, c.filter);
        WriteInt("dialog", 12, c.initial);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr) << c.filter;
        HWND types = GetDlgItem(dialog, kFileTypeBox);
        std::vector<std::wstring> expected;
        for (const std::string& d : c.descriptions) expected.push_back(WideOf(d));
        EXPECT_EQ(ComboItems(types), expected) << c.filter;
        EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), c.selected) << c.filter;
        testing_support::PressButton(dialog, IDCANCEL);
        EXPECT_EQ(child_.AwaitAnswer().value, "0");
    }
}

TEST_F(FileDialogTest, CancelLeavesTheFileNameAsItWas) {
    for (const std::string name : {"", "C:\\earlier\\x.ogg"}) {
        if (!name.empty()) WriteText("dialog", 10, name);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        TypeName(dialog, "something.ogg");
        testing_support::PressButton(dialog, IDCANCEL);
        Answer a = child_.AwaitAnswer();
        EXPECT_EQ(a.type, kLogical);
        EXPECT_EQ(a.value, "0");
        EXPECT_EQ(ReadText("dialog", 10), name);
    }
}

TEST_F(FileDialogTest, FileMustExistMakesTheDialogRefuseAMissingName) {
    const std::string folder = MakeFolder("units_dialog_exist", {"a.ogg"});
    WriteText("dialog", 13, folder);
    for (int mustExist : {1, 0}) {
        WriteInt("dialog", 16, mustExist);
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        TypeName(dialog, "missing.ogg");
        testing_support::PressButton(dialog, IDOK);
        if (mustExist) {
            HWND warning = nullptr;
            ASSERT_TRUE(WaitFor([&] { return (warning = OtherDialog(child_.Id(), dialog)) != nullptr; }));
            testing_support::PressDefaultButton(warning);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
            EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays after refusing";
            testing_support::PressButton(dialog, IDCANCEL);
            EXPECT_EQ(child_.AwaitAnswer().value, "0");
        } else {
            EXPECT_EQ(child_.AwaitAnswer().value, "1");
            EXPECT_EQ(Lower(ReadText("dialog", 10)), Lower(folder + "\\missing.ogg"));
        }
    }
}

// ---- the transparent label on screen ----

RECT ScreenRectOf(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return r;
}

int TextWidth(const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

// Where a capture differs from the window's background.
struct Ink {
    int count = 0;
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    std::vector<bool> rows;  // which rows hold ink
};

Ink InkOf(const Capture& c, int fromX = 0, int toX = -1) {
    Ink ink;
    ink.rows.assign(static_cast<size_t>(c.height), false);
    if (toX < 0) toX = c.width;
    for (int y = 0; y < c.height; ++y)
        for (int x = fromX; x < toX; ++x)
            if (c.At(x, y) != kBackColour) {
                ++ink.count;
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
                ink.rows[static_cast<size_t>(y)] = true;
            }
    return ink;
}

int Bands(const Ink& ink) {
    int bands = 0;
    for (size_t y = 0; y < ink.rows.size(); ++y) bands += ink.rows[y] && (y == 0 || !ink.rows[y - 1]);
    return bands;
}

class LabelTest : public UnitsTest {
protected:
    void SetUp() override {
        UnitsTest::SetUp();
        SetForegroundWindow(child_.Window());
        label_ = ScreenRectOf(child_.Control("label"));
        child_.Request("settle");
    }
    // The label's capture once the condition holds (or the last one after the wait).
    Capture LabelWhen(const std::function<bool(const Capture&)>& condition, const RECT& rect) {
        Capture c = CaptureSettled(rect);
        WaitFor([&] { return condition(c = CaptureScreen(rect)); });
        return c;
    }
    RECT label_{};
};

TEST_F(LabelTest, DrawsItsTextAndNothingElseOverTheWindowsBackground) {
    Capture c = CaptureSettled(label_);
    Ink ink = InkOf(c, 0, 150);  // left of the overlapping label
    EXPECT_GT(ink.count, 10) << "the caption is drawn";
    EXPECT_FALSE(ink.rows[0]) << "the top row shows the window's background";
    EXPECT_LE(ink.left, 2) << "left-aligned";
    EXPECT_LE(ink.right, TextWidth("label") + 1);
    Capture empty = CaptureSettled(ScreenRectOf(child_.Control("wrap")));
    EXPECT_EQ(InkOf(empty).count, 0) << "an empty caption paints nothing";
}

TEST_F(LabelTest, AmpersandsAreDrawnNotTakenAsMnemonics) {
    WriteText("label", 8, "&&&&");
    const int four = TextWidth("&&&&"), two = TextWidth("&&");
    ASSERT_GT(four, two + 4);
    Capture c = LabelWhen([&](const Capture& c) { return InkOf(c, 0, 150).right > two + 2; }, label_);
    Ink ink = InkOf(c, 0, 150);
    EXPECT_GE(ink.right, four - 3);
    EXPECT_LE(ink.right, four + 1);
}

TEST_F(LabelTest, AShorterCaptionLeavesNoTraceAndTheLabelBehindStays) {
    const RECT back = ScreenRectOf(child_.Control("back"));
    const int backText = TextWidth("BACK");
    auto backInk = [&] { return InkOf(CaptureSettled({back.left, back.top, back.left + backText + 2, back.bottom})).count; };
    const int backBefore = backInk();
    ASSERT_GT(backBefore, 10);
    WriteText("label", 8, std::string(40, 'W'));
    Capture wide = CaptureSettled(label_);
    ASSERT_GT(InkOf(wide, 0, 150).right, 140) << "the long caption reaches across";
    WriteText("label", 8, "W");
    const int from = TextWidth("W") + 2, to = back.left - label_.left - 1;
    Capture c = LabelWhen([&](const Capture& c) { return InkOf(c, from, to).count == 0; }, label_);
    EXPECT_EQ(InkOf(c, from, to).count, 0) << "no trace of the longer caption";
    EXPECT_GT(InkOf(c, 0, from).count, 0) << "the short caption is drawn";
    EXPECT_EQ(backInk(), backBefore) << "the label behind is drawn again where the old caption covered it";
}

TEST_F(LabelTest, WordWrapDrawsLineByLineWhateverTheVerticalAlignment) {
    const RECT wrap = ScreenRectOf(child_.Control("wrap"));
    WriteText("wrap", 8, "one\r\ntwo");
    Capture lines = LabelWhen([](const Capture& c) { return Bands(InkOf(c)) == 2; }, wrap);
    EXPECT_EQ(Bands(InkOf(lines)), 2);
    WriteInt("wrap", 14, 2);  // bottom: no effect with word wrap
    Capture after = CaptureSettled(wrap);
    size_t differ = 0;
    for (size_t i = 0; i < after.pixels.size(); ++i) differ += after.pixels[i] != lines.pixels[i];
    Ink a = InkOf(after), b = InkOf(lines);
    EXPECT_EQ(differ, 0u) << a.top << " " << a.bottom << " " << a.count << " / " << b.top << " " << b.bottom << " " << b.count;
}

TEST_F(LabelTest, ShadowEffectDrawsInBlackBehindTheText) {
    auto blackPixels = [](const Capture& c) {
        int n = 0;
        for (COLORREF p : c.pixels) n += GetRValue(p) < 0x20 && GetGValue(p) < 0x20 && GetBValue(p) < 0x20;
        return n;
    };
    WriteText("label", 8, "XXXX");
    for (int effect : {0, 3}) {
        WriteInt("label", 9, effect);
        Capture c = LabelWhen([&](const Capture& c) { return (blackPixels(c) > 0) == (effect == 3); }, label_);
        EXPECT_EQ(blackPixels(c) > 0, effect == 3) << "effect " << effect;
    }
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& prefix, size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) return i;
    return lines.size();
}

TEST_F(LabelTest, ACaptionWriteRepaintsWhatLiesBehindBeforeTheLabel) {
    // (The set-up painted what was pending, so the trace shows only what the write causes.)
    Answer a = child_.Request("trace label 8 " + TextArg("new caption"));
    const auto& l = a.lines;
    size_t window = IndexOf(l, "paint window "), back = IndexOf(l, "paint back WM_PAINT"),
           label = IndexOf(l, "paint label WM_PAINT"), written = IndexOf(l, "written");
    ASSERT_LT(written, l.size());
    EXPECT_LT(window, back) << "the window's background first";
    EXPECT_LT(back, label) << "then the label behind";
    EXPECT_LT(label, written) << "then the label, at once";
    EXPECT_LT(IndexOf(l, "paint label WM_PAINT", written), l.size()) << "and the label stays invalid for its next paint";
}

}  // namespace
