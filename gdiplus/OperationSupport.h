// What the hand-written operations share: native handles of objects, the create pattern, the
// transform about a point, arrays of objects.
#pragma once
#include <cstdint>

#include "gdiplus/Gdiplus.h"

namespace gdip::support {

using Gdiplus::Status;

// The native object an object argument stands for (its GetHandle; null for no object).
template <class Native>
Native* NativeOf(PlusObject* object) {
    return static_cast<Native*>(HandleOf(object));
}
template <class Native, class Wrapper>
Native* NativeOf(Optional<Wrapper*> object) {
    return NativeOf<Native>(static_cast<PlusObject*>(object.Or(nullptr)));
}

// The object's own handle field as the output of a create function.
template <class Native, class Self>
Native** OwnOutput(Self* self) {
    return reinterpret_cast<Native**>(&self->Handle());
}

// After a create function wrote the own handle field: SetHandle with it, the logical result.
template <class Self>
bool Created(Self* self, Status status) {
    self->SetHandle(self->Handle());
    return Succeeded(status);
}

// Scale or rotate about a centre: three calls with the same order; with order 1 (append) the
// translation to the origin comes first, with order 0 (prepend) last. The result is the last
// call's.
template <class Native, class Translate, class Turn, class... TurnArgs>
bool TransformAbout(Translate& translate, Turn& turn, Native* native, const PlusPointF* centre, Optional<int32_t> order,
                    TurnArgs... turnArgs) {
    const auto matrixOrder = static_cast<Gdiplus::MatrixOrder>(order.Or(0));
    const float x = centre ? centre->x : 0.0f;
    const float y = centre ? centre->y : 0.0f;
    const float first = matrixOrder == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
    RecordStatus(translate(native, first * x, first * y, matrixOrder));
    RecordStatus(turn(native, turnArgs..., matrixOrder));
    return Succeeded(translate(native, -first * x, -first * y, matrixOrder));
}

// Arrays of objects: each element is released with the array.
void ReleaseElement(void* object);
inline void FreeObjectArray(ArrayValue* array) { FreePointerArray(array, ReleaseElement); }

// Replaces the caller's array of objects by n new objects of class T.
template <class T>
T** ReplaceObjectArray(ArrayValue** slot, size_t n) {
    ArrayValue* fresh = MakePointerArray(n);
    for (size_t i = 0; i < n; ++i) PointerElements<T>(fresh)[i] = New<T>();
    FreeObjectArray(*slot);
    *slot = fresh;
    return PointerElements<T>(fresh);
}

// Replaces the caller's array of records by n new zeroed ones.
template <class Rec>
Rec** ReplaceRecordArray(ArrayValue** slot, size_t n) {
    ArrayValue* fresh = MakeRecordArray<Rec>(n);
    FreeRecordArray(*slot);
    *slot = fresh;
    return PointerElements<Rec>(fresh);
}

inline const Gdiplus::RectF& RectOf(const PlusRectF* rect) {
    static const Gdiplus::RectF kZero;
    return rect ? *reinterpret_cast<const Gdiplus::RectF*>(rect) : kZero;
}

}  // namespace gdip::support
