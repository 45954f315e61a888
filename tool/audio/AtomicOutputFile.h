// A file written in full or not at all: the bytes go to a temporary file in the target's own
// folder, which replaces the target (MoveFileEx) only when Commit is called. A file that is not
// committed is deleted, so a failed conversion leaves neither a part nor a temporary file, and
// an earlier file of that name stays as it was.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "commands/FileHandle.h"

class AtomicOutputFile {
public:
    AtomicOutputFile() = default;
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;
    ~AtomicOutputFile() { Discard(); }

    // Makes the temporary file in `folder` (an existing one) for the final `target`.
    bool Create(const std::string& folder, const std::string& target);
    bool Write(const void* data, size_t size);
    // Closes the temporary file and puts it in the target's place.
    bool Commit();
    void Discard();

private:
    bool IsOpen() const { return file_ && file_->Valid(); }

    std::optional<FileHandle> file_;
    std::string temp_, target_;
};
