// The disc table, the selection pick and the state file Changejson.ini: created through the
// INI commands, checked byte for byte and read back by the platform's profile functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <iterator>

#include "runtime/RuntimeApplication.h"
#include "tests/files/scratch_folder.h"
#include "tests/support/WindowDriver.h"
#include "tool/DiscTable.h"
#include "tool/ReplacementState.h"

namespace {

// The twelve tracks with their stock hash and size, as published for the disc table.
const struct {
    const char* fileName;
    const char* hash;
    const char* size;
} kStock[] = {
    {"11.ogg", "f86c466225dad2f32c90981485c1965671b3e8e6", "591997"},
    {"13.ogg", "9cbed0e40296f68c61090c9b81816061e068a0ec", "1071028"},
    {"blocks.ogg", "9b2a01e0d0456b8fbe33557fbc19d4fe342f94d6", "2587419"},
    {"cat.ogg", "d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0", "1286636"},
    {"chirp.ogg", "ec8a2cbdf68b4e2136098ec33695e1c53625ddb8", "1379756"},
    {"far.ogg", "f46c38e7d6d7b19d5d68aa18b557215738deb36a", "1285938"},
    {"mall.ogg", "83233451430516d839eaee855a2f789b8985d457", "1430036"},
    {"mellohi.ogg", "6b44d0539073353b7a05330ccddc5735ba5efca4", "663709"},
    {"stal.ogg", "2c4f3f8f259dc782867727311fea30875ecc3917", "1180789"},
    {"strad.ogg", "f34afa3ba5f756e90a1f61023bbe069ee8442608", "1558180"},
    {"wait.ogg", "876655d1691803f4cef17a6288d971285be79c6a", "1845255"},
    {"ward.ogg", "f685021d4f26d6b590bffb341908e25e92e18cef", "1987588"},
};

TEST(DiscTable, TwelveTracksInListOrderWithTheirStockValues) {
    ASSERT_EQ(DiscTable.size(), std::size(kStock));
    for (size_t i = 0; i < DiscTable.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(DiscTable[i].fileName, kStock[i].fileName);
        EXPECT_STREQ(DiscTable[i].stockHash, kStock[i].hash);
        EXPECT_STREQ(DiscTable[i].stockSize, kStock[i].size);
    }
}

TEST(DiscTable, TheSelectionIndexPicksTheRecordOfThatIndex) {
    const struct {
        int32_t index;
        const char* fileName;  // null: none
    } cases[] = {{0, "11.ogg"}, {3, "cat.ogg"}, {11, "ward.ogg"}, {-1, nullptr}, {12, nullptr}, {INT_MIN, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const DiscRecord* r = PickDiscRecord(c.index);
        if (!c.fileName) {
            EXPECT_EQ(r, nullptr);
        } else {
            ASSERT_NE(r, nullptr);
            EXPECT_STREQ(r->fileName, c.fileName);
        }
    }
}

class StateFile : public ScratchFolder {
protected:
    std::string path_;
    void SetUp() override {
        ScratchFolder::SetUp();
        path_ = Path("Changejson.ini");
    }
};

TEST_F(StateFile, CreatedFileHasBothSectionsWithTheKeysInTableOrder) {
    CreateReplacementState(path_.c_str());
    std::string expected = "[CD]\r\n";
    for (const auto& t : kStock) expected += std::string(t.fileName) + "=" + t.hash + "\r\n";
    expected += "[DX]\r\n";
    for (const auto& t : kStock) expected += std::string(t.fileName) + "=" + t.size + "\r\n";
    EXPECT_EQ(ReadRaw(path_), expected);

    // The platform's profile functions read it back: two sections, twelve keys each, in order.
    char names[256] = {};
    DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, path_.c_str());
    EXPECT_EQ(std::string(names, n), std::string("CD\0DX\0", 6));
    for (const char* section : {"CD", "DX"}) {
        char keys[4096] = {};
        n = GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, path_.c_str());
        std::string all(keys, n), want;
        for (const auto& t : kStock) want += std::string(t.fileName) + '\0';
        EXPECT_EQ(all, want) << section;
    }
    char value[64] = {};
    GetPrivateProfileStringA("DX", "11.ogg", "", value, sizeof value, path_.c_str());
    EXPECT_STREQ(value, "591997");
}

TEST_F(StateFile, WithoutAFileReadingGivesTheStockPairs) {
    for (const std::string& path : {path_, Path("no\\Changejson.ini")}) {
        ReplacementState state = ReadReplacementState(path.c_str());
        for (size_t i = 0; i < std::size(kStock); ++i) {
            EXPECT_EQ(state.pairs[i].hash.View(), kStock[i].hash) << path << " " << i;
            EXPECT_EQ(state.pairs[i].size.View(), kStock[i].size) << path << " " << i;
        }
    }
}

TEST_F(StateFile, AnEditedKeyIsReadAsItIsAndTheRestStaysStock) {
    CreateReplacementState(path_.c_str());
    ASSERT_TRUE(WritePrivateProfileStringA("CD", "cat.ogg", "edited hash", path_.c_str()));
    ReplacementState state = ReadReplacementState(path_.c_str());
    for (size_t i = 0; i < std::size(kStock); ++i) {
        EXPECT_EQ(state.pairs[i].hash.View(), i == 3 ? "edited hash" : kStock[i].hash) << i;
        EXPECT_EQ(state.pairs[i].size.View(), kStock[i].size) << i;
    }
    ASSERT_NE(state.Pick(3), nullptr);
    EXPECT_EQ(state.Pick(3)->hash.View(), "edited hash");
    EXPECT_EQ(state.Pick(-1), nullptr);
    EXPECT_EQ(state.Pick(12), nullptr);
}

TEST_F(StateFile, KeysAreTheFileNamesWithTheirExtension) {
    Put("Changejson.ini", "[CD]\r\n11=without extension\r\nward.ogg=with extension\r\n[DX]\r\n11.ogg=\r\n");
    ReplacementState state = ReadReplacementState(path_.c_str());
    EXPECT_EQ(state.pairs[0].hash.View(), kStock[0].hash);
    EXPECT_EQ(state.pairs[11].hash.View(), "with extension");
    EXPECT_EQ(state.pairs[0].size.View(), "");  // present but empty: not the stock value
}

TEST_F(StateFile, AFileThatCannotBeMadeStaysMissing) {
    std::string unreachable = Path("no\\Changejson.ini");
    CreateReplacementState(unreachable.c_str());
    EXPECT_FALSE(ReadRaw(unreachable));
    EXPECT_EQ(ReadReplacementState(unreachable.c_str()).pairs[5].size.View(), kStock[5].size);
}

TEST(StateFilePath, IsUnderTheRunDirectorysIndexFolder) {
    InitRuntime();
    EXPECT_EQ(StateFilePath().View(), testing_support::ProgramFolder() + "assets\\indexes\\Changejson.ini");
}

}  // namespace
