// Files by number: OpenFileNumber, CloseFileNumber, ReadTextFromFile. The platform file object
// lives on the heap while its number is registered with the runtime (messages 2011 to 2013).
#include <windows.h>

#include <algorithm>

#include "commands/FileCommands.h"
#include "commands/FileNumbers.h"
#include "runtime/CommandArgs.h"
#include "runtime/FileRegistry.h"
#include "runtime/SupportLibraries.h"
#include "runtime/ValueHolders.h"

using command_args::Given;
using command_args::IntAt;
using command_args::TextAt;

namespace {

struct OpenMode {
    DWORD access;
    DWORD disposition;
};
// Modes 1 to 6: read, write, read and write on an existing file; write emptying or creating;
// write keeping or creating; read and write keeping or creating.
constexpr OpenMode kOpenModes[] = {
    {GENERIC_READ, OPEN_EXISTING},
    {GENERIC_WRITE, OPEN_EXISTING},
    {GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING},
    {GENERIC_WRITE, CREATE_ALWAYS},
    {GENERIC_WRITE, OPEN_ALWAYS},
    {GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS},
};
// Sharing 1 to 4: no restriction; others may not read; others may not write; neither.
constexpr DWORD kSharing[] = {FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_SHARE_WRITE, FILE_SHARE_READ, 0};

// The registered file a number names, or null.
NumberedFile* RegisteredFile(int32_t number) { return static_cast<NumberedFile*>(RegisteredFileObject(number)); }

bool Seek(HANDLE file, int64_t distance, DWORD from, int64_t* position = nullptr) {
    LARGE_INTEGER move, now;
    move.QuadPart = distance;
    if (!SetFilePointerEx(file, move, &now, from)) return false;
    if (position) *position = now.QuadPart;
    return true;
}

// Where the text read from a buffer ends, and where the file position goes.
struct TextEnd {
    size_t textLength;
    size_t nextRead;  // offset, from the start of the buffer, of the next byte to be read
};

// Steps over double-byte characters: the text ends at a zero byte or 0x1A (which is read
// next), or before a lead byte directly followed by a zero byte (the position goes behind
// the lead byte). With no end the text is all n bytes.
TextEnd ScanText(const uint8_t* bytes, size_t n) {
    size_t i = 0;
    while (i < n) {
        uint8_t b = bytes[i];
        if (b == 0 || b == 0x1A) return {i, i};
        if (b >= 0x80) {
            if (i + 1 < n && bytes[i + 1] == 0) return {i, i + 1};
            i += 2;
        } else {
            ++i;
        }
    }
    return {n, n};
}

}  // namespace

void OpenFileNumber(ArgRecord* result, int32_t n, ArgRecord* args) {
    const char* path = TextAt(n, args, 0);
    int32_t mode = IntAt(n, args, 1, 3);
    int32_t sharing = IntAt(n, args, 2, 1);
    *result = ArgRecord::Int(0);
    if (!*path || mode < 1 || mode > 6 || sharing < 1 || sharing > 4) return;
    const OpenMode& open = kOpenModes[mode - 1];
    auto file = new NumberedFile{FileHandle(CreateFileA(path, open.access, kSharing[sharing - 1], nullptr, open.disposition,
                                                        FILE_ATTRIBUTE_NORMAL, nullptr))};
    if (!file->handle.Valid()) {
        delete file;
        return;
    }
    *result = ArgRecord::Int(static_cast<int32_t>(RuntimeNotify(2012, reinterpret_cast<intptr_t>(file), kPlainFileKind)));
}

void CloseFileNumber(ArgRecord* result, int32_t n, ArgRecord* args) {
    void* object = RegisteredFileObject(IntAt(n, args, 0, 0));
    *result = ArgRecord::Empty();
    if (!object || RuntimeNotify(2013, reinterpret_cast<intptr_t>(object), 0) != 1) return;
    delete static_cast<NumberedFile*>(object);  // a failure while closing is swallowed
}

void ReadTextFromFile(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = ArgRecord::Text(nullptr);
    bool lengthGiven = Given(n, args, 1);
    int64_t length = IntAt(n, args, 1, 0);
    if (lengthGiven && length <= 0) return;
    NumberedFile* file = RegisteredFile(IntAt(n, args, 0, 0));
    if (!file) return;
    HANDLE h = file->handle.Get();
    LARGE_INTEGER size;
    const bool sized = GetFileSizeEx(h, &size) != 0;
    if (!lengthGiven) {
        if (!sized || size.QuadPart <= 0) return;
        length = size.QuadPart > INT32_MAX ? INT32_MAX : size.QuadPart;
    }
    int64_t start = 0;
    if (!Seek(h, 0, FILE_CURRENT, &start)) return;
    // No more than the bytes left can arrive, so a length far beyond them takes no more memory
    // (at least one byte, so that a read at the end still goes to the platform).
    if (sized && size.QuadPart - start < length) length = std::max<int64_t>(size.QuadPart - start, 1);
    Bytes buffer(MakeByteSet(nullptr, static_cast<size_t>(length)));
    DWORD arrived = 0;
    if (!ReadFile(h, buffer.Get()->Bytes(), static_cast<DWORD>(length), &arrived, nullptr)) {
        Seek(h, 0, FILE_END);
        return;
    }
    TextEnd end = ScanText(buffer.Data(), arrived);
    if (end.nextRead != arrived) Seek(h, start + static_cast<int64_t>(end.nextRead), FILE_BEGIN);
    result->data.ptr = MakeText(reinterpret_cast<const char*>(buffer.Data()), end.textLength);
}
