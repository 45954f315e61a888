// The window template writer: readable window definitions in, the serialised template block
// out. It runs in the compiler (constexpr), so the program's templates lie in read-only data as
// the block itself; the tests run the same writer to build good and malformed blocks.
//
// The block: the window list (a byte count, then the WindowIds and one placeholder word per
// window), then one window record per window: two words kept with the window, two counted texts,
// the unit count n and the unit table (a byte count, then n UnitIds, n offsets counted from the
// end of the offset array, and the n unit records, each a byte count and its bytes).
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/TemplateArchive.h"
#include "forms/TemplateFormat.h"

namespace tpl {

struct Rect {
    int32_t left, top, width, height;
};

struct EventBinding {
    int32_t event;
    int32_t handlerOffset;  // relative to the program's code base; kNoHandler for none
};

// One unit of a window; unit 0 is the window itself.
struct UnitDef {
    uint32_t type = 0;                   // UnitTypeId
    uint32_t id = 0;                     // UnitId
    std::string name{};                  // empty for the window itself
    Rect rect{};
    uint32_t flags = 0;                  // UnitFlag bits
    int32_t tabOrder = 0;
    std::string tag{};
    std::vector<EventBinding> events{};
    std::string cursorData{};            // counted block; empty: the default arrow
    uint32_t parent = 0;                 // the container unit, 0 for the window
    std::vector<uint32_t> children{};
    uint32_t eventHost = 0;
    std::string secondText{};
    std::vector<uint8_t> propertyData{}; // the type's own serialisation (PropertyBytes)
};

struct WindowDef {
    uint32_t windowId = 0;
    uint32_t word1 = 0, word2 = 0;       // kept with the window, not interpreted
    std::string text1{}, text2{};            // the same
    std::vector<UnitDef> units{};
};

// Where a named field was written, for tests that cut or bend a block at a chosen place.
struct FieldMark {
    const char* what;
    size_t position;
};

class BlockWriter {
public:
    constexpr explicit BlockWriter(std::vector<FieldMark>* marks = nullptr) : marks_(marks) {}

    constexpr std::vector<uint8_t> Serialise(const std::vector<WindowDef>& windows) {
        Mark("window list size");
        w_.Int(static_cast<int32_t>(8 * windows.size()));
        for (const WindowDef& win : windows) w_.UInt(win.windowId);
        for (size_t i = 0; i < windows.size(); ++i) w_.UInt(0);
        for (const WindowDef& win : windows) WindowRecord(win);
        return w_.Take();
    }

private:
    constexpr void Mark(const char* what) {
        if (marks_) marks_->push_back({what, w_.Size()});
    }

    constexpr void WindowRecord(const WindowDef& win) {
        Mark("window words");
        w_.UInt(win.word1);
        w_.UInt(win.word2);
        Mark("window texts");
        w_.Counted(win.text1);
        w_.Counted(win.text2);
        Mark("unit count");
        w_.Int(static_cast<int32_t>(win.units.size()));
        Mark("unit table size");
        size_t tableSize = w_.Placeholder();
        size_t tableStart = w_.Size();
        Mark("unit ids");
        for (const UnitDef& u : win.units) w_.UInt(u.id);
        Mark("unit offsets");
        size_t offsets = w_.Placeholder();
        for (size_t i = 1; i < win.units.size(); ++i) w_.Placeholder();
        size_t recordsStart = w_.Size();
        for (size_t i = 0; i < win.units.size(); ++i) {
            w_.PatchUInt(offsets + 4 * i, static_cast<uint32_t>(w_.Size() - recordsStart));
            UnitRecord(win.units[i]);
        }
        w_.PatchUInt(tableSize, static_cast<uint32_t>(w_.Size() - tableStart));
    }

    constexpr void UnitRecord(const UnitDef& u) {
        Mark("unit record size");
        size_t size = w_.Placeholder();
        size_t start = w_.Size();
        Mark("unit type");
        w_.UInt(u.type);
        w_.UInt(u.eventHost);
        for (int i = 0; i < 4; ++i) w_.UInt(0);  // the runtime's slots
        Mark("unit name");
        w_.ZText(u.name);
        w_.ZText(u.secondText);
        w_.UInt(0);  // object slot
        Mark("unit position");
        w_.Int(u.rect.left);
        w_.Int(u.rect.top);
        w_.Int(u.rect.width);
        w_.Int(u.rect.height);
        w_.UInt(0);  // cursor slot
        w_.UInt(u.parent);
        Mark("child count");
        w_.Int(static_cast<int32_t>(u.children.size()));
        for (uint32_t c : u.children) w_.UInt(c);
        Mark("cursor data");
        w_.Counted(u.cursorData);
        Mark("unit tag");
        w_.ZText(u.tag);
        w_.UInt(0);  // state word
        Mark("unit flags");
        w_.UInt(u.flags);
        w_.Int(u.tabOrder);
        Mark("event count");
        w_.Int(static_cast<int32_t>(u.events.size()));
        for (const EventBinding& e : u.events) {
            Mark("event binding");
            w_.Int(e.event);
            w_.Int(e.handlerOffset);
        }
        Mark("reserved words");
        for (int i = 0; i < 5; ++i) w_.UInt(0);
        Mark("property data");
        w_.Raw(u.propertyData);
        w_.PatchUInt(size, static_cast<uint32_t>(w_.Size() - start));
    }

    ByteWriter w_;
    std::vector<FieldMark>* marks_;
};

constexpr std::vector<uint8_t> SerialiseTemplates(const std::vector<WindowDef>& windows,
                                                  std::vector<FieldMark>* marks = nullptr) {
    return BlockWriter(marks).Serialise(windows);
}

// The block of a constexpr function returning the window definitions, as a constant array:
//   inline constexpr auto kBlock = tpl::TemplateBlock<MyWindows>();
template <auto Definitions>
constexpr auto TemplateBlock() {
    constexpr size_t n = SerialiseTemplates(Definitions()).size();
    std::array<uint8_t, n> block{};
    std::vector<uint8_t> bytes = SerialiseTemplates(Definitions());
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

}  // namespace tpl
