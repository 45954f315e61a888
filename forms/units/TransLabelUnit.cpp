#include "forms/units/TransLabelUnit.h"

#include <iterator>
#include <vector>


namespace forms {
namespace {

constexpr const char* kClassName = "TransLabel";
constexpr UINT kHorizontalFormats[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
constexpr UINT kVerticalFormats[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};

void ClampChoices(tpl::TransLabelProperties& p) {
    p.effect = Clamp(p.effect, 0, 3);
    p.horizontalAlign = Clamp(p.horizontalAlign, 0, 2);
    p.verticalAlign = Clamp(p.verticalAlign, 0, 2);
}

// The window's visible descendants, depth first, each window's children before itself.
void VisibleDescendants(HWND parent, std::vector<HWND>& found) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        VisibleDescendants(c, found);
        found.push_back(c);
    }
}

HWND TopLevelOf(HWND h) {
    while (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(h);
        if (!parent) break;
        h = parent;
    }
    return h;
}

}  // namespace

UnitObject* TransLabelUnit::Create(const UnitCreateParams& params) {
    tpl::TransLabelProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    ClampChoices(p);
    if (!RegisterOwnClass(kClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)) return nullptr;
    auto* unit = new TransLabelUnit(params.windowId, params.unitId, p);
    if (!unit->CreateOwnWindow(kClassName, params, 0, WS_EX_TRANSPARENT, p.caption.c_str())) {
        delete unit;
        return nullptr;
    }
    unit->ApplyFont(p.font);
    return unit;
}

UINT TransLabelUnit::DrawFormat() const {
    UINT format = DT_NOPREFIX | kHorizontalFormats[p_.horizontalAlign];
    if (p_.wordWrap) format |= DT_WORDBREAK | DT_VCENTER;
    else format |= DT_SINGLELINE | kVerticalFormats[p_.verticalAlign];
    return format;
}

void TransLabelUnit::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    const std::string& text = p_.caption;
    if (!text.empty()) {
        RECT r;
        GetClientRect(Handle(), &r);
        HGDIOBJ previousFont = SelectObject(dc, Font());
        UINT format = DrawFormat();
        SetBkMode(dc, TRANSPARENT);
        auto draw = [&](COLORREF colour, RECT place) {
            SetTextColor(dc, colour);
            DrawTextA(dc, text.data(), static_cast<int>(text.size()), &place, format);
        };
        constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0;
        switch (p_.effect) {
        case 1: draw(kWhite, {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1}); break;
        case 2:
            draw(kWhite, r);
            OffsetRect(&r, 1, 1);
            break;
        case 3: draw(kBlack, {r.left + 2, r.top + 2, r.right + 2, r.bottom + 2}); break;
        default: break;
        }
        draw(ColourOf(p_.textColour, COLOR_WINDOWTEXT), r);
        SelectObject(dc, previousFont);
    }
    EndPaint(Handle(), &ps);
}

// What lies behind first: the top-level window's background under the label, then every
// visible window that overlaps the label, bottom first; the label itself last.
void TransLabelUnit::RepaintWithBackground() {
    HWND label = Handle();
    HWND top = TopLevelOf(label);
    RECT r;
    GetClientRect(label, &r);
    MapWindowPoints(label, top, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(top, &r, TRUE);
    UpdateWindow(top);

    RECT labelOnScreen;
    GetWindowRect(label, &labelOnScreen);
    std::vector<HWND> found;
    VisibleDescendants(top, found);
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        RECT other, overlap;
        GetWindowRect(*it, &other);
        if (!IntersectRect(&overlap, &other, &labelOnScreen)) continue;
        MapWindowPoints(HWND_DESKTOP, *it, reinterpret_cast<POINT*>(&overlap), 2);
        RedrawWindow(*it, &overlap, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
    }
    InvalidateRect(label, nullptr, FALSE);
}

bool TransLabelUnit::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_SETTEXT:
        // The caption keeps the bytes; the platform's copy serves readers from outside.
        p_.caption = lp ? reinterpret_cast<const char*>(lp) : "";
        result = CallDefault(msg, wp, lp);
        return true;
    default: return false;
    }
}

int32_t TransLabelUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    switch (ownIndex) {
    case 0: SetWindowTextA(Handle(), TextOf(v).c_str()); break;
    case 1: p_.effect = Clamp(v.integer, 0, 3); break;
    case 2: p_.font = FontBytesOf(v); ApplyFont(p_.font); break;
    case 3: p_.textColour = static_cast<uint32_t>(v.integer); break;
    case 4: p_.horizontalAlign = Clamp(v.integer, 0, 2); break;
    case 5: p_.wordWrap = v.integer != 0; break;
    case 6: p_.verticalAlign = Clamp(v.integer, 0, 2); break;
    default: return 0;
    }
    RepaintWithBackground();
    return 0;
}

int32_t TransLabelUnit::Get(int32_t ownIndex, PropertyValue& out) {
    switch (ownIndex) {
    case 0: PutText(out, p_.caption); break;
    case 1: PutNumber(out, p_.effect); break;
    case 2: PutText(out, p_.font); break;
    case 3: PutNumber(out, static_cast<int32_t>(p_.textColour)); break;
    case 4: PutNumber(out, p_.horizontalAlign); break;
    case 5: PutNumber(out, p_.wordWrap); break;
    case 6: PutNumber(out, p_.verticalAlign); break;
    default: return 0;
    }
    return 1;
}

std::string TransLabelUnit::Save() {
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p_);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

constexpr PropertyInfo kTransLabelProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropText),     // 0 caption
    OwnProperty(kPropChoice),   // 1 effect
    OwnProperty(kPropFont),     // 2 font
    OwnProperty(kPropColour),   // 3 text colour
    OwnProperty(kPropChoice),   // 4 horizontal alignment
    OwnProperty(kPropLogical),  // 5 word wrap
    OwnProperty(kPropChoice),   // 6 vertical alignment
};

}  // namespace

const UnitTypeInfo kTransLabelUnitType = {
    "透明标签", "TransLabel", nullptr, {}, 0x00012040, {}, static_cast<int32_t>(std::size(kTransLabelProperties)),
    kTransLabelProperties, UnitRoutines<TransLabelUnit>::Interface, {},
};

}  // namespace forms
