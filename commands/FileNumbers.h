// The file object behind a file number: heap-allocated by OpenFileNumber, registered with the
// runtime under its kind byte, destroyed by CloseFileNumber.
#pragma once
#include <cstdint>

#include "commands/FileHandle.h"

struct NumberedFile {
    FileHandle handle;
};
constexpr uint8_t kPlainFileKind = 1;  // the registry's kind byte for a plain file
