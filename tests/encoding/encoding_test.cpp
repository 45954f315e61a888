// ConvertEncoding: the conversions through libiconv, the failure table, the success variable,
// and the work buffer's growth rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/Calls.h"
#include "runtime/RuntimeApplication.h"
#include "support/EncodingConversion.h"
#include "support/EncodingLibrary.h"
#include "tests/support/Probe.h"
#include "tests/support/WindowDriver.h"

namespace {

std::string Utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }
std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::string kMarkerGbk = "最新版本：";  // narrow literals are GBK bytes
const std::string kMarkerUtf8 = Utf8(u8"最新版本：");

struct ConversionCase {
    const char* what;
    std::string input;
    const char* source;
    const char* target;
    std::string expected;
    bool succeeded;
};

class ConvertEncodingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitRuntime(); }
};

TEST_F(ConvertEncodingTest, ConvertsAllOrNothing) {
    const ConversionCase cases[] = {
        {"marker UTF-8 to GBK", kMarkerUtf8, "UTF-8", "GBK", kMarkerGbk, true},
        {"GBK to GBK unchanged", kMarkerGbk, "GBK", "GBK", kMarkerGbk, true},
        {"names matched as libiconv matches them", kMarkerUtf8, "utf-8", "gbk", kMarkerGbk, true},
        {"1000 GBK bytes to 1500 UTF-8 bytes: one growth", Repeat("中", 500), "GBK", "UTF-8", Repeat(Utf8(u8"中"), 500), true},
        {"suffixes are libiconv's", Utf8(u8"a©"), "UTF-8", "ASCII//TRANSLIT", "a(c)", true},
        {"empty input", "", "UTF-8", "GBK", "", true},
        {"success with no output byte", "\xFF\xFE", "UTF-16", "UTF-8", "", true},
        {"input ends inside a sequence", kMarkerUtf8 + "\xE7\x89", "UTF-8", "GBK", "", false},
        {"malformed UTF-8", "ab\xC0\x80", "UTF-8", "GBK", "", false},
        {"character outside GBK at the end", Repeat("a", 20000) + Utf8(u8"©"), "UTF-8", "GBK", "", false},
        {"character outside GBK at the start", Utf8(u8"©") + Repeat(kMarkerUtf8, 100), "UTF-8", "GBK", "", false},
        {"unknown target", kMarkerUtf8, "UTF-8", "NO-SUCH-CODE", "", false},
        {"unknown source", kMarkerUtf8, "NO-SUCH-CODE", "GBK", "", false},
        {"empty source name", kMarkerUtf8, "", "GBK", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes input = Bytes::Copy(c.input);
        int32_t ok = 7;
        Bytes out = cmd::TakeBytes(cmd::CallIn(kEncodingLibrary, ConvertEncoding, input, c.source, c.target, cmd::RefLogical(ok)));
        EXPECT_EQ(out.View(), c.expected);
        EXPECT_EQ(ok, c.succeeded ? 1 : 0);
        if (!c.expected.empty()) {
            EXPECT_EQ(out.Get()->one, 1);
        }
        // Without the fourth argument the result is the same.
        Bytes again = cmd::TakeBytes(cmd::CallIn(kEncodingLibrary, ConvertEncoding, input, c.source, c.target));
        EXPECT_EQ(again.View(), c.expected);
    }
}

TEST_F(ConvertEncodingTest, NullInputBlockFails) {
    int32_t ok = 1;
    ArgRecord r = cmd::CallIn(kEncodingLibrary, ConvertEncoding, ArgRecord::Bytes(nullptr), "UTF-8", "GBK", cmd::RefLogical(ok));
    EXPECT_EQ(r.type, kTypeByteSet);
    EXPECT_EQ(r.data.ptr, nullptr);
    EXPECT_EQ(ok, 0);
}

TEST(EncodingLibrary, AnswersItsMessages) {
    const LibraryDescriptor* lib = SupportLibrary(kEncodingLibrary);
    ASSERT_NE(lib->notify, nullptr);
    EXPECT_EQ(lib->notify(1, reinterpret_cast<intptr_t>(&RuntimeNotify), 0), 0);
    EXPECT_EQ(lib->notify(6, 0, 0), 0);
    EXPECT_EQ(lib->notify(2, 0, 0), -1);
    EXPECT_EQ(FindLibraryCommand("ConvertEncoding").libraryIndex, kEncodingLibrary);
}

// A converter that produces `total` bytes, as many per call as the room allows.
struct ScriptedConverter {
    size_t total;
    size_t written = 0;
    std::vector<size_t> rooms;  // output room offered at each call
};

StepOutcome ScriptedStep(void* self, const char**, size_t* inLeft, char** out, size_t* outLeft) {
    auto& c = *static_cast<ScriptedConverter*>(self);
    c.rooms.push_back(*outLeft);
    while (*outLeft && c.written < c.total) {
        *(*out)++ = static_cast<char>(c.written++ % 251);
        --*outLeft;
    }
    if (c.written < c.total) return StepOutcome::OutOfRoom;
    *inLeft = 0;
    return StepOutcome::Done;
}

TEST(ConversionBuffer, GrowsByHalfTheInputPlus128ForAtMostTwelveCalls) {
    struct Case {
        size_t inputLength, outputLength;
        bool succeeded;
        size_t calls;
        size_t step;  // the room each later call is offered
    };
    // Input 100: step 178, the twelfth call ends with room for 100 + 11 * 178 = 2058 bytes.
    // Input 1: step 128, at most 1 + 11 * 128 = 1409 bytes.
    const Case cases[] = {
        {100, 100, true, 1, 178},   {100, 101, true, 2, 178},   {100, 278, true, 2, 178},
        {100, 279, true, 3, 178},   {100, 2058, true, 12, 178}, {100, 2059, false, 12, 178},
        {1, 1409, true, 12, 128},   {1, 1410, false, 12, 128},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inputLength << " -> " << c.outputLength);
        Bytes input = Bytes::Copy(std::string(c.inputLength, 'x'));
        ScriptedConverter converter{c.outputLength, 0, {}};
        ConversionResult r = RunGrowingConversion(input.Get(), ScriptedStep, &converter, EncodingLibraryRuntime());
        Bytes out(r.bytes);
        EXPECT_EQ(r.succeeded, c.succeeded);
        ASSERT_EQ(converter.rooms.size(), c.calls);
        // Each call after the first is offered exactly the step that the buffer grew by.
        EXPECT_EQ(converter.rooms[0], c.inputLength);
        for (size_t i = 1; i < converter.rooms.size(); ++i) EXPECT_EQ(converter.rooms[i], c.step);
        if (c.succeeded) {
            ASSERT_EQ(out.Length(), c.outputLength);
            for (size_t i = 0; i < c.outputLength; ++i) ASSERT_EQ(out.Data()[i], i % 251) << i;
        } else {
            EXPECT_TRUE(out.Empty());
        }
    }
}

TEST(ConvertEncodingProbe, ThroughTheCommandProbe) {
    using namespace testing_support;
    auto good = Probe({"ConvertEncoding", "b:" + ToHex(kMarkerUtf8), "t:UTF-8", "t:GBK", "r:0"});
    EXPECT_EQ(good.exitCode, 0u);
    EXPECT_EQ(good.result, ByteSetResult(kMarkerGbk));
    EXPECT_EQ(good.refs, std::vector<std::string>{"1"});
    auto bad = Probe({"ConvertEncoding", "b:e789", "t:UTF-8", "t:GBK", "r:1"});
    EXPECT_EQ(bad.result, ByteSetResult(""));
    EXPECT_EQ(bad.refs, std::vector<std::string>{"0"});
    EXPECT_TRUE(bad.boxes.empty());
}

// A fourth argument that is no variable passed by reference is taken as left out: nothing is
// written through its data word (l:1 and i:1 carry the word 1, no address).
TEST(ConvertEncodingProbe, WritesTheSuccessOnlyIntoAVariable) {
    using namespace testing_support;
    for (const char* fourth : {"l:1", "i:1", "l:0", "-"}) {
        SCOPED_TRACE(fourth);
        auto run = Probe({"ConvertEncoding", "b:" + ToHex(kMarkerUtf8), "t:UTF-8", "t:GBK", fourth});
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.result, ByteSetResult(kMarkerGbk));
        EXPECT_TRUE(run.refs.empty());
    }
}

}  // namespace
