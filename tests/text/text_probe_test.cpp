// Text commands end to end: found by name and called through the command probe, with GBK
// texts given as hex bytes.
#include <gtest/gtest.h>

#include "tests/support/Probe.h"

using namespace testing_support;

TEST(TextCommandsThroughTheProbe, GbkTextsByName) {
    const struct {
        std::vector<std::string> args;
        std::string result;
    } cases[] = {
        // "中文INDEXES" searched for "indexes" ignoring case; "\xD0\xCE" straddles 中 and 文
        {{"FindText", "x:d6d0cec4494e4445584553", "t:indexes", "-", "l:1"}, IntResult(5)},
        {{"FindText", "x:d6d0cec4494e4445584553", "x:d0ce"}, IntResult(-1)},
        {{"ReplaceText", "x:d6d0cec42e4a534f4e", "t:json", "t:ogg"}, TextResult("中文.ogg")},
        {{"MidText", "t:abc", "i:4", "i:1"}, TextResult("")},
        {{"ToLowerCase", "x:8141414a"}, TextResult("\x81" "Aaj")},
        {{"ToText", "d:0.1"}, TextResult("0.1")},
        {{"ToText", "l:1"}, TextResult("真")},
        {{"ToInteger", "x:a3b1a3b2"}, IntResult(12)},
        {{"ToByteSet", "i:1"}, ByteSetResult(std::string("\x01\0\0\0", 4))},
    };
    for (const auto& c : cases) {
        ProbeOutput out = Probe(c.args);
        EXPECT_EQ(out.exitCode, 0u) << c.args[0];
        EXPECT_TRUE(out.boxes.empty()) << c.args[0];
        EXPECT_EQ(out.result, c.result) << c.args[0] << " " << c.args[1];
    }
}
