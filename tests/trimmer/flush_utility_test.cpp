// The flush utility as built, and the copy of it that the program carries.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"
#include "trimmer/FlushUtilityImage.h"

using namespace testing_support;

namespace {

std::string UtilityPath() { return ProgramFolder() + "FlushUtility.exe"; }

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

template <typename T>
T At(const std::string& bytes, size_t offset) {
    T value{};
    if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

TEST(FlushUtilityImage, IsAByteSetBlockOfTheBuiltUtilityInTheConstantRegion) {
    std::string file = FileBytes(UtilityPath());
    ASSERT_GT(file.size(), 512u);
    EXPECT_EQ(FlushUtilityImage.one, 1);
    ASSERT_EQ(FlushUtilityImage.length, file.size());
    std::string carried(reinterpret_cast<const char*>(FlushUtilityImage.Bytes()), FlushUtilityImage.length);
    EXPECT_TRUE(carried == file) << "the carried bytes differ from " << UtilityPath();
    EXPECT_EQ(carried.substr(0, 2), "MZ");
    EXPECT_TRUE(InConstantRegion(&FlushUtilityImage));
    EXPECT_TRUE(InConstantRegion(FlushUtilityImage.Bytes() + FlushUtilityImage.length - 1));
}

TEST(FlushUtilityImage, IsAConsoleProgramForTheProcessorThisProgramRunsOn) {
    std::string image(reinterpret_cast<const char*>(FlushUtilityImage.Bytes()), FlushUtilityImage.length);
    auto header = At<uint32_t>(image, 0x3C);
    ASSERT_EQ(image.substr(header, 4), std::string("PE\0\0", 4));
#ifdef _WIN64
    const uint16_t expectedMachine = 0x8664, expectedMagic = 0x20B;
#else
    const uint16_t expectedMachine = 0x14C, expectedMagic = 0x10B;
#endif
    EXPECT_EQ(At<uint16_t>(image, header + 4), expectedMachine);
    const size_t optional = header + 24;
    EXPECT_EQ(At<uint16_t>(image, optional), expectedMagic);
    EXPECT_EQ(At<uint16_t>(image, optional + 68), 3) << "subsystem: a console program";
}

TEST(FlushUtility, FlushesTheProcessNamedByItsDecimalIdAndRefusesAnythingElse) {
    const std::string exe = UtilityPath();
    const std::string self = std::to_string(GetCurrentProcessId());
    const struct {
        std::string commandLine;
        DWORD exitCode;  // 0 flushed, 2 no process id, 3 no such process
    } cases[] = {
        {exe + " " + self, 0},
        {Quote(exe) + " " + self, 0},
        {exe + "   " + self + "  ", 0},
        {exe, 2},
        {exe + " abc", 2},
        {exe + " " + self + "x", 2},
        {exe + " -" + self, 2},
        {exe + " 4294967296", 2},  // beyond 32 bits
        {exe + " 0", 3},
        {exe + " 4000000000", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(RunCaptured(c.commandLine).exitCode, c.exitCode);
    }
}

}  // namespace
