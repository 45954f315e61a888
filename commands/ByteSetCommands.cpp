#include "commands/ByteSetCommands.h"

#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "commands/CoreLibrary.h"
#include "commands/TextConversions.h"
#include "runtime/CommandArgs.h"
#include "runtime/RuntimeErrors.h"

using command_args::At;
using command_args::BytesAt;
using command_args::Int32VariableAt;

namespace {

// A variable passed by reference, read as the value it holds.
ArgRecord ByValue(const ArgRecord& a) {
    if (!a.IsByReference()) return a;
    ArgRecord v{};
    v.type = a.Kind();
    std::memcpy(&v.data, a.data.ptr, std::min(StoredSize(v.type), sizeof v.data));
    return v;
}

// Integer arguments arrive as 32-bit integers; any other numeric kind is converted (a
// non-numeric one is the runtime error of the numeric conversion). Omitted reads as 0.
int32_t IntArg(const ArgRecord& arg) {
    ArgRecord a = ByValue(arg);
    if (a.type == kTypeInt || a.IsOmitted()) return a.AsInt();
    NumericValue v = NumericValueOf(a);
    return v.floating ? SaturateToInt32(v.real) : static_cast<int32_t>(v.integer);
}

double DoubleArg(const ArgRecord& arg) {
    ArgRecord a = ByValue(arg);
    if (a.type == kTypeDouble) return a.data.f64;
    if (a.IsOmitted()) return 0.0;
    return NumericValueOf(a).AsDouble();
}

ArgRecord NewByteSet(const uint8_t* bytes, int64_t count) {
    return ArgRecord::Bytes(count > 0 ? MakeByteSet(bytes, static_cast<size_t>(count)) : nullptr);
}

const uint8_t* BytesOf(const ByteSet* b) { return b ? b->Bytes() : nullptr; }

// The kinds of ByteSetData by kind number 1 to 10.
constexpr TypeCode kDataKinds[] = {kTypeByte,  kTypeShort,   kTypeInt,      kTypeLong,       kTypeFloat,
                                   kTypeDouble, kTypeLogical, kTypeDateTime, kTypeSubroutine, kTypeText};

// SeedRandom's counter for seeds taken from the clock, one for the whole run.
uint32_t gClockSeedCounter = 0;

}  // namespace

void ByteSetLength(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = ArgRecord::Int(static_cast<int32_t>(ByteSetLength(BytesAt(n, args, 0))));
}

void BlankByteSet(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = NewByteSet(nullptr, IntArg(At(n, args, 0)));
}

void ByteSetData(ArgRecord* result, int32_t n, ArgRecord* args) {
    const int32_t kindNumber = IntArg(At(n, args, 1));
    if (kindNumber < 1 || kindNumber > 10) ReportErrorText("“欲取出数据的类型”参数值无效", 0);
    const TypeCode kind = kDataKinds[kindNumber - 1];

    const ByteSet* set = BytesAt(n, args, 0);
    const int64_t length = static_cast<int64_t>(ByteSetLength(set));
    const ArgRecord& position = At(n, args, 2);
    int64_t start = 0;
    if (!position.IsOmitted()) start = static_cast<int64_t>(IntArg(position)) - 1;
    const int64_t available = start < 0 ? 0 : length - start;
    const uint8_t* source = available > 0 ? BytesOf(set) + start : nullptr;

    ArgRecord value{};
    value.type = kind;
    size_t used;
    if (kind == kTypeText) {
        used = ValueFromRawBytes(kind, source, available, &value.data);
    } else {
        // Missing bytes count as zero.
        used = StoredSize(kind);
        uint8_t padded[8] = {};
        if (available < static_cast<int64_t>(used)) {
            if (available > 0) std::memcpy(padded, source, static_cast<size_t>(available));
            source = padded;
        }
        ValueFromRawBytes(kind, source, static_cast<int64_t>(used), &value.data);
    }
    *result = value;

    if (int32_t* variable = Int32VariableAt(n, args, 2)) {
        const int64_t next = start + static_cast<int64_t>(used);
        *variable = next >= length ? -1 : static_cast<int32_t>(next + 1);
    }
}

void ByteSetRight(ArgRecord* result, int32_t n, ArgRecord* args) {
    const ByteSet* set = BytesAt(n, args, 0);
    const int64_t length = static_cast<int64_t>(ByteSetLength(set));
    const int64_t count = std::clamp<int64_t>(IntArg(At(n, args, 1)), 0, length);
    *result = NewByteSet(count > 0 ? BytesOf(set) + (length - count) : nullptr, count);
}

void ByteSetMiddle(ArgRecord* result, int32_t n, ArgRecord* args) {
    const ByteSet* set = BytesAt(n, args, 0);
    const int64_t length = static_cast<int64_t>(ByteSetLength(set));
    const int64_t start = std::clamp<int64_t>(static_cast<int64_t>(IntArg(At(n, args, 1))) - 1, 0, length);
    const int64_t count = std::clamp<int64_t>(IntArg(At(n, args, 2)), 0, length - start);
    *result = NewByteSet(count > 0 ? BytesOf(set) + start : nullptr, count);
}

// The address travels in the data words, as a pointer does (both words on the 64-bit build).
void PointerToByteSet(ArgRecord* result, int32_t n, ArgRecord* args) {
    const auto* address = static_cast<const uint8_t*>(At(n, args, 0).data.ptr);
    const int32_t count = IntArg(At(n, args, 1));
    *result = NewByteSet(address, address ? count : 0);
}

void ShiftRight(ArgRecord* result, int32_t n, ArgRecord* args) {
    const int32_t x = IntArg(At(n, args, 0));
    const int32_t bits = IntArg(At(n, args, 1)) & 31;  // n mod 32, also for negative n
    *result = ArgRecord::Int(x >> bits);                 // arithmetic: the sign bit is copied
}

void BitAnd(ArgRecord* result, int32_t n, ArgRecord* args) {
    int32_t x = IntArg(At(n, args, 0));
    for (int32_t i = 1; i < n; ++i) x &= IntArg(At(n, args, i));
    *result = ArgRecord::Int(x);
}

void BitOr(ArgRecord* result, int32_t n, ArgRecord* args) {
    int32_t x = IntArg(At(n, args, 0));
    for (int32_t i = 1; i < n; ++i) x |= IntArg(At(n, args, i));
    *result = ArgRecord::Int(x);
}

void BitNot(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Int(~IntArg(At(n, args, 0))); }

void IntegerDivide(ArgRecord* result, int32_t n, ArgRecord* args) {
    double x = DoubleArg(At(n, args, 0));
    for (int32_t i = 1; i < n; ++i) {
        const double y = DoubleArg(At(n, args, i));
        if (y == 0.0) ReportErrorText("不能整除于零", 0);
        x = std::trunc(x / y);
    }
    *result = ArgRecord::Double(x);
}

void Remainder(ArgRecord* result, int32_t n, ArgRecord* args) {
    double x = DoubleArg(At(n, args, 0));
    for (int32_t i = 1; i < n; ++i) {
        const double y = DoubleArg(At(n, args, i));
        if (y == 0.0) ReportErrorText("不能求余数于零", 0);
        x = std::fmod(x, y);
    }
    *result = ArgRecord::Double(x);
}

void AbsoluteValue(ArgRecord* result, int32_t n, ArgRecord* args) {
    const double x = DoubleArg(At(n, args, 0));
    *result = ArgRecord::Double(x >= 0 ? x : -x);
}

// A value within about 1e-12 of the next integer away from zero is snapped to it first, so that
// 2.9999999999995 (a 3 that arithmetic left just short) rounds down to 3. The direction is the
// sign of the value: the whole part of a value just above -1 is -0.0, which compares as >= 0.
void RoundDown(ArgRecord* result, int32_t n, ArgRecord* args) {
    double x = DoubleArg(At(n, args, 0));
    double whole;
    const double fraction = std::modf(x, &whole);
    if (std::fabs(fraction) > 0.999999999999) x = x >= 0 ? whole + 1 : whole - 1;
    *result = ArgRecord::Int(SaturateToInt32(std::floor(x)));
}

void Sine(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Double(std::sin(DoubleArg(At(n, args, 0)))); }

void Cosine(ArgRecord* result, int32_t n, ArgRecord* args) { *result = ArgRecord::Double(std::cos(DoubleArg(At(n, args, 0)))); }

// The generator is the C library's (one seed per thread). Without a seed the clock gives one;
// the counter makes two calls within the same millisecond still differ.
void SeedRandom(ArgRecord* result, int32_t n, ArgRecord* args) {
    const ArgRecord& seed = At(n, args, 0);
    if (!seed.IsOmitted()) {
        std::srand(static_cast<unsigned>(IntArg(seed)));
        return;
    }
    const uint32_t clockSeed = GetTickCount() + gClockSeedCounter;
    std::srand(clockSeed);
    gClockSeedCounter += (clockSeed & 0xFF) + 100;
}

// r is the next value of the C library's generator, 0 to 32767: each thread's seed s (1 until
// seeded) becomes s * 214013 + 2531011 and r is its bits 16 to 30.
void RandomNumber(ArgRecord* result, int32_t n, ArgRecord* args) {
    const ArgRecord& lowest = At(n, args, 0);
    const ArgRecord& highest = At(n, args, 1);
    const int32_t a = lowest.IsOmitted() ? 0 : std::max(IntArg(lowest), 0);
    const int32_t b = highest.IsOmitted() ? 0x7FFFFFFF : std::max(IntArg(highest), 0);
    const int32_t lo = std::min(a, b);
    const int32_t hi = std::max(a, b);
    if (lo == hi) {
        *result = ArgRecord::Int(lo);
        return;
    }
    const int32_t range = std::min(hi - lo, 0x7FFFFFFE);
    *result = ArgRecord::Int(lo + std::rand() % (range + 1));
}

void RgbColour(ArgRecord* result, int32_t n, ArgRecord* args) {
    const uint32_t red = static_cast<uint32_t>(IntArg(At(n, args, 0))) & 0xFF;
    const uint32_t green = static_cast<uint32_t>(IntArg(At(n, args, 1))) & 0xFF;
    const uint32_t blue = static_cast<uint32_t>(IntArg(At(n, args, 2))) & 0xFF;
    *result = ArgRecord::Int(static_cast<int32_t>(red | green << 8 | blue << 16));
}

void CurrentDateTime(ArgRecord* result, int32_t n, ArgRecord* args) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    double days = 0;
    SystemTimeToVariantTime(&now, &days);
    *result = ArgRecord::DateTime(days);
}

namespace {
const CommandInfo kByteSetCommands[] = {
    {"ByteSetLength", ByteSetLength},
    {"BlankByteSet", BlankByteSet},
    {"ByteSetData", ByteSetData},
    {"ByteSetRight", ByteSetRight},
    {"ByteSetMiddle", ByteSetMiddle},
    {"PointerToByteSet", PointerToByteSet},
    {"ShiftRight", ShiftRight},
    {"BitAnd", BitAnd},
    {"BitOr", BitOr},
    {"BitNot", BitNot},
    {"IntegerDivide", IntegerDivide},
    {"Remainder", Remainder},
    {"AbsoluteValue", AbsoluteValue},
    {"RoundDown", RoundDown},
    {"Sine", Sine},
    {"Cosine", Cosine},
    {"SeedRandom", SeedRandom},
    {"RandomNumber", RandomNumber},
    {"RgbColour", RgbColour},
    {"CurrentDateTime", CurrentDateTime},
};
}

std::span<const CommandInfo> ByteSetCommandTable() { return kByteSetCommands; }
