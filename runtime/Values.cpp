#include "runtime/Values.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "runtime/ArgRecord.h"
#include "runtime/RuntimeErrors.h"

// The region's bounds: two markers in grouped sections that the linker sorts around every
// RT_CONSTANT definition (".rdata$rtconst_a" < "…_m" < "…_z").
extern "C" {
__attribute__((section(".rdata$rtconst_a"), used)) const char kConstantRegionStartMarker[] = "DEFAULT_ICON";
__attribute__((section(".rdata$rtconst_z"), used)) const char kConstantRegionEndMarker[1] = {0};
}

namespace {
RT_CONSTANT const char kEmptyText[1] = {0};
RT_CONSTANT const ConstByteSet<1> kEmptyByteSet = {1, 0, {0}};
}  // namespace

const char* SharedEmptyText() { return kEmptyText; }
const ByteSet* SharedEmptyByteSet() { return kEmptyByteSet.Get(); }

const char* ConstantRegionStart() { return kConstantRegionStartMarker; }
const char* ConstantRegionEnd() { return kConstantRegionEndMarker; }

bool InConstantRegion(const void* p) {
    auto c = static_cast<const char*>(p);
    return c >= ConstantRegionStart() && c < ConstantRegionEnd();
}

[[noreturn]] static void AllocationFailed(size_t byteCount) {
    char text[96];
    std::snprintf(text, sizeof text, "分配 %zu 字节内存失败!", byteCount);
    ReportErrorText(text, 0);
}

void* RuntimeAlloc(size_t byteCount) {
    void* p = HeapAlloc(GetProcessHeap(), 0, byteCount);
    if (!p) AllocationFailed(byteCount);
    return p;
}

void* RuntimeRealloc(void* block, size_t byteCount) {
    if (!block) return RuntimeAlloc(byteCount);
    if (InConstantRegion(block)) {
        void* fresh = RuntimeAlloc(byteCount);
        size_t rest = static_cast<size_t>(ConstantRegionEnd() - static_cast<const char*>(block));
        std::memcpy(fresh, block, byteCount < rest ? byteCount : rest);
        return fresh;
    }
    void* p = HeapReAlloc(GetProcessHeap(), 0, block, byteCount);
    if (!p) AllocationFailed(byteCount);
    return p;
}

void RuntimeFree(void* block) {
    if (!block || InConstantRegion(block)) return;
    HeapFree(GetProcessHeap(), 0, block);
}

TextValue MakeText(const char* bytes, size_t n) {
    if (n == 0 || !bytes) return nullptr;
    auto t = static_cast<char*>(RuntimeAlloc(n + 1));
    std::memcpy(t, bytes, n);
    t[n] = 0;
    return t;
}

TextValue MakeText(const char* z) { return z ? MakeText(z, std::strlen(z)) : nullptr; }

size_t TextLength(const char* t) { return t ? std::strlen(t) : 0; }

ByteSet* MakeByteSet(const void* bytes, size_t n) {
    if (n == 0) return nullptr;
    auto b = static_cast<ByteSet*>(RuntimeAlloc(n + sizeof(ByteSet)));
    b->one = 1;
    b->length = static_cast<uint32_t>(n);
    if (bytes)
        std::memcpy(b->Bytes(), bytes, n);
    else
        std::memset(b->Bytes(), 0, n);
    return b;
}

size_t ArrayValue::ElementCount() const {
    size_t count = 1;
    for (int32_t i = 0; i < dimensionCount; ++i) count *= static_cast<size_t>(Sizes()[i] < 0 ? 0 : Sizes()[i]);
    return count;
}

size_t ArrayElementSize(TypeCode elementType) { return StoredSize(elementType); }

ArrayValue* MakeArray(TypeCode elementType, const int32_t* sizes, int32_t dimensionCount) {
    if (dimensionCount < 1) ReportRuntimeError(10);
    size_t count = 1;
    for (int32_t i = 0; i < dimensionCount; ++i) {
        if (sizes[i] < 0) ReportRuntimeError(10);
        count *= static_cast<size_t>(sizes[i]);
    }
    size_t header = 4 + 4 * static_cast<size_t>(dimensionCount);
    size_t dataBytes = count * ArrayElementSize(elementType);
    auto a = static_cast<ArrayValue*>(RuntimeAlloc(header + dataBytes));
    a->dimensionCount = dimensionCount;
    std::memcpy(a->Sizes(), sizes, 4 * static_cast<size_t>(dimensionCount));
    std::memset(a->Elements(), 0, dataBytes);
    return a;
}

ArrayValue* MakeEmptyArray() {
    const int32_t zero = 0;
    return MakeArray(kTypeInt, &zero, 1);
}

void FreeArray(TypeCode elementType, ArrayValue* array) {
    if (!array || InConstantRegion(array)) return;
    elementType = ElementType(elementType);
    if (elementType == kTypeText || elementType == kTypeByteSet) {
        auto elements = reinterpret_cast<void**>(array->Elements());
        for (size_t i = 0, n = array->ElementCount(); i < n; ++i) RuntimeFree(elements[i]);
    }
    RuntimeFree(array);
}

void* ArrayElementAt(ArrayValue* array, TypeCode elementType, int32_t index) {
    if (index < 1) ReportRuntimeError(4);
    if (!array || static_cast<size_t>(index) > array->ElementCount()) ReportRuntimeError(1);
    return array->Elements() + static_cast<size_t>(index - 1) * ArrayElementSize(elementType);
}

void MakeArrayWritable(size_t elementSize, ArrayValue** slot) {
    ArrayValue* a = *slot;
    if (!a || !InConstantRegion(a)) return;
    size_t bytes = a->HeaderBytes() + elementSize * a->ElementCount();
    void* copy = RuntimeAlloc(bytes);
    std::memcpy(copy, a, bytes);
    *slot = static_cast<ArrayValue*>(copy);
}

double ClampDateTime(double days) {
    if (days < kDateTimeMin) return kDateTimeMin;
    if (days > kDateTimeMax) return kDateTimeMax;
    return days;
}

size_t ValueFromRawBytes(TypeCode type, const uint8_t* source, int64_t available, void* out) {
    switch (type) {
    case kTypeLogical: {
        int32_t word = 0;
        std::memcpy(&word, source, 4);
        *static_cast<int32_t*>(out) = NormaliseLogical(word);
        return 4;
    }
    case kTypeDateTime: {
        double d;
        std::memcpy(&d, source, 8);
        *static_cast<double*>(out) = ClampDateTime(d);
        return 8;
    }
    case kTypeText: {
        if (available <= 0) {
            *static_cast<TextValue*>(out) = nullptr;
            return 0;
        }
        size_t n = static_cast<size_t>(available);
        auto zero = static_cast<const uint8_t*>(std::memchr(source, 0, n));
        size_t len = zero ? static_cast<size_t>(zero - source) : n;
        *static_cast<TextValue*>(out) = MakeText(reinterpret_cast<const char*>(source), len);
        return zero ? len + 1 : n;
    }
    case kTypeByteSet: {
        size_t n = available > 0 ? static_cast<size_t>(available) : 0;
        *static_cast<ByteSet**>(out) = MakeByteSet(source, n);
        return n;
    }
    default: {
        size_t size = StoredSize(type);
        std::memcpy(out, source, size);
        return size;
    }
    }
}

size_t ValueDataSize(TypeCode type, const void* storedForm) {
    switch (type) {
    case kTypeText: return TextLength(*static_cast<const char* const*>(storedForm)) + 1;
    case kTypeByteSet: return ByteSetLength(*static_cast<const ByteSet* const*>(storedForm));
    default:
        if (IsNumericType(type) || type == kTypeLogical || type == kTypeDateTime || type == kTypeSubroutine)
            return StoredSize(type);
        return 0;
    }
}

NumericValue NumericValueOf(const ArgRecord& v) {
    switch (v.type) {
    case kTypeByte: return {false, static_cast<uint8_t>(v.data.words.low), 0};
    case kTypeShort: return {false, static_cast<int16_t>(v.data.words.low), 0};
    case kTypeInt: return {false, static_cast<int32_t>(v.data.words.low), 0};
    case kTypeLong: return {false, v.data.i64, 0};
    case kTypeFloat: return {true, 0, v.AsFloat()};
    case kTypeDouble: return {true, 0, v.data.f64};
    default: ReportErrorText("欲转换数据类型不是数值", 0);
    }
}
