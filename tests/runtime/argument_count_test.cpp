// A command reads no record beyond the count it is called with: records that lie past the count
// (here ones that would change the result) read as arguments left out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/Calls.h"
#include "runtime/RuntimeApplication.h"

namespace {

// A result as "kind value", the value of texts and byte sets as their bytes.
std::string Shown(const ArgRecord& r) {
    switch (r.type) {
    case kTypeText: return "text " + std::string(cmd::TakeText(r).CStr());
    case kTypeByteSet: return "bytes " + std::string(cmd::TakeBytes(r).View());
    case kTypeInt: return "int " + std::to_string(r.AsInt());
    case kTypeDouble: return "double " + std::to_string(r.data.f64);
    default: return "kind " + std::to_string(r.type);
    }
}

TEST(ArgumentCount, RecordsBeyondTheCountReadAsLeftOut) {
    InitRuntime();
    Bytes abcd = Bytes::Copy("abcd", 4);
    static const char kXyz[] = "xyz";
    const struct {
        const char* command;
        std::vector<ArgRecord> given;
        std::vector<ArgRecord> beyond;  // lie in memory right after the given records
        std::string expected;           // as with those arguments left out
    } cases[] = {
        {"MidText", {ArgRecord::Text("abcdef"), ArgRecord::Int(2)}, {ArgRecord::Int(3)}, "text "},
        {"FindText", {ArgRecord::Text("abcabc"), ArgRecord::Text("bc")}, {ArgRecord::Int(3)}, "int 2"},
        {"ReplaceText", {ArgRecord::Text("aXa"), ArgRecord::Text("a")}, {ArgRecord::Text("b")}, "text X"},
        {"ToText", {}, {ArgRecord::Text("abc")}, "text "},
        {"ToByteSet", {}, {ArgRecord::Text("abc")}, "bytes "},
        {"ToNumber", {}, {ArgRecord::Double(2.5)}, "double " + std::to_string(0.0)},
        {"ToInteger", {}, {ArgRecord::Int(7)}, "int 0"},
        {"SpacesText", {}, {ArgRecord::Int(3)}, "text "},
        {"PointerToText", {}, {ArgRecord::Pointer(kXyz, kTypeInt)}, "text "},
        {"ByteSetLength", {}, {ArgRecord::Bytes(abcd.Get())}, "int 0"},
        {"ConvertEncoding", {ArgRecord::Bytes(abcd.Get()), ArgRecord::Text("UTF-8")}, {ArgRecord::Text("GBK")}, "bytes "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        FoundCommand found = FindLibraryCommand(c.command);
        ASSERT_NE(found.entry, nullptr);
        std::vector<ArgRecord> records = c.given;
        records.insert(records.end(), c.beyond.begin(), c.beyond.end());
        ArgRecord result = CallLibraryCommand(found.libraryIndex, found.entry, static_cast<int32_t>(c.given.size()), records.data());
        EXPECT_EQ(Shown(result), c.expected);
    }
}

}  // namespace
