// An audio file opened for reading by its ANSI (GBK) path, with the few calls that the codec
// libraries' read callbacks need. Nothing here throws, so the callbacks may call it directly.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>  // SEEK_SET, SEEK_CUR, SEEK_END
#include <optional>

#include "commands/FileHandle.h"
#include "tool/audio/AudioProblem.h"

class AudioInputFile {
public:
    AudioProblem Open(const char* path);  // CannotOpen for a missing file, a folder, no access
    void Close() { file_.reset(); }
    bool IsOpen() const { return file_ && file_->Valid(); }

    // Up to size bytes; *got is less than size only at the end of the file. False on a read error.
    bool Read(void* buffer, size_t size, size_t* got);
    // All of size bytes, or false (the end of the file came first, or a read error).
    bool ReadExactly(void* buffer, size_t size);
    // whence: SEEK_SET, SEEK_CUR or SEEK_END. False outside 0..Size().
    bool Seek(int64_t offset, int whence);
    int64_t Tell() const { return position_; }
    int64_t Size() const { return size_; }
    bool AtEnd() const { return position_ >= size_; }

private:
    HANDLE Handle() const { return file_ ? file_->Get() : INVALID_HANDLE_VALUE; }

    std::optional<FileHandle> file_;
    int64_t size_ = 0;
    int64_t position_ = 0;
};
