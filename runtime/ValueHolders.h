// Owning holders for runtime values, so program code keeps the ownership rules by construction:
// a holder owns what it points to, frees it when replaced or destroyed, and hands out borrowed
// pointers for arguments. Freeing null or a constant does nothing, so a holder may also refer
// to a constant of the constant region.
#pragma once
#include <cstring>
#include <string_view>
#include <utility>

#include "runtime/Values.h"

template <typename T, typename Traits>
class OwnedValue {
public:
    OwnedValue() = default;
    explicit OwnedValue(T* owned) : p_(owned) {}  // takes ownership of a fresh value
    OwnedValue(const OwnedValue&) = delete;
    OwnedValue& operator=(const OwnedValue&) = delete;
    OwnedValue(OwnedValue&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    OwnedValue& operator=(OwnedValue&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~OwnedValue() { Traits::Free(p_); }

    T* Get() const { return p_; }
    T* Release() { return std::exchange(p_, nullptr); }
    void Reset(T* owned = nullptr) {
        T* old = std::exchange(p_, owned);
        if (old != owned) Traits::Free(old);
    }
    bool Empty() const { return p_ == nullptr; }

private:
    T* p_ = nullptr;
};

struct TextTraits {
    static void Free(char* p) { RuntimeFree(p); }
};
struct ByteSetTraits {
    static void Free(ByteSet* p) { RuntimeFree(p); }
};

// An owned text. Null is the empty text.
class Text : public OwnedValue<char, TextTraits> {
public:
    using OwnedValue::OwnedValue;
    static Text Copy(std::string_view s) { return Text(MakeText(s.data(), s.size())); }
    static Text Copy(const char* z) { return Text(MakeText(z)); }
    // A constant of the constant region, never freed.
    static Text Constant(const char* c) { return Text(const_cast<char*>(c)); }
    size_t Length() const { return TextLength(Get()); }
    // Never null: the empty text reads as "".
    const char* CStr() const { return Get() ? Get() : ""; }
    std::string_view View() const { return std::string_view(CStr(), Length()); }
};

// An owned byte set. Null is the empty byte set.
class Bytes : public OwnedValue<ByteSet, ByteSetTraits> {
public:
    using OwnedValue::OwnedValue;
    static Bytes Copy(const void* data, size_t n) { return Bytes(MakeByteSet(data, n)); }
    static Bytes Copy(std::string_view s) { return Copy(s.data(), s.size()); }
    size_t Length() const { return ByteSetLength(Get()); }
    const uint8_t* Data() const { return Get() ? Get()->Bytes() : nullptr; }
    std::string_view View() const { return Get() ? std::string_view(reinterpret_cast<const char*>(Data()), Length()) : std::string_view(); }
};

// An owned array of one element kind; text and byte-set elements are owned by the array.
class Array {
public:
    explicit Array(TypeCode elementType) : type_(ElementType(elementType)), p_(MakeEmptyArray()) {}
    Array(TypeCode elementType, ArrayValue* owned) : type_(ElementType(elementType)), p_(owned) {}
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    Array(Array&& o) noexcept : type_(o.type_), p_(std::exchange(o.p_, nullptr)) {}
    ~Array() { FreeArray(type_, p_); }

    ArrayValue* Get() const { return p_; }
    TypeCode ElementKind() const { return type_; }
    size_t Count() const { return p_ ? p_->ElementCount() : 0; }
    // Element by 1-based index (runtime errors 4 and 1 outside the array).
    template <typename T>
    T& At(int32_t index) { return *static_cast<T*>(ArrayElementAt(p_, type_, index)); }
    // Replaces the array by a zeroed one of the given sizes (runtime error 10 for a size below 0).
    void Redim(const int32_t* sizes, int32_t dimensionCount) {
        ArrayValue* fresh = MakeArray(type_, sizes, dimensionCount);
        FreeArray(type_, std::exchange(p_, fresh));
    }
    // Copies a constant array out of the constant region before changing it in place.
    void MakeWritable() { MakeArrayWritable(ArrayElementSize(type_), &p_); }

private:
    TypeCode type_;
    ArrayValue* p_;
};
