// ArgRecord: one typed argument or result of a command call.
// Three 32-bit words on the 32-bit build: data low, data high, TypeCode. A pointer travels in
// the data words: in the low word on the 32-bit build, in both on the 64-bit build, so the
// record keeps its 12-byte, 4-aligned shape on both.
#pragma once
#include <cstdint>
#include <cstring>

#include "runtime/TypeCode.h"
#include "runtime/Values.h"

#pragma pack(push, 4)
struct ArgRecord {
    union {
        struct {
            uint32_t low;
            uint32_t high;
        } words;
        int64_t i64;
        double f64;
        void* ptr;
    } data;
    TypeCode type;

    static ArgRecord Empty() { return ArgRecord{}; }
    static ArgRecord Int(int32_t v) { ArgRecord a{}; a.data.words.low = static_cast<uint32_t>(v); a.type = kTypeInt; return a; }
    static ArgRecord Logical(bool v) { ArgRecord a{}; a.data.words.low = v ? 1u : 0u; a.type = kTypeLogical; return a; }
    static ArgRecord Long(int64_t v) { ArgRecord a{}; a.data.i64 = v; a.type = kTypeLong; return a; }
    static ArgRecord Double(double v) { ArgRecord a{}; a.data.f64 = v; a.type = kTypeDouble; return a; }
    static ArgRecord Float(float v) { ArgRecord a{}; std::memcpy(&a.data, &v, 4); a.type = kTypeFloat; return a; }
    static ArgRecord DateTime(double v) { ArgRecord a{}; a.data.f64 = ClampDateTime(v); a.type = kTypeDateTime; return a; }
    static ArgRecord Pointer(const void* p, TypeCode t) { ArgRecord a{}; a.data.ptr = const_cast<void*>(p); a.type = t; return a; }
    static ArgRecord Text(const char* t) { return Pointer(t, kTypeText); }
    static ArgRecord Bytes(const ByteSet* b) { return Pointer(b, kTypeByteSet); }
    // A variable passed by reference: the data word points to its storage.
    static ArgRecord Ref(void* variable, TypeCode kind) { return Pointer(variable, kind | kTypeByReference); }
    bool IsByReference() const { return type != kTypeEmpty && (type & kTypeByReference) != 0 && ClassifyId(type & ~kTypeByReference) == IdClass::SystemKind; }
    TypeCode Kind() const { return IsByReference() ? type & ~kTypeByReference : type; }
    // A unit reference: (WindowId, UnitId, UnitTypeId).
    static ArgRecord Unit(uint32_t windowId, uint32_t unitId, uint32_t unitTypeId) {
        ArgRecord a{}; a.data.words.low = windowId; a.data.words.high = unitId; a.type = unitTypeId; return a;
    }

    bool IsOmitted() const { return type == kTypeEmpty; }
    int32_t AsInt() const { return static_cast<int32_t>(data.words.low); }
    float AsFloat() const {
        float f;
        std::memcpy(&f, &data, sizeof f);
        return f;
    }
    const char* AsText() const { return static_cast<const char*>(data.ptr); }
    const ByteSet* AsByteSet() const { return static_cast<const ByteSet*>(data.ptr); }
};
#pragma pack(pop)
static_assert(sizeof(ArgRecord) == 12, "ArgRecord is three 32-bit words");

// The numeric value of a typed value (runtime message 2001): integers stay integers, floats
// and doubles are floating. Any other kind is the runtime error "欲转换数据类型不是数值".
struct NumericValue {
    bool floating;
    int64_t integer;
    double real;
    double AsDouble() const { return floating ? real : static_cast<double>(integer); }
};
NumericValue NumericValueOf(const ArgRecord& value);
