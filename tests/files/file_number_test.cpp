// Files by number: open modes and sharing, the runtime's registry, and ReadTextFromFile's
// scan with the file position it leaves.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/FileNumbers.h"
#include "runtime/FileRegistry.h"
#include "tests/files/scratch_folder.h"

namespace {

class FileNumbers : public ScratchFolder {
protected:
    int32_t Open(const std::string& path, int32_t mode, int32_t sharing = 1) {
        ArgRecord r = cmd::Call(OpenFileNumber, path.c_str(), mode, sharing);
        EXPECT_EQ(r.type, kTypeInt);
        return r.AsInt();
    }
    void Close(int32_t number) { cmd::Call(CloseFileNumber, number); }
    // The position of the platform file behind a number.
    int64_t Position(int32_t number) {
        auto file = static_cast<NumberedFile*>(RegisteredFileObject(number));
        if (!file) return -1;
        LARGE_INTEGER zero{}, now{};
        SetFilePointerEx(file->handle.Get(), zero, &now, FILE_CURRENT);
        return now.QuadPart;
    }
    static SIZE_T PeakWorkingSet() {
        PROCESS_MEMORY_COUNTERS m{};
        GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
        return m.PeakWorkingSetSize;
    }
    std::string ReadText(int32_t number, std::optional<int32_t> length) {
        ArgRecord r = length ? cmd::Call(ReadTextFromFile, number, *length) : cmd::Call(ReadTextFromFile, number);
        EXPECT_EQ(r.type, kTypeText);
        return std::string(cmd::TakeText(r).View());
    }
};

TEST_F(FileNumbers, OpenModesOnExistingAndMissingFiles) {
    const struct {
        int32_t mode;
        bool opensExisting, createsMissing;
        const char* contentAfter;  // of an existing file holding "old"
        bool readable;
    } cases[] = {
        {1, true, false, "old", true},  {2, true, false, "old", false}, {3, true, false, "old", true},
        {4, true, true, "", false},     {5, true, true, "old", false},  {6, true, true, "old", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        std::string existing = Put("existing.txt", "old");
        int32_t number = Open(existing, c.mode);
        EXPECT_EQ(number != 0, c.opensExisting);
        EXPECT_EQ(RuntimeNotify(2011, reinterpret_cast<intptr_t>(RegisteredFileObject(number)), 0), kPlainFileKind);
        // A file not opened for reading gives the empty text.
        EXPECT_EQ(ReadText(number, std::nullopt), c.readable ? c.contentAfter : "");
        Close(number);
        EXPECT_EQ(ReadRaw(existing), c.contentAfter);

        std::string missing = Path("missing" + std::to_string(c.mode) + ".txt");
        number = Open(missing, c.mode);
        EXPECT_EQ(number != 0, c.createsMissing);
        Close(number);
        EXPECT_EQ(ReadRaw(missing).has_value(), c.createsMissing);
    }
}

TEST_F(FileNumbers, DefaultModeIsReadAndWriteOfAnExistingFile) {
    std::string path = Put("a.txt", "abc");
    int32_t number = cmd::Call(OpenFileNumber, path.c_str()).AsInt();
    ASSERT_NE(number, 0);
    EXPECT_EQ(ReadText(number, 2), "ab");
    Close(number);
    EXPECT_EQ(cmd::Call(OpenFileNumber, Path("missing.txt").c_str()).AsInt(), 0);
    EXPECT_FALSE(ReadRaw(Path("missing.txt")));
}

TEST_F(FileNumbers, BadArgumentsAndBadTargetsGiveZero) {
    std::string path = Put("a.txt", "abc");
    Put("locked.txt", "keep");
    HANDLE lock = LockExclusively("locked.txt");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    const struct {
        std::string path;
        int32_t mode, sharing;
    } cases[] = {{"", 3, 1},          {path, 0, 1},        {path, 7, 1},          {path, 3, 0},
                 {path, 3, 5},        {Path("sub"), 1, 1}, {Path("no\\a.txt"), 4, 1}, {Path("locked.txt"), 2, 1},
                 {Path("a*.txt"), 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.mode) + " " + std::to_string(c.sharing));
        int32_t number = Open(c.path, c.mode, c.sharing);
        EXPECT_EQ(number, 0);
        Close(number);
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadRaw(Path("locked.txt")), "keep");
}

// A read-only file: a number exactly when the platform let the file open for writing.
TEST_F(FileNumbers, ReadOnlyFileOpensForWritingOnlyWhenThePlatformAllows) {
    Put("readonly.txt", "keep");
    MakeReadOnly("readonly.txt");
    HANDLE direct = CreateFileA(Path("readonly.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    bool platformAllows = direct != INVALID_HANDLE_VALUE;
    if (platformAllows) CloseHandle(direct);
    int32_t number = Open(Path("readonly.txt"), 2);
    EXPECT_EQ(number != 0, platformAllows);
    Close(number);
    number = Open(Path("readonly.txt"), 1);
    EXPECT_NE(number, 0);
    EXPECT_EQ(ReadText(number, std::nullopt), "keep");
    Close(number);
}

TEST_F(FileNumbers, SharingDecidesWhatOthersMayDo) {
    std::string path = Put("a.txt", "abc");
    const struct {
        int32_t sharing;
        bool othersRead, othersWrite;
    } cases[] = {{1, true, true}, {2, false, true}, {3, true, false}, {4, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sharing);
        int32_t number = Open(path, 1, c.sharing);
        ASSERT_NE(number, 0);
        for (bool write : {false, true}) {
            HANDLE other = CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            EXPECT_EQ(other != INVALID_HANDLE_VALUE, write ? c.othersWrite : c.othersRead) << "write " << write;
            if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        }
        Close(number);
    }
}

TEST_F(FileNumbers, CloseUnregistersAndReleasesTheFile) {
    std::string path = Put("a.txt", "abc");
    int32_t number = Open(path, 1, 4);
    void* object = RegisteredFileObject(number);
    ASSERT_NE(object, nullptr);
    Close(number);
    EXPECT_EQ(RegisteredFileObject(number), nullptr);
    EXPECT_EQ(RegisteredFileKind(object), -1);
    EXPECT_EQ(ReadText(number, std::nullopt), "");
    EXPECT_TRUE(DeleteFileA(path.c_str())) << "the file stayed open";
    Close(number);  // a second close and unknown numbers do nothing
    Close(0);
    Close(12345);
    EXPECT_EQ(ReadText(0, std::nullopt), "");
}

TEST_F(FileNumbers, ReadTextScansToTheFirstEndAndLeavesThePosition) {
    const struct {
        const char* what;
        std::string bytes;
        std::optional<int32_t> length;
        int64_t startAt;
        std::string text;
        int64_t positionAfter;
    } cases[] = {
        {"zero byte", std::string("ab\0cd", 5), std::nullopt, 0, "ab", 2},
        {"at the zero byte", std::string("ab\0cd", 5), std::nullopt, 2, "", 2},
        {"end-of-file byte", "ab\x1A" "cd", std::nullopt, 0, "ab", 2},
        {"double-byte character kept", std::string("\xB0\xA1\0x", 4), std::nullopt, 0, "\xB0\xA1", 2},
        {"trail byte 0x1A is not an end", "\x81\x1A" "b", std::nullopt, 0, "\x81\x1A" "b", 3},
        {"lead byte before zero", std::string("a\xB0\0x", 4), std::nullopt, 0, "a", 2},
        {"no end: all bytes", "abcdef", 3, 0, "abc", 3},
        {"lead byte last of the bytes read", "a\xB0\xA1z", 2, 0, "a\xB0", 2},
        {"whole length from a later position", "abcdef", std::nullopt, 2, "cdef", 6},
        {"length beyond the end", "abc", 100, 1, "bc", 3},
        {"length far beyond the end", "abcdef", INT32_MAX, 2, "cdef", 6},
        {"length 0", "abc", 0, 1, "", 1},
        {"negative length", "abc", -4, 1, "", 1},
        {"at the end", "abc", std::nullopt, 3, "", 3},
        {"empty file", "", std::nullopt, 0, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t number = Open(Put("t.bin", c.bytes), 1);
        ASSERT_NE(number, 0);
        auto file = static_cast<NumberedFile*>(RegisteredFileObject(number));
        LARGE_INTEGER start;
        start.QuadPart = c.startAt;
        SetFilePointerEx(file->handle.Get(), start, nullptr, FILE_BEGIN);
        SIZE_T peakBefore = PeakWorkingSet();
        EXPECT_EQ(ReadText(number, c.length), c.text);
        EXPECT_EQ(Position(number), c.positionAfter);
        // The memory taken follows the bytes that can arrive, not the length asked for.
        EXPECT_LT(PeakWorkingSet() - peakBefore, SIZE_T{64} << 20);
        Close(number);
    }
}

TEST_F(FileNumbers, AReadFailureMovesToTheEnd) {
    int32_t number = Open(Put("w.txt", "abcdef"), 5);  // write only: reading fails
    ASSERT_NE(number, 0);
    EXPECT_EQ(ReadText(number, 3), "");
    EXPECT_EQ(Position(number), 6);
    Close(number);
}

TEST_F(FileNumbers, NumbersAreDistinctWhileOpen) {
    std::string path = Put("a.txt", "abc");
    int32_t a = Open(path, 1), b = Open(path, 1);
    EXPECT_NE(a, 0);
    EXPECT_NE(b, 0);
    EXPECT_NE(a, b);
    Close(a);
    EXPECT_EQ(ReadText(b, std::nullopt), "abc");
    Close(b);
}

}  // namespace
