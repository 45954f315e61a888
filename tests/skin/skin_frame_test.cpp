// The skinned frame through real windows under Wine: skin_child's windows are driven from
// outside with window messages and the real mouse, what reaches their own procedures is read
// from the child's log, and the painted frame is read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/skin/SkinDriver.h"

using namespace skin_test;

namespace {

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Show(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

intptr_t Property(HWND window, const char* key) { return reinterpret_cast<intptr_t>(GetPropA(window, key)); }

int Luminance(const Rgb& c) { return c.r * 299 + c.g * 587 + c.b * 114; }

// ---- layout ----

struct LayoutCase {
    const char* letter;
    const char* expected;  // from the strip rule: button widths + gaps + 3, laid out from client width - strip width + 1
};

// Strip x, y, width, height; each button's rectangle (26 wide, the close button 40), its kind
// and its picture's size.
const LayoutCase kLayouts[] = {
    {"A", "strip=470,0,68,22 caption=25 buttons=472,1,26,18,2,26x18;499,1,40,18,0,38x18;"},
    {"M", "strip=306,0,95,22 caption=25 buttons=308,1,26,18,2,26x18;335,1,26,18,1,26x18;362,1,40,18,0,38x18;"},
    {"N", "strip=260,0,41,22 caption=25 buttons=262,1,40,18,0,38x18;"},
};

TEST(SkinFrame, CaptionButtonsAreLaidOutByTheStripRule) {
    ChildSession child({"windows", "A", "M", "N"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    for (const LayoutCase& c : kLayouts) {
        const std::string line = child.WaitForLine(std::string("layout ") + c.letter);
        EXPECT_NE(line.find(c.expected), std::string::npos) << line;
    }
}

TEST(SkinFrame, MainWindowOfTheProgramHasTheTwoButtonStrip) {
    ChildSession child({"program"});
    const std::string line = child.WaitForLine("layout P");
    EXPECT_NE(line.find(" n=1 "), std::string::npos) << line;
    EXPECT_NE(line.find(kLayouts[0].expected), std::string::npos) << line;
    HWND main = child.Window("【V1.4】Vellumtone");
    ASSERT_TRUE(main);
    const RECT client = ClientRectOf(main);
    EXPECT_EQ(client.right, 537);
    EXPECT_EQ(client.bottom, 327);
    // Taken over: numbered, the previous procedure kept, the frame's procedure in its place,
    // the system menu added.
    EXPECT_EQ(Property(main, "Hw_lbID"), 1);
    EXPECT_NE(Property(main, "Hw_hProc"), 0);
    EXPECT_NE(Property(main, "Hw_hProc"), GetWindowLongPtrA(main, GWLP_WNDPROC));
    EXPECT_TRUE(GetWindowLongA(main, GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongA(main, GWL_STYLE) & WS_MINIMIZEBOX);
    WaitForPaint(main);
    KeepScreenshot(main, "program_main");
    // The frame cache was made: the window property holds a GDI bitmap handle of the frame.
    EXPECT_NE(Property(main, "Ck_wtjbdx"), 0);
}

// ---- pressing ----

struct PressCase {
    int x, y;
    const char* logged;  // what the window's own procedure receives; "" for nothing
};

// The zones of a 537 x 327 client area with the strip at 470..538 (frame inset 3).
const PressCase kResizablePresses[] = {
    {2, 100, "A syscommand F001"},    // left edge
    {535, 100, "A syscommand F002"},  // right edge (x >= w - 3)
    {11, 3, "A syscommand F003"},     // top edge
    {480, 2, "A syscommand F003"},    // over the strip but at y = 2: the top edge, not a button
    {200, 325, "A syscommand F006"},  // bottom edge (y >= h - 3)
    {10, 10, "A syscommand F004"},    // top left corner
    {530, 2, "A syscommand F005"},    // top right corner
    {5, 320, "A syscommand F007"},    // bottom left corner
    {530, 320, "A syscommand F008"},  // bottom right corner
    {200, 20, "A nclbuttondown 2"},   // the caption band: moved by Windows
    {200, 25, "A nclbuttondown 2"},   // its last row
    {480, 3, ""},                     // a caption button's own press
    {200, 100, ""},                   // the client area
    {200, 26, ""},                    // just below the caption band
};

const PressCase kFixedPresses[] = {
    {200, 20, "F nclbuttondown 2"},  // the caption band still moves it
    {2, 100, ""},                    // but its edges do not size it
    {200, 325, ""},
    {530, 320, ""},
    {11, 3, "F nclbuttondown 2"},    // the top edge lies in the caption band
};

void ExpectPresses(ChildSession& child, HWND window, const char* letter, const PressCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const PressCase& c = cases[i];
        const size_t before = child.LineCount();
        SendAt(window, WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
        const auto lines = child.LinesSince(before, std::string(letter) + " ");
        std::vector<std::string> commands;
        for (const auto& l : lines)
            if (l.find("syscommand") != std::string::npos || l.find("nclbuttondown") != std::string::npos) commands.push_back(l);
        if (*c.logged) EXPECT_EQ(commands, std::vector<std::string>{c.logged}) << "press at " << c.x << "," << c.y;
        else EXPECT_TRUE(commands.empty()) << "press at " << c.x << "," << c.y << "\n" << Show(commands);
    }
}

TEST(SkinFrame, PressesStartTheZonesMovesOrResizes) {
    ChildSession child({"windows", "A", "F"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A"), f = child.Window("skin F");
    ASSERT_TRUE(a && f);
    ExpectPresses(child, a, "A", kResizablePresses, std::size(kResizablePresses));
    ExpectPresses(child, f, "F", kFixedPresses, std::size(kFixedPresses));
}

// A press and release on a caption button, as the mouse gives them.
void ClickCaption(HWND window, int x, int y) {
    SendAt(window, WM_MOUSEMOVE, x, y);
    SendAt(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    SendAt(window, WM_LBUTTONUP, x, y);
}

TEST(SkinFrame, CloseButtonClosesTheWindow) {
    ChildSession child({"windows", "A"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    const size_t before = child.LineCount();
    ClickCaption(a, 500, 10);  // x = 499 is the close button's edge, the first pixel inside is 500
    EXPECT_EQ(child.WaitForLine("done", before), "done");
    const auto lines = child.LinesSince(before, "A ");
    EXPECT_TRUE(Contains(lines, "A syscommand F060")) << Show(lines);
    EXPECT_TRUE(Contains(lines, "A close")) << Show(lines);
    EXPECT_TRUE(Contains(lines, "A destroy")) << Show(lines);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(child.Wait(10000), 0u);
}

TEST(SkinFrame, ProgramMainWindowClosesByItsCloseButton) {
    ChildSession child({"program"});
    ASSERT_NE(child.WaitForLine("layout P"), "");
    HWND main = child.Window("【V1.4】Vellumtone");
    ASSERT_TRUE(main);
    ClickCaption(main, 520, 10);
    EXPECT_EQ(child.Wait(10000), 0u);
    EXPECT_TRUE(Contains(child.Lines(), "done"));
}

TEST(SkinFrame, StrictEdgesOfTheButtonsPressNothing) {
    ChildSession child({"windows", "A"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    // The minimise button spans 472 < x < 498 and 1 < y < 19: its edges are outside.
    for (auto [x, y] : {std::pair{472, 10}, std::pair{498, 10}, std::pair{485, 1}, std::pair{485, 19}}) {
        const size_t before = child.LineCount();
        ClickCaption(a, x, y);
        EXPECT_TRUE(child.LinesSince(before, "A syscommand F020").empty()) << x << "," << y;
    }
    EXPECT_FALSE(IsIconic(a));
}

TEST(SkinFrame, MinimiseButtonMinimisesAndRestoringRepaints) {
    ChildSession child({"windows", "A"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    WaitForPaint(a);
    const Rgb before = ClientPixel(a, 100, 280);
    KeepScreenshot(a, "plain_normal");
    const size_t lines = child.LineCount();
    ClickCaption(a, 485, 10);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(a) != FALSE; }));
    EXPECT_TRUE(Contains(child.LinesSince(lines, "A "), "A syscommand F020"));
    SendMessageA(a, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(a) == FALSE; }));
    // The restored window is mapped a little after it stops being iconic: its frame comes back.
    Rgb after{};
    EXPECT_TRUE(WaitUntil([&] {
        after = ClientPixel(a, 100, 280);
        return after.r == before.r && after.g == before.g && after.b == before.b;
    })) << after.r << "," << after.g << "," << after.b;
    KeepScreenshot(a, "plain_restored");
}

// ---- the painted frame ----

TEST(SkinFrame, FrameIsShapedAndBordered) {
    ChildSession child({"windows", "A"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    WaitForPaint(a);
    const RECT c = ClientRectOf(a);
    const int w = c.right, h = c.bottom;
    // The region: a rounded rectangle whose corners are cut away.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(a, region), ERROR);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
        EXPECT_FALSE(PtInRegion(region, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{w / 2, 0}, std::pair{0, h / 2}, std::pair{w - 1, h / 2}, std::pair{w / 2, h - 1}, std::pair{3, 3}})
        EXPECT_TRUE(PtInRegion(region, x, y)) << x << "," << y;
    // Nothing of the magenta the frame is cleared with shows inside the region.
    for (auto [cx, cy] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
        for (int d = 0; d < 16; ++d) {
            const int x = cx == 0 ? d % 4 : cx - d % 4, y = cy == 0 ? d / 4 : cy - d / 4;
            if (!PtInRegion(region, x, y)) continue;
            const Rgb p = ClientPixel(a, x, y);
            EXPECT_FALSE(p.r == 255 && p.g == 0 && p.b == 255) << "magenta at " << x << "," << y;
        }
    DeleteObject(region);
    // A cut corner shows the desktop, as the desktop shows beside the window.
    RECT window{};
    GetWindowRect(a, &window);
    const Rgb desktop = ScreenPixel(window.left - 3, window.top + 3);
    const Rgb corner = ClientPixel(a, 0, 0);
    EXPECT_EQ(Luminance(corner), Luminance(desktop));
    // The double border: black at alpha 180 outside, white at alpha 180 inside it, on all sides.
    struct Edge {
        int ox, oy, ix, iy;
    };
    for (const Edge& e : {Edge{w / 2, 0, w / 2, 1}, Edge{0, h / 2, 1, h / 2}, Edge{w - 1, h / 2, w - 2, h / 2}, Edge{w / 2, h - 1, w / 2, h - 2}}) {
        const Rgb outer = ClientPixel(a, e.ox, e.oy), inner = ClientPixel(a, e.ix, e.iy);
        for (int v : {outer.r, outer.g, outer.b}) EXPECT_LE(v, 76) << "outer " << e.ox << "," << e.oy;  // 255 * 75 / 255 at most
        for (int v : {inner.r, inner.g, inner.b}) EXPECT_GE(v, 179) << "inner " << e.ix << "," << e.iy;  // 180 at least
    }
}

// ---- hover ----

// a over p in one channel, alpha 0..255.
double Over(double p, double c, double a) { return p * (1 - a / 255.0) + c * a / 255.0; }

// One channel of a gradient from (colour c1, alpha a1) to (c2, a2) at t: the colour either
// follows the two ends evenly, or weighted by their alphas (the platform's GDI+ may do either;
// with an end of alpha 0 the two differ).
struct Stop {
    double c, a;
};
Stop Between(Stop from, Stop to, double t, bool alphaWeighted) {
    const double a = from.a + (to.a - from.a) * t;
    if (!alphaWeighted || a <= 0) return {from.c + (to.c - from.c) * t, a};
    return {(from.c * from.a * (1 - t) + to.c * to.a * t) / (from.a * (1 - t) + to.a * t), a};
}

// The highlight's colour at a pixel of a caption button painted at opacity o, from the colour
// the button shows at opacity 0: the gloss over it is taken off to find the frame beneath,
// then the two gradients (black at o / 5, then the tint at o, each fading into clear white
// down the button) and the gloss (white at 50 fading to clear black) are laid on again.
Rgb ExpectedHighlight(const Rgb& unlit, int top, int height, int y, int o, const Rgb& tint, bool alphaWeighted) {
    const double t = (y + 0.5 - top) / height;         // down the button
    const double tg = (y + 0.5 - top) / (height - 1);  // down the gloss
    auto channel = [&](double shown, double tintChannel) {
        const Stop gloss = Between({255, 50}, {0, 0}, tg, alphaWeighted);
        const double frame = (shown - gloss.c * gloss.a / 255.0) / (1 - gloss.a / 255.0);
        const Stop shade = Between({0, o / 5.0}, {255, 0}, t, alphaWeighted);
        const Stop tinted = Between({tintChannel, static_cast<double>(o)}, {255, 0}, t, alphaWeighted);
        double p = Over(frame, shade.c, shade.a);
        p = Over(p, tinted.c, tinted.a);
        return static_cast<int>(std::lround(Over(p, gloss.c, gloss.a)));
    };
    return {channel(unlit.r, tint.r), channel(unlit.g, tint.g), channel(unlit.b, tint.b)};
}

bool Near(const Rgb& seen, const Rgb& expected, int tolerance) {
    return std::abs(seen.r - expected.r) <= tolerance && std::abs(seen.g - expected.g) <= tolerance &&
           std::abs(seen.b - expected.b) <= tolerance;
}

std::string ShowRgb(const Rgb& c) { return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b); }

void ExpectHighlight(const Rgb& seen, const Rgb& unlit, int y, int o, const Rgb& tint, const char* what) {
    const Rgb even = ExpectedHighlight(unlit, 1, 18, y, o, tint, false);
    const Rgb weighted = ExpectedHighlight(unlit, 1, 18, y, o, tint, true);
    EXPECT_TRUE(Near(seen, even, 8) || Near(seen, weighted, 8))
        << what << ": seen " << ShowRgb(seen) << ", expected " << ShowRgb(even) << " or " << ShowRgb(weighted);
}

bool Same(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// The pixel once the screen shows a change from `before` (the child paints synchronously, the
// screen follows a little later); `before` itself when nothing changes within the wait.
Rgb ChangedPixel(HWND window, POINT p, const Rgb& before) {
    Rgb now = before;
    WaitUntil([&] {
        now = ClientPixel(window, p.x, p.y);
        return !Same(now, before);
    }, 2000);
    return now;
}
// The pixel once two reads 150 ms apart agree.
Rgb SettledPixel(HWND window, POINT p) {
    Rgb last = ClientPixel(window, p.x, p.y);
    for (int i = 0; i < 20; ++i) {
        Sleep(150);
        const Rgb now = ClientPixel(window, p.x, p.y);
        if (Same(now, last)) return now;
        last = now;
    }
    return last;
}

TEST(SkinFrame, HoverFadesInAndOutOverEightTicks) {
    ChildSession child({"windows", "A", "notips"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    SetForegroundWindow(a);
    WaitForPaint(a);
    const POINT minimiseProbe{476, 6}, closeProbe{504, 6};  // inside the buttons, clear of their pictures
    const Rgb minimiseUnlit = SettledPixel(a, minimiseProbe);
    const Rgb closeUnlit = SettledPixel(a, closeProbe);
    // The pointer rests over the window's empty client area, so the mouse stays tracked there;
    // the moves over the strip are then given as messages, each at its exact point (the real
    // pointer's late events would come between them), and so is every tick.
    size_t mark = child.LineCount();
    MoveMouse(a, 300, 260);
    ASSERT_NE(child.WaitForLine("A mousehover", mark), "") << Show(child.Lines());
    ASSERT_TRUE(child.LinesSince(mark, "settimer").empty());
    auto tick = [&] { SendMessageA(a, WM_TIMER, reinterpret_cast<WPARAM>(a), 0); };
    auto move = [&](int x, int y) { SendAt(a, WM_MOUSEMOVE, x, y); };

    mark = child.LineCount();
    move(485, 10);
    EXPECT_EQ(child.LinesSince(mark, "settimer"), std::vector<std::string>{"settimer A 20 id=window"});
    // Eight ticks, each darker (the accent is black), then no more change.
    Rgb shown = minimiseUnlit;
    for (int i = 1; i <= 8; ++i) {
        tick();
        const Rgb now = ChangedPixel(a, minimiseProbe, shown);
        EXPECT_LT(Luminance(now), Luminance(shown)) << "tick " << i;
        shown = now;
    }
    tick();
    const Rgb lit = SettledPixel(a, minimiseProbe);
    EXPECT_TRUE(Same(lit, shown)) << "a ninth tick changes nothing";
    ExpectHighlight(lit, minimiseUnlit, minimiseProbe.y, 240, {0, 0, 0}, "minimise at full opacity");

    // Over to the close button: the first fades out, the second in, red; the timer runs on.
    move(515, 10);
    for (int i = 0; i < 8; ++i) tick();
    EXPECT_TRUE(Same(SettledPixel(a, minimiseProbe), minimiseUnlit));
    const Rgb closeLit = SettledPixel(a, closeProbe);
    ExpectHighlight(closeLit, closeUnlit, closeProbe.y, 240, {255, 0, 0}, "close at full opacity");
    EXPECT_GT(closeLit.r - closeLit.g, closeUnlit.r - closeUnlit.g + 60);

    // Away from the strip: the close button fades out over eight ticks, then the timer is killed.
    mark = child.LineCount();
    move(300, 200);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(child.LinesSince(mark, "killtimer").empty()) << "tick " << i + 1;
        tick();
    }
    EXPECT_EQ(child.LinesSince(mark, "killtimer"), std::vector<std::string>{"killtimer A id=window"}) << Show(child.LinesSince(mark));
    EXPECT_TRUE(child.LinesSince(mark, "A mouseleave").empty()) << "the pointer stayed over the window";
    EXPECT_TRUE(Same(SettledPixel(a, closeProbe), closeUnlit));
}

TEST(SkinFrame, HoverScreenshotsWithTheRealTimer) {
    ChildSession child({"windows", "A", "realtimer"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A");
    ASSERT_TRUE(a);
    SetForegroundWindow(a);
    WaitForPaint(a);
    const Rgb unlit = ClientPixel(a, 504, 6);
    MoveMouse(a, 515, 10);
    // The real 20 ms timer brings the close button to its red highlight.
    EXPECT_TRUE(WaitUntil([&] {
        const Rgb c = ClientPixel(a, 504, 6);
        return c.r - c.g > unlit.r - unlit.g + 60;
    }));
    WaitForPaint(a);
    KeepScreenshot(a, "plain_hot_close");
    MoveMouse(a, 485, 10);
    WaitForPaint(a);
    KeepScreenshot(a, "plain_hot_minimise");
}

// ---- window state ----

TEST(SkinFrame, MaximisingKeepsTheTaskbarVisible) {
    ChildSession child({"windows", "taskbar40", "M"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND m = child.Window("skin M");
    ASSERT_TRUE(m);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MINMAXINFO info{};
    SendMessageA(m, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, screenWidth);
    EXPECT_EQ(info.ptMaxTrackSize.y, screenHeight);

    ClickCaption(m, 348, 10);  // the maximise button: 335 < x < 361
    EXPECT_TRUE(WaitUntil([&] {
        RECT r{};
        GetWindowRect(m, &r);
        return r.left == 0 && r.top == 0 && r.right == screenWidth && r.bottom == screenHeight - 40;
    })) << "a 1280 x 1024 screen with a 40-pixel taskbar leaves 1280 x 984";
    SendMessageA(m, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, screenWidth);
    EXPECT_EQ(info.ptMaxTrackSize.y, screenHeight - 40);

    // The same button restores. The maximised window now lies under the parked pointer, whose
    // own moves would take the button's hot state away: the pointer rests on the button.
    const int restoreX = ClientRectOf(m).right - 94 + 2 + 27 + 13;
    MoveMouse(m, restoreX, 10);
    ClickCaption(m, restoreX, 10);
    EXPECT_TRUE(WaitUntil([&] {
        const RECT r = ClientRectOf(m);
        return r.right == 400 && r.bottom == 300;
    })) << Show(child.Lines());
}

TEST(SkinFrame, SystemMaximiseVariantEndsBelowTheTaskbarToo) {
    ChildSession child({"windows", "taskbar40", "M"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND m = child.Window("skin M");
    ASSERT_TRUE(m);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SendMessageA(m, WM_SYSCOMMAND, SC_MAXIMIZE | 2, 0);  // 0xF032: not the exact command
    EXPECT_TRUE(WaitUntil([&] {
        RECT r{};
        GetWindowRect(m, &r);
        return r.right - r.left == screenWidth && r.bottom - r.top == screenHeight - 40;
    }));
}

TEST(SkinFrame, DoubleClickOnTheCaptionMaximisesOnlyWithAMaximiseButton) {
    ChildSession child({"windows", "taskbar40", "A", "M"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A"), m = child.Window("skin M");
    ASSERT_TRUE(a && m);
    size_t mark = child.LineCount();
    SendAt(m, WM_LBUTTONDBLCLK, 100, 12, MK_LBUTTON);
    EXPECT_TRUE(Contains(child.LinesSince(mark, "M "), "M syscommand F030"));
    mark = child.LineCount();
    SendAt(a, WM_LBUTTONDBLCLK, 100, 12, MK_LBUTTON);
    EXPECT_TRUE(child.LinesSince(mark, "A syscommand").empty());
    // Below the caption band the double click is nobody's.
    SendMessageA(m, WM_SYSCOMMAND, SC_RESTORE, 0);
    mark = child.LineCount();
    SendAt(m, WM_LBUTTONDBLCLK, 100, 40, MK_LBUTTON);
    EXPECT_TRUE(child.LinesSince(mark, "M syscommand F030").empty());
}

// ---- the registry ----

TEST(SkinFrame, DestroyingTheFirstWindowRenumbersTheSecond) {
    ChildSession child({"windows", "A", "F"});
    ASSERT_NE(child.WaitForLine("ready"), "");
    HWND a = child.Window("skin A"), f = child.Window("skin F");
    ASSERT_TRUE(a && f);
    EXPECT_EQ(Property(a, "Hw_lbID"), 1);
    EXPECT_EQ(Property(f, "Hw_lbID"), 2);
    std::vector<HWND> controls;
    for (HWND c = GetWindow(f, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (Property(c, "Hw_FuID")) controls.push_back(c);
    ASSERT_FALSE(controls.empty()) << "no control of the window was taken over";
    std::vector<intptr_t> numbers;
    for (HWND c : controls) {
        EXPECT_EQ(Property(c, "Hw_FuID"), 2);
        numbers.push_back(Property(c, "Hw_lbID"));
    }
    SendMessageA(a, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(Property(f, "Hw_lbID"), 1);
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(Property(controls[i], "Hw_FuID"), 1);
        EXPECT_EQ(Property(controls[i], "Hw_lbID"), numbers[i]);  // a control's own number stays
    }
    // The renumbered window still works: its close button closes it.
    ClickCaption(f, 500, 10);
    EXPECT_EQ(child.Wait(10000), 0u);
}

// ---- control colouring ----

struct ColourCase {
    const char* phase;
    const char* control;
    const char* answer;  // how the frame answers; "other" is the previous procedure's own brush
    bool previous;       // the window's own procedure was asked
};

const ColourCase kColourCases[] = {
    {"skinned", "btn", "stock-null", false},
    {"skinned", "listbox", "stock-null", false},
    {"skinned", "drawn-listbox", "other", true},
    {"skinned", "static", "kept", false},
    {"skinned", "edit", "kept", false},
    {"skinned", "combo-edit", "other", true},
    {"noalpha", "btn", "other", true},
    {"noalpha", "static", "other", true},
    {"noalpha", "edit", "other", true},
    {"nocontrols", "btn", "other", true},
    {"nocontrols", "listbox", "other", true},
    {"nocontrols", "static", "other", true},
};

TEST(SkinFrame, ControlColouringAnswers) {
    ChildSession child({"checks"});
    ASSERT_EQ(child.WaitForLine("done"), "done");
    const auto lines = child.Lines();
    for (const ColourCase& c : kColourCases) {
        const std::string name = std::string(c.phase) + " " + c.control;
        EXPECT_TRUE(Contains(lines, "answer " + name + " " + c.answer)) << name;
        const auto at = std::find(lines.begin(), lines.end(), "case " + name);
        ASSERT_NE(at, lines.end()) << name;
        const bool asked = std::any_of(at + 1, at + 2, [](const std::string& l) { return l.find("ctlcolor-previous") != std::string::npos; });
        EXPECT_EQ(asked, c.previous) << name;
    }
    // The button's text colour and transparent mode were set on its device context.
    const auto button = std::find(lines.begin(), lines.end(), "case skinned btn");
    ASSERT_NE(button, lines.end());
    EXPECT_EQ(*(button + 1), "value textcolour FF");
    EXPECT_EQ(*(button + 2), "value bkmode 1");
    // A combo box's colour goes on its inner edit.
    EXPECT_TRUE(Contains(lines, "value combo-colour 0"));
    EXPECT_TRUE(Contains(lines, "value combo-edit-colour FF0000"));
    // A second answer deletes the first brush and its bitmap; the new bitmap is a bitmap.
    EXPECT_TRUE(Contains(lines, "value first-brush-type 0"));
    EXPECT_TRUE(Contains(lines, "value first-bitmap-type 0"));
    EXPECT_TRUE(Contains(lines, "value bitmap-type " + std::to_string(OBJ_BITMAP)));
}

}  // namespace
