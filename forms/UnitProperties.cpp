#include "forms/UnitProperties.h"

#include <windows.h>

#include <bit>
#include <cstring>
#include <string>

#include "forms/UnitCursor.h"
#include "forms/UnitObject.h"
#include "forms/UnitType.h"
#include "forms/WindowLoader.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"

namespace forms {
namespace {

constexpr int32_t kMaxExtent = 32627;

struct Target {
    WindowRecord* window;
    int32_t index;
    UnitLayout layout;
    const UnitTypeInfo* type;
    HWND handle;  // the platform window, when it exists
};

Target Find(uint32_t windowId, uint32_t unitId) {
    WindowRecord* w = Runtime().windowMap.Find(windowId);
    if (!w) ReportErrorText("未载入欲访问窗口组件所在的窗口", 0);
    int32_t index = unitId == 0 ? 0 : w->IndexOf(unitId);
    if (index < 0 || w->Layout(index)->menuEntry) ReportErrorText("指定窗口或窗口组件不存在或尚未载入", 0);
    Target t{w, index, *w->Layout(index), FindUnitType(w->Word(w->Layout(index)->type)), nullptr};
    if (UnitObject* u = w->ObjectAt(index); u && IsWindow(u->Handle())) t.handle = u->Handle();
    return t;
}

// The platform window's rectangle in its parent's client coordinates (the screen for a window).
RECT PlaceInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(h, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

uint16_t KindOf(const Target& t, int32_t index) {
    if (!t.type || index >= t.type->propertyCount) return kPropText;
    return t.type->properties[index].typeCode;
}

[[noreturn]] void NotOnScreen() { ReportErrorText("指定窗口尚未载入", 0); }

LOGFONTA DefaultFont() {
    LOGFONTA lf{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    return lf;
}

LOGFONTA FontOf(const PropertyValue& v) {
    if (v.pointer && v.length == sizeof(LOGFONTA)) {
        LOGFONTA lf;
        std::memcpy(&lf, v.pointer, sizeof lf);
        return lf;
    }
    return DefaultFont();
}

int32_t ScreenDpiY() {
    HDC dc = GetDC(nullptr);
    int32_t dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

int32_t PointsOf(const LOGFONTA& lf) { return MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, ScreenDpiY()); }

ArgRecord FontPart(const LOGFONTA& lf, int32_t arrayIndex) {
    switch (arrayIndex) {
    case 0: return ArgRecord::Int(lf.lfEscapement);
    case 1: return ArgRecord::Logical(lf.lfWeight >= FW_BOLD);
    case 2: return ArgRecord::Logical(lf.lfItalic != 0);
    case 3: return ArgRecord::Logical(lf.lfStrikeOut != 0);
    case 4: return ArgRecord::Logical(lf.lfUnderline != 0);
    case 5: return ArgRecord::Int(PointsOf(lf));
    case 6: return ArgRecord::Text(MakeText(lf.lfFaceName));
    case kWholeProperty: {
        auto* f = static_cast<FontRecord*>(RuntimeAlloc(sizeof(FontRecord)));
        *f = {lf.lfEscapement, lf.lfWeight >= FW_BOLD, lf.lfItalic != 0, lf.lfStrikeOut != 0, lf.lfUnderline != 0,
              PointsOf(lf), MakeText(lf.lfFaceName)};
        return ArgRecord::Pointer(f, kTypeFontRecord);
    }
    default: return ArgRecord::Empty();
    }
}

// Angle in tenths of a degree, brought into 0 .. 3599.
void SetAngle(LOGFONTA& lf, int32_t angle) {
    int32_t a = angle % 3600;
    if (a < 0) a += 3600;
    lf.lfEscapement = lf.lfOrientation = a;
}
void SetFace(LOGFONTA& lf, const char* face) {
    size_t n = face ? std::strlen(face) : 0;
    const char* chosen = n >= 1 && n <= 31 ? face : "宋体";
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, chosen, std::strlen(chosen));
}
void SetPoints(LOGFONTA& lf, int32_t points) { lf.lfHeight = -MulDiv(points, ScreenDpiY(), 72); }

// A copy of the unit's current font with the chosen part (or, for -1, every part) replaced.
LOGFONTA ChangedFont(LOGFONTA lf, int32_t arrayIndex, uint64_t bits) {
    auto word = static_cast<int32_t>(static_cast<uint32_t>(bits));
    auto pointer = reinterpret_cast<const void*>(static_cast<uintptr_t>(bits));
    switch (arrayIndex) {
    case 0: SetAngle(lf, word); break;
    case 1: lf.lfWeight = word ? FW_BOLD : 0; break;
    case 2: lf.lfItalic = word != 0; break;
    case 3: lf.lfStrikeOut = word != 0; break;
    case 4: lf.lfUnderline = word != 0; break;
    case 5: SetPoints(lf, word); break;
    case 6: SetFace(lf, static_cast<const char*>(pointer)); break;
    case kWholeProperty:
        if (auto f = static_cast<const FontRecord*>(pointer)) {
            SetAngle(lf, f->angle);
            lf.lfWeight = f->bold ? FW_BOLD : 0;
            lf.lfItalic = f->italic != 0;
            lf.lfStrikeOut = f->strikeOut != 0;
            lf.lfUnderline = f->underline != 0;
            SetPoints(lf, f->size);
            SetFace(lf, f->faceName);
        }
        break;
    default: break;
    }
    return lf;
}

ArgRecord BytesValue(const void* p, size_t n) { return ArgRecord::Bytes(p ? MakeByteSet(p, n) : nullptr); }

// Own properties: the type's value record in the kind of its PropertyTypeCode.
ArgRecord ReadOwn(const Target& t, int32_t index, int32_t arrayIndex) {
    if (!t.handle) NotOnScreen();
    auto get = OperationOf<GetPropertyRoutine>(t.type, kOpGetProperty);
    PropertyValue v{};
    if (!get || !get(t.window->ObjectAt(t.index), index - 8, v)) return ArgRecord::Empty();
    switch (KindOf(t, index)) {
    case kPropInteger:
    case kPropInteger2:
    case kPropChoice:
    case kPropColour:
    case kPropColour2:
    case kPropColour3: return ArgRecord::Int(v.integer);
    case kPropDouble: return ArgRecord::Double(v.real);
    case kPropLogical: return ArgRecord::Logical(v.integer == 1);
    case kPropDateTime: return ArgRecord::DateTime(v.real);
    case kPropPicture:
    case kPropIcon:
    case kPropSound:
    case kPropBinary:
    case kPropBinary2: return BytesValue(v.pointer, v.length);
    case kPropCursor: {
        std::string block = v.pointer ? std::string(static_cast<const char*>(v.pointer), v.length) : std::string();
        block = CursorBlockToPlatform(std::move(block));
        return BytesValue(block.data(), block.size());
    }
    case kPropFont: return FontPart(FontOf(v), arrayIndex);
    default: return ArgRecord::Text(MakeText(static_cast<const char*>(v.pointer)));
    }
}

void WriteOwn(const Target& t, int32_t index, int32_t arrayIndex, uint64_t bits) {
    if (!t.handle) NotOnScreen();
    UnitObject* unit = t.window->ObjectAt(t.index);
    auto set = OperationOf<SetPropertyRoutine>(t.type, kOpSetProperty);
    if (!set) return;
    auto word = static_cast<int32_t>(static_cast<uint32_t>(bits));
    auto pointer = reinterpret_cast<const void*>(static_cast<uintptr_t>(bits));
    auto bytes = static_cast<const ByteSet*>(pointer);
    PropertyValue v{};
    std::string cursorBlock;
    LOGFONTA font;
    switch (KindOf(t, index)) {
    case kPropInteger:
    case kPropInteger2:
    case kPropColour:
    case kPropColour2:
    case kPropColour3: v.integer = word; break;
    case kPropLogical: v.integer = word != 0 ? 1 : 0; break;
    case kPropChoice: v.integer = word < 0 ? 0 : word; break;
    case kPropDouble: v.real = std::bit_cast<double>(bits); break;
    case kPropDateTime: v.real = ClampDateTime(std::bit_cast<double>(bits)); break;
    case kPropPicture:
    case kPropIcon:
    case kPropSound:
    case kPropBinary:
    case kPropBinary2:
        v.pointer = bytes ? bytes->Bytes() : nullptr;
        v.length = static_cast<uint32_t>(ByteSetLength(bytes));
        break;
    case kPropCursor:
        if (bytes) cursorBlock.assign(reinterpret_cast<const char*>(bytes->Bytes()), bytes->length);
        cursorBlock = CursorBlockToStored(std::move(cursorBlock));
        v.pointer = cursorBlock.empty() ? nullptr : cursorBlock.data();
        v.length = static_cast<uint32_t>(cursorBlock.size());
        break;
    case kPropFont: {
        auto get = OperationOf<GetPropertyRoutine>(t.type, kOpGetProperty);
        PropertyValue current{};
        if (get) get(unit, index - 8, current);
        font = ChangedFont(FontOf(current), arrayIndex, bits);
        v.pointer = &font;
        v.length = sizeof font;
        break;
    }
    default: v.pointer = pointer ? pointer : ""; break;
    }
    if (set(unit, index - 8, v) == 1) RecreateUnit(*t.window, t.index);
}

}  // namespace

ArgRecord ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) {
    Target t = Find(windowId, unitId);
    const WindowRecord& w = *t.window;
    const UnitLayout& l = t.layout;
    switch (index) {
    case 0:
    case 1:
        if (t.handle) {
            RECT r = PlaceInParent(t.handle);
            return ArgRecord::Int(index == 0 ? r.left : r.top);
        }
        return ArgRecord::Int(w.Int(index == 0 ? l.left : l.top));
    case 2:
    case 3:
        if (t.handle) {
            RECT r;
            GetWindowRect(t.handle, &r);
            return ArgRecord::Int(index == 2 ? r.right - r.left : r.bottom - r.top);
        }
        return ArgRecord::Int(w.Int(index == 2 ? l.width : l.height));
    case 4: return ArgRecord::Text(MakeText(w.ZText(l.tag).c_str()));
    case 5: return ArgRecord::Logical(t.handle ? IsWindowVisible(t.handle) != 0 : (w.Word(l.flags) & 1) != 0);
    case 6: return ArgRecord::Logical(t.handle ? !IsWindowEnabled(t.handle) : (w.Word(l.flags) & 2) != 0);
    case 7: {
        std::string block = CursorBlockToPlatform(w.Counted(l.cursorData));
        return BytesValue(block.data(), block.size());
    }
    default: return index >= 8 ? ReadOwn(t, index, arrayIndex) : ArgRecord::Empty();
    }
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex, uint32_t valueLow,
                       uint32_t valueHigh) {
    Target t = Find(windowId, unitId);
    WindowRecord& w = *t.window;
    const UnitLayout& l = t.layout;
    const uint64_t bits = valueLow | static_cast<uint64_t>(valueHigh) << 32;
    const auto word = static_cast<int32_t>(valueLow);
    const auto pointer = reinterpret_cast<const void*>(static_cast<uintptr_t>(bits));
    switch (index) {
    case 0:
    case 1: {
        int32_t v = word < -kMaxExtent ? -kMaxExtent : word > kMaxExtent ? kMaxExtent : word;
        w.SetWord(index == 0 ? l.left : l.top, static_cast<uint32_t>(v));
        if (t.handle) {
            RECT r = PlaceInParent(t.handle);
            SetWindowPos(t.handle, nullptr, index == 0 ? v : r.left, index == 1 ? v : r.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case 2:
    case 3: {
        int32_t v = word > kMaxExtent ? kMaxExtent : word < 0 ? 0 : word;
        w.SetWord(index == 2 ? l.width : l.height, static_cast<uint32_t>(v));
        if (t.handle) {
            RECT r;
            GetWindowRect(t.handle, &r);
            SetWindowPos(t.handle, nullptr, 0, 0, index == 2 ? v : r.right - r.left, index == 3 ? v : r.bottom - r.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case 4: w.ReplaceZText(t.index, &UnitLayout::tag, pointer ? static_cast<const char*>(pointer) : ""); break;
    case 5: {
        bool visible = word != 0;
        w.SetWord(l.flags, (w.Word(l.flags) & ~1u) | (visible ? 1u : 0u));
        if (t.handle && !(visible && t.type && (t.type->flags & kNeverShown)))
            ShowWindow(t.handle, !visible ? SW_HIDE : t.index == 0 ? SW_SHOW : SW_SHOWNA);
        break;
    }
    case 6: {
        bool disabled = word != 0;
        w.SetWord(l.flags, (w.Word(l.flags) & ~2u) | (disabled ? 2u : 0u));
        if (t.handle) EnableWindow(t.handle, !disabled);
        break;
    }
    case 7: {
        auto bytes = static_cast<const ByteSet*>(pointer);
        std::string block = bytes ? std::string(reinterpret_cast<const char*>(bytes->Bytes()), bytes->length) : std::string();
        block = CursorBlockToStored(std::move(block));
        w.ReplaceCounted(t.index, &UnitLayout::cursorData, block);
        if (!w.live.empty()) w.live[t.index].cursor = LoadUnitCursor(block);
        if (t.handle) {
            POINT p;
            GetCursorPos(&p);
            SetCursorPos(p.x, p.y);  // the new cursor shows at once
        }
        break;
    }
    default:
        if (index >= 8) WriteOwn(t, index, arrayIndex, bits);
        break;
    }
}

}  // namespace forms
