// What the skinned controls show on the screen under Wine: each look's pixels checked against
// the frame pixel under them and the colours and alphas the looks are made of (white veils,
// accent tints, the focus glow, the disabled silver, the pictures the program carries).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gdiplus/Gdiplus.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPictures.h"
#include "skin/controls/ControlSupport.h"
#include "tests/skin/skin_controls_window.h"

using namespace skin_controls_test;

namespace {

constexpr Rgb kBlackRgb{0, 0, 0};
constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kRedRgb{255, 0, 0};
constexpr Rgb kGlowRgb{0x22, 0xCA, 0xDD};  // 0xDDCA22 as red, green, blue

TestWindow& Shared() {
    static TestWindow window = MakeWindow("painted controls");
    return window;
}

// Sets the accent colour for one test and repaints the window with it.
struct AccentGuard {
    COLORREF saved = skin::settings.accentColour;
    explicit AccentGuard(COLORREF accent) { skin::settings.accentColour = accent; }
    ~AccentGuard() { skin::settings.accentColour = saved; }
};

void Settle() { PumpUntilPainted(Shared().hwnd); }

void RepaintNow(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle();
}

// A pixel of a control's window rectangle as the screen shows it, and the frame pixel under it.
Rgb Seen(HWND control, int x, int y) {
    RECT outer{};
    GetWindowRect(control, &outer);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, outer.left + x, outer.top + y);
    ReleaseDC(nullptr, screen);
    return ToRgb(colour);
}

Rgb Under(HWND control, int x, int y) {
    RECT outer{};
    GetWindowRect(control, &outer);
    POINT point{outer.left + x, outer.top + y};
    ScreenToClient(Shared().hwnd, &point);
    return FramePixel(Shared().windowNumber, point.x, point.y);
}

SIZE SizeOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// A gradient's colour and alpha at the fraction t of its way from `from` to `to`. GDI+ under
// Wine blends the two ends premultiplied by their alphas (measured: an end of alpha 0
// contributes no colour), so the colour is the alpha-weighted mix.
struct Stop {
    Rgb colour;
    int alpha;
};
Stop Along(Stop from, Stop to, double t) {
    const double a0 = from.alpha * (1 - t), a1 = to.alpha * t, alpha = a0 + a1;
    if (alpha <= 0) return {from.colour, 0};
    auto m = [&](int x, int y) { return static_cast<int>((x * a0 + y * a1) / alpha + 0.5); };
    return {{m(from.colour.r, to.colour.r), m(from.colour.g, to.colour.g), m(from.colour.b, to.colour.b)},
            static_cast<int>(alpha + 0.5)};
}

Rgb Lay(Rgb under, Stop stop) { return Over(under, stop.colour, stop.alpha); }

#define EXPECT_NEAR_RGB(seen, expected, tolerance) \
    EXPECT_TRUE(Near(seen, expected, tolerance)) << "seen " << Describe(seen) << ", expected " << Describe(expected)

// ---- backgrounds ----

TEST(Background, AnEditShowsTheFrameUnderTheVeil) {
    HWND edit = Shared().Control(kEdit);
    RepaintNow(edit);
    const SIZE size = SizeOf(edit);
    for (POINT p : {POINT{size.cx - 12, size.cy / 2}, POINT{size.cx - 30, 5}}) {
        EXPECT_NEAR_RGB(Seen(edit, p.x, p.y), Veiled(Under(edit, p.x, p.y), 100), 4);
    }
}

TEST(Background, AListViewShowsTheFrameUnderTheVeilBelowItsItems) {
    HWND view = Shared().Control(kListView);
    RepaintNow(view);
    const SIZE size = SizeOf(view);
    for (POINT p : {POINT{40, size.cy - 10}, POINT{size.cx - 30, size.cy - 30}})
        EXPECT_NEAR_RGB(Seen(view, p.x, p.y), Veiled(Under(view, p.x, p.y), 100), 4);
}

TEST(Background, AListsBorderRingIsVeiledUnderItsDarkLine) {
    HWND list = Shared().Control(kList);
    RepaintNow(list);
    const SIZE size = SizeOf(list);
    for (POINT p : {POINT{0, size.cy / 2}, POINT{size.cx / 2, 0}, POINT{size.cx / 2, size.cy - 1}})
        EXPECT_NEAR_RGB(Seen(list, p.x, p.y), Over(Veiled(Under(list, p.x, p.y), 100), kBlackRgb, 90), 4);
}

// ---- push buttons ----

// The face of a push button at rest at row y of height h, over the frame pixel b: the white
// fill, then the grey shade (and the gloss in the upper half).
Rgb RestingFace(Rgb b, int y, int h) {
    const Rgb filled = Veiled(b, 120);
    Rgb shaded = Lay(filled, Along({kWhiteRgb, 0}, {{0x80, 0x80, 0x80}, 60}, static_cast<double>(y) / h));
    if (y < h / 2) shaded = Lay(shaded, Along({kWhiteRgb, 50}, {kWhiteRgb, 10}, static_cast<double>(y) / (h / 2)));
    return shaded;
}

struct ButtonLookRow {
    const char* name;
    COLORREF accent;
    Rgb accentRgb;
};
const ButtonLookRow kAccents[] = {{"the program's black accent", 0x000000, kBlackRgb}, {"a red accent", 0x0000FF, kRedRgb}};

TEST(PushButton, RestingHotAndPressedFacesTintAsTheirLooksSay) {
    const TestWindow& window = Shared();
    HWND button = window.Control(kPush);
    const SIZE size = SizeOf(button);
    const int x = 4, y = size.cy / 2 + 2;
    for (const ButtonLookRow& row : kAccents) {
        SCOPED_TRACE(row.name);
        AccentGuard accent(row.accent);
        RepaintNow(button);
        const Rgb b = Under(button, x, y);
        const Rgb resting = RestingFace(b, y, size.cy);
        EXPECT_NEAR_RGB(Seen(button, x, y), resting, 3);
        EXPECT_NEAR_RGB(Seen(button, 0, 0), Under(button, 0, 0), 2);  // the corner stays the frame's

        SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Settle();
        const Stop hot = Along({row.accentRgb, 60}, {row.accentRgb, 10}, static_cast<double>(y) / size.cy);
        EXPECT_NEAR_RGB(Seen(button, x, y), Lay(resting, hot), 3);
        KeepPicture(window.hwnd, row.accent ? "controls_hot_button_red" : "controls_hot_button");

        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Settle();
        const Stop pressed = Along({row.accentRgb, 60}, {kWhiteRgb, 100}, static_cast<double>(y - 2) / (size.cy - 2));
        EXPECT_NEAR_RGB(Seen(button, x, y), Lay(resting, pressed), 4);
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        SendMessageA(button, WM_MOUSELEAVE, 0, 0);
        SetFocus(window.hwnd);
        Settle();
    }
}

TEST(PushButton, TheFocusGlowKeepsItsColourWhateverTheAccent) {
    const TestWindow& window = Shared();
    HWND button = window.Control(kDefaultPush);
    const SIZE size = SizeOf(button);
    AccentGuard accent(0x000000);
    SetFocus(window.hwnd);
    RepaintNow(button);
    const Rgb unfocused = Seen(button, 0, size.cy / 2);
    SetFocus(button);
    Settle();
    const Rgb focused = Seen(button, 0, size.cy / 2);
    // Three strokes of the glow at alpha 120, then a black outline at 70, over the face.
    const Rgb expected = Over(Over(Over(Over(RestingFace(Under(button, 0, size.cy / 2), size.cy / 2, size.cy), kGlowRgb, 120), kGlowRgb, 120),
                         kGlowRgb, 120),
                    kBlackRgb, 70);
    EXPECT_NEAR_RGB(focused, expected, 12);
    EXPECT_GT((focused.b - focused.r) - (unfocused.b - unfocused.r), 60);
    KeepPicture(window.hwnd, "controls_focused_button");
    SetFocus(window.hwnd);
    Settle();
}

TEST(PushButton, ADisabledButtonShowsTheSilverFace) {
    HWND button = Shared().Control(kDisabledPush);
    RepaintNow(button);
    EXPECT_NEAR_RGB(Seen(button, 0, 0), (Rgb{0xC0, 0xC0, 0xC0}), 2);
    HWND enabled = Shared().Control(kPush);
    EXPECT_NEAR_RGB(Seen(enabled, 0, 0), Under(enabled, 0, 0), 2);
}

TEST(PushButton, ADoubleClickIsOneClick) {
    const TestWindow& window = Shared();
    HWND button = window.Control(kPush);
    const int before = window.log->clicks[kPush];
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, 10));
    Settle();
    EXPECT_EQ(window.log->clicks[kPush] - before, 1);
    SetFocus(window.hwnd);
    Settle();
}

TEST(PushButton, NewTextIsWhatTheNextPaintDraws) {
    HWND button = Shared().Control(kPush);
    SetWindowTextA(button, "新的");
    const auto found = skin::controls::Locate<skin::controls::ButtonRecord>(button);
    ASSERT_NE(found.record, nullptr);
    EXPECT_STREQ(found.record->text.CStr(), "新的");
    SetWindowTextA(button, "确定");
}

// ---- check boxes ----

Rgb PictureOver(Rgb under, const ByteSet* picture, int x, int y) {
    auto bitmap = gdip::Make<gdip::PlusBitmap>();
    bitmap->CreateBitmapFromStream(picture);
    const Gdiplus::ARGB argb = bitmap->BitmapGetPixel(x, y);
    const Rgb colour{static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
    return Over(under, colour, static_cast<int>(argb >> 24));
}

TEST(CheckBox, CheckedAndUncheckedShowTheirPictures) {
    const TestWindow& window = Shared();
    HWND box = window.Control(kCheck);
    const SIZE size = SizeOf(box);
    const int boxY = (size.cy - 13) / 2;
    const POINT probes[] = {{6, boxY + 6}, {3, boxY + 7}, {9, boxY + 4}};
    for (int checked : {BST_CHECKED, BST_UNCHECKED}) {
        SCOPED_TRACE(checked);
        SendMessageA(box, BM_SETCHECK, checked, 0);
        Settle();
        for (POINT p : probes) {
            const Rgb under = Under(box, p.x, p.y);
            Rgb expected = PictureOver(under, skin::pictures::CheckBoxEmpty(), p.x, p.y - boxY);
            if (checked == BST_CHECKED) expected = PictureOver(expected, skin::pictures::CheckBoxChecked(), p.x, p.y - boxY);
            EXPECT_NEAR_RGB(Seen(box, p.x, p.y), expected, 4);
        }
        if (checked == BST_CHECKED) KeepPicture(window.hwnd, "controls_checked");
    }
    // The probes tell the two pictures apart.
    const Rgb grey{128, 128, 128};
    EXPECT_FALSE(Near(PictureOver(grey, skin::pictures::CheckBoxEmpty(), 6, 6),
                      PictureOver(PictureOver(grey, skin::pictures::CheckBoxEmpty(), 6, 6), skin::pictures::CheckBoxChecked(), 6, 6),
                      20));
}

// ---- list boxes ----

TEST(ListBox, TheSelectedItemShowsTheHighlightColour) {
    const TestWindow& window = Shared();
    HWND list = window.Control(kList);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    Settle();
    ASSERT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    POINT client{item.right - 6, (item.top + item.bottom) / 2};
    MapWindowPoints(list, nullptr, &client, 1);
    HDC screen = GetDC(nullptr);
    const Rgb seen = ToRgb(GetPixel(screen, client.x, client.y));
    ReleaseDC(nullptr, screen);
    EXPECT_NEAR_RGB(seen, ToRgb(GetSysColor(COLOR_HIGHLIGHT)), 3);
    KeepPicture(window.hwnd, "controls_list_selected");
}

// ---- edit borders ----

TEST(EditBox, TheBorderIsDarkAtRestAccentWhenHotAndWideWhenFocused) {
    const TestWindow& window = Shared();
    HWND edit = window.Control(kEdit);
    const SIZE size = SizeOf(edit);
    AccentGuard accent(0x0000FF);
    SetFocus(window.hwnd);
    SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
    RepaintNow(edit);
    const int y = size.cy / 2;
    EXPECT_NEAR_RGB(Seen(edit, 0, y), Over(Veiled(Under(edit, 0, y), 100), kBlackRgb, 80), 5);

    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Settle();
    EXPECT_NEAR_RGB(Seen(edit, 0, y), Over(Veiled(Under(edit, 0, y), 100), kRedRgb, 180), 5);
    EXPECT_NEAR_RGB(Seen(edit, 1, y), Veiled(Under(edit, 1, y), 100), 5);  // one pixel wide

    SetFocus(edit);
    Settle();
    SendMessageA(edit, WM_MOUSELEAVE, 0, 0);  // the focus border stays when the mouse goes
    Settle();
    for (int x : {0, 1}) EXPECT_NEAR_RGB(Seen(edit, x, y), Over(Veiled(Under(edit, x, y), 100), kRedRgb, 180), 8) << x;
    KeepPicture(window.hwnd, "controls_focused_edit");
    SetFocus(window.hwnd);
    Settle();
}

// ---- trackbars ----

TEST(Trackbar, ThePanelShadesFromWhiteOnlyWhenShadingIsOn) {
    HWND trackbar = Shared().Control(kTrackbar);
    const SIZE size = SizeOf(trackbar);
    const int x = size.cx - 6, y = 2;  // right of the channel's end, near the top
    for (int shading : {1, 0}) {
        SCOPED_TRACE(shading);
        skin::TheSkin()->SetOptions(1, 100, shading);
        RepaintNow(trackbar);
        const Rgb under = Under(trackbar, x, y);
        const Rgb expected =
            shading ? Lay(under, Along({kWhiteRgb, 160}, {kBlackRgb, 30}, static_cast<double>(y - 1) / (size.cy - 2))) : under;
        EXPECT_NEAR_RGB(Seen(trackbar, x, y), expected, 8);
    }
    skin::TheSkin()->SetOptions(1, 100);
    RepaintNow(trackbar);
}

// ---- progress bars ----

struct ProgressRow {
    const char* name;
    int id;
    int position;
    POINT filled[2];   // points inside the fill
    POINT unfilled[2];
};

const ProgressRow kProgressRows[] = {
    {"half of a horizontal bar", kProgress, 50, {{50, 10}, {95, 10}}, {{102, 10}, {150, 10}}},
    {"an empty horizontal bar", kProgress, 0, {}, {{50, 10}, {150, 10}}},
    {"half of a vertical bar", kVerticalProgress, 50, {{10, 90}, {10, 56}}, {{10, 45}, {10, 10}}},
};

TEST(ProgressBar, TheFillGrowsFromTheStartInTheAccentColour) {
    AccentGuard accent(0x0000FF);
    for (const ProgressRow& row : kProgressRows) {
        SCOPED_TRACE(row.name);
        HWND bar = Shared().Control(row.id);
        SendMessageA(bar, PBM_SETPOS, row.position, 0);
        RepaintNow(bar);
        auto redness = [&](POINT p) {
            const Rgb c = Seen(bar, p.x, p.y);
            const Rgb u = Under(bar, p.x, p.y);
            return (c.r - c.g) - (u.r - u.g);
        };
        for (POINT p : row.filled)
            if (p.x || p.y) {
                EXPECT_GT(redness(p), 60) << p.x << "," << p.y;
            }
        for (POINT p : row.unfilled) EXPECT_LT(redness(p), 20) << p.x << "," << p.y;
        SendMessageA(bar, PBM_SETPOS, 50, 0);
    }
}

// ---- up-down controls ----

TEST(UpDown, TheHalfUnderTheMouseLightsUp) {
    AccentGuard accent(0x0000FF);
    HWND upDown = Shared().Control(kUpDown);
    const SIZE size = SizeOf(upDown);
    const int half = size.cy / 2, x = 3;
    // A probe in each half, a quarter of the control from its end; each half's gradient runs
    // from its top to its bottom.
    const int top = half / 2, bottom = half + half / 2;
    auto expected = [&](int y, bool lit, bool first) {
        const Rgb base = Veiled(Under(upDown, x, y), 160);
        const double t = static_cast<double>(first ? y : y - half) / (first ? half : size.cy - half);
        const Stop shade = lit ? Along({kWhiteRgb, 100}, {kRedRgb, 150}, t)
                               : Along({kWhiteRgb, first ? 60 : 20}, {kRedRgb, 100}, t);
        return Lay(base, shade);
    };
    struct Case {
        const char* name;
        int mouseY;  // -1: the mouse has left
        bool topLit, bottomLit;
    };
    for (const Case& c : {Case{"over the upper half", top, true, false}, Case{"over the lower half", bottom, false, true},
                          Case{"after the mouse left", -1, false, false}}) {
        SCOPED_TRACE(c.name);
        if (c.mouseY >= 0) SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(5, c.mouseY));
        else SendMessageA(upDown, WM_MOUSELEAVE, 0, 0);
        Settle();
        EXPECT_NEAR_RGB(Seen(upDown, x, top), expected(top, c.topLit, true), 4);
        EXPECT_NEAR_RGB(Seen(upDown, x, bottom), expected(bottom, c.bottomLit, false), 4);
        if (c.topLit) KeepPicture(Shared().hwnd, "controls_updown_hot");
    }
}

// ---- the whole window ----

TEST(Window, EveryKindIsPainted) {
    RepaintNow(Shared().hwnd);
    KeepPicture(Shared().hwnd, "controls_window");
    // Every control has painted something other than the bare frame somewhere.
    for (int id : {kPush, kCheck, kEdit, kList, kDropList, kTrackbar, kProgress, kUpDown, kListView, kTree, kAddress, kDate, kTab}) {
        HWND control = Shared().Control(id);
        const SIZE size = SizeOf(control);
        int differing = 0;
        for (int y = 1; y < size.cy; y += 3)
            for (int x = 1; x < size.cx; x += 3)
                if (!Near(Seen(control, x, y), Under(control, x, y), 6)) ++differing;
        EXPECT_GT(differing, 3) << id;
    }
}

}  // namespace
