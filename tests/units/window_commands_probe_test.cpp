// The window commands reached from a shell through the command probe, which loads no window:
// a unit reference then names nothing on screen.
#include <gtest/gtest.h>

#include "tests/support/Probe.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

// The tool's list of discs: window 0x52010001, unit 0x16011F03, a list box (0x0001000F).
const std::string kListReference = "u:52010001:16011F03:1000F";

TEST(WindowCommandsThroughTheProbe, AUnitOfNoLoadedWindowIsARuntimeError) {
    const std::vector<std::vector<std::string>> calls = {
        {"WindowHandle", kListReference}, {"DialogOpen", kListReference}, {"ListItemText", kListReference, "i:0"}};
    for (const auto& call : calls) {
        ProbeOutput out = Probe(call);
        EXPECT_EQ(out.exitCode, 0xFFFFFFFFu) << call[0];
        ASSERT_EQ(out.boxes.size(), 1u) << call[0];
        EXPECT_EQ(out.boxes[0], ToHex("错误") + " " + ToHex(RuntimeErrorBoxText("指定窗口或窗口组件不存在或尚未载入")))
            << call[0];
    }
}

TEST(WindowCommandsThroughTheProbe, OpenWindowOfNoTemplateGivesFalse) {
    ProbeOutput out = Probe({"OpenWindow", "u:52010001:06010000:10001", "-", "l:1"});
    EXPECT_EQ(out.exitCode, 0u);
    EXPECT_EQ(out.result, LogicalResult(false));
    EXPECT_TRUE(out.boxes.empty());
}

TEST(WindowCommandsThroughTheProbe, RefusesAMalformedReference) {
    for (const char* bad : {"u:52010001", "u:52010001:16011F03", "u:x:1:2", "u:1:2:3:4"})
        EXPECT_EQ(Probe({"WindowHandle", bad}).exitCode, 2u) << bad;
}

}  // namespace
