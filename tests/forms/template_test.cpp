// The template block: written by the writer, read back by the loader; every way a block can be
// cut short or bent; in-place changes; lookups; and the program's own two windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "forms/Events.h"
#include "forms/TemplateWriter.h"
#include "forms/WindowMap.h"
#include "forms/units/TransLabelProperties.h"
#include "forms/units/WindowProperties.h"
#include "tool/ProgramCode.h"
#include "tool/ProgramHeader.h"
#include "tool/ProgramRoutines.h"
#include "tool/ProgramWindows.h"

using namespace tpl;
using forms::WindowMap;
using forms::WindowRecord;

namespace {

// A code base of its own: the loader only adds offsets to it.
const int kCodeBase[16] = {};

// Two windows; the first has a unit with children, cursor data, a tag, a second text, an event
// host and three bindings (-1, 0 and 24).
std::vector<WindowDef> SampleWindows() {
    return {
        {.windowId = 0x52000A01, .word1 = 0x11111111, .word2 = 0x22222222, .text1 = "一", .text2 = "two",
         .units = {
             {.type = kWindowType, .id = 0x06000A01, .rect = {1, 2, 300, 200}, .flags = kUnitVisible,
              .events = {{0, 0}, {1, kNoHandler}}, .propertyData = PropertyBytes(WindowProperties{.title = "样本"})},
             {.type = kTransLabelType, .id = 0x16000A02, .name = "标签一", .rect = {-5, 6, 70, 80},
              .flags = kUnitVisible | kUnitTabStop, .tabOrder = 3, .tag = "标记", .events = {{0, 24}, {-7, kNoHandler}},
              .cursorData = std::string("\x01\x00\x00\x00", 4), .children = {0x16000A03}, .eventHost = 0x16000A03,
              .secondText = "第二", .propertyData = PropertyBytes(TransLabelProperties{.caption = "文字"})},
             {.type = kTransLabelType, .id = 0x16000A03, .name = "标签二", .rect = {9, 10, 11, 12}, .flags = kUnitDisabled,
              .propertyData = {0xAA, 0xBB}},
         }},
        {.windowId = 0x52000A02, .units = {{.type = kWindowType, .id = 0x06000A02, .rect = {0, 0, 10, 10}}}},
    };
}

std::vector<uint8_t> SampleBlock(std::vector<FieldMark>* marks = nullptr) {
    return SerialiseTemplates(SampleWindows(), marks);
}

bool Load(const std::vector<uint8_t>& block, size_t size, WindowMap& map) {
    return forms::LoadTemplates(block.data(), size, kCodeBase, map);
}

struct Unit {
    uint32_t id, type;
    std::string name;
    int32_t left, top, width, height;
    uint32_t flags;
};

Unit ReadUnit(const WindowRecord& w, int32_t i) {
    auto l = *w.Layout(i);
    return {w.UnitIdAt(i), w.Word(l.type), w.ZText(l.name), w.Int(l.left), w.Int(l.top), w.Int(l.width), w.Int(l.height), w.Word(l.flags)};
}

void ExpectUnit(const WindowRecord& w, int32_t i, const UnitDef& d) {
    SCOPED_TRACE(i);
    Unit u = ReadUnit(w, i);
    EXPECT_EQ(u.id, d.id);
    EXPECT_EQ(u.type, d.type);
    EXPECT_EQ(u.name, d.name);
    EXPECT_EQ(u.left, d.rect.left);
    EXPECT_EQ(u.top, d.rect.top);
    EXPECT_EQ(u.width, d.rect.width);
    EXPECT_EQ(u.height, d.rect.height);
    EXPECT_EQ(u.flags, d.flags);
}

uint32_t PatchedWord(std::vector<uint8_t>& block, size_t at, uint32_t v) {
    uint32_t old;
    std::memcpy(&old, block.data() + at, 4);
    std::memcpy(block.data() + at, &v, 4);
    return old;
}

size_t MarkAt(const std::vector<FieldMark>& marks, const char* what, int nth = 0) {
    for (const FieldMark& m : marks)
        if (std::strcmp(m.what, what) == 0 && nth-- == 0) return m.position;
    ADD_FAILURE() << "no mark " << what;
    return 0;
}

TEST(Templates, RoundTrip) {
    std::vector<uint8_t> block = SampleBlock();
    WindowMap map;
    ASSERT_TRUE(Load(block, block.size(), map));
    ASSERT_EQ(map.Records().size(), 2u);
    std::vector<WindowDef> defs = SampleWindows();
    WindowRecord& w = *map.Find(0x52000A01);
    EXPECT_EQ(w.word1, 0x11111111u);
    EXPECT_EQ(w.word2, 0x22222222u);
    EXPECT_EQ(w.text1, "一");
    EXPECT_EQ(w.text2, "two");
    ASSERT_EQ(w.unitCount, 3);
    for (int32_t i = 0; i < 3; ++i) ExpectUnit(w, i, defs[0].units[static_cast<size_t>(i)]);
    auto l = *w.Layout(1);
    EXPECT_EQ(w.ZText(l.secondText), "第二");
    EXPECT_EQ(w.ZText(l.tag), "标记");
    EXPECT_EQ(w.Counted(l.cursorData), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(w.Int(l.childCount), 1);
    EXPECT_EQ(w.Word(l.children), 0x16000A03u);
    EXPECT_EQ(w.Word(l.eventHost), 0x16000A03u);
    EXPECT_EQ(w.Int(l.tabOrder), 3);
    for (size_t slot = l.slots; slot < l.slots + 16; slot += 4) EXPECT_EQ(w.Word(slot), 0u);
    // The type's property data is the record's rest, byte for byte.
    std::vector<uint8_t> data = PropertyBytes(TransLabelProperties{.caption = "文字"});
    EXPECT_EQ(std::vector<uint8_t>(w.units.begin() + static_cast<ptrdiff_t>(l.propertyData),
                                   w.units.begin() + static_cast<ptrdiff_t>(l.end)),
              data);
    EXPECT_EQ(std::vector<uint8_t>(w.UnitBytes(2).end() - 2, w.UnitBytes(2).end()), (std::vector<uint8_t>{0xAA, 0xBB}));
    EXPECT_EQ(map.Find(0x52000A02)->unitCount, 1);
}

TEST(Templates, HandlersAreRebasedToTheCodeBase) {
    std::vector<uint8_t> block = SampleBlock();
    WindowMap map;
    ASSERT_TRUE(Load(block, block.size(), map));
    WindowRecord& w = *map.Find(0x52000A01);
    const uint32_t base = forms::ToCodeAddress(kCodeBase);
    EXPECT_NE(base, 0u);
    EXPECT_EQ(w.HandlerOf(0, 0), base);       // offset 0: the code base itself, a handler
    EXPECT_EQ(w.HandlerOf(0, 1), 0u);         // -1: none
    EXPECT_EQ(w.HandlerOf(1, 0), base + 24);
    EXPECT_EQ(w.HandlerOf(1, -7), 0u);
    EXPECT_EQ(w.HandlerOf(1, 5), 0u);         // not bound at all
    EXPECT_EQ(forms::FromCodeAddress(base), static_cast<const void*>(kCodeBase));
}

TEST(Templates, Lookups) {
    std::vector<uint8_t> block = SampleBlock();
    WindowMap map;
    ASSERT_TRUE(Load(block, block.size(), map));
    EXPECT_EQ(map.Find(0x52000A03), nullptr);
    WindowRecord& w = *map.Find(0x52000A01);
    EXPECT_EQ(w.IndexOf(0x06000A01), 0);       // the window's own id: its own record
    EXPECT_EQ(w.IndexOf(0x16000A03), 2);
    EXPECT_EQ(w.IndexOf(0x06000A02), -1);      // the other window's id is not in this one
    EXPECT_EQ(w.IndexOf(0x16009999), -1);
    EXPECT_EQ(w.UnitIdAt(2), 0x16000A03u);
    EXPECT_EQ(w.UnitIdAt(3), 0u);
    EXPECT_EQ(w.UnitIdAt(-1), 0u);
    EXPECT_FALSE(w.Layout(3).has_value());
    EXPECT_TRUE(w.UnitBytes(3).empty());
}

TEST(Templates, EveryShortenedBlockFails) {
    std::vector<uint8_t> block = SampleBlock();
    for (size_t size = 0; size < block.size(); ++size) {
        WindowMap map;
        EXPECT_FALSE(Load(block, size, map)) << "cut at " << size;
        EXPECT_TRUE(map.Records().empty());
    }
    block.push_back(0);  // nothing may follow the last window record either
    WindowMap map;
    EXPECT_FALSE(Load(block, block.size(), map));
}

TEST(Templates, CountsAndOffsetsThatDoNotFit) {
    std::vector<FieldMark> marks;
    const std::vector<uint8_t> good = SampleBlock(&marks);
    struct Case {
        const char* field;
        int nth;
        size_t extra;  // bytes into the field
        uint32_t value;
    } cases[] = {
        {"window list size", 0, 0, 24},          // a third window the block does not hold
        {"window list size", 0, 0, 12},          // not 8 per window
        {"window texts", 0, 0, 0x7FFFFFFF},      // a counted text past the end
        {"unit count", 0, 0, 99},                // more ids and offsets than the table holds
        {"unit count", 0, 0, 0xFFFFFFFF},
        {"unit table size", 0, 0, 0x00100000},   // a table past the end of the block
        {"unit offsets", 0, 4, 0x00010000},      // unit 1's record past the end of the table
        {"unit record size", 1, 0, 0x00010000},  // a record longer than its table
        {"child count", 1, 0, 1000},             // children past the end of the record
        {"cursor data", 1, 0, 1000},
        {"event count", 1, 0, 1000},
        {"event count", 1, 0, 0x80000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + std::to_string(c.value));
        std::vector<uint8_t> block = good;
        PatchedWord(block, MarkAt(marks, c.field, c.nth) + c.extra, c.value);
        WindowMap map;
        EXPECT_FALSE(Load(block, block.size(), map));
    }
    // The same block unpatched loads.
    std::vector<uint8_t> block = good;
    WindowMap map;
    EXPECT_TRUE(Load(block, block.size(), map));
}

TEST(Templates, ATextChangedInPlaceMovesTheRestOfTheRecord) {
    std::vector<uint8_t> block = SampleBlock();
    WindowMap map;
    ASSERT_TRUE(Load(block, block.size(), map));
    WindowRecord& w = *map.Find(0x52000A01);
    std::vector<WindowDef> defs = SampleWindows();
    const size_t recordSize = w.UnitBytes(1).size();
    const std::vector<uint8_t> lastRecord(w.UnitBytes(2).begin(), w.UnitBytes(2).end());
    for (std::string tag : {"一个长得多的标记文字", "", "短"}) {
        SCOPED_TRACE(tag);
        w.ReplaceZText(1, &forms::UnitLayout::tag, tag);
        auto l = *w.Layout(1);
        EXPECT_EQ(w.ZText(l.tag), tag);
        EXPECT_EQ(w.UnitBytes(1).size(), recordSize + tag.size() - std::strlen("标记"));
        EXPECT_EQ(w.Int(l.flags), static_cast<int32_t>(kUnitVisible | kUnitTabStop));  // fields after the tag moved along
        EXPECT_EQ(w.HandlerOf(1, 0), forms::ToCodeAddress(kCodeBase) + 24);
        // The record after it is found where it now starts, unchanged.
        EXPECT_EQ(std::vector<uint8_t>(w.UnitBytes(2).begin(), w.UnitBytes(2).end()), lastRecord);
        ExpectUnit(w, 2, defs[0].units[2]);
        ExpectUnit(w, 0, defs[0].units[0]);
    }
    w.ReplaceCounted(1, &forms::UnitLayout::cursorData, std::string("\x02\x00\x00\x00\x09", 5));
    EXPECT_EQ(w.Counted(w.Layout(1)->cursorData), std::string("\x02\x00\x00\x00\x09", 5));
    EXPECT_EQ(w.ZText(w.Layout(1)->tag), "短");
    ExpectUnit(w, 2, defs[0].units[2]);
}

// The window unit's property data: each format version carries the fields it names; a field a
// version does not carry reads as its default.
TEST(WindowPropertyData, FormatVersions) {
    for (int32_t version = 1; version <= 6; ++version) {
        SCOPED_TRACE(version);
        WindowProperties written{.version = version, .border = 5, .escapeCloses = 0, .showInTaskbar = 0, .dragByClient = 1,
                                 .option20 = 2, .alwaysOnTop = 1, .option22 = 1, .className = "类名", .icon = "ico",
                                 .title = "标题", .helpFile = "h.hlp"};
        std::vector<uint8_t> data = PropertyBytes(written);
        // 14 numbers, then 1, 2, 1 and 1 more from versions 2, 3, 4 and 5, the class name in 6,
        // then three blocks and two texts.
        size_t expected = 4 * 14 + (version > 1 ? 4 : 0) + (version > 2 ? 8 : 0) + (version > 3 ? 4 : 0) +
                          (version > 4 ? 4 : 0) + (version == 6 ? 4 + 4 : 0) + 3 * 4 + 3 + 4 + 4 + 4 + 5;
        EXPECT_EQ(data.size(), expected);
        WindowProperties read;
        ASSERT_TRUE(ReadPropertyData(data.data(), data.size(), read));
        EXPECT_EQ(read.border, 5);
        EXPECT_EQ(read.escapeCloses, 0);
        EXPECT_EQ(read.showInTaskbar, version > 1 ? 0 : 1);
        EXPECT_EQ(read.dragByClient, version > 2 ? 1 : 0);
        EXPECT_EQ(read.option20, version > 2 ? 2 : 0);
        EXPECT_EQ(read.alwaysOnTop, version > 3 ? 1 : 0);
        EXPECT_EQ(read.option22, version > 4 ? 1 : 0);
        EXPECT_EQ(read.className, version == 6 ? "类名" : "");
        EXPECT_EQ(read.icon, "ico");
        EXPECT_EQ(read.title, "标题");
        EXPECT_EQ(read.helpFile, "h.hlp");
    }
    // The defaults of a window whose data holds nothing but the version.
    std::vector<uint8_t> newer = PropertyBytes(WindowProperties{.version = 6});
    newer[0] = 7;  // a version this program does not know
    WindowProperties read;
    EXPECT_FALSE(ReadPropertyData(newer.data(), newer.size(), read));
    WindowProperties defaults;
    EXPECT_EQ(defaults.border, 2);
    EXPECT_EQ(defaults.pictureMode, 1);
    EXPECT_EQ(defaults.backColour, 0xFF000000u);
    EXPECT_EQ(defaults.maxButton, 0);
    EXPECT_EQ(defaults.minButton, 1);
    EXPECT_EQ(defaults.controlBox, 1);
    EXPECT_EQ(defaults.startPosition, 1);
    EXPECT_EQ(defaults.movable, 1);
    EXPECT_EQ(defaults.escapeCloses, 1);
    EXPECT_EQ(defaults.showInTaskbar, 1);
}

// ---- the program's own block ----

struct ExpectedUnit {
    uint32_t id, type;
    const char* name;
    Rect rect;
    uint32_t flags;
};

// MainWindow's units as the tool's window layout gives them.
constexpr ExpectedUnit kMainWindowUnits[] = {
    {0x06010000, 0x00010001, "", {50, 50, 537, 327}, 1},
    {0x16013E84, 0x00020005, "透明标签2", {48, 48, 160, 56}, 1},
    {0x16013E4C, 0x00020005, "透明标签1", {368, 304, 168, 16}, 1},
    {0x16011EF9, 0x00020005, "json文件目录标签", {24, 219, 424, 32}, 1},
    {0x16013E35, 0x0001000B, "按钮1", {344, 152, 100, 45}, 5},
    {0x16011F05, 0x00020005, "选择的原音乐文件标签", {592, 256, 136, 32}, 1},
    {0x16011F03, 0x0001000F, "选择音乐文件列表框", {216, 40, 120, 160}, 5},
    {0x16011EFA, 0x00020005, "文件ogg标签", {32, 273, 424, 24}, 1},
    {0x16011EE0, 0x00010005, "json内容编辑框", {528, 144, 72, 72}, 4},
    {0x16011EDD, 0x00020005, "文件哈希预览标签", {24, 251, 416, 24}, 1},
    {0x16010010, 0x0001000B, "替换ogg文件按钮", {344, 39, 100, 105}, 5},
    {0x16010008, 0x0001001F, "通用对话框1", {528, 8, 48, 32}, 0},
    {0x16010002, 0x0001000B, "读入ogg按钮1", {48, 100, 160, 101}, 5},
};

TEST(ProgramTemplates, TheHeaderNamesTheWholeBlock) {
    EXPECT_EQ(kProgramHeader.templateDataSize, 3716u);
    EXPECT_EQ(kProgramHeader.templateData, kTemplateBlock.data());
    EXPECT_EQ(kTemplateBlock.size(), 3716u);
    EXPECT_EQ(kProgramHeader.buildWord1, 3u);
    EXPECT_EQ(kProgramHeader.supportLibraryCount, 5);
    WindowMap map;
    EXPECT_TRUE(forms::LoadTemplates(kTemplateBlock.data(), kTemplateBlock.size(), kProgramHeader.codeBase, map));
    EXPECT_EQ(map.Records().size(), 2u);
    EXPECT_EQ(map.Records()[0].windowId, 0x52010001u);
    EXPECT_EQ(map.Records()[1].windowId, 0x52013E38u);
}

TEST(ProgramTemplates, MainWindowUnits) {
    WindowMap map;
    ASSERT_TRUE(forms::LoadTemplates(kTemplateBlock.data(), kTemplateBlock.size(), kProgramHeader.codeBase, map));
    WindowRecord& w = *map.Find(0x52010001);
    EXPECT_EQ(w.word1, 0x00BE6000u);
    EXPECT_EQ(w.word2, 0x19010005u);
    ASSERT_EQ(w.unitCount, 13);
    for (int32_t i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        const ExpectedUnit& e = kMainWindowUnits[i];
        Unit u = ReadUnit(w, i);
        EXPECT_EQ(u.id, e.id);
        EXPECT_EQ(u.type, e.type);
        EXPECT_EQ(u.name, e.name);
        EXPECT_EQ(u.left, e.rect.left);
        EXPECT_EQ(u.top, e.rect.top);
        EXPECT_EQ(u.width, e.rect.width);
        EXPECT_EQ(u.height, e.rect.height);
        EXPECT_EQ(u.flags, e.flags);
        auto l = *w.Layout(i);
        EXPECT_EQ(w.Int(l.tabOrder), 0);
        EXPECT_EQ(w.Word(l.eventHost), 0u);
        EXPECT_EQ(w.ZText(l.tag), "");
        EXPECT_EQ(w.Counted(l.cursorData), "");
    }
    tpl::WindowProperties p;
    auto l = *w.Layout(0);
    ASSERT_TRUE(tpl::ReadPropertyData(w.units.data() + l.propertyData, l.end - l.propertyData, p));
    EXPECT_EQ(p.version, 6);
    EXPECT_EQ(p.title, "【V1.4】Vellumtone");
    EXPECT_EQ(p.border, 0);
    EXPECT_EQ(p.startPosition, 1);
    EXPECT_EQ(p.escapeCloses, 1);
    EXPECT_EQ(p.backColour, 0xFF000000u);
    EXPECT_EQ(p.minButton, 1);
    EXPECT_EQ(p.maxButton, 0);
    EXPECT_EQ(p.className, "");
}

// The bindings: each bound event reaches its routine, every other event of every unit none.
TEST(ProgramTemplates, EventBindings) {
    WindowMap map;
    ASSERT_TRUE(forms::LoadTemplates(kTemplateBlock.data(), kTemplateBlock.size(), kProgramHeader.codeBase, map));
    struct Binding {
        uint32_t window, unit;
        forms::EventHandler handler;
    } bindings[] = {
        {0x52010001, 0x06010000, forms::HandlerFor<&StartupRoutine>},
        {0x52010001, 0x16013E35, forms::HandlerFor<&ShowAboutRoutine>},
        {0x52010001, 0x16011F03, forms::HandlerFor<&SelectionRoutine>},
        {0x52010001, 0x16010010, forms::HandlerFor<&WriteRoutine>},
        {0x52010001, 0x16010002, forms::HandlerFor<&ChooseOggRoutine>},
        {0x52013E38, 0x06013E37, forms::HandlerFor<&AboutCreatedRoutine>},
    };
    int bound = 0;
    for (WindowRecord& w : map.Records()) {
        for (int32_t i = 0; i < w.unitCount; ++i) {
            for (int32_t event = -10; event <= 20; ++event) {
                uint32_t handler = w.HandlerOf(i, event);
                if (handler == 0) continue;
                ++bound;
                EXPECT_EQ(event, 0);
                const Binding* b = nullptr;
                for (const Binding& c : bindings)
                    if (c.window == w.windowId && c.unit == w.UnitIdAt(i)) b = &c;
                ASSERT_NE(b, nullptr) << std::hex << w.UnitIdAt(i);
                EXPECT_EQ(*static_cast<const forms::EventHandler*>(forms::FromCodeAddress(handler)), b->handler);
            }
        }
    }
    EXPECT_EQ(bound, 6);
    // AboutButton's handler is stored with offset 0: the code base itself.
    EXPECT_EQ(map.Find(0x52010001)->HandlerOf(4, 0), forms::ToCodeAddress(kProgramHeader.codeBase));
}

TEST(ProgramTemplates, AboutWindow) {
    WindowMap map;
    ASSERT_TRUE(forms::LoadTemplates(kTemplateBlock.data(), kTemplateBlock.size(), kProgramHeader.codeBase, map));
    WindowRecord& w = *map.Find(0x52013E38);
    EXPECT_EQ(w.word1, 0x024E3DA0u);
    EXPECT_EQ(w.word2, 0x19013E4Au);
    ASSERT_EQ(w.unitCount, 2);
    Unit window = ReadUnit(w, 0), label = ReadUnit(w, 1);
    EXPECT_EQ(window.id, 0x06013E37u);
    EXPECT_EQ(window.width, 512);
    EXPECT_EQ(window.height, 402);
    EXPECT_EQ(label.id, 0x16013E39u);
    EXPECT_EQ(label.type, 0x00020005u);
    EXPECT_EQ(label.name, "透明标签1");
    EXPECT_EQ(label.left, 16);
    EXPECT_EQ(label.width, 488);
    EXPECT_EQ(label.height, 376);
    tpl::TransLabelProperties p;
    auto l = *w.Layout(1);
    ASSERT_TRUE(tpl::ReadPropertyData(w.units.data() + l.propertyData, l.end - l.propertyData, p));
    const std::string head = "程序版本：V1.4" + std::string(45, ' ') + "【按ESC关闭】\r\n\r\nV1.4更新内容\r\n\r\n【重要更新】";
    EXPECT_EQ(p.caption.substr(0, head.size()), head);
    EXPECT_EQ(p.wordWrap, 1);
    ASSERT_EQ(p.font.size(), 60u);
    int32_t height;
    std::memcpy(&height, p.font.data(), 4);
    EXPECT_EQ(height, -12);
    EXPECT_EQ(static_cast<uint8_t>(p.font[23]), 134);
    EXPECT_STREQ(p.font.data() + 28, "微软雅黑");
}

}  // namespace
