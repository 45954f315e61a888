// The loaded window templates: one window record per window of the template block, in block
// order, found by WindowId. A record keeps its unit table as one byte block exactly as read, so
// a unit record is found through the table's id and offset arrays; fields the runtime changes
// later (slots, tag, flags, position) are changed in place in that block.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class UnitObject;

// Byte positions of one unit record's fields inside its window's unit table.
struct UnitLayout {
    size_t start;  // the record's byte count
    size_t end;    // one past the record's last byte
    bool menuEntry;
    // The fields of an ordinary unit record (not set for a menu entry):
    size_t type, eventHost, slots, name, secondText, objectSlot, left, top, width, height, cursorSlot, parent,
        childCount, children, cursorData, tag, stateWord, flags, tabOrder, eventCount, events, reserved, propertyData;
};

// What a unit has while its window is on screen. The table's 32-bit slots cannot hold this
// build's pointers, so the live object and the loaded cursor are kept here, one per unit.
struct UnitLive {
    UnitObject* object = nullptr;
    HCURSOR cursor = nullptr;
    bool ownsCursor = false;
};

// A window that a modal window disabled, and whether it was enabled before.
struct DisabledWindow {
    uint32_t windowId;
    bool wasEnabled;
};

struct WindowRecord {
    uint32_t windowId = 0;
    uint32_t word1 = 0, word2 = 0;
    std::string text1, text2;
    int32_t unitCount = 0;
    std::vector<uint8_t> units;   // the unit table; the working copy while the window is on screen
    std::vector<uint8_t> backup;  // the untouched copy while the window is on screen, else empty

    // Live state, while the window is on screen.
    std::vector<UnitLive> live;
    HWND parent = nullptr;                       // the parent it was loaded with
    std::vector<DisabledWindow> disabledByModal; // what its modal display disabled
    bool idleDeclined = false;                   // its idle event asked for no more calls

    // ---- the unit table ----
    uint32_t UnitIdAt(int32_t index) const;      // 0 when out of range
    // The unit's index by UnitId; -1 when the window has no such unit.
    int32_t IndexOf(uint32_t unitId) const;
    std::optional<UnitLayout> Layout(int32_t index) const;
    // The record's bytes (after its byte count); empty when out of range.
    std::span<const uint8_t> UnitBytes(int32_t index) const;

    uint32_t Word(size_t position) const;
    void SetWord(size_t position, uint32_t value);
    int32_t Int(size_t position) const { return static_cast<int32_t>(Word(position)); }
    std::string ZText(size_t position) const;
    // Replaces a zero-terminated text of unit `index` in place: the rest of the record moves,
    // the record's byte count and the offsets of the records after it follow.
    void ReplaceZText(int32_t index, size_t UnitLayout::*field, std::string_view text);
    // The same for a counted block (the cursor data).
    void ReplaceCounted(int32_t index, size_t UnitLayout::*field, std::string_view bytes);
    std::string Counted(size_t position) const;

    // The handler of an event of unit `index`, as the loader rebased it (0: none).
    uint32_t HandlerOf(int32_t index, int32_t event) const;

    // The window's platform window while it is on screen, else null.
    HWND Handle() const;
    UnitObject* ObjectAt(int32_t index) const {
        return index >= 0 && static_cast<size_t>(index) < live.size() ? live[index].object : nullptr;
    }
    bool OnScreen() const;

private:
    // Replaces `oldLength` bytes at `at` in unit `index`'s record by `bytes`.
    void ReplaceBytes(int32_t index, size_t at, size_t oldLength, std::string_view bytes);
};

class WindowMap {
public:
    WindowRecord* Find(uint32_t windowId);
    std::vector<WindowRecord>& Records() { return records_; }
    void Assign(std::vector<WindowRecord> records) { records_ = std::move(records); }
    void Clear() { records_.clear(); }

private:
    std::vector<WindowRecord> records_;
};

// Reads the template block into `map`: the window list, each window record, then rebases every
// event handler (offset -1 becomes 0, any other the code address of code base + offset). False
// when a read goes past the end of the block or a count or offset does not fit.
bool LoadTemplates(const uint8_t* block, size_t size, const void* codeBase, WindowMap& map);

// Code addresses as 32-bit words: relative to the program's image, so they fit in the
// template's 32-bit fields on every build. 0 is never a code address.
uint32_t ToCodeAddress(const void* p);
const void* FromCodeAddress(uint32_t address);

}  // namespace forms
