// INI commands on the platform's profile functions, bad input included: blank names,
// sections without keys, a value longer than the read buffer, read-only and unreachable files.
#include <gtest/gtest.h>

#include <windows.h>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "tests/files/scratch_folder.h"

namespace {

class IniCommands : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        ini_ = Put("state.ini",
                   "[CD]\r\n11.ogg=f86c\r\nempty=\r\n中文键=值\r\n"
                   "[blank]\r\n\r\n"
                   "[long]\r\nvalue=" + std::string(20000, 'x') + "\r\n");
    }
    std::string Read(const std::string& path, const char* section, const char* key, const char* fallback) {
        ArgRecord r = fallback ? cmd::Call(ReadIniValue, path.c_str(), section, key, fallback)
                               : cmd::Call(ReadIniValue, path.c_str(), section, key);
        EXPECT_EQ(r.type, kTypeText);
        return std::string(cmd::TakeText(r).View());
    }
    std::string ini_;
};

TEST_F(IniCommands, ReadGivesTheValueTheDefaultOrTheEmptyText) {
    const struct {
        std::string path;
        const char* section;
        const char* key;
        const char* fallback;  // null: left out
        std::string value;
    } cases[] = {
        {ini_, "CD", "11.ogg", "stock", "f86c"},
        {ini_, "cd", "11.OGG", nullptr, "f86c"},             // the platform ignores case
        {"  " + ini_, " \t CD", "  11.ogg", nullptr, "f86c"},  // leading blanks skipped
        {ini_, "CD", "empty", "stock", ""},                   // an empty value is not the default
        {ini_, "CD", "中文键", nullptr, "值"},
        {ini_, "CD", "missing", "stock", "stock"},
        {ini_, "CD", "missing", nullptr, ""},
        {ini_, "CD", "missing", "", ""},
        {ini_, "blank", "k", "stock", "stock"},
        {ini_, "nosection", "11.ogg", "stock", "stock"},
        {Path("missing.ini"), "CD", "11.ogg", "stock", "stock"},
        {Path("no\\missing.ini"), "CD", "11.ogg", "stock", "stock"},
        {Path(), "CD", "11.ogg", "stock", "stock"},           // a folder where the file is expected
        {ini_, "   ", "11.ogg", "stock", ""},                 // blank names give the empty text
        {ini_, "CD", " ", "stock", ""},
        {"  ", "CD", "11.ogg", "stock", ""},
        {ini_, "long", "value", nullptr, std::string(10239, 'x')},  // cut to the 10,240-byte buffer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " [" + c.section + "] " + c.key);
        EXPECT_EQ(Read(c.path, c.section, c.key, c.fallback), c.value);
    }
}

TEST_F(IniCommands, WriteCreatesTheFileAndKeepsKeysInFirstWrittenOrder) {
    std::string path = Path("新建.ini");
    const char* writes[][3] = {{"S", "b", "1"}, {"T", "k", "值"}, {"S", "a", "2"}, {"S", "b", "3"}};
    for (auto& w : writes) EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteIniValue, path.c_str(), w[0], w[1], w[2])));
    EXPECT_EQ(ReadRaw(path), "[S]\r\nb=3\r\na=2\r\n[T]\r\nk=值\r\n");
    EXPECT_EQ(Read(path, "T", "k", nullptr), "值");
}

TEST_F(IniCommands, WriteWithoutValueOrKeyRemovesTheKeyOrTheSection) {
    std::string path = Path("r.ini");
    for (const char* key : {"a", "b"}) cmd::Call(WriteIniValue, path.c_str(), "S", key, "1");
    cmd::Call(WriteIniValue, path.c_str(), "T", "c", "1");
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteIniValue, path.c_str(), "S", "a", cmd::kOmitted)));
    EXPECT_EQ(Read(path, "S", "a", "gone"), "gone");
    EXPECT_EQ(Read(path, "S", "b", nullptr), "1");
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteIniValue, path.c_str(), "S")));
    EXPECT_EQ(Read(path, "S", "b", "gone"), "gone");
    EXPECT_EQ(Read(path, "T", "c", nullptr), "1");
}

TEST_F(IniCommands, WriteToAnUnreachableOrLockedFileGivesFalse) {
    Put("locked.ini", "[S]\r\nk=v\r\n");
    HANDLE lock = LockExclusively("locked.ini");
    for (const std::string& path : {Path("no\\a.ini"), Path("locked.ini"), Path()}) {
        SCOPED_TRACE(path);
        ArgRecord r = cmd::Call(WriteIniValue, path.c_str(), "S", "k", "new");
        EXPECT_EQ(r.type, kTypeLogical);
        EXPECT_FALSE(cmd::AsBool(r));
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadRaw(Path("locked.ini")), "[S]\r\nk=v\r\n");
    EXPECT_EQ(GetFileAttributesA(Path("no").c_str()), INVALID_FILE_ATTRIBUTES);
}

// A read-only file: the result says exactly whether the platform let the write through.
TEST_F(IniCommands, WriteToAReadOnlyFileReportsWhatHappened) {
    Put("readonly.ini", "[S]\r\nk=v\r\n");
    MakeReadOnly("readonly.ini");
    bool written = cmd::AsBool(cmd::Call(WriteIniValue, Path("readonly.ini").c_str(), "S", "k", "new"));
    EXPECT_EQ(written, Read(Path("readonly.ini"), "S", "k", nullptr) == "new");
    EXPECT_EQ(Read(Path("readonly.ini"), "S", "k", nullptr), written ? "new" : "v");
}

TEST_F(IniCommands, ALongValueIsWrittenWholeAndReadBackCut) {
    std::string path = Path("long.ini");
    std::string value(20000, 'y');
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteIniValue, path.c_str(), "S", "k", value.c_str())));
    EXPECT_EQ(ReadRaw(path), "[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(Read(path, "S", "k", nullptr), value.substr(0, 10239));
}

}  // namespace
