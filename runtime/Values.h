// The runtime's value shapes (texts, byte sets, arrays) and its heap.
// These are the raw layouts that cross the runtime boundary; program code normally holds them
// through the owning holders of ValueHolders.h.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/TypeCode.h"

// A zero-terminated GBK byte string in a heap block of its own; null is the empty text.
using TextValue = char*;

// Byte set block: the constant 1, the length, then the bytes. Null is the empty byte set.
struct ByteSet {
    int32_t one;
    uint32_t length;
    uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(this + 1); }
    const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(this + 1); }
};
static_assert(sizeof(ByteSet) == 8);

// Array block: the dimension count d, d sizes (first dimension first), then the elements.
struct ArrayValue {
    int32_t dimensionCount;
    int32_t* Sizes() { return reinterpret_cast<int32_t*>(this + 1); }
    const int32_t* Sizes() const { return reinterpret_cast<const int32_t*>(this + 1); }
    uint8_t* Elements() { return reinterpret_cast<uint8_t*>(Sizes() + dimensionCount); }
    const uint8_t* Elements() const { return reinterpret_cast<const uint8_t*>(Sizes() + dimensionCount); }
    size_t ElementCount() const;  // product of the sizes
    size_t HeaderBytes() const { return 4 + 4 * static_cast<size_t>(dimensionCount); }
};
static_assert(sizeof(ArrayValue) == 4);

// ---- the heap (the process heap) ----
// Never returns null: failure is the fatal error "分配 %d 字节内存失败!".
void* RuntimeAlloc(size_t byteCount);
// Null allocates; a constant is copied out (min(count, rest of the region)) and left as it is.
void* RuntimeRealloc(void* block, size_t byteCount);
// Nothing for null and for a pointer inside the constant region.
void RuntimeFree(void* block);

// ---- the constant region ----
// The program's constant texts, byte sets and arrays, in one read-only region that begins with
// "DEFAULT_ICON". Definitions marked RT_CONSTANT are placed into it by the linker (grouped
// sections are laid out sorted by name, between the start and end markers).
#define RT_CONSTANT __attribute__((section(".rdata$rtconst_m")))

extern "C" const char kConstantRegionStartMarker[];  // for the program header's bounds
extern "C" const char kConstantRegionEndMarker[];
const char* ConstantRegionStart();
const char* ConstantRegionEnd();
bool InConstantRegion(const void* p);

// A constant byte set of N bytes, in the byte set layout.
template <size_t N>
struct ConstByteSet {
    int32_t one;
    uint32_t length;
    uint8_t bytes[N];
    const ByteSet* Get() const { return reinterpret_cast<const ByteSet*>(this); }
};

// A constant one- or two-dimensional array of integers (element size 4 on every build).
template <int Dims, size_t Count>
struct ConstIntArray {
    int32_t dimensionCount;
    int32_t sizes[Dims];
    int32_t elements[Count];
    const ArrayValue* Get() const { return reinterpret_cast<const ArrayValue*>(this); }
};

// The shared empty values that program code passes instead of null arguments.
const char* SharedEmptyText();
const ByteSet* SharedEmptyByteSet();

// ---- making values ----
// A text of n bytes (n + 1 allocated); n == 0 gives null.
TextValue MakeText(const char* bytes, size_t n);
// A text from a zero-terminated source; null or "" gives null.
TextValue MakeText(const char* z);
// Length of a text (0 for null).
size_t TextLength(const char* t);
// A byte set of n bytes (n + 8 allocated); n == 0 gives null. bytes may be null: the data is zeroed then.
ByteSet* MakeByteSet(const void* bytes, size_t n);
inline size_t ByteSetLength(const ByteSet* b) { return b ? b->length : 0; }

// A zero-filled array of the element kind with the given dimension sizes (each >= 0;
// a size below 0 is runtime error 10).
ArrayValue* MakeArray(TypeCode elementType, const int32_t* sizes, int32_t dimensionCount);
// The empty array [1][0].
ArrayValue* MakeEmptyArray();
size_t ArrayElementSize(TypeCode elementType);
// Frees an array; for text and byte-set arrays every element first (runtime message 2023).
void FreeArray(TypeCode elementType, ArrayValue* array);
// Address of element `index` (1-based, over all elements as one dimension). Index below 1 is
// runtime error 4, above the element count runtime error 1.
void* ArrayElementAt(ArrayValue* array, TypeCode elementType, int32_t index);

// Runtime service 2: copies an array out of the constant region before it is changed in place.
void MakeArrayWritable(size_t elementSize, ArrayValue** slot);

// ---- value rules ----
constexpr double kDateTimeMin = -657434.0;   // 1 January 100
constexpr double kDateTimeMax = 2958465.0;   // 31 December 9999
double ClampDateTime(double days);
inline int32_t NormaliseLogical(int32_t v) { return v != 0 ? 1 : 0; }

// Value from raw bytes (used by ByteSetData): stores a value of `type` read from `source` with
// `available` bytes at `out` (stored-form storage of that kind). Returns the bytes consumed.
// For a text the result is a new TextValue, for a byte set a new ByteSet.
size_t ValueFromRawBytes(TypeCode type, const uint8_t* source, int64_t available, void* out);

// Size of a value's data, as ToByteSet converts any value (0 for kinds it does not know).
size_t ValueDataSize(TypeCode type, const void* storedForm);
