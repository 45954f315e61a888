#include "tests/forms/TestButtonUnit.h"

#include <windows.h>

#include <iterator>

#include "forms/UnitFont.h"
#include "forms/UnitObject.h"
#include "runtime/RuntimeApplication.h"

namespace test_units {
namespace {

using forms::PropertyValue;

class TestButton : public forms::UnitObject {
public:
    TestButton(uint32_t windowId, uint32_t unitId, const TestButtonProperties& p) : UnitObject(windowId, unitId), p_(p) {}

    static forms::UnitObject* Create(const forms::UnitCreateParams& params) {
        TestButtonProperties p;
        if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
        DWORD kind = p.radio ? BS_AUTORADIOBUTTON : p.isDefault == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        HWND h = CreateWindowExA(0, "BUTTON", p.caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | params.style | kind,
                                 params.left, params.top, params.width, params.height, params.parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.controlId)), GetModuleHandleA(nullptr),
                                 nullptr);
        if (!h) return nullptr;
        auto* unit = new TestButton(params.windowId, params.unitId, p);
        unit->AttachControl(h);
        unit->ApplyFont();
        return unit;
    }

    bool OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
        RaiseEvent(0);
        result = 0;
        return true;
    }

    int32_t Set(int32_t own, const PropertyValue& v) {
        auto text = [&] { return std::string(v.pointer ? static_cast<const char*>(v.pointer) : ""); };
        auto bytes = [&] { return v.pointer ? std::string(static_cast<const char*>(v.pointer), v.length) : std::string(); };
        switch (own) {
        case kCaption: p_.caption = text(); SetWindowTextA(Handle(), p_.caption.c_str()); return 0;
        case kIsDefault: p_.isDefault = v.integer > 1 ? 1 : v.integer; return 0;
        case kFont: p_.font = bytes(); ApplyFont(); return 0;
        case kNumber: p_.number = v.integer; return 0;
        case kReal: p_.real = v.real; return 0;
        case kDate: p_.date = v.real; return 0;
        case kData: p_.data = bytes(); return 0;
        case kFlag: p_.flag = v.integer; return 0;
        case kColour: p_.colour = static_cast<uint32_t>(v.integer); return 0;
        case kCursor: p_.cursor = bytes(); return 0;
        case kRadio: p_.radio = v.integer ? 1 : 0; return 1;
        case kClaimsEscape: p_.claimsEscape = v.integer; return 0;
        case kFileName: p_.fileName = text(); return 0;
        default: return 0;
        }
    }

    int32_t Get(int32_t own, PropertyValue& out) {
        auto bytes = [&](const std::string& s) { out.pointer = s.data(), out.length = static_cast<uint32_t>(s.size()); };
        switch (own) {
        case kCaption: {
            char text[256] = {};
            GetWindowTextA(Handle(), text, sizeof text);
            captionCache_ = text;
            bytes(captionCache_);
            return 1;
        }
        case kIsDefault: out.integer = p_.isDefault; return 1;
        case kFont: bytes(p_.font); return 1;
        case kNumber: out.integer = p_.number; return 1;
        case kReal: out.real = p_.real; return 1;
        case kDate: out.real = p_.date; return 1;
        case kData: bytes(p_.data); return 1;
        case kFlag: out.integer = p_.flag; return 1;
        case kColour: out.integer = static_cast<int32_t>(p_.colour); return 1;
        case kCursor: bytes(p_.cursor); return 1;
        case kRadio: out.integer = p_.radio; return 1;
        case kClaimsEscape: out.integer = p_.claimsEscape; return 1;
        case kFileName: bytes(p_.fileName); return 1;
        default: return 0;
        }
    }

    std::string Save() {
        TestButtonProperties p = p_;
        PropertyValue caption{};
        Get(kCaption, caption);
        p.caption = captionCache_;
        std::vector<uint8_t> b = tpl::PropertyBytes(p);
        return std::string(b.begin(), b.end());
    }

    bool ClaimsKey(const MSG& msg) const { return msg.wParam == VK_ESCAPE && p_.claimsEscape; }

private:
    void ApplyFont() { font_.Apply(Handle(), p_.font); }

    TestButtonProperties p_;
    forms::UnitFont font_;
    std::string captionCache_;
};

TestButton* Of(forms::UnitObject* u) { return static_cast<TestButton*>(u); }
forms::UnitObject* CreateRoutine(const forms::UnitCreateParams& params) { return TestButton::Create(params); }
int32_t SetRoutine(forms::UnitObject* u, int32_t own, const PropertyValue& v) { return Of(u)->Set(own, v); }
int32_t GetRoutine(forms::UnitObject* u, int32_t own, PropertyValue& out) { return Of(u)->Get(own, out); }
std::string SaveRoutine(forms::UnitObject* u) { return Of(u)->Save(); }
int32_t ClaimsKeyRoutine(forms::UnitObject* u, const MSG& msg) { return Of(u)->ClaimsKey(msg) ? 1 : 0; }

forms::UnitRoutine Interface(int32_t operation) {
    switch (operation) {
    case forms::kOpCreate: return reinterpret_cast<forms::UnitRoutine>(CreateRoutine);
    case forms::kOpSetProperty: return reinterpret_cast<forms::UnitRoutine>(SetRoutine);
    case forms::kOpSaveProperties: return reinterpret_cast<forms::UnitRoutine>(SaveRoutine);
    case forms::kOpGetProperty: return reinterpret_cast<forms::UnitRoutine>(GetRoutine);
    case forms::kOpClaimsKey: return reinterpret_cast<forms::UnitRoutine>(ClaimsKeyRoutine);
    default: return nullptr;
    }
}

using forms::OwnProperty;
constexpr forms::PropertyInfo kProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(forms::kPropText),     OwnProperty(forms::kPropChoice),   OwnProperty(forms::kPropFont),
    OwnProperty(forms::kPropInteger2), OwnProperty(forms::kPropDouble),   OwnProperty(forms::kPropDateTime),
    OwnProperty(forms::kPropPicture),  OwnProperty(forms::kPropLogical),  OwnProperty(forms::kPropColour),
    OwnProperty(forms::kPropCursor),   OwnProperty(forms::kPropChoice),   OwnProperty(forms::kPropLogical),
    OwnProperty(forms::kPropFileName),
};

const forms::UnitTypeInfo* const kSlots[] = {&kTestButtonUnitType};

}  // namespace

const forms::UnitTypeInfo kTestButtonUnitType = {
    "测试按钮", "TestButton", nullptr, {}, 0x80000840, {}, static_cast<int32_t>(std::size(kProperties)), kProperties,
    Interface, {},
};

const LibraryDescriptor kTestLibraryDescriptor = {
    kLibrarySignature, "{forms-test}", 1, 0, "测试支持库", 1, kSlots, nullptr, nullptr,
};

void AddTestLibrary() {
    RuntimeApplication& app = Runtime();
    while (app.libraries.size() < kTestLibraryNumber - 1) {  // keeps the number 6 whatever came before
        app.libraries.push_back(&kTestLibraryDescriptor);
        app.libraryValues.push_back(0);
    }
    app.libraries.push_back(&kTestLibraryDescriptor);
    app.libraryValues.push_back(0);
}

}  // namespace test_units
