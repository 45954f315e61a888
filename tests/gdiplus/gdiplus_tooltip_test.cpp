// The tooltip class on a real window: the control it makes, its tools added, changed and
// removed, read back from the control with its own messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gdiplus/Gdiplus.h"
#include "tests/gdiplus/GdiplusSession.h"

using namespace gdip;

namespace {

// The control's window class comes with the common controls, which the program has loaded by
// the time its windows are skinned.
void LoadCommonControls() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    static const HMODULE library = LoadLibraryA("comctl32.dll");
    const auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    if (init) init(&controls);
}

class ToolTips : public ::testing::Test {
protected:
    void SetUp() override {
        LoadCommonControls();
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    // The tool's description as the control keeps it, or false when it has no such tool.
    bool ReadTool(HWND tip, UINT_PTR id, TOOLINFOA* info, std::string* text) {
        char buffer[256] = {};
        *info = TOOLINFOA{};
        info->cbSize = TTTOOLINFOA_V1_SIZE;
        info->hwnd = owner_;
        info->uId = id;
        info->lpszText = buffer;
        if (!SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(info))) return false;
        TOOLINFOA forText = *info;
        forText.lpszText = buffer;
        SendMessageA(tip, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&forText));
        *text = buffer;
        return true;
    }

    HWND owner_ = nullptr;
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST_F(ToolTips, CreateMakesAnAlwaysShownControlRectangularOrBalloon) {
    struct Case {
        Optional<bool> balloon;
        bool balloonStyle;
    } cases[] = {{Optional<bool>(), false}, {Optional<bool>(false), false}, {Optional<bool>(true), true}};
    for (const Case& c : cases) {
        Object<ToolTip> tip = Make<ToolTip>();
        const HWND window = tip->Create(owner_, c.balloon);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(tip->GetHwnd(), window);
        EXPECT_EQ(tip->owner, owner_);
        EXPECT_EQ(_stricmp(ClassOf(window).c_str(), "tooltips_class32"), 0);
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        EXPECT_TRUE(style & TTS_ALWAYSTIP);
        EXPECT_EQ((style & TTS_BALLOON) != 0, c.balloonStyle);
        DestroyWindow(window);
    }
}

TEST_F(ToolTips, ToolsAreAddedChangedAndDeleted) {
    Object<ToolTip> tip = Make<ToolTip>();
    const HWND window = tip->Create(owner_);
    ASSERT_NE(window, nullptr);
    const RECT area{10, 20, 60, 40};
    tip->AddTool(&area, "关闭", 3);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    TOOLINFOA info;
    std::string text;
    ASSERT_TRUE(ReadTool(window, 3, &info, &text));
    EXPECT_EQ(text, "关闭");
    EXPECT_TRUE(info.uFlags & TTF_SUBCLASS);
    EXPECT_EQ(info.rect.left, 10);
    EXPECT_EQ(info.rect.bottom, 40);

    tip->UpdateTipText(3, "最小化");
    ASSERT_TRUE(ReadTool(window, 3, &info, &text));
    EXPECT_EQ(text, "最小化");

    const RECT moved{70, 5, 90, 25};
    tip->SetToolRect(3, &moved);
    ASSERT_TRUE(ReadTool(window, 3, &info, &text));
    EXPECT_EQ(info.rect.left, 70);
    EXPECT_EQ(info.rect.right, 90);

    tip->AddToolCallback(&area, 4);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 2);
    tip->DeleteTool(3);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_FALSE(ReadTool(window, 3, &info, &text));
    ASSERT_TRUE(ReadTool(window, 4, &info, &text));
}

TEST_F(ToolTips, ColoursAndWidthReachTheControl) {
    Object<ToolTip> tip = Make<ToolTip>();
    const HWND window = tip->Create(owner_);
    tip->SetBackColour(RGB(1, 2, 3));
    tip->SetTextColour(RGB(4, 5, 6));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(4, 5, 6));
    EXPECT_EQ(tip->SetMaxWidth(200), -1);  // the previous width: none
    EXPECT_EQ(tip->SetMaxWidth(100), 200);
}

TEST_F(ToolTips, ReleasingTheObjectLeavesTheControlAndItsTools) {
    ToolTip* tip = New<ToolTip>();
    const HWND window = tip->Create(owner_);
    const RECT area{0, 0, 20, 20};
    tip->AddTool(&area, "帮助", 1);
    ToolTip* copy = Copy(tip);
    EXPECT_NE(copy, tip);
    EXPECT_EQ(copy->window, window);
    EXPECT_EQ(copy->owner, owner_);
    Release(tip);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
    copy->UpdateTipText(1, "说明");  // the copy drives the same control
    TOOLINFOA info;
    std::string text;
    ASSERT_TRUE(ReadTool(window, 1, &info, &text));
    EXPECT_EQ(text, "说明");
    Release(copy);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(ToolTips, ToolOperationsWithoutAControlDoNothing) {
    Object<ToolTip> tip = Make<ToolTip>();
    const RECT area{0, 0, 20, 20};
    tip->AddTool(&area, "x", 1);
    tip->DeleteTool(1);
    EXPECT_EQ(tip->GetHwnd(), nullptr);
}

}  // namespace
