// The probe's own interface: arguments, result line, refusals.
#include <gtest/gtest.h>

#include "tests/support/Probe.h"

using namespace testing_support;

TEST(CommandProbe, CallsACommandAndPrintsTheTypedResult) {
    ProbeOutput out = Probe({"ByteSetLength", "b:0102ff"});
    EXPECT_EQ(out.exitCode, 0u);
    EXPECT_EQ(out.result, IntResult(3));
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(Probe({"ByteSetLength", "b:"}).result, IntResult(0));
}

TEST(CommandProbe, RefusesUnknownNamesAndMalformedArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {"NoSuchCommand"}, {"ByteSetLength", "b:0"}, {"ByteSetLength", "b:zz"}, {"ByteSetLength", "q:1"},
        {"ByteSetLength", "i:12x"}, {"ByteSetLength", "l:2"}, {"ByteSetLength", "x:00"}, {"ByteSetLength", "d:"},
        {"ByteSetLength", "text"},
    };
    for (const auto& args : bad) {
        ProbeOutput out = Probe(args);
        EXPECT_EQ(out.exitCode, 2u) << args.back();
        EXPECT_EQ(out.raw, "") << args.back();
    }
}
