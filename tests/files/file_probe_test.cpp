// A few file commands end to end through the command probe, as program code reaches them.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/files/scratch_folder.h"
#include "tests/support/Probe.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

namespace {

class FileProbe : public ScratchFolder {};

TEST_F(FileProbe, CommandsAnswerThroughTheProbe) {
    std::string gbk = Put("音乐.ogg", "abc");
    std::string ini = Put("s.ini", "[CD]\r\n11.ogg=hash\r\n");
    std::string folder = ProgramFolder();
    folder.pop_back();
    SetEnvironmentVariableA("DISCTOOL_PROBE_VARIABLE", "值");
    const struct {
        std::vector<std::string> args;
        std::string result;
    } cases[] = {
        {{"FileExists", "t:" + gbk}, LogicalResult(true)},
        {{"FileExists", "t:" + Path("*.ogg")}, LogicalResult(true)},
        {{"FileSize", "t:" + gbk}, IntResult(3)},
        {{"FileSize", "t:" + Path("missing")}, IntResult(-1)},
        {{"ReadWholeFile", "t:" + gbk}, ByteSetResult("abc")},
        {{"ReadWholeFile", "t:" + Path()}, ByteSetResult("")},
        {{"WriteBytesToFile", "t:" + Path("w.bin"), "b:0001", "b:", "b:ff"}, LogicalResult(true)},
        {{"OpenFileNumber", "t:" + Path("missing"), "-", "-"}, IntResult(0)},
        {{"ReadTextFromFile", "i:0"}, TextResult("")},
        {{"MakeDirectory", "t:" + Path("x\\y")}, LogicalResult(false)},
        {{"ReadIniValue", "t:" + ini, "t:CD", "t:11.ogg", "t:stock"}, TextResult("hash")},
        {{"ReadIniValue", "t:" + ini, "t:DX", "t:11.ogg", "t:stock"}, TextResult("stock")},
        {{"WriteIniValue", "t:" + Path("n.ini"), "t:DX", "t:11.ogg", "t:591997"}, LogicalResult(true)},
        {{"RunDirectory"}, TextResult(folder)},
        {{"ReadEnvVariable", "t:DISCTOOL_PROBE_VARIABLE"}, TextResult("值")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        auto out = Probe(c.args);
        EXPECT_EQ(out.exitCode, 0u);
        EXPECT_EQ(out.result, c.result);
        EXPECT_TRUE(out.boxes.empty());
    }
    EXPECT_EQ(ReadRaw(Path("w.bin")), std::string("\0\1\xFF", 3));
    EXPECT_EQ(ReadRaw(Path("n.ini")), "[DX]\r\n11.ogg=591997\r\n");
}

}  // namespace
