// The disc table, the selection pick and the state file Changejson.ini: created through the
// INI commands, checked byte for byte and read back by the platform's profile functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <cstring>

#include "runtime/RuntimeApplication.h"
#include "tests/files/scratch_folder.h"
#include "tests/support/WindowDriver.h"
#include "tool/DiscTable.h"
#include "tool/ReplacementState.h"

namespace {

const char* const kTrackNames[] = {"11.ogg",   "13.ogg",  "blocks.ogg",  "cat.ogg",  "chirp.ogg", "far.ogg",
                                   "mall.ogg", "mellohi.ogg", "stal.ogg", "strad.ogg", "wait.ogg", "ward.ogg"};

TEST(DiscTable, TwelveTracksInListOrderWithWellFormedStockValues) {
    ASSERT_EQ(DiscTable.size(), 12u);
    for (size_t i = 0; i < DiscTable.size(); ++i) {
        const DiscRecord& d = DiscTable[i];
        EXPECT_STREQ(d.fileName, kTrackNames[i]);
        EXPECT_EQ(std::strlen(d.stockHash), 40u);
        EXPECT_EQ(std::strspn(d.stockHash, "0123456789abcdef"), 40u) << d.stockHash;
        EXPECT_GT(std::strlen(d.stockSize), 0u);
        EXPECT_EQ(std::strspn(d.stockSize, "0123456789"), std::strlen(d.stockSize)) << d.stockSize;
    }
    EXPECT_STREQ(DiscTable[0].stockHash, "f86c466225dad2f32c90981485c1965671b3e8e6");
    EXPECT_STREQ(DiscTable[11].stockSize, "1987588");
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
    for (const DiscRecord& d : DiscTable) expected += std::string(d.fileName) + "=" + d.stockHash + "\r\n";
    expected += "[DX]\r\n";
    for (const DiscRecord& d : DiscTable) expected += std::string(d.fileName) + "=" + d.stockSize + "\r\n";
    EXPECT_EQ(ReadRaw(path_), expected);

    // The platform's profile functions read it back: two sections, twelve keys each, in order.
    char names[256] = {};
    DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, path_.c_str());
    EXPECT_EQ(std::string(names, n), std::string("CD\0DX\0", 6));
    for (const char* section : {"CD", "DX"}) {
        char keys[4096] = {};
        n = GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, path_.c_str());
        std::string all(keys, n), want;
        for (const char* name : kTrackNames) want += std::string(name) + '\0';
        EXPECT_EQ(all, want) << section;
    }
    char value[64] = {};
    GetPrivateProfileStringA("DX", "11.ogg", "", value, sizeof value, path_.c_str());
    EXPECT_STREQ(value, "591997");
}

TEST_F(StateFile, WithoutAFileReadingGivesTheStockPairs) {
    for (const std::string& path : {path_, Path("no\\Changejson.ini")}) {
        ReplacementState state = ReadReplacementState(path.c_str());
        for (size_t i = 0; i < DiscTable.size(); ++i) {
            EXPECT_EQ(state.pairs[i].hash.View(), DiscTable[i].stockHash) << path << " " << i;
            EXPECT_EQ(state.pairs[i].size.View(), DiscTable[i].stockSize) << path << " " << i;
        }
    }
}

TEST_F(StateFile, AnEditedKeyIsReadAsItIsAndTheRestStaysStock) {
    CreateReplacementState(path_.c_str());
    ASSERT_TRUE(WritePrivateProfileStringA("CD", "cat.ogg", "edited hash", path_.c_str()));
    ReplacementState state = ReadReplacementState(path_.c_str());
    for (size_t i = 0; i < DiscTable.size(); ++i) {
        EXPECT_EQ(state.pairs[i].hash.View(), i == 3 ? "edited hash" : DiscTable[i].stockHash) << i;
        EXPECT_EQ(state.pairs[i].size.View(), DiscTable[i].stockSize) << i;
    }
    ASSERT_NE(state.Pick(3), nullptr);
    EXPECT_EQ(state.Pick(3)->hash.View(), "edited hash");
    EXPECT_EQ(state.Pick(-1), nullptr);
    EXPECT_EQ(state.Pick(12), nullptr);
}

TEST_F(StateFile, KeysAreTheFileNamesWithTheirExtension) {
    Put("Changejson.ini", "[CD]\r\n11=without extension\r\nward.ogg=with extension\r\n[DX]\r\n11.ogg=\r\n");
    ReplacementState state = ReadReplacementState(path_.c_str());
    EXPECT_EQ(state.pairs[0].hash.View(), DiscTable[0].stockHash);
    EXPECT_EQ(state.pairs[11].hash.View(), "with extension");
    EXPECT_EQ(state.pairs[0].size.View(), "");  // present but empty: not the stock value
}

TEST_F(StateFile, AFileThatCannotBeMadeStaysMissing) {
    std::string unreachable = Path("no\\Changejson.ini");
    CreateReplacementState(unreachable.c_str());
    EXPECT_FALSE(ReadRaw(unreachable));
    EXPECT_EQ(ReadReplacementState(unreachable.c_str()).pairs[5].size.View(), DiscTable[5].stockSize);
}

TEST(StateFilePath, IsUnderTheRunDirectorysIndexFolder) {
    InitRuntime();
    EXPECT_EQ(StateFilePath().View(), testing_support::ProgramFolder() + "assets\\indexes\\Changejson.ini");
}

}  // namespace
