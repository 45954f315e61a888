#include "tool/audio/AudioInputFile.h"

#include <cstdio>

AudioProblem AudioInputFile::Open(const char* path) {
    file_.emplace(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file_->Valid() || !GetFileSizeEx(file_->Get(), &size)) {
        file_.reset();
        return AudioProblem::CannotOpen;
    }
    size_ = size.QuadPart;
    position_ = 0;
    return AudioProblem::None;
}

bool AudioInputFile::Read(void* buffer, size_t size, size_t* got) {
    *got = 0;
    auto* out = static_cast<char*>(buffer);
    while (*got < size) {
        const DWORD want = static_cast<DWORD>(size - *got > 0x40000000 ? 0x40000000 : size - *got);
        DWORD read = 0;
        if (!ReadFile(Handle(), out + *got, want, &read, nullptr)) return false;
        if (read == 0) break;
        *got += read;
        position_ += read;
    }
    return true;
}

bool AudioInputFile::ReadExactly(void* buffer, size_t size) {
    size_t got = 0;
    return Read(buffer, size, &got) && got == size;
}

bool AudioInputFile::Seek(int64_t offset, int whence) {
    const int64_t base = whence == SEEK_CUR ? position_ : whence == SEEK_END ? size_ : 0;
    const int64_t target = base + offset;
    if (target < 0 || target > size_) return false;
    LARGE_INTEGER to;
    to.QuadPart = target;
    if (!SetFilePointerEx(Handle(), to, nullptr, FILE_BEGIN)) return false;
    position_ = target;
    return true;
}
