#include "tool/audio/AtomicOutputFile.h"

bool AtomicOutputFile::Create(const std::string& folder, const std::string& target) {
    Discard();
    char temp[MAX_PATH];
    // A unique name, made (as an empty file) by the platform in the same folder, so the rename
    // never crosses volumes.
    if (!GetTempFileNameA(folder.c_str(), "cvt", 0, temp)) return false;
    temp_ = temp;
    target_ = target;
    file_.emplace(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!IsOpen()) {
        Discard();
        return false;
    }
    return true;
}

bool AtomicOutputFile::Write(const void* data, size_t size) {
    DWORD wrote = 0;
    return IsOpen() && WriteFile(file_->Get(), data, DWORD(size), &wrote, nullptr) && wrote == size;
}

bool AtomicOutputFile::Commit() {
    if (!IsOpen() || !FlushFileBuffers(file_->Get()) || !file_->Close()) return false;
    file_.reset();
    if (!MoveFileExA(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    temp_.clear();
    return true;
}

void AtomicOutputFile::Discard() {
    file_.reset();
    if (!temp_.empty()) DeleteFileA(temp_.c_str());
    temp_.clear();
}
