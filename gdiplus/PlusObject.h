// The object model of the GDI+ wrapper classes, the memory stream and the tooltip.
//
// Every object is a heap block whose first field is its class's operation table; operations are
// called through the table by their position, so a class that replaces an operation (PlusBitmap
// its DisposeImage, each brush its OnAttach) is reached from any caller. Operations 0 and 1 are
// destroy and copy; for PlusObject's classes 2 to 6 are GetHandle, SetHandle, OnHandleSet, Alloc
// and Free, and a class's own operations follow from 7 (gdiplus/OperationTables.h).
//
// The typed accessors (obj->SetSmoothingMode(mode)) call the table slot with the operation's own
// signature; trailing Optional arguments may be left out.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <type_traits>
#include <utility>

#include "gdiplus/FlatApi.h"

namespace gdip {

// ---- the table and the block ----

using OperationAddress = void (*)();

struct OperationEntry {
    const char* name;
    OperationAddress address;
};

// What every object begins with.
struct ProgramObject {
    const OperationEntry* operations;
};

// The row of a class's table at a position; specialised by the table rows. Impl::Signature is
// the operation's function type, Impl::Address() the function.
template <class Cls, int Pos>
struct OperationRow;

template <auto Fn>
struct OwnImpl {
    using Signature = decltype(Fn);
    static Signature Address() { return Fn; }
};

// An optional argument: its value and whether it was given.
template <class T>
struct Optional {
    T value{};
    bool given = false;
    constexpr Optional() = default;
    constexpr Optional(T v) : value(v), given(true) {}
    constexpr T Or(T fallback) const { return given ? value : fallback; }
};

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<Optional<T>> : std::true_type {};

// ---- LastStatus ----

// The GDI+ status of the latest flat call made by any wrapper operation (0 = Ok).
extern int32_t LastStatus;

inline Gdiplus::Status RecordStatus(Gdiplus::Status status) {
    LastStatus = static_cast<int32_t>(status);
    return status;
}
inline bool Succeeded(Gdiplus::Status status) { return RecordStatus(status) == Gdiplus::Ok; }

// ---- calling through the table ----

namespace detail {

template <size_t I, class P, class Given>
decltype(auto) ArgumentOrOmitted(Given& given) {
    if constexpr (I < std::tuple_size_v<Given>) {
        return std::get<I>(std::move(given));
    } else {
        static_assert(IsOptional<P>::value, "only trailing optional arguments may be left out");
        return P{};
    }
}

template <class R, class S, class... P, size_t... I, class Given>
R CallWithOmitted(R (*fn)(S, P...), S self, std::index_sequence<I...>, Given given) {
    return fn(self, ArgumentOrOmitted<I, std::tuple_element_t<I, std::tuple<P...>>>(given)...);
}

template <class R, class S, class... P, class... A>
R CallOperation(R (*fn)(S, P...), std::type_identity_t<S> self, A&&... args) {
    static_assert(sizeof...(A) <= sizeof...(P), "too many arguments for the operation");
    if constexpr (sizeof...(A) == sizeof...(P)) {
        return fn(self, std::forward<A>(args)...);
    } else {
        return CallWithOmitted(fn, self, std::index_sequence_for<P...>{},
                               std::forward_as_tuple(std::forward<A>(args)...));
    }
}

}  // namespace detail

// Calls operation Pos of the object's table, whose code is Cls's row at Pos.
template <class Cls, int Pos, class Self, class... A>
decltype(auto) Invoke(Self* self, A&&... args) {
    using Signature = typename OperationRow<Cls, Pos>::Impl::Signature;
    const auto fn = reinterpret_cast<Signature>(self->operations[Pos].address);
    return detail::CallOperation(fn, self, std::forward<A>(args)...);
}

// ---- the accessors and rows the table macros expand to ----

#define GDIP_MEMBER_(cls, pos, name)                                    \
    template <typename... A>                                            \
    decltype(auto) name(A&&... args) {                                  \
        return ::gdip::Invoke<cls, pos>(this, std::forward<A>(args)...); \
    }
#define GDIP_NO_MEMBER_(cls, pos, name)
#define GDIP_ACCESSOR(cls, pos, name, flat, family) GDIP_ACCESSOR_##family(cls, pos, name)
#define GDIP_ACCESSOR_Act GDIP_MEMBER_
#define GDIP_ACCESSOR_Get GDIP_MEMBER_
#define GDIP_ACCESSOR_Test GDIP_MEMBER_
#define GDIP_ACCESSOR_Create GDIP_MEMBER_
#define GDIP_ACCESSOR_Delete GDIP_MEMBER_
#define GDIP_ACCESSOR_Clone GDIP_MEMBER_
#define GDIP_ACCESSOR_Bounds GDIP_MEMBER_
#define GDIP_ACCESSOR_Own GDIP_MEMBER_
#define GDIP_ACCESSOR_Base GDIP_MEMBER_
#define GDIP_ACCESSOR_HandleSet GDIP_MEMBER_
#define GDIP_ACCESSOR_Twin GDIP_NO_MEMBER_
#define GDIP_ACCESSOR_Destroy GDIP_NO_MEMBER_
#define GDIP_ACCESSOR_Copy GDIP_NO_MEMBER_

#define GDIP_ROW(cls, pos, name, flat, family) GDIP_ROW_##family(cls, pos, name, flat)
#define GDIP_IMPL_ROW_(cls, pos, ...) \
    template <>                       \
    struct OperationRow<cls, pos> {   \
        using Impl = __VA_ARGS__;     \
    };
#define GDIP_GENERATED_ROW_(cls, pos, flat, family) \
    GDIP_IMPL_ROW_(cls, pos, ::gdip::families::Generated<::gdip::families::family, cls, GDIP_FLAT(flat)>)
#define GDIP_ROW_Act(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Act)
#define GDIP_ROW_Get(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Get)
#define GDIP_ROW_Test(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Test)
#define GDIP_ROW_Create(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Create)
#define GDIP_ROW_Delete(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Delete)
#define GDIP_ROW_Clone(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Clone)
#define GDIP_ROW_Bounds(cls, pos, name, flat) GDIP_GENERATED_ROW_(cls, pos, flat, Bounds)
#define GDIP_ROW_Own(cls, pos, name, flat) GDIP_IMPL_ROW_(cls, pos, ::gdip::OwnImpl<&cls##Ops::name>)
#define GDIP_ROW_Twin(cls, pos, name, flat) \
    template <>                             \
    struct OperationRow<cls, pos> : OperationRow<cls, pos - 1> {};
#define GDIP_ROW_Base(cls, pos, name, flat) GDIP_IMPL_ROW_(cls, pos, ::gdip::OwnImpl<&::gdip::PlusObjectOps::name>)
#define GDIP_ROW_Destroy(cls, pos, name, flat) GDIP_IMPL_ROW_(cls, pos, ::gdip::OwnImpl<&::gdip::ClassOps<cls>::name>)
#define GDIP_ROW_Copy(cls, pos, name, flat) GDIP_ROW_Destroy(cls, pos, name, flat)
#define GDIP_ROW_HandleSet(cls, pos, name, flat) \
    GDIP_IMPL_ROW_(cls, pos, ::gdip::OwnImpl<&::gdip::HandleSetOps<cls::HandleSetBase>::name>)

// A class's list either includes the shared rows of another list or skips them: the class that
// owns the shared rows defines them, the others only place them in their tables.
#define GDIP_SKIP_SHARED(LIST, OP)
#define GDIP_INCLUDE_SHARED(LIST, OP) LIST(OP, GDIP_SKIP_SHARED)

// ---- PlusObject ----

struct PlusObject;

// Operations 2, 3, 5 and 6, the same in every class.
struct PlusObjectOps {
    static void* GetHandle(PlusObject* self);
    static void SetHandle(PlusObject* self, void* handle);
    static void* Alloc(PlusObject* self, size_t size);
    static void Free(PlusObject* self, void* block);
};

// Operations 0 and 1 of a class: destroy calls the class's delete operation (DeleteClass's row
// at kDeletePosition; none when it is -1), copy makes a block with the same fields (and copies
// of the member objects).
template <class Cls>
struct ClassOps {
    static void destroy(ProgramObject* self);
    static ProgramObject* copy(ProgramObject* self);
};

// Operation 4 as the class Base defines it: stores the handle in Base's own field and, where
// Base::kAttachOnHandleSet, calls operation 7 with it.
template <class Base>
struct HandleSetOps {
    static void OnHandleSet(PlusObject* self, void* handle);
};

#include "gdiplus/OperationTables.h"

struct PlusObject : ProgramObject {
    void* handle;  // the base handle: every handle field of an object holds the same value

    void*& Handle() { return handle; }
    using HandleSetBase = PlusObject;
    using DeleteClass = PlusObject;
    static constexpr int kDeletePosition = -1;  // none
    static constexpr bool kAttachOnHandleSet = false;

    GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ACCESSOR, PlusObject)
};

GDIP_PLUS_OBJECT_OPERATIONS(GDIP_ROW, PlusObject)

// ---- objects' life ----

// A class's operation table, in its declared order.
template <class T>
std::span<const OperationEntry> TableOf();

// A new object of class T: a zeroed block with its table (and its member objects).
template <class T>
T* New();
// Operation 0, then the block is freed. Nothing for null.
void Release(ProgramObject* object);
// Operation 1: a new block with the same fields.
template <class T>
T* Copy(T* object) {
    using CopyFn = ProgramObject* (*)(ProgramObject*);
    return static_cast<T*>(reinterpret_cast<CopyFn>(object->operations[1].address)(object));
}

// An owned object: released when the holder goes.
template <class T>
class Object {
public:
    Object() = default;
    explicit Object(T* owned) : p_(owned) {}
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    Object(Object&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Object& operator=(Object&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~Object() { Release(p_); }

    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    T* Take() { return std::exchange(p_, nullptr); }
    void Reset(T* owned = nullptr) {
        T* old = std::exchange(p_, owned);
        if (old != owned) Release(old);
    }

private:
    T* p_ = nullptr;
};

template <class T>
Object<T> Make() { return Object<T>(New<T>()); }

// The handle an object argument passes: its GetHandle, or null for no object.
inline void* HandleOf(PlusObject* object) { return object ? object->GetHandle() : nullptr; }

}  // namespace gdip
