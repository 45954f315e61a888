#include "forms/WindowMap.h"

#include <cstring>

#include "forms/TemplateArchive.h"
#include "forms/TemplateFormat.h"
#include "forms/UnitObject.h"

namespace forms {
namespace {

uint32_t ReadWord(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

// Walks one unit record from its byte count at `start`; none when a field runs past the
// record or the record past the table.
std::optional<UnitLayout> ParseUnitRecord(const std::vector<uint8_t>& table, size_t start, bool menuEntry) {
    if (start > table.size() || table.size() - start < 4) return std::nullopt;
    uint32_t count = ReadWord(table, start);
    if (count > table.size() - start - 4) return std::nullopt;
    UnitLayout l{};
    l.start = start;
    l.end = start + 4 + count;
    l.menuEntry = menuEntry;
    if (menuEntry) return l;  // another layout, carried as it is

    const size_t body = start + 4;
    tpl::ByteReader r(table.data() + body, count);
    auto at = [&] { return body + r.Position(); };
    auto word = [&](size_t& field) {
        field = at();
        return r.Int();
    };
    word(l.type);
    word(l.eventHost);
    l.slots = at();
    r.Skip(16);
    l.name = at();
    r.ZText();
    l.secondText = at();
    r.ZText();
    word(l.objectSlot);
    word(l.left);
    word(l.top);
    word(l.width);
    word(l.height);
    word(l.cursorSlot);
    word(l.parent);
    int32_t children = word(l.childCount);
    l.children = at();
    r.Skip(4 * static_cast<int64_t>(children));
    l.cursorData = at();
    r.Skip(r.Int());
    l.tag = at();
    r.ZText();
    word(l.stateWord);
    word(l.flags);
    word(l.tabOrder);
    int32_t events = word(l.eventCount);
    l.events = at();
    r.Skip(8 * static_cast<int64_t>(events));
    l.reserved = at();
    r.Skip(20);
    l.propertyData = at();
    if (r.Failed()) return std::nullopt;
    return l;
}

}  // namespace

uint32_t WindowRecord::UnitIdAt(int32_t index) const {
    if (index < 0 || index >= unitCount) return 0;
    return ReadWord(units, 4 * static_cast<size_t>(index));
}

int32_t WindowRecord::IndexOf(uint32_t unitId) const {
    for (int32_t i = 0; i < unitCount; ++i)
        if (UnitIdAt(i) == unitId) return i;
    return -1;
}

std::optional<UnitLayout> WindowRecord::Layout(int32_t index) const {
    if (index < 0 || index >= unitCount) return std::nullopt;
    size_t offsetArray = 4 * static_cast<size_t>(unitCount);
    size_t recordsStart = 8 * static_cast<size_t>(unitCount);
    uint32_t offset = ReadWord(units, offsetArray + 4 * static_cast<size_t>(index));
    return ParseUnitRecord(units, recordsStart + offset, tpl::IsMenuEntryId(UnitIdAt(index)));
}

std::span<const uint8_t> WindowRecord::UnitBytes(int32_t index) const {
    auto l = Layout(index);
    if (!l) return {};
    return std::span<const uint8_t>(units.data() + l->start + 4, l->end - l->start - 4);
}

uint32_t WindowRecord::Word(size_t position) const { return ReadWord(units, position); }

void WindowRecord::SetWord(size_t position, uint32_t value) { std::memcpy(units.data() + position, &value, 4); }

std::string WindowRecord::ZText(size_t position) const {
    return std::string(reinterpret_cast<const char*>(units.data() + position));
}

std::string WindowRecord::Counted(size_t position) const {
    return std::string(reinterpret_cast<const char*>(units.data() + position + 4), Word(position));
}

void WindowRecord::ReplaceZText(int32_t index, size_t UnitLayout::*field, std::string_view text) {
    auto l = Layout(index);
    if (!l || l->menuEntry) return;
    size_t at = (*l).*field;
    size_t oldLength = std::strlen(reinterpret_cast<const char*>(units.data() + at));
    ReplaceBytes(index, at, oldLength, text);
}

void WindowRecord::ReplaceCounted(int32_t index, size_t UnitLayout::*field, std::string_view bytes) {
    auto l = Layout(index);
    if (!l || l->menuEntry) return;
    size_t at = (*l).*field;
    ReplaceBytes(index, at + 4, Word(at), bytes);
    SetWord(at, static_cast<uint32_t>(bytes.size()));
}

void WindowRecord::ReplaceBytes(int32_t index, size_t at, size_t oldLength, std::string_view bytes) {
    size_t start = Layout(index)->start;
    auto delta = static_cast<int64_t>(bytes.size()) - static_cast<int64_t>(oldLength);
    if (delta > 0) {
        units.insert(units.begin() + static_cast<ptrdiff_t>(at), static_cast<size_t>(delta), 0);
    } else if (delta < 0) {
        units.erase(units.begin() + static_cast<ptrdiff_t>(at), units.begin() + static_cast<ptrdiff_t>(at - delta));
    }
    if (!bytes.empty()) std::memcpy(units.data() + at, bytes.data(), bytes.size());
    SetWord(start, static_cast<uint32_t>(static_cast<int64_t>(Word(start)) + delta));
    // Every record that starts after this one moved by delta.
    size_t offsetArray = 4 * static_cast<size_t>(unitCount);
    uint32_t ownOffset = Word(offsetArray + 4 * static_cast<size_t>(index));
    for (int32_t i = 0; i < unitCount; ++i) {
        size_t slot = offsetArray + 4 * static_cast<size_t>(i);
        uint32_t offset = Word(slot);
        if (offset > ownOffset) SetWord(slot, static_cast<uint32_t>(static_cast<int64_t>(offset) + delta));
    }
}

uint32_t WindowRecord::HandlerOf(int32_t index, int32_t event) const {
    auto l = Layout(index);
    if (!l || l->menuEntry) return 0;
    int32_t count = Int(l->eventCount);
    for (int32_t i = 0; i < count; ++i) {
        size_t binding = l->events + 8 * static_cast<size_t>(i);
        if (Int(binding) == event) return Word(binding + 4);
    }
    return 0;
}

HWND WindowRecord::Handle() const {
    UnitObject* window = ObjectAt(0);
    return window ? window->Handle() : nullptr;
}

bool WindowRecord::OnScreen() const {
    HWND h = Handle();
    return h && IsWindow(h);
}

WindowRecord* WindowMap::Find(uint32_t windowId) {
    for (WindowRecord& w : records_)
        if (w.windowId == windowId) return &w;
    return nullptr;
}

bool LoadTemplates(const uint8_t* block, size_t size, const void* codeBase, WindowMap& map) {
    tpl::ByteReader r(block, size);
    // 1. The window list: the ids, then one word per window that the records replace.
    int32_t listSize = r.Int();
    if (r.Failed() || listSize < 0 || listSize % 8 != 0 || static_cast<size_t>(listSize) > r.Remaining()) return false;
    std::vector<WindowRecord> records(static_cast<size_t>(listSize / 8));
    for (WindowRecord& w : records) w.windowId = r.UInt();
    r.Skip(4 * static_cast<int64_t>(records.size()));

    // 2. The window records.
    for (WindowRecord& w : records) {
        w.word1 = r.UInt();
        w.word2 = r.UInt();
        w.text1 = r.Counted();
        w.text2 = r.Counted();
        w.unitCount = r.Int();
        int32_t tableSize = r.Int();
        if (r.Failed() || w.unitCount < 0 || tableSize < 0 || static_cast<size_t>(tableSize) > r.Remaining() ||
            static_cast<int64_t>(w.unitCount) * 8 > tableSize)
            return false;
        std::string table = r.Raw(tableSize);
        w.units.assign(table.begin(), table.end());
        for (int32_t i = 0; i < w.unitCount; ++i)
            if (!w.Layout(i)) return false;
    }
    if (!r.AtEnd()) return false;  // the block ends after the last window record

    // 3. Rebase the handlers: -1 is none (0), any other offset a code address.
    const uint32_t base = ToCodeAddress(codeBase);
    for (WindowRecord& w : records) {
        for (int32_t i = 0; i < w.unitCount; ++i) {
            UnitLayout l = *w.Layout(i);
            if (l.menuEntry) continue;
            int32_t count = w.Int(l.eventCount);
            for (int32_t e = 0; e < count; ++e) {
                size_t handler = l.events + 8 * static_cast<size_t>(e) + 4;
                int32_t offset = w.Int(handler);
                w.SetWord(handler, offset == tpl::kNoHandler ? 0 : base + static_cast<uint32_t>(offset));
            }
        }
    }

    // 4. Into the map.
    map.Assign(std::move(records));
    return true;
}

uint32_t ToCodeAddress(const void* p) {
    auto image = reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr));
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p) - image);
}

const void* FromCodeAddress(uint32_t address) {
    if (address == 0) return nullptr;
    auto image = reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr));
    return reinterpret_cast<const void*>(image + address);
}

}  // namespace forms
