// Path-based file and folder commands on real files, bad input included: GBK names,
// wildcards, a folder where a file is expected, a missing parent folder, a read-only file.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "runtime/RuntimeApplication.h"
#include "tests/files/scratch_folder.h"
#include "tests/support/WindowDriver.h"

namespace {

class FileCommands : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        Put("abc.txt", "abc");
        Put("empty.bin", "");
        Put("音乐文件.ogg", std::string("O\0g\xFFS", 5));
        CreateDirectoryA(Path("sub").c_str(), nullptr);
    }
};

TEST_F(FileCommands, ExistsAndSizeFollowTheFirstMatchingEntry) {
    const struct {
        std::string path;
        bool exists;
        int32_t size;  // -2: any (a folder's entry)
    } cases[] = {
        {Path("abc.txt"), true, 3},         {Path("empty.bin"), true, 0},     {Path("音乐文件.ogg"), true, 5},
        {Path("sub"), true, -2},            {Path("*.txt"), true, 3},         {Path("a?c.txt"), true, 3},
        {Path("*.none"), false, -1},        {Path("missing.txt"), false, -1}, {Path("nofolder\\abc.txt"), false, -1},
        {"", false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ArgRecord exists = cmd::Call(FileExists, c.path.c_str());
        EXPECT_EQ(exists.type, kTypeLogical);
        EXPECT_EQ(cmd::AsBool(exists), c.exists);
        ArgRecord size = cmd::Call(FileSize, c.path.c_str());
        EXPECT_EQ(size.type, kTypeInt);
        if (c.size != -2) {
            EXPECT_EQ(size.AsInt(), c.size);
        }
    }
}

TEST_F(FileCommands, ReadWholeFileGivesTheBytesOrTheEmptyByteSet) {
    const struct {
        std::string path;
        std::string bytes;
    } cases[] = {
        {Path("abc.txt"), "abc"},  {Path("音乐文件.ogg"), std::string("O\0g\xFFS", 5)},
        {Path("empty.bin"), ""},   {Path("missing"), ""},
        {Path("sub"), ""},         {Path("*.txt"), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ArgRecord r = cmd::Call(ReadWholeFile, c.path.c_str());
        EXPECT_EQ(r.type, kTypeByteSet);
        Bytes b = cmd::TakeBytes(r);
        EXPECT_EQ(b.View(), c.bytes);
        if (c.bytes.empty()) {
            EXPECT_EQ(b.Get(), nullptr);
        }
    }
}

// A file of 4 GiB and 3 bytes: too large for a byte set, so it reads like a file that cannot be
// read, not as the 3 bytes of the low 32 bits of its size. Its length is set without writing
// (a sparse file on the test machines' file systems).
TEST_F(FileCommands, ReadWholeFileRefusesAFileTooLargeForAByteSet) {
    const std::string path = Path("large.bin");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = (int64_t{1} << 32) + 3;
    const bool sized = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);
    ArgRecord r = cmd::Call(ReadWholeFile, path.c_str());
    EXPECT_EQ(r.type, kTypeByteSet);
    EXPECT_EQ(cmd::TakeBytes(r).Get(), nullptr);
    DeleteFileA(path.c_str());
}

// The sizes a byte set can hold are read whole; any other gives nothing to read.
TEST(WholeFileReadLength, TheWholeSizeUpToTheLargestByteSet) {
    const int64_t k4GiB = int64_t{1} << 32;
    const struct {
        int64_t fileSize;
        std::optional<uint32_t> toRead;
    } cases[] = {
        {0, 0u},
        {1, 1u},
        {2587419, 2587419u},
        {0x7FFFFFFF, 0x7FFFFFFFu},
        {0x80000000, std::nullopt},
        {0xFFFFFFFF, std::nullopt},
        {k4GiB, std::nullopt},
        {k4GiB + 3, std::nullopt},
        {INT64_MAX, std::nullopt},
        {-1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileSize);
        EXPECT_EQ(WholeFileReadLength(c.fileSize), c.toRead);
    }
}

TEST_F(FileCommands, ReadWholeFileSharesOnlyReading) {
    HANDLE writer = CreateFileA(Path("abc.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(cmd::TakeBytes(cmd::Call(ReadWholeFile, Path("abc.txt").c_str())).Length(), 0u);
    CloseHandle(writer);
    HANDLE reader = CreateFileA(Path("abc.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(cmd::TakeBytes(cmd::Call(ReadWholeFile, Path("abc.txt").c_str())).View(), "abc");
    CloseHandle(reader);
}

TEST_F(FileCommands, WriteBytesToFileWritesEveryByteSetInOrder) {
    Bytes one = Bytes::Copy("12"), none, three = Bytes::Copy(std::string("\0\xFE", 2));
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteBytesToFile, Path("new.bin").c_str(), one, none, three)));
    EXPECT_EQ(ReadRaw(Path("new.bin")), std::string("12\0\xFE", 4));
    // Only the path: an existing file is emptied.
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteBytesToFile, Path("abc.txt").c_str())));
    EXPECT_EQ(ReadRaw(Path("abc.txt")), "");
    EXPECT_TRUE(cmd::AsBool(cmd::Call(WriteBytesToFile, Path("新文件.txt").c_str(), one)));
    EXPECT_EQ(ReadRaw(Path("新文件.txt")), "12");
}

TEST_F(FileCommands, WriteBytesToFileRefusesBadTargets) {
    Put("locked.txt", "keep");
    HANDLE lock = LockExclusively("locked.txt");
    Bytes data = Bytes::Copy("x");
    for (const std::string& path : {std::string(), Path("nofolder\\a.txt"), Path("sub"), Path("locked.txt"), Path("a*.txt")}) {
        SCOPED_TRACE(path);
        ArgRecord r = cmd::Call(WriteBytesToFile, path.c_str(), data);
        EXPECT_EQ(r.type, kTypeLogical);
        EXPECT_FALSE(cmd::AsBool(r));
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadRaw(Path("locked.txt")), "keep");
    EXPECT_FALSE(ReadRaw(Path("nofolder\\a.txt")));
}

// A read-only file: the result says exactly whether the platform let the write through.
TEST_F(FileCommands, WriteBytesToFileReportsWhatHappenedToAReadOnlyFile) {
    Put("readonly.txt", "keep");
    MakeReadOnly("readonly.txt");
    Bytes data = Bytes::Copy("x");
    bool written = cmd::AsBool(cmd::Call(WriteBytesToFile, Path("readonly.txt").c_str(), data));
    EXPECT_EQ(written, ReadRaw(Path("readonly.txt")) == "x");
}

TEST_F(FileCommands, CopyRemoveAndMakeDirectory) {
    Put("target.txt", "old");
    Put("locked.txt", "keep");
    HANDLE lock = LockExclusively("locked.txt");
    Put("readonly.txt", "keep");
    MakeReadOnly("readonly.txt");
    const struct {
        const char* what;
        std::function<ArgRecord()> call;
        bool result;
    } cases[] = {
        {"copy", [&] { return cmd::Call(CopyOneFile, Path("abc.txt").c_str(), Path("copy.txt").c_str()); }, true},
        {"copy over", [&] { return cmd::Call(CopyOneFile, Path("abc.txt").c_str(), Path("target.txt").c_str()); }, true},
        {"copy GBK", [&] { return cmd::Call(CopyOneFile, Path("音乐文件.ogg").c_str(), Path("副本.ogg").c_str()); }, true},
        {"copy missing", [&] { return cmd::Call(CopyOneFile, Path("missing").c_str(), Path("c2.txt").c_str()); }, false},
        {"copy folder", [&] { return cmd::Call(CopyOneFile, Path("sub").c_str(), Path("c3.txt").c_str()); }, false},
        {"copy to no folder", [&] { return cmd::Call(CopyOneFile, Path("abc.txt").c_str(), Path("no\\c.txt").c_str()); }, false},
        {"copy over a locked file", [&] { return cmd::Call(CopyOneFile, Path("abc.txt").c_str(), Path("locked.txt").c_str()); }, false},
        {"remove", [&] { return cmd::Call(RemoveFile, Path("copy.txt").c_str()); }, true},
        {"remove again", [&] { return cmd::Call(RemoveFile, Path("copy.txt").c_str()); }, false},
        {"remove folder", [&] { return cmd::Call(RemoveFile, Path("sub").c_str()); }, false},
        {"remove a locked file", [&] { return cmd::Call(RemoveFile, Path("locked.txt").c_str()); }, false},
        {"remove read-only", [&] { return cmd::Call(RemoveFile, Path("readonly.txt").c_str()); }, false},
        {"remove empty path", [&] { return cmd::Call(RemoveFile, ""); }, false},
        {"mkdir", [&] { return cmd::Call(MakeDirectory, Path("新目录").c_str()); }, true},
        {"mkdir again", [&] { return cmd::Call(MakeDirectory, Path("新目录").c_str()); }, false},
        {"mkdir no parent", [&] { return cmd::Call(MakeDirectory, Path("a\\b").c_str()); }, false},
        {"mkdir over a file", [&] { return cmd::Call(MakeDirectory, Path("abc.txt").c_str()); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ArgRecord r = c.call();
        EXPECT_EQ(r.type, kTypeLogical);
        EXPECT_EQ(r.data.words.low, c.result ? 1u : 0u);
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadRaw(Path("target.txt")), "abc");
    EXPECT_EQ(ReadRaw(Path("副本.ogg")), std::string("O\0g\xFFS", 5));
    EXPECT_EQ(ReadRaw(Path("locked.txt")), "keep");
    EXPECT_EQ(ReadRaw(Path("readonly.txt")), "keep");
    EXPECT_FALSE(ReadRaw(Path("copy.txt")));
    EXPECT_TRUE(GetFileAttributesA(Path("新目录").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA(Path("a").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(RunDirectory, IsTheProgramFolderWithoutTrailingBackslash) {
    InitRuntime();
    std::string folder = testing_support::ProgramFolder();
    folder.pop_back();
    EXPECT_EQ(cmd::TakeText(cmd::Call(RunDirectory)).View(), folder);
}

TEST(ReadEnvVariable, GivesTheValueOrTheEmptyText) {
    _putenv("DISCTOOL_TEST_VARIABLE=值 1");
    EXPECT_EQ(cmd::TakeText(cmd::Call(ReadEnvVariable, "DISCTOOL_TEST_VARIABLE")).View(), "值 1");
    _putenv("DISCTOOL_TEST_VARIABLE=");
    for (const char* name : {"DISCTOOL_TEST_VARIABLE", "DISCTOOL_NEVER_SET", ""}) {
        Text t = cmd::TakeText(cmd::Call(ReadEnvVariable, name));
        EXPECT_EQ(t.Get(), nullptr) << name;
    }
}

}  // namespace
