// PlusFont, PlusFontFamily and PlusFontCollection operations with behaviour of their own.
#include <vector>

#include "gdiplus/OperationSupport.h"
#include "gdiplus/SystemCalls.h"

namespace gdip {

using namespace support;
using Gdiplus::GpFont;
using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::Status;

namespace {

constexpr size_t kLogFontSize = 60;  // LOGFONTA
static_assert(sizeof(LOGFONTA) == kLogFontSize);

GpFontFamily* Native(PlusFontFamily* self) { return static_cast<GpFontFamily*>(self->Handle()); }

Status CreateFromFamily(PlusFont* self, PlusFontFamily* family, float emSize, Optional<int32_t> style, Optional<int32_t> unit) {
    return GDIP(GdipCreateFont)(NativeOf<GpFontFamily>(family), emSize, style.Or(0), static_cast<Gdiplus::Unit>(unit.Or(0)),
                                OwnOutput<GpFont>(self));
}

// A font of a family found by name among the installed fonts, through a temporary family
// object that is deleted again; the logical of the font's creation.
template <class Name>
bool CreateByName(PlusFont* self, Name name, float emSize, Optional<int32_t> style, Optional<int32_t> unit) {
    Object<PlusFontFamily> family = Make<PlusFontFamily>();
    Object<PlusFontCollection> installed = Make<PlusFontCollection>();
    if constexpr (std::is_same_v<Name, const char*>) family->CreateFontFamilyFromName(name, installed.Get());
    else family->CreateFontFamilyFromNameW(name, installed.Get());
    const Status status = CreateFromFamily(self, family.Get(), emSize, style, unit);
    self->SetHandle(self->Handle());
    family->DeleteFontFamily();
    return status == Gdiplus::Ok;
}

}  // namespace

bool PlusFontOps::CreateFont(PlusFont* self, PlusFontFamily* family, float emSize, Optional<int32_t> style, Optional<int32_t> unit) {
    return Created(self, CreateFromFamily(self, family, emSize, style, unit));
}

bool PlusFontOps::CreateDefaultGuiFont(PlusFont* self) {
    const HGDIOBJ stock = sys::GetStockObject(DEFAULT_GUI_FONT);
    void* logfont = self->Alloc(kLogFontSize);
    if (sys::GetObjectA(stock, static_cast<int>(kLogFontSize), logfont) == 0) {
        self->Free(logfont);
        return false;
    }
    const HDC screen = sys::GetDC(nullptr);
    const Status status = GDIP(GdipCreateFontFromLogfontA)(screen, static_cast<LOGFONTA*>(logfont), OwnOutput<GpFont>(self));
    sys::ReleaseDC(nullptr, screen);
    self->Free(logfont);
    return Created(self, status);
}

bool PlusFontOps::CreateFontByName(PlusFont* self, const char* familyName, float emSize, Optional<int32_t> style, Optional<int32_t> unit) {
    return CreateByName(self, familyName, emSize, style, unit);
}

bool PlusFontOps::CreateFontByNameW(PlusFont* self, const ByteSet* familyName, float emSize, Optional<int32_t> style,
                                    Optional<int32_t> unit) {
    return CreateByName(self, familyName, emSize, style, unit);
}

// The font's LOGFONTA when one is given and readable, else the font selected into the DC.
bool PlusFontOps::CreateFontFromHFONT(PlusFont* self, HDC dc, Optional<HFONT> font) {
    Status status;
    if (font.given) {
        void* logfont = self->Alloc(kLogFontSize);
        status = sys::GetObjectA(font.value, static_cast<int>(kLogFontSize), logfont) != 0
                     ? GDIP(GdipCreateFontFromLogfontA)(dc, static_cast<LOGFONTA*>(logfont), OwnOutput<GpFont>(self))
                     : GDIP(GdipCreateFontFromDC)(dc, OwnOutput<GpFont>(self));
        self->Free(logfont);
    } else {
        status = GDIP(GdipCreateFontFromDC)(dc, OwnOutput<GpFont>(self));
    }
    return Created(self, status);
}

bool PlusFontOps::CreateFontFromLogfontA(PlusFont* self, HDC dc, Optional<const LOGFONTA*> logfont) {
    return Created(self, logfont.given ? GDIP(GdipCreateFontFromLogfontA)(dc, logfont.value, OwnOutput<GpFont>(self))
                                       : GDIP(GdipCreateFontFromDC)(dc, OwnOutput<GpFont>(self)));
}

bool PlusFontOps::CreateFontFromLogfontW(PlusFont* self, HDC dc, Optional<const LOGFONTW*> logfont) {
    return Created(self, logfont.given ? GDIP(GdipCreateFontFromLogfontW)(dc, logfont.value, OwnOutput<GpFont>(self))
                                       : GDIP(GdipCreateFontFromDC)(dc, OwnOutput<GpFont>(self)));
}

// ---- families ----

bool PlusFontFamilyOps::CreateFontFamilyFromNameW(PlusFontFamily* self, const ByteSet* name, PlusFontCollection* collection) {
    const WideUnits units(name);
    return Created(self, GDIP(GdipCreateFontFamilyFromName)(units.Data(), NativeOf<GpFontCollection>(collection),
                                                            OwnOutput<GpFontFamily>(self)));
}

TextValue PlusFontFamilyOps::GetFamilyName(PlusFontFamily* self) {
    WCHAR name[LF_FACESIZE] = {};
    RecordStatus(GDIP(GdipGetFamilyName)(Native(self), name, 0));
    return TextFromWide(name).Release();
}

ByteSet* PlusFontFamilyOps::GetFamilyNameW(PlusFontFamily* self) {
    WCHAR name[LF_FACESIZE] = {};
    RecordStatus(GDIP(GdipGetFamilyName)(Native(self), name, 0));
    return MakeByteSet(name, sizeof name);
}

// ---- collections ----

void PlusFontCollectionOps::OnAttach(PlusObject*, void*) {}

int32_t PlusFontCollectionOps::GetFontCollectionFamilyList(PlusFontCollection* self, int32_t count, ArrayValue** families) {
    if (count < 1) {
        LastStatus = Gdiplus::InvalidParameter;
        return 0;
    }
    PlusFontFamily** objects = ReplaceObjectArray<PlusFontFamily>(families, static_cast<size_t>(count));
    std::vector<GpFontFamily*> natives(static_cast<size_t>(count), nullptr);
    INT found = 0;
    if (!Succeeded(GDIP(GdipGetFontCollectionFamilyList)(static_cast<GpFontCollection*>(self->Handle()), count, natives.data(), &found)))
        return 0;
    for (INT i = 0; i < found && i < count; ++i) objects[i]->SetHandle(natives[static_cast<size_t>(i)]);
    return found;
}

}  // namespace gdip
