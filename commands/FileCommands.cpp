#include "commands/FileCommands.h"

#include <windows.h>

#include <cstdlib>

#include "commands/CoreLibrary.h"
#include "commands/FileHandle.h"
#include "runtime/CommandArgs.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/ValueHolders.h"

using command_args::BytesAt;
using command_args::Given;
using command_args::TextAt;

namespace {

ArgRecord LogicalOf(BOOL platformResult) { return ArgRecord::Logical(platformResult != 0); }

// The first directory entry matching the path (wildcards honoured), if any.
bool FindFirstEntry(const char* path, WIN32_FIND_DATAA& entry) {
    if (!*path) return false;
    HANDLE search = FindFirstFileA(path, &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// Reads the whole open file into one byte set taken at its final size, so hashing a file
// afterwards needs its size in memory and nothing more. Fewer bytes than the length keep what
// arrived; a read failure, or a file too large for a byte set, gives the empty byte set.
ByteSet* ReadAll(HANDLE file) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return nullptr;
    const std::optional<uint32_t> toRead = WholeFileReadLength(size.QuadPart);
    if (!toRead || *toRead == 0) return nullptr;
    const DWORD length = *toRead;
    auto block = static_cast<ByteSet*>(RuntimeAlloc(sizeof(ByteSet) + size_t{length}));
    block->one = 1;
    DWORD arrived = 0;
    if (!ReadFile(file, block->Bytes(), length, &arrived, nullptr) || arrived == 0) {
        RuntimeFree(block);
        return nullptr;
    }
    if (arrived < length) block = static_cast<ByteSet*>(RuntimeRealloc(block, sizeof(ByteSet) + arrived));
    block->length = arrived;
    return block;
}

// Text leading bytes of 0x20 or less skipped, as the INI commands take path, section and key.
const char* SkipBlanks(const char* s) {
    while (*s && static_cast<unsigned char>(*s) <= 0x20) ++s;
    return s;
}

}  // namespace

std::optional<uint32_t> WholeFileReadLength(int64_t fileSize) {
    if (fileSize < 0 || fileSize > int64_t{kLargestByteSet}) return std::nullopt;
    return static_cast<uint32_t>(fileSize);
}

void RunDirectory(ArgRecord* result, int32_t, ArgRecord*) {
    *result = ArgRecord::Text(MakeText(Runtime().programFolder.c_str()));
}

void FileExists(ArgRecord* result, int32_t n, ArgRecord* args) {
    WIN32_FIND_DATAA entry;
    *result = ArgRecord::Logical(FindFirstEntry(TextAt(n, args, 0), entry));
}

void FileSize(ArgRecord* result, int32_t n, ArgRecord* args) {
    WIN32_FIND_DATAA entry;
    *result = ArgRecord::Int(FindFirstEntry(TextAt(n, args, 0), entry) ? static_cast<int32_t>(entry.nFileSizeLow) : -1);
}

void ReadWholeFile(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* path = TextAt(n, args, 0);
    ByteSet* bytes = nullptr;
    if (*path) {
        FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Valid()) bytes = ReadAll(file.Get());
    }
    *result = ArgRecord::Bytes(bytes);
}

void WriteBytesToFile(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* path = TextAt(n, args, 0);
    *result = ArgRecord::Logical(false);
    if (!*path) return;
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return;
    for (int32_t i = 1; i < n; ++i) {
        const ByteSet* bytes = BytesAt(n, args, i);  // any other argument writes nothing
        DWORD length = static_cast<DWORD>(ByteSetLength(bytes));
        DWORD written = 0;
        if (length && (!WriteFile(file.Get(), bytes->Bytes(), length, &written, nullptr) || written != length)) return;
    }
    *result = ArgRecord::Logical(file.Close());
}

void CopyOneFile(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = LogicalOf(CopyFileA(TextAt(n, args, 0), TextAt(n, args, 1), FALSE));
}

void RemoveFile(ArgRecord* result, int32_t n, ArgRecord* args) { *result = LogicalOf(DeleteFileA(TextAt(n, args, 0))); }

void MakeDirectory(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = LogicalOf(CreateDirectoryA(TextAt(n, args, 0), nullptr));
}

void ReadIniValue(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* path = SkipBlanks(TextAt(n, args, 0));
    const char* section = SkipBlanks(TextAt(n, args, 1));
    const char* key = SkipBlanks(TextAt(n, args, 2));
    *result = ArgRecord::Text(nullptr);
    if (!*path || !*section || !*key) return;
    const char* fallback = TextAt(n, args, 3);
    char* buffer = static_cast<char*>(RuntimeAlloc(kIniValueBufferSize));
    buffer[0] = 0;
    GetPrivateProfileStringA(section, key, *fallback ? fallback : nullptr, buffer, kIniValueBufferSize, path);
    buffer[kIniValueBufferSize - 1] = 0;
    result->data.ptr = MakeText(buffer);
    RuntimeFree(buffer);
}

void WriteIniValue(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* key = Given(n, args, 2) ? TextAt(n, args, 2) : nullptr;
    const char* value = Given(n, args, 3) ? TextAt(n, args, 3) : nullptr;
    *result = LogicalOf(WritePrivateProfileStringA(TextAt(n, args, 1), key, value, TextAt(n, args, 0)));
}

void ReadEnvVariable(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* value = std::getenv(TextAt(n, args, 0));
    *result = ArgRecord::Text(MakeText(value));
}

namespace {
const CommandInfo kFileCommands[] = {
    {"RunDirectory", RunDirectory},
    {"FileExists", FileExists},
    {"FileSize", FileSize},
    {"ReadWholeFile", ReadWholeFile},
    {"WriteBytesToFile", WriteBytesToFile},
    {"OpenFileNumber", OpenFileNumber},
    {"CloseFileNumber", CloseFileNumber},
    {"ReadTextFromFile", ReadTextFromFile},
    {"CopyOneFile", CopyOneFile},
    {"RemoveFile", RemoveFile},
    {"MakeDirectory", MakeDirectory},
    {"ReadIniValue", ReadIniValue},
    {"WriteIniValue", WriteIniValue},
    {"ReadEnvVariable", ReadEnvVariable},
};
}

std::span<const CommandInfo> FileCommandTable() { return kFileCommands; }
