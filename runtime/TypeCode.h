// The kind codes carried by every typed value of the runtime, and the id classes.
#pragma once
#include <cstddef>
#include <cstdint>

using TypeCode = uint32_t;

inline constexpr TypeCode kTypeEmpty = 0;              // an omitted optional argument
inline constexpr TypeCode kTypeLogical = 0x80000002;
inline constexpr TypeCode kTypeDateTime = 0x80000003;
inline constexpr TypeCode kTypeText = 0x80000004;
inline constexpr TypeCode kTypeByteSet = 0x80000005;
inline constexpr TypeCode kTypeSubroutine = 0x80000006;
inline constexpr TypeCode kTypeByte = 0x80000101;
inline constexpr TypeCode kTypeShort = 0x80000201;
inline constexpr TypeCode kTypeInt = 0x80000301;
inline constexpr TypeCode kTypeLong = 0x80000401;
inline constexpr TypeCode kTypeFloat = 0x80000501;
inline constexpr TypeCode kTypeDouble = 0x80000601;
inline constexpr TypeCode kTypeArrayFlag = 0x20000000;
// Set on an argument passed by reference: its data word points to the caller's variable
// (stored form of the kind without the flag).
inline constexpr TypeCode kTypeByReference = 0x40000000;

// How the runtime sorts any 32-bit id by its value.
enum class IdClass { None, SystemKind, Second, Third };

constexpr IdClass ClassifyId(uint32_t id) {
    if (id == 0) return IdClass::None;
    if (id >= 0x80000000u && id <= 0xBFFFFFFFu) return IdClass::SystemKind;
    if (id >= 0x40000000u && id <= 0x7FFFFFFFu) return IdClass::Second;
    return IdClass::Third;
}

constexpr bool IsArrayType(TypeCode t) { return (t & kTypeArrayFlag) != 0 && ClassifyId(t & ~kTypeArrayFlag) == IdClass::SystemKind; }
constexpr TypeCode ElementType(TypeCode t) { return t & ~kTypeArrayFlag; }

// Numeric kinds: the system kinds whose low byte is 1.
constexpr bool IsNumericType(TypeCode t) {
    return ClassifyId(t) == IdClass::SystemKind && (t & kTypeArrayFlag) == 0 && (t & 0xFF) == 1;
}

// Byte size of a kind's stored form. Texts, byte sets and subroutine pointers are pointers,
// so their size follows the build's pointer width; 0 for the empty kind and unknown codes.
constexpr size_t StoredSize(TypeCode t) {
    switch (t) {
    case kTypeLogical: return 4;
    case kTypeDateTime: return 8;
    case kTypeText:
    case kTypeByteSet:
    case kTypeSubroutine: return sizeof(void*);
    case kTypeByte: return 1;
    case kTypeShort: return 2;
    case kTypeInt: return 4;
    case kTypeLong: return 8;
    case kTypeFloat: return 4;
    case kTypeDouble: return 8;
    default: return 0;
    }
}
