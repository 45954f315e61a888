// The skinned controls through a real window under Wine: which children the skin takes over
// and how (properties, procedures, styles), what the window answers to WM_CTLCOLOR*, the
// repaints it forces on notifications, and the pixels the controls show on the screen,
// checked against the frame under them and the looks' colours and alphas.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>

#include "gdiplus/Gdiplus.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPictures.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlSupport.h"
#include "tests/skin/skin_controls_window.h"

using namespace skin_controls_test;
namespace controls = skin::controls;

namespace {

TestWindow& Shared() {
    static TestWindow window = MakeWindow("skinned controls");
    return window;
}

intptr_t Prop(HWND control, const char* key) { return reinterpret_cast<intptr_t>(GetPropA(control, key)); }

HWND Inner(HWND outer, const char* cls) { return FindWindowExA(outer, nullptr, cls, nullptr); }

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// Restores the skin's options and accent colour when a test changed them.
struct OptionsGuard {
    COLORREF accent = skin::settings.accentColour;
    ~OptionsGuard() {
        skin::TheSkin()->SetOptions(1, 100);
        skin::settings.accentColour = accent;
    }
};

// ---- take-over ----

template <class Record>
HWND RecordHandle(int32_t windowNumber, int32_t number) {
    const Record* record = controls::RecordAt<Record>(windowNumber, number);
    return record ? record->hwnd : nullptr;
}

struct KindRow {
    const char* name;
    int id;
    const char* inner;  // the control is this class inside the one with the id
    WNDPROC procedure;
    HWND (*recordHandle)(int32_t windowNumber, int32_t number);
    int lowStyleAfter;  // -1: not looked at
};

const KindRow kKinds[] = {
    {"push button", kPush, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_OWNERDRAW},
    {"default push button", kDefaultPush, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_OWNERDRAW},
    {"disabled push button", kDisabledPush, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_OWNERDRAW},
    {"check box", kCheck, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_AUTOCHECKBOX},
    {"auto radio button", kAutoRadio, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_AUTORADIOBUTTON},
    {"edit box", kEdit, nullptr, controls::EditProc, RecordHandle<controls::EditRecord>, -1},
    {"multi-line edit box", kMultiEdit, nullptr, controls::EditProc, RecordHandle<controls::EditRecord>, -1},
    {"list box", kList, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"owner-drawn list box", kOwnerList, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"drop-down list combo", kDropList, nullptr, controls::ComboProc, RecordHandle<controls::ComboRecord>, -1},
    {"drop-down combo", kDropDown, nullptr, controls::ComboProc, RecordHandle<controls::ComboRecord>, -1},
    {"drop-down combo's edit", kDropDown, "Edit", controls::EditProc, RecordHandle<controls::EditRecord>, -1},
    {"simple combo's list", kSimpleCombo, "ComboLBox", controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"trackbar", kTrackbar, nullptr, controls::TrackbarProc, RecordHandle<controls::TrackbarRecord>, -1},
    {"progress bar", kProgress, nullptr, controls::ProgressProc, RecordHandle<controls::ProgressRecord>, -1},
    {"up-down", kUpDown, nullptr, controls::UpDownProc, RecordHandle<controls::UpDownRecord>, -1},
    {"list view", kListView, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"list view's header", kListView, "SysHeader32", controls::HeaderProc, RecordHandle<controls::HeaderRecord>, -1},
    {"tree view", kTree, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"IP address", kAddress, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"date-time picker", kDate, nullptr, controls::ListProc, RecordHandle<controls::ListRecord>, -1},
    {"push button in a container", kInnerPush, nullptr, controls::ButtonProc, RecordHandle<controls::ButtonRecord>, BS_OWNERDRAW},
    {"edit box in a container", kInnerEdit, nullptr, controls::EditProc, RecordHandle<controls::EditRecord>, -1},
};

TEST(TakeOver, EachKindIsNumberedAndGetsItsProcedure) {
    const TestWindow& window = Shared();
    ASSERT_GE(window.windowNumber, 1);
    for (const KindRow& row : kKinds) {
        SCOPED_TRACE(row.name);
        HWND control = window.Control(row.id);
        if (row.inner) control = Inner(control, row.inner);
        ASSERT_NE(control, nullptr);
        const auto number = static_cast<int32_t>(Prop(control, "Hw_lbID"));
        EXPECT_GE(number, 1);
        EXPECT_EQ(Prop(control, "Hw_FuID"), window.windowNumber);
        EXPECT_EQ(row.recordHandle(window.windowNumber, number), control);
        EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(row.procedure));
        EXPECT_EQ(Prop(control, "Hw_hProc"), window.ProcBefore(control));
        EXPECT_NE(window.ProcBefore(control), 0);
        if (row.lowStyleAfter >= 0) {
            EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & 0xF, row.lowStyleAfter);
        }
    }
}

TEST(TakeOver, OwnerDrawnButtonsAndPlainRadioButtonsAreLeftAlone) {
    const TestWindow& window = Shared();
    for (int id : {kOwnerDrawn, kPlainRadio}) {
        SCOPED_TRACE(id);
        HWND control = window.Control(id);
        EXPECT_EQ(Prop(control, "Hw_lbID"), 0);
        EXPECT_EQ(Prop(control, "Hw_FuID"), 0);
        EXPECT_EQ(Prop(control, "Hw_hProc"), 0);
        EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), window.ProcBefore(control));
    }
    EXPECT_EQ(GetWindowLongA(window.Control(kPlainRadio), GWL_STYLE) & 0xF, BS_RADIOBUTTON);
}

TEST(TakeOver, NumbersCountWithinEachKindInTheOrderOfTakeOver) {
    const TestWindow& window = Shared();
    // Push buttons first, then check boxes and radio buttons, in one list.
    const std::pair<int, intptr_t> expected[] = {{kPush, 1}, {kDefaultPush, 2}, {kDisabledPush, 3}, {kCheck, 4}, {kAutoRadio, 5},
                                                 {kEdit, 1}, {kMultiEdit, 2},    {kList, 1},        {kOwnerList, 2}};
    for (const auto& [id, number] : expected) EXPECT_EQ(Prop(window.Control(id), "Hw_lbID"), number) << id;
    // The container's button came after the window's five.
    EXPECT_EQ(Prop(window.Control(kInnerPush), "Hw_lbID"), 6);
    EXPECT_EQ(skin::WindowRecord(window.windowNumber)->controls.buttons.records.size(), 6u);
}

TEST(TakeOver, NothingIsTakenOverWhenControlsAreNotSkinned) {
    OptionsGuard guard;
    skin::TheSkin()->SetOptions(0, 100);
    TestWindow plain = MakeWindow("unskinned controls");
    ASSERT_GE(plain.windowNumber, 1);
    EXPECT_NE(Prop(plain.hwnd, "Hw_lbID"), 0);  // the window itself is skinned
    for (const auto& [child, before] : plain.procsBefore) {
        EXPECT_EQ(Prop(child, "Hw_lbID"), 0);
        EXPECT_EQ(Prop(child, "Hw_FuID"), 0);
        EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), before);
    }
    // The window's own procedure answers the colouring.
    HDC dc = GetDC(plain.Control(kEdit));
    const LRESULT brush = SendMessageA(plain.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain.Control(kEdit)));
    ReleaseDC(plain.Control(kEdit), dc);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(OwnColourBrush()));
    EXPECT_EQ(Prop(plain.Control(kEdit), "Kj_dxjb"), 0);
    DestroyTestWindow(plain);
}

// ---- colouring ----

enum class Answer { kPattern, kNull, kOwn };

struct ColourRow {
    const char* name;
    UINT message;
    int id;
    const char* inner;
    Answer answer;
    bool toContainer = false;
};

const ColourRow kColourRows[] = {
    {"edit", WM_CTLCOLOREDIT, kEdit, nullptr, Answer::kPattern},
    {"static colouring of an edit", WM_CTLCOLORSTATIC, kMultiEdit, nullptr, Answer::kPattern},
    {"button", WM_CTLCOLORBTN, kCheck, nullptr, Answer::kNull},
    {"list box", WM_CTLCOLORLISTBOX, kList, nullptr, Answer::kNull},
    {"owner-drawn list box", WM_CTLCOLORLISTBOX, kOwnerList, nullptr, Answer::kOwn},
    {"combo box's edit", WM_CTLCOLOREDIT, kDropDown, "Edit", Answer::kOwn},
    {"combo box's list", WM_CTLCOLORLISTBOX, kSimpleCombo, "ComboLBox", Answer::kOwn},
    {"edit in a container", WM_CTLCOLOREDIT, kInnerEdit, nullptr, Answer::kPattern, true},
};

TEST(Colouring, EachControlColourGetsItsBrush) {
    const TestWindow& window = Shared();
    skin::TheSkin()->SetControlTextColour(window.Control(kEdit), 0x123456);
    for (const ColourRow& row : kColourRows) {
        SCOPED_TRACE(row.name);
        HWND control = window.Control(row.id);
        if (row.inner) control = Inner(control, row.inner);
        HWND target = row.toContainer ? window.Control(kContainer) : window.hwnd;
        const size_t ownBefore = window.log->colourMessages.size();
        HDC dc = GetDC(control);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(target, row.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        const COLORREF textColour = GetTextColor(dc);
        const int mode = GetBkMode(dc);
        ReleaseDC(control, dc);
        switch (row.answer) {
            case Answer::kPattern: {
                LOGBRUSH logBrush{};
                ASSERT_EQ(GetObjectA(brush, sizeof logBrush, &logBrush), static_cast<int>(sizeof logBrush));
                EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_PATTERN));
                EXPECT_EQ(Prop(control, "Kj_dxjb"), reinterpret_cast<intptr_t>(brush));
                BITMAP bitmap{};
                ASSERT_NE(GetObjectA(reinterpret_cast<HGDIOBJ>(Prop(control, "Kj_wtjb")), sizeof bitmap, &bitmap), 0);
                EXPECT_EQ(bitmap.bmWidth, ClientSize(control).cx);
                EXPECT_EQ(bitmap.bmHeight, ClientSize(control).cy);
                EXPECT_EQ(mode, TRANSPARENT);
                if (row.id == kEdit) {
                    EXPECT_EQ(textColour, 0x123456u);
                }
                break;
            }
            case Answer::kNull:
                EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
                EXPECT_EQ(Prop(control, "Kj_dxjb"), reinterpret_cast<intptr_t>(GetStockObject(NULL_BRUSH)));
                EXPECT_EQ(mode, TRANSPARENT);
                break;
            case Answer::kOwn:
                EXPECT_EQ(brush, OwnColourBrush());
                EXPECT_EQ(window.log->colourMessages.size(), ownBefore + 1);
                break;
        }
    }
}

TEST(Colouring, ThePatternHoldsTheFrameUnderTheVeil) {
    const TestWindow& window = Shared();
    HWND edit = window.Control(kEdit);
    HDC dc = GetDC(edit);
    SendMessageA(window.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    ReleaseDC(edit, dc);
    const auto bitmap = reinterpret_cast<HBITMAP>(Prop(edit, "Kj_wtjb"));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (POINT p : {POINT{3, 3}, POINT{100, 10}, POINT{140, 18}}) {
        const Rgb seen = ToRgb(GetPixel(memory, p.x, p.y));
        const POINT at = InWindow(edit, p.x, p.y);
        const Rgb expected = Veiled(FramePixel(window.windowNumber, at.x, at.y), 100);
        EXPECT_TRUE(Near(seen, expected, 3)) << Describe(seen) << " expected " << Describe(expected);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

TEST(Colouring, WithoutAnAlphaTheWindowsOwnProcedureAnswers) {
    OptionsGuard guard;
    const TestWindow& window = Shared();
    skin::TheSkin()->SetOptions(1);  // no alpha given
    HWND edit = window.Control(kEdit);
    HDC dc = GetDC(edit);
    const LRESULT brush = SendMessageA(window.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    ReleaseDC(edit, dc);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(OwnColourBrush()));
}

// ---- forced repaints ----

struct RepaintRow {
    int id;
    const char* inner;
    WORD code;
    bool repainted;
};

const RepaintRow kRepaintRows[] = {
    {kEdit, nullptr, EN_CHANGE, true},         {kEdit, nullptr, EN_UPDATE, true},       {kEdit, nullptr, EN_HSCROLL, true},
    {kMultiEdit, nullptr, EN_VSCROLL, true},   {kEdit, nullptr, EN_SETFOCUS, false},    {kList, nullptr, LBN_SELCHANGE, true},
    {kList, nullptr, LBN_SELCANCEL, true},     {kList, nullptr, LBN_DBLCLK, false},     {kDropList, nullptr, CBN_SELCHANGE, true},
    {kDropList, nullptr, CBN_KILLFOCUS, true}, {kDropList, nullptr, CBN_DROPDOWN, false}, {kPush, nullptr, BN_CLICKED, false},
    {kTree, nullptr, EN_CHANGE, false},
};

bool WholeClientInvalid(HWND control) {
    RECT update{};
    if (!GetUpdateRect(control, &update, FALSE)) return false;
    const SIZE size = ClientSize(control);
    return update.left <= 0 && update.top <= 0 && update.right >= size.cx && update.bottom >= size.cy;
}

TEST(ForcedRepaint, NotificationsThatChangeAControlRepaintItWhole) {
    const TestWindow& window = Shared();
    for (const RepaintRow& row : kRepaintRows) {
        SCOPED_TRACE(std::to_string(row.id) + " code " + std::to_string(row.code));
        HWND control = window.Control(row.id);
        PumpUntilPainted(window.hwnd);
        ValidateRect(control, nullptr);
        SendMessageA(window.hwnd, WM_COMMAND, MAKEWPARAM(row.id, row.code), reinterpret_cast<LPARAM>(control));
        EXPECT_EQ(WholeClientInvalid(control), row.repainted);
    }
}

TEST(ForcedRepaint, ExpandingATreeRepaintsIt) {
    const TestWindow& window = Shared();
    HWND tree = window.Control(kTree);
    for (UINT code : {TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}) {
        PumpUntilPainted(window.hwnd);
        ValidateRect(tree, nullptr);
        NMHDR header{tree, static_cast<UINT_PTR>(kTree), code};
        SendMessageA(window.hwnd, WM_NOTIFY, kTree, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(WholeClientInvalid(tree), code != TVN_SELCHANGEDA) << code;
    }
}

}  // namespace
