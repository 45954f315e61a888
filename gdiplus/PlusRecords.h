// Records and arrays as the wrapper operations take them: a record is a heap block of plain
// fields; an array of records (or of objects) is an ArrayValue holding one pointer per element.
// Records have the layout of the GDI+ structure of the same kind, so a record's address is
// what a flat function taking one structure receives.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "runtime/ValueHolders.h"
#include "runtime/Values.h"

namespace gdip {

struct PlusPointF {
    float x, y;
};
struct PlusPoint {
    int32_t x, y;
};
struct PlusRectF {
    float x, y, width, height;
};
struct PlusRect {
    int32_t x, y, width, height;
};
// {width, height}, as GetImageDimension and RotateToBitmap's size give them.
struct PlusSizeF {
    float width, height;
};

// A new record (a zeroed copy of `value` when given), owned by the caller (RuntimeFree).
template <class Rec>
Rec* NewRecord(const Rec& value = Rec{}) {
    auto* record = static_cast<Rec*>(RuntimeAlloc(sizeof(Rec)));
    std::memcpy(record, &value, sizeof(Rec));
    return record;
}

// An owned record.
template <class Rec>
struct RecordTraits {
    static void Free(Rec* p) { RuntimeFree(p); }
};
template <class Rec>
using Record = OwnedValue<Rec, RecordTraits<Rec>>;

// ---- arrays of pointers (records or objects) ----

inline size_t ElementCount(const ArrayValue* array) { return array ? array->ElementCount() : 0; }

// A one-dimensional array of n null pointers.
ArrayValue* MakePointerArray(size_t n);

template <class T>
T** PointerElements(ArrayValue* array) {
    return reinterpret_cast<T**>(array->Elements());
}

// An array of n new zeroed records.
template <class Rec>
ArrayValue* MakeRecordArray(size_t n) {
    ArrayValue* array = MakePointerArray(n);
    for (size_t i = 0; i < n; ++i) PointerElements<Rec>(array)[i] = NewRecord<Rec>();
    return array;
}

// Frees every element record with FreeElement, then the array (nothing for null).
void FreePointerArray(ArrayValue* array, void (*freeElement)(void*));
inline void FreeRecordArray(ArrayValue* array) { FreePointerArray(array, RuntimeFree); }

// An owned array of records.
class RecordArray {
public:
    RecordArray() : p_(MakePointerArray(0)) {}
    explicit RecordArray(ArrayValue* owned) : p_(owned) {}
    RecordArray(const RecordArray&) = delete;
    RecordArray& operator=(const RecordArray&) = delete;
    RecordArray(RecordArray&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ~RecordArray() { FreeRecordArray(p_); }
    template <class Rec>
    static RecordArray Of(std::initializer_list<Rec> values) {
        RecordArray array(MakePointerArray(values.size()));
        size_t i = 0;
        for (const Rec& v : values) PointerElements<Rec>(array.p_)[i++] = NewRecord<Rec>(v);
        return array;
    }
    ArrayValue* Get() const { return p_; }
    // The variable itself, for operations that replace the array.
    ArrayValue** Slot() { return &p_; }
    size_t Count() const { return ElementCount(p_); }
    template <class Rec>
    Rec& At(size_t i) { return *PointerElements<Rec>(p_)[i]; }

private:
    ArrayValue* p_;
};

// A contiguous native copy of an array of records for one flat call: each element's fields in
// order (zeros for a null element), copied back into the records after the call.
template <class Native>
class NativeRecords {
public:
    explicit NativeRecords(ArrayValue* records)
        : records_(records), count_(ElementCount(records)),
          data_(static_cast<Native*>(RuntimeAlloc(count_ * sizeof(Native)))) {
        for (size_t i = 0; i < count_; ++i) {
            const void* element = PointerElements<void>(records_)[i];
            if (element) std::memcpy(static_cast<void*>(&data_[i]), element, sizeof(Native));
            else std::memset(static_cast<void*>(&data_[i]), 0, sizeof(Native));
        }
    }
    NativeRecords(const NativeRecords&) = delete;
    NativeRecords& operator=(const NativeRecords&) = delete;
    ~NativeRecords() { RuntimeFree(data_); }

    Native* Data() const { return data_; }
    int32_t Count() const { return static_cast<int32_t>(count_); }
    void CopyBack() const {
        for (size_t i = 0; i < count_; ++i)
            if (void* element = PointerElements<void>(records_)[i]) std::memcpy(element, static_cast<const void*>(&data_[i]), sizeof(Native));
    }

private:
    ArrayValue* records_;
    size_t count_;
    Native* data_;
};

// The elements of an array of 32-bit scalars (floats, colours, integers) as one flat call takes
// them: the array's own storage and its element count.
template <class Scalar>
Scalar* ScalarElements(const ArrayValue* array) {
    static_assert(sizeof(Scalar) == 4);
    return array ? reinterpret_cast<Scalar*>(const_cast<ArrayValue*>(array)->Elements()) : nullptr;
}

// Replaces the array in a variable with a zeroed one-dimensional array of n elements of the kind.
void ReplaceArray(ArrayValue** slot, TypeCode elementType, size_t n);

}  // namespace gdip
