#include "forms/units/ButtonUnit.h"

#include <iterator>

#include "forms/units/UnitPictures.h"

namespace forms {
namespace {

constexpr DWORD kHorizontalStyles[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr DWORD kVerticalStyles[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
constexpr DWORD kOwnStyles = BS_TYPEMASK | BS_CENTER | BS_VCENTER | BS_ICON | BS_BITMAP | BS_MULTILINE;

void ClampChoices(tpl::ButtonProperties& p) {
    p.type = Clamp(p.type, 0, 1);
    p.horizontalAlign = Clamp(p.horizontalAlign, 0, 2);
    p.verticalAlign = Clamp(p.verticalAlign, 0, 2);
}

}  // namespace

ButtonUnit::~ButtonUnit() {
    if (image_) imageKind_ == IMAGE_ICON ? DestroyIcon(static_cast<HICON>(image_)) : DeleteObject(image_);
}

DWORD ButtonUnit::Styles() const {
    DWORD style = BS_MULTILINE | (p_.type == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | kHorizontalStyles[p_.horizontalAlign] |
                  kVerticalStyles[p_.verticalAlign];
    if (image_) style |= imageKind_ == IMAGE_ICON ? BS_ICON : BS_BITMAP;
    return style;
}

UnitObject* ButtonUnit::Create(const UnitCreateParams& params) {
    tpl::ButtonProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    ClampChoices(p);
    auto* unit = new ButtonUnit(params.windowId, params.unitId, p);
    if (!unit->CreateControl("BUTTON", params, unit->Styles(), 0, p.caption.c_str())) {
        delete unit;
        return nullptr;
    }
    unit->ApplyPicture();
    unit->ApplyFont(p.font);
    return unit;
}

// The picture as an icon or, failing that, a bitmap; the style follows.
void ButtonUnit::ApplyPicture() {
    HANDLE previous = image_;
    UINT previousKind = imageKind_;
    image_ = nullptr;
    if (!p_.picture.empty()) {
        if (HICON icon = IconFromData(p_.picture, GetSystemMetrics(SM_CXICON))) {
            image_ = icon;
            imageKind_ = IMAGE_ICON;
        } else if (HBITMAP bitmap = BitmapFromData(p_.picture)) {
            image_ = bitmap;
            imageKind_ = IMAGE_BITMAP;
        }
    }
    ApplyStyles();
    if (image_) SendMessageA(Handle(), BM_SETIMAGE, imageKind_, reinterpret_cast<LPARAM>(image_));
    else if (previous) SendMessageA(Handle(), BM_SETIMAGE, previousKind, 0);
    if (previous) previousKind == IMAGE_ICON ? DestroyIcon(static_cast<HICON>(previous)) : DeleteObject(previous);
}

void ButtonUnit::ApplyStyles() {
    HWND h = Handle();
    DWORD style = (static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)) & ~kOwnStyles) | Styles();
    // BM_SETSTYLE redraws; the alignment bits go along with the type.
    SendMessageA(h, BM_SETSTYLE, style & 0xFFFF, TRUE);
    SetWindowLongA(h, GWL_STYLE, static_cast<LONG>(style));
    InvalidateRect(h, nullptr, TRUE);
}

bool ButtonUnit::OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        RaiseEvent(0);
        result = 0;
        return true;
    }
    return false;
}

int32_t ButtonUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    switch (ownIndex) {
    case 0: p_.picture = BytesOf(v); ApplyPicture(); break;
    case 1: p_.type = Clamp(v.integer, 0, 1); ApplyStyles(); break;
    case 2: p_.caption = TextOf(v); SetWindowTextA(Handle(), p_.caption.c_str()); break;
    case 3: p_.horizontalAlign = Clamp(v.integer, 0, 2); ApplyStyles(); break;
    case 4: p_.verticalAlign = Clamp(v.integer, 0, 2); ApplyStyles(); break;
    case 5: p_.font = FontBytesOf(v); ApplyFont(p_.font); break;
    default: break;
    }
    return 0;
}

int32_t ButtonUnit::Get(int32_t ownIndex, PropertyValue& out) {
    switch (ownIndex) {
    case 0: PutText(out, p_.picture); break;
    case 1: PutNumber(out, p_.type); break;
    case 2: {
        // The window text: what the control shows now.
        int n = GetWindowTextLengthA(Handle());
        caption_.assign(static_cast<size_t>(n) + 1, '\0');
        caption_.resize(static_cast<size_t>(GetWindowTextA(Handle(), caption_.data(), n + 1)));
        PutText(out, caption_);
        break;
    }
    case 3: PutNumber(out, p_.horizontalAlign); break;
    case 4: PutNumber(out, p_.verticalAlign); break;
    case 5: PutText(out, p_.font); break;
    default: return 0;
    }
    return 1;
}

std::string ButtonUnit::Save() {
    tpl::ButtonProperties p = p_;
    PropertyValue caption{};
    Get(2, caption);
    p.caption = caption_;
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

constexpr PropertyInfo kButtonProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropPicture),  // 0 picture
    OwnProperty(kPropChoice),   // 1 type
    OwnProperty(kPropText),     // 2 caption
    OwnProperty(kPropChoice),   // 3 horizontal alignment
    OwnProperty(kPropChoice),   // 4 vertical alignment
    OwnProperty(kPropFont),     // 5 font
};

}  // namespace

const UnitTypeInfo kButtonUnitType = {
    "按钮", "Button", nullptr, {}, 0x80000840, {}, static_cast<int32_t>(std::size(kButtonProperties)),
    kButtonProperties, UnitRoutines<ButtonUnit>::Interface, {},
};

}  // namespace forms
