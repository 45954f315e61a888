#include "forms/units/ListBoxUnit.h"

#include <cstring>
#include <iterator>

#include "forms/TemplateArchive.h"

namespace forms {
namespace {

constexpr int32_t kMaxExtraItemHeight = 32767;

// No items: the empty byte set.
std::string ItemsBlock(std::vector<std::string> items) {
    if (items.empty()) return {};
    tpl::ByteWriter w;
    w.TextArray(items);
    std::vector<uint8_t> bytes = w.Take();
    return std::string(bytes.begin(), bytes.end());
}

bool ItemsFromBlock(const std::string& block, std::vector<std::string>& items) {
    items.clear();
    if (block.empty()) return true;
    tpl::ByteReader r(reinterpret_cast<const uint8_t*>(block.data()), block.size());
    r.TextArray(items);
    return !r.Failed();
}

int32_t ItemValueAt(const std::string& values, size_t i) {
    if (values.size() < 4 * (i + 1)) return 0;
    uint32_t v;
    std::memcpy(&v, values.data() + 4 * i, 4);
    return static_cast<int32_t>(v);
}

}  // namespace

UnitObject* ListBoxUnit::Create(const UnitCreateParams& params) {
    tpl::ListBoxProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    p.border = Clamp(p.border, 0, kMaxBorder);
    p.extraItemHeight = Clamp(p.extraItemHeight, 0, kMaxExtraItemHeight);
    auto* unit = new ListBoxUnit(params.windowId, params.unitId, p);
    DWORD style = LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
    if (unit->Sorted()) style |= LBS_SORT;
    style |= p.multiColumn ? LBS_MULTICOLUMN | WS_HSCROLL : WS_VSCROLL;
    if (p.multipleSelection) style |= LBS_EXTENDEDSEL;
    DWORD exStyle = 0;
    BorderStyles(p.border, style, exStyle);
    if (!unit->CreateControl("LISTBOX", params, style, exStyle, "")) {
        delete unit;
        return nullptr;
    }
    unit->ApplyListFont();
    unit->FillItems();
    unit->SelectClamped(p.currentSelection);
    return unit;
}

int32_t ListBoxUnit::ItemCount() const {
    LRESULT n = SendMessageA(Handle(), LB_GETCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int32_t>(n);
}

std::string ListBoxUnit::ItemText(int32_t index) const {
    if (index < 0 || index >= ItemCount()) return {};
    LRESULT n = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == LB_ERR || n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    LRESULT got = SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : std::strlen(text.c_str()));
    return text;
}

std::vector<std::string> ListBoxUnit::LiveItems() const {
    std::vector<std::string> items;
    for (int32_t i = 0, n = ItemCount(); i < n; ++i) items.push_back(ItemText(i));
    return items;
}

std::string ListBoxUnit::LiveItemValues() const {
    if (p_.itemValues.empty()) return {};  // the list never had values
    std::string values;
    for (int32_t i = 0, n = ItemCount(); i < n; ++i) {
        auto v = static_cast<uint32_t>(SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        values.append(reinterpret_cast<const char*>(&v), 4);
    }
    return values;
}

// The items in order with their values; a sorted list puts each where it belongs.
void ListBoxUnit::FillItems() {
    HWND h = Handle();
    SendMessageA(h, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < p_.items.size(); ++i) {
        LRESULT at = SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p_.items[i].c_str()));
        if (at >= 0 && !p_.itemValues.empty())
            SendMessageA(h, LB_SETITEMDATA, static_cast<WPARAM>(at), ItemValueAt(p_.itemValues, i));
    }
}

void ListBoxUnit::ApplyItemValues() {
    for (int32_t i = 0, n = ItemCount(); i < n; ++i)
        SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(i), ItemValueAt(p_.itemValues, static_cast<size_t>(i)));
}

// The font sets the item height; the extra pixels go on top of it.
void ListBoxUnit::ApplyListFont() {
    ApplyFont(p_.font);
    baseItemHeight_ = static_cast<int32_t>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
    ApplyItemHeight();
}

void ListBoxUnit::ApplyItemHeight() {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(baseItemHeight_ + p_.extraItemHeight, 0));
    InvalidateRect(Handle(), nullptr, TRUE);
}

int32_t ListBoxUnit::CurrentSelection() const {
    if (p_.multipleSelection) return -1;
    LRESULT sel = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return sel == LB_ERR ? -1 : static_cast<int32_t>(sel);
}

void ListBoxUnit::SelectClamped(int32_t index) {
    int32_t n = ItemCount();
    index = Clamp(index, -1, n - 1);
    p_.currentSelection = index;
    if (!p_.multipleSelection) SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool ListBoxUnit::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == LBN_SELCHANGE) RaiseEvent(0);
        else if (HIWORD(wp) == LBN_DBLCLK) RaiseEvent(1);
        else return false;
        result = 0;
        return true;
    case WM_CTLCOLORLISTBOX:
        result = ColourAnswer(reinterpret_cast<HDC>(wp), p_.textColour, p_.backColour, COLOR_WINDOW);
        return true;
    default: return false;
    }
}

int32_t ListBoxUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    auto recreateFor = [&](int32_t& field) {
        int32_t value = v.integer != 0;
        if (field == value) return 0;
        field = value;
        return 1;
    };
    switch (ownIndex) {
    case 0: p_.border = Clamp(v.integer, 0, kMaxBorder); ApplyBorder(p_.border); break;
    case 1: return recreateFor(p_.sorted);
    case 2: return recreateFor(p_.multiColumn);
    case 3: p_.extraItemHeight = Clamp(v.integer, 0, kMaxExtraItemHeight); ApplyItemHeight(); break;
    case 4: p_.textColour = static_cast<uint32_t>(v.integer); InvalidateRect(Handle(), nullptr, TRUE); break;
    case 5: p_.backColour = static_cast<uint32_t>(v.integer); InvalidateRect(Handle(), nullptr, TRUE); break;
    case 6: p_.font = FontBytesOf(v); ApplyListFont(); break;
    case 7: return recreateFor(p_.multipleSelection);
    case 8: SelectClamped(v.integer); break;
    case 9: {
        std::vector<std::string> items;
        if (!ItemsFromBlock(BytesOf(v), items)) break;
        p_.items = std::move(items);
        p_.itemValues = LiveItemValues();
        FillItems();
        p_.currentSelection = -1;
        break;
    }
    case 10: {
        bool wasSorted = Sorted();
        p_.itemValues = BytesOf(v);
        if (wasSorted && !Sorted()) return 1;  // values keep the list in its given order
        ApplyItemValues();
        break;
    }
    case 11: p_.option11 = TextOf(v); break;
    case 12: p_.option12 = TextOf(v); break;
    case 13: p_.option13 = v.integer != 0; break;
    default: break;
    }
    return 0;
}

int32_t ListBoxUnit::Get(int32_t ownIndex, PropertyValue& out) {
    switch (ownIndex) {
    case 0: PutNumber(out, p_.border); break;
    case 1: PutNumber(out, p_.sorted); break;
    case 2: PutNumber(out, p_.multiColumn); break;
    case 3: PutNumber(out, p_.extraItemHeight); break;
    case 4: PutNumber(out, static_cast<int32_t>(p_.textColour)); break;
    case 5: PutNumber(out, static_cast<int32_t>(p_.backColour)); break;
    case 6: PutText(out, p_.font); break;
    case 7: PutNumber(out, p_.multipleSelection); break;
    case 8: PutNumber(out, CurrentSelection()); break;
    case 9: cache_ = ItemsBlock(LiveItems()); PutText(out, cache_); break;
    case 10: cache_ = LiveItemValues(); PutText(out, cache_); break;
    case 11: PutText(out, p_.option11); break;
    case 12: PutText(out, p_.option12); break;
    case 13: PutNumber(out, p_.option13); break;
    default: return 0;
    }
    return 1;
}

std::string ListBoxUnit::Save() {
    tpl::ListBoxProperties p = p_;
    p.version = 3;
    p.items = LiveItems();
    p.itemValues = LiveItemValues();
    p.currentSelection = p_.multipleSelection ? p_.currentSelection : CurrentSelection();
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

constexpr PropertyInfo kListBoxProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropChoice),    // 0 border
    OwnProperty(kPropLogical),   // 1 sorted
    OwnProperty(kPropLogical),   // 2 multi-column
    OwnProperty(kPropInteger2),  // 3 extra item height
    OwnProperty(kPropColour),    // 4 text colour
    OwnProperty(kPropColour3),   // 5 background colour
    OwnProperty(kPropFont),      // 6 font
    OwnProperty(kPropLogical),   // 7 multiple selection
    OwnProperty(kPropInteger2),  // 8 current selection
    OwnProperty(kPropBinary2),   // 9 items
    OwnProperty(kPropBinary2),   // 10 item values
    OwnProperty(static_cast<PropertyTypeCode>(1018)),  // 11 (option)
    OwnProperty(static_cast<PropertyTypeCode>(1020)),  // 12 (option)
    OwnProperty(kPropLogical),   // 13 (option)
};

}  // namespace

const UnitTypeInfo kListBoxUnitType = {
    "列表框", "ListBox", nullptr, {}, 0x80000040, {}, static_cast<int32_t>(std::size(kListBoxProperties)),
    kListBoxProperties, UnitRoutines<ListBoxUnit>::Interface, {},
};

}  // namespace forms
