// The byte-set family through the command probe: the fatal errors (box, then exit code -1) and
// a by-reference position crossing the command-call boundary.
#include <gtest/gtest.h>

#include "tests/support/Probe.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

std::string BoxLine(const char* message) { return ToHex("错误") + " " + ToHex(RuntimeErrorBoxText(message)); }

TEST(ByteSetCommandsProbe, FatalErrorsShowTheBoxAndEndTheProgram) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"IntegerDivide", "d:7", "d:0"}, "不能整除于零"},
        {{"IntegerDivide", "d:7", "d:2", "i:0"}, "不能整除于零"},
        {{"Remainder", "d:7", "d:0"}, "不能求余数于零"},
        {{"ByteSetData", "b:0102", "i:11"}, "“欲取出数据的类型”参数值无效"},
        {{"ByteSetData", "b:0102", "i:0"}, "“欲取出数据的类型”参数值无效"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        ProbeOutput out = Probe(c.args);
        ASSERT_EQ(out.boxes.size(), 1u) << out.raw;
        EXPECT_EQ(out.boxes[0], BoxLine(c.message));
        EXPECT_EQ(out.result, "");
        EXPECT_EQ(out.exitCode, 0xFFFFFFFFu);
    }
}

TEST(ByteSetCommandsProbe, PositionVariableByReference) {
    ProbeOutput out = Probe({"ByteSetData", "b:6162006364", "i:10", "r:1"});
    EXPECT_EQ(out.exitCode, 0u);
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(out.result, TextResult("ab"));
    ASSERT_EQ(out.refs.size(), 1u);
    EXPECT_EQ(out.refs[0], "4");
}

}  // namespace
