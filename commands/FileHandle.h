// An owned platform file handle, closed when the owner goes.
#pragma once
#include <windows.h>

#include <utility>

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE h) : h_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
    ~FileHandle() { Close(); }

    bool Valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE Get() const { return h_; }
    // Closes now; false when the platform reports a failure (buffered data not written).
    bool Close() {
        if (!Valid()) return true;
        return CloseHandle(std::exchange(h_, INVALID_HANDLE_VALUE)) != 0;
    }

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};
