// Every class's operation table, built from its rows, and the objects' common operations.
#include <cstring>
#include <initializer_list>
#include <type_traits>

#include "gdiplus/Gdiplus.h"
#include "gdiplus/OperationSupport.h"

namespace gdip {

template <>
MemoryStream* New<MemoryStream>();

// ---- member objects (the images' streams) ----

namespace {

void CreateMembers(ProgramObject*) {}
void CreateMembers(PlusImage* image) { image->source = New<MemoryStream>(); }
void CreateMembers(PlusBitmap* bitmap) {
    bitmap->spare = New<MemoryStream>();
    bitmap->bitmapSource = New<MemoryStream>();
}

void ReleaseMembers(PlusObject*) {}
void ReleaseMembers(PlusImage* image) { Release(image->source); }
void ReleaseMembers(PlusBitmap* bitmap) {
    Release(bitmap->source);
    Release(bitmap->spare);
    Release(bitmap->bitmapSource);
}

MemoryStream* CopyOf(MemoryStream* stream) { return stream ? Copy(stream) : nullptr; }
void CopyMembers(PlusObject*) {}
void CopyMembers(PlusImage* image) { image->source = CopyOf(image->source); }
void CopyMembers(PlusBitmap* bitmap) {
    bitmap->source = CopyOf(bitmap->source);
    bitmap->spare = CopyOf(bitmap->spare);
    bitmap->bitmapSource = CopyOf(bitmap->bitmapSource);
}

}  // namespace

template <class Cls>
void ClassOps<Cls>::destroy(ProgramObject* self) {
    auto* object = static_cast<Cls*>(self);
    if constexpr (Cls::kDeletePosition >= 0) Invoke<typename Cls::DeleteClass, Cls::kDeletePosition>(object);
    ReleaseMembers(object);
}

template <class Cls>
ProgramObject* ClassOps<Cls>::copy(ProgramObject* self) {
    static_assert(std::is_trivially_copyable_v<Cls>);
    auto* copy = static_cast<Cls*>(RuntimeAlloc(sizeof(Cls)));
    std::memcpy(static_cast<void*>(copy), self, sizeof(Cls));
    CopyMembers(copy);
    return copy;
}

template <class Base>
void HandleSetOps<Base>::OnHandleSet(PlusObject* self, void* handle) {
    static_cast<Base*>(self)->Handle() = handle;
    if constexpr (Base::kAttachOnHandleSet) {
        // Operation 7, OnAttach, has this one signature in every class that attaches.
        using OnAttachFn = void (*)(PlusObject*, void*);
        reinterpret_cast<OnAttachFn>(self->operations[7].address)(self, handle);
    }
}

void support::ReleaseElement(void* object) { Release(static_cast<ProgramObject*>(object)); }

// ---- the tables ----

namespace {

#define GDIP_TABLE_ENTRY_(cls, pos, name, flat, family) \
    OperationEntry{#name, reinterpret_cast<OperationAddress>(OperationRow<cls, pos>::Impl::Address())},
#define GDIP_POSITION_(cls, pos, name, flat, family) pos,

// The rows are written in the order of their positions, 0, 1, 2, ...
constexpr bool InDeclaredOrder(std::initializer_list<int> positions) {
    int expected = 0;
    for (int position : positions)
        if (position != expected++) return false;
    return true;
}

template <class Object>
Object* NewBlock(const OperationEntry* operations) {
    static_assert(std::is_trivially_copyable_v<Object>);
    auto* object = static_cast<Object*>(RuntimeAlloc(sizeof(Object)));
    std::memset(static_cast<void*>(object), 0, sizeof(Object));
    object->operations = operations;
    return object;
}

}  // namespace

// A class derived from PlusObject: operations 0 to 6, then the class's list.
#define GDIP_PLUS_CLASS_TABLE_(cls, LIST)                                                               \
    namespace {                                                                                         \
    const OperationEntry k##cls##Table[] = {GDIP_PLUS_OBJECT_OPERATIONS(GDIP_TABLE_ENTRY_, cls)         \
                                                LIST(GDIP_TABLE_ENTRY_, GDIP_INCLUDE_SHARED)};          \
    static_assert(InDeclaredOrder({GDIP_PLUS_OBJECT_OPERATIONS(GDIP_POSITION_, cls)                     \
                                       LIST(GDIP_POSITION_, GDIP_INCLUDE_SHARED)}),                     \
                  #cls ": rows out of their declared order");                                           \
    }                                                                                                   \
    template <>                                                                                         \
    std::span<const OperationEntry> TableOf<cls>() { return k##cls##Table; }                            \
    template <>                                                                                         \
    cls* New<cls>() {                                                                                   \
        cls* object = NewBlock<cls>(k##cls##Table);                                                     \
        CreateMembers(object);                                                                          \
        return object;                                                                                  \
    }                                                                                                   \
    template struct ClassOps<cls>;

// A class of its own: its list is the whole table.
#define GDIP_OWN_CLASS_TABLE_(cls, LIST)                                                                      \
    namespace {                                                                                               \
    const OperationEntry k##cls##Table[] = {LIST(GDIP_TABLE_ENTRY_, GDIP_INCLUDE_SHARED)};                    \
    static_assert(InDeclaredOrder({LIST(GDIP_POSITION_, GDIP_INCLUDE_SHARED)}), #cls ": rows out of order"); \
    }                                                                                                         \
    template <>                                                                                               \
    std::span<const OperationEntry> TableOf<cls>() { return k##cls##Table; }                                  \
    template <>                                                                                               \
    cls* New<cls>() { return NewBlock<cls>(k##cls##Table); }

// PlusObject alone: a holder of a native handle of a kind without a class (a matrix, say).
#define GDIP_NO_OPERATIONS_(OP, SHARED)

GDIP_PLUS_CLASS_TABLE_(PlusObject, GDIP_NO_OPERATIONS_)
GDIP_PLUS_CLASS_TABLE_(PlusGraphics, GDIP_PLUS_GRAPHICS_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusPath, GDIP_PLUS_PATH_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusPen, GDIP_PLUS_PEN_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusSolidBrush, GDIP_PLUS_SOLID_BRUSH_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusLinearBrush, GDIP_PLUS_LINEAR_BRUSH_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusPathBrush, GDIP_PLUS_PATH_BRUSH_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusFont, GDIP_PLUS_FONT_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusFontFamily, GDIP_PLUS_FONT_FAMILY_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusFontCollection, GDIP_PLUS_FONT_COLLECTION_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusStringFormat, GDIP_PLUS_STRING_FORMAT_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusRegion, GDIP_PLUS_REGION_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusImage, GDIP_PLUS_IMAGE_OPERATIONS)
GDIP_PLUS_CLASS_TABLE_(PlusBitmap, GDIP_PLUS_BITMAP_OPERATIONS)
GDIP_OWN_CLASS_TABLE_(MemoryStream, GDIP_MEMORY_STREAM_OPERATIONS)
GDIP_OWN_CLASS_TABLE_(ToolTip, GDIP_TOOLTIP_OPERATIONS)

template struct HandleSetOps<PlusObject>;
template struct HandleSetOps<PlusGraphics>;
template struct HandleSetOps<PlusPath>;
template struct HandleSetOps<PlusPen>;
template struct HandleSetOps<PlusBrush>;
template struct HandleSetOps<PlusFont>;
template struct HandleSetOps<PlusFontFamily>;
template struct HandleSetOps<PlusFontCollection>;
template struct HandleSetOps<PlusStringFormat>;
template struct HandleSetOps<PlusRegion>;
template struct HandleSetOps<PlusImage>;

// A bitmap's operations 7 to 11 replace the image's in the same slots, with the same signatures.
#define GDIP_SAME_SIGNATURE_(pos)                                                                           \
    static_assert(std::is_same_v<OperationRow<PlusImage, pos>::Impl::Signature, OperationRow<PlusBitmap, pos>::Impl::Signature>);
GDIP_SAME_SIGNATURE_(7)
GDIP_SAME_SIGNATURE_(8)
GDIP_SAME_SIGNATURE_(9)
GDIP_SAME_SIGNATURE_(10)
GDIP_SAME_SIGNATURE_(11)

}  // namespace gdip
