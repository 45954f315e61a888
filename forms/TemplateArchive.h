// The byte archives of the window templates: one writer and one reader over the same field kinds,
// so that a unit type describes its property data once, as a Serialise(archive, properties)
// function that both directions run through (the writer reads the fields, the reader fills them).
//
//   template <class Archive> constexpr void Serialise(Archive& ar, ButtonProperties& p) {
//       ar.Field(p.version); ... ar.Block(p.font); ar.Text(p.caption);
//   }
//
// Both archives are constexpr, so the program's own templates are serialised by the compiler.
// All integers are 32-bit little-endian; a counted text or block is a 32-bit byte count and the
// bytes; a zero-terminated text ends with one zero byte.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tpl {

class ByteWriter {
public:
    static constexpr bool kReading = false;

    constexpr void UInt(uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    constexpr void Int(int32_t v) { UInt(static_cast<uint32_t>(v)); }
    constexpr void UShort(uint16_t v) {
        bytes_.push_back(static_cast<uint8_t>(v));
        bytes_.push_back(static_cast<uint8_t>(v >> 8));
    }
    constexpr void Double(double v) { UInt64(std::bit_cast<uint64_t>(v)); }
    constexpr void UInt64(uint64_t v) {
        UInt(static_cast<uint32_t>(v));
        UInt(static_cast<uint32_t>(v >> 32));
    }
    constexpr void Raw(std::string_view s) {
        for (char c : s) bytes_.push_back(static_cast<uint8_t>(c));
    }
    constexpr void Raw(const std::vector<uint8_t>& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    // Counted text and counted byte block have the same form.
    constexpr void Counted(std::string_view s) {
        Int(static_cast<int32_t>(s.size()));
        Raw(s);
    }
    constexpr void ZText(std::string_view s) {
        Raw(s);
        bytes_.push_back(0);
    }
    // Reserves a 32-bit word to be filled in later (a count known only after what follows).
    constexpr size_t Placeholder() {
        size_t at = bytes_.size();
        UInt(0);
        return at;
    }
    constexpr void PatchUInt(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }

    // The field kinds a Serialise function uses (the reader has the same set).
    constexpr void Field(int32_t& v) { Int(v); }
    constexpr void Field(uint32_t& v) { UInt(v); }
    constexpr void Text(std::string& s) { Counted(s); }
    constexpr void Block(std::string& b) { Counted(b); }
    constexpr void Short(uint16_t& v) { UShort(v); }
    constexpr void Real(double& v) { Double(v); }
    // A string array: a 16-bit count (0xFFFF and a 32-bit count when it does not fit), then
    // each item as a counted text.
    constexpr void TextArray(std::vector<std::string>& items) {
        if (items.size() < 0xFFFF) {
            UShort(static_cast<uint16_t>(items.size()));
        } else {
            UShort(0xFFFF);
            Int(static_cast<int32_t>(items.size()));
        }
        for (std::string& s : items) Counted(s);
    }
    constexpr void Fail() { failed_ = true; }
    constexpr bool Failed() const { return failed_; }

    constexpr size_t Size() const { return bytes_.size(); }
    constexpr const std::vector<uint8_t>& Bytes() const { return bytes_; }
    constexpr std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    bool failed_ = false;
};

// Reads from a byte range; a read past its end fails the archive, after which every read
// yields zero or empty values.
class ByteReader {
public:
    static constexpr bool kReading = true;

    constexpr ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    constexpr bool Failed() const { return failed_; }
    constexpr void Fail() { failed_ = true; }
    constexpr size_t Position() const { return pos_; }
    constexpr size_t Remaining() const { return failed_ ? 0 : size_ - pos_; }
    constexpr bool AtEnd() const { return !failed_ && pos_ == size_; }

    constexpr uint32_t UInt() {
        if (!Need(4)) return 0;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(data_[pos_ + i]) << (8 * i);
        pos_ += 4;
        return v;
    }
    constexpr int32_t Int() { return static_cast<int32_t>(UInt()); }
    constexpr uint16_t UShort() {
        if (!Need(2)) return 0;
        uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    constexpr uint64_t UInt64() {
        uint64_t low = UInt();
        return low | (static_cast<uint64_t>(UInt()) << 32);
    }
    // n bytes as a string; a negative or too large count fails.
    constexpr std::string Raw(int64_t n) {
        if (n < 0) failed_ = true;
        if (n < 0 || !Need(static_cast<size_t>(n))) return {};
        std::string s(reinterpret_cast<const char*>(data_) + pos_, static_cast<size_t>(n));
        pos_ += static_cast<size_t>(n);
        return s;
    }
    constexpr std::string Counted() { return Raw(Int()); }
    constexpr bool Skip(int64_t n) {
        if (n < 0) failed_ = true;
        if (n < 0 || !Need(static_cast<size_t>(n))) return false;
        pos_ += static_cast<size_t>(n);
        return true;
    }
    // A zero-terminated text: the bytes before the zero; no zero before the end fails.
    constexpr std::string ZText() {
        if (failed_) return {};
        size_t end = pos_;
        while (end < size_ && data_[end] != 0) ++end;
        if (end == size_) {
            failed_ = true;
            return {};
        }
        std::string s(reinterpret_cast<const char*>(data_) + pos_, end - pos_);
        pos_ = end + 1;
        return s;
    }

    constexpr void Field(int32_t& v) { v = Int(); }
    constexpr void Field(uint32_t& v) { v = UInt(); }
    constexpr void Text(std::string& s) { s = Counted(); }
    constexpr void Block(std::string& b) { b = Counted(); }
    constexpr void Short(uint16_t& v) { v = UShort(); }
    constexpr void Real(double& v) { v = std::bit_cast<double>(UInt64()); }
    constexpr void TextArray(std::vector<std::string>& items) {
        items.clear();
        int64_t n = UShort();
        if (n == 0xFFFF) n = Int();
        if (n < 0 || static_cast<uint64_t>(n) * 4 > Remaining()) {  // each item needs its count
            failed_ = true;
            return;
        }
        for (int64_t i = 0; i < n && !failed_; ++i) items.push_back(Counted());
    }

private:
    constexpr bool Need(size_t n) {
        if (failed_ || n > size_ - pos_) {
            failed_ = true;
            return false;
        }
        return true;
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// Property data of a unit type: its properties struct through its Serialise function.
template <class Properties>
constexpr std::vector<uint8_t> PropertyBytes(Properties p) {
    ByteWriter w;
    Serialise(w, p);
    return w.Take();
}

// Reads property data into a properties struct that starts with the type's defaults; false
// when the data is short or the type's Serialise refuses it (a format version it does not know).
template <class Properties>
bool ReadPropertyData(const uint8_t* data, size_t size, Properties& p) {
    ByteReader r(data, size);
    Serialise(r, p);
    return !r.Failed();
}

}  // namespace tpl
