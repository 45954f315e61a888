// The typed face of command calls for program code: builds the ArgRecords from C++ values,
// calls the command through the command-call entry, and hands results back as owning holders.
//
//   Text part = cmd::TakeText(cmd::Call(MidText, text, 3, 2));
//
// Every call still crosses the runtime boundary: the runtime's command-call entry (entry 2 of
// RuntimeEntryTable) with (result, n, args).
#pragma once
#include <cstdint>

#include "runtime/ArgRecord.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/SupportLibraries.h"
#include "runtime/ValueHolders.h"

namespace cmd {

// An optional argument left out (TypeCode 0).
struct Omitted {};
inline constexpr Omitted kOmitted{};

// A variable passed by reference.
template <typename T>
struct Ref {
    T* variable;
    TypeCode kind;
};
inline Ref<int32_t> RefInt(int32_t& v) { return {&v, kTypeInt}; }
inline Ref<int32_t> RefLogical(int32_t& v) { return {&v, kTypeLogical}; }

// Program code never passes a null text or byte set: the shared empty values stand in.
inline ArgRecord Arg(const char* t) { return ArgRecord::Text(t ? t : SharedEmptyText()); }
inline ArgRecord Arg(const Text& t) { return Arg(t.Get()); }
inline ArgRecord Arg(const ByteSet* b) { return ArgRecord::Bytes(b ? b : SharedEmptyByteSet()); }
inline ArgRecord Arg(const Bytes& b) { return Arg(b.Get()); }
inline ArgRecord Arg(int32_t v) { return ArgRecord::Int(v); }
inline ArgRecord Arg(bool v) { return ArgRecord::Logical(v); }
inline ArgRecord Arg(int64_t v) { return ArgRecord::Long(v); }
inline ArgRecord Arg(double v) { return ArgRecord::Double(v); }
inline ArgRecord Arg(Omitted) { return ArgRecord::Empty(); }
inline ArgRecord Arg(const ArgRecord& r) { return r; }
template <typename T>
ArgRecord Arg(Ref<T> r) { return ArgRecord::Ref(r.variable, r.kind); }

// Calls a command of the given library with typed arguments.
template <typename... A>
ArgRecord CallIn(int32_t libraryIndex, CommandEntry entry, const A&... args) {
    if constexpr (sizeof...(A) == 0) {
        return RuntimeEntries().callLibraryCommand(libraryIndex, entry, 0, nullptr);
    } else {
        ArgRecord records[] = {Arg(args)...};
        return RuntimeEntries().callLibraryCommand(libraryIndex, entry, static_cast<int32_t>(sizeof...(A)), records);
    }
}

// Calls a command of the system core library.
template <typename... A>
ArgRecord Call(CommandEntry entry, const A&... args) { return CallIn(kCoreLibrary, entry, args...); }

// Results: a text or byte-set result becomes owned by the holder.
inline Text TakeText(const ArgRecord& r) { return Text(static_cast<char*>(r.data.ptr)); }
inline Bytes TakeBytes(const ArgRecord& r) { return Bytes(static_cast<ByteSet*>(r.data.ptr)); }
inline int32_t AsInt(const ArgRecord& r) { return r.AsInt(); }
inline bool AsBool(const ArgRecord& r) { return r.data.words.low != 0; }
inline double AsDouble(const ArgRecord& r) { return r.data.f64; }

}  // namespace cmd
