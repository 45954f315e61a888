#include "commands/TextConversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "commands/GbkText.h"

namespace {

// ---- reading the parts of an ArgRecord ----

// The array a numeric one-dimensional array argument points to; null for any other value.
const ArrayValue* NumericVector(const ArgRecord& v) {
    if (!IsArrayType(v.type) || !IsNumericType(ElementType(v.type))) return nullptr;
    auto a = static_cast<const ArrayValue*>(v.data.ptr);
    return a && a->dimensionCount == 1 ? a : nullptr;
}

std::string_view VectorBytes(const ArrayValue* a, TypeCode arrayType) {
    return {reinterpret_cast<const char*>(a->Elements()), a->ElementCount() * StoredSize(ElementType(arrayType))};
}

std::string_view UpToZero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

// ---- numbers as text ----

template <typename T>
std::string Decimal(T v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// printf's "%.<precision>g".
std::string General(double v, int precision) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
    return std::string(buf, r.ptr);
}

// A float's own rounding step before "%.6g": its shortest decimal form that reads back as the
// same float, so the widening to double adds no binary noise (0.1f is 0.1, not 0.100000001).
double RoundedFloat(float f) {
    if (!std::isfinite(f)) return f;
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, f);
    double d = 0;
    std::from_chars(buf, r.ptr, d);
    return d;
}

// ---- dates ----

struct CivilTime {
    int64_t year;
    int month, day, hour, minute, second;
};

// An OLE date: whole days from 30 December 1899 (toward zero), the fraction's absolute value
// the time of day, rounded to the second. Gregorian calendar throughout.
CivilTime FromOleDate(double v) {
    v = ClampDateTime(std::isnan(v) ? 0.0 : v);
    double whole = std::trunc(v);
    auto seconds = static_cast<int64_t>(std::llround(std::fabs(v - whole) * 86400.0));
    auto day = static_cast<int64_t>(whole);
    if (seconds >= 86400) {  // rounded up to midnight: the next calendar day
        seconds -= 86400;
        ++day;
    }
    // Days since 1 March of year 0 (proleptic Gregorian), then eras of 400 years.
    int64_t z = day - 25569 + 719468;  // 30 December 1899 is 25569 days before 1 January 1970
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t dayOfEra = z - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t mp = (5 * dayOfYear + 2) / 153;
    CivilTime t{};
    t.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0);
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    return t;
}

std::string DateText(double v) {
    CivilTime t = FromOleDate(v);
    std::string s = Decimal(t.year) + "年" + Decimal(t.month) + "月" + Decimal(t.day) + "日";
    // The time parts down to the last one that is not zero.
    const int parts[] = {t.hour, t.minute, t.second};
    const char* units[] = {"时", "分", "秒"};
    int shown = t.second ? 3 : t.minute ? 2 : t.hour ? 1 : 0;
    for (int i = 0; i < shown; ++i) s += Decimal(parts[i]) + units[i];
    return s;
}

// ---- reading numbers from texts, as atof and atoi ----

constexpr bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipSpaceAndSign(std::string_view s, size_t i) {
    while (i < s.size() && IsCSpace(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    return i;
}

size_t SkipDigits(std::string_view s, size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

// atof: [white space][sign]digits[.digits][(e|E)[sign]digits], reading up to the first byte
// that does not fit; no digits give 0. Only that prefix goes to strtod, so none of strtod's
// further forms (hexadecimal, inf, nan) can be read.
double ReadDouble(std::string_view s) {
    size_t begin = 0;
    while (begin < s.size() && IsCSpace(s[begin])) ++begin;
    size_t i = SkipSpaceAndSign(s, begin);
    size_t intEnd = SkipDigits(s, i);
    bool digits = intEnd > i;
    i = intEnd;
    if (i < s.size() && s[i] == '.') {
        size_t fracEnd = SkipDigits(s, i + 1);
        digits = digits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expEnd = SkipDigits(s, j);
        if (expEnd > j) i = expEnd;
    }
    std::string number(s.substr(begin, i - begin));
    return std::strtod(number.c_str(), nullptr);
}

// atoi: [white space][sign]digits; no digits give 0. A value beyond the integer range gives
// the nearer bound.
int32_t ReadInteger(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsCSpace(s[i])) ++i;
    bool negative = i < s.size() && s[i] == '-';
    i = SkipSpaceAndSign(s, i);
    int64_t magnitude = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) magnitude = int64_t{INT32_MAX} + 1;
    }
    int64_t v = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : v);
}

std::string HalfWidthOf(const ArgRecord& v) {
    const char* t = v.AsText();
    return gbk::HalfWidth(t ? t : "", TextLength(t));
}

// Every kind but text, as ToText writes it.
std::string TextForm(const ArgRecord& v) {
    switch (v.type) {
    case kTypeByte: return Decimal(static_cast<uint8_t>(v.data.words.low));
    case kTypeShort: return Decimal(static_cast<int16_t>(v.data.words.low));
    case kTypeInt: return Decimal(static_cast<int32_t>(v.data.words.low));
    case kTypeLong: return Decimal(v.data.i64);
    case kTypeFloat: return General(RoundedFloat(v.AsFloat()), 6);
    case kTypeDouble: return General(v.data.f64, 13);
    case kTypeLogical: return v.data.words.low ? "真" : "假";
    case kTypeDateTime: return DateText(v.data.f64);
    case kTypeByteSet: {
        const ByteSet* b = v.AsByteSet();
        return b ? std::string(UpToZero({reinterpret_cast<const char*>(b->Bytes()), b->length})) : std::string();
    }
    default: {
        const ArrayValue* a = NumericVector(v);
        return a ? std::string(UpToZero(VectorBytes(a, v.type))) : std::string();
    }
    }
}

}  // namespace

int32_t SaturateToInt32(double d) {
    if (std::isnan(d) || d <= -2147483648.0) return INT32_MIN;
    if (d >= 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(d);
}

Text ValueToText(const ArgRecord& v) {
    if (v.type == kTypeText) return Text::Copy(v.AsText());
    return Text::Copy(TextForm(v));
}

Bytes ValueToByteSet(const ArgRecord& v) {
    switch (v.type) {
    case kTypeText: return Bytes::Copy(v.AsText(), TextLength(v.AsText()));
    case kTypeByteSet: {
        const ByteSet* b = v.AsByteSet();
        return b ? Bytes::Copy(b->Bytes(), b->length) : Bytes();
    }
    default:
        if (IsArrayType(v.type)) {
            const ArrayValue* a = NumericVector(v);
            return a ? Bytes::Copy(VectorBytes(a, v.type)) : Bytes();
        }
        if (IsNumericType(v.type) || v.type == kTypeLogical || v.type == kTypeDateTime || v.type == kTypeSubroutine)
            return Bytes::Copy(&v.data, ValueDataSize(v.type, &v.data));
        return Bytes();
    }
}

double ValueToNumber(const ArgRecord& v) {
    switch (v.type) {
    case kTypeLogical: return v.data.words.low ? 1.0 : 0.0;
    case kTypeSubroutine: return static_cast<double>(reinterpret_cast<uintptr_t>(v.data.ptr));
    case kTypeText: return ReadDouble(HalfWidthOf(v));
    default: return IsNumericType(v.type) ? NumericValueOf(v).AsDouble() : 0.0;
    }
}

int32_t ValueToInteger(const ArgRecord& v) {
    switch (v.type) {
    case kTypeLogical: return NormaliseLogical(static_cast<int32_t>(v.data.words.low));
    case kTypeByte: return static_cast<uint8_t>(v.data.words.low);
    case kTypeShort: return static_cast<int16_t>(v.data.words.low);
    case kTypeInt:
    case kTypeLong:
    case kTypeSubroutine: return static_cast<int32_t>(v.data.words.low);
    case kTypeFloat: return SaturateToInt32(v.AsFloat());
    case kTypeDouble: return SaturateToInt32(v.data.f64);
    case kTypeText: return ReadInteger(HalfWidthOf(v));
    default: return 0;
    }
}
