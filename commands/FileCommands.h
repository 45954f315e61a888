// File, folder, INI and environment commands, on the platform's ANSI file functions.
// None shows a message or raises a runtime error: a failure is a neutral result.
#pragma once
#include <cstdint>
#include <optional>

#include "runtime/ArgRecord.h"

void RunDirectory(ArgRecord* result, int32_t n, ArgRecord* args);
void FileExists(ArgRecord* result, int32_t n, ArgRecord* args);
void FileSize(ArgRecord* result, int32_t n, ArgRecord* args);
void ReadWholeFile(ArgRecord* result, int32_t n, ArgRecord* args);
void WriteBytesToFile(ArgRecord* result, int32_t n, ArgRecord* args);
void CopyOneFile(ArgRecord* result, int32_t n, ArgRecord* args);
void RemoveFile(ArgRecord* result, int32_t n, ArgRecord* args);
void MakeDirectory(ArgRecord* result, int32_t n, ArgRecord* args);
void ReadIniValue(ArgRecord* result, int32_t n, ArgRecord* args);
void WriteIniValue(ArgRecord* result, int32_t n, ArgRecord* args);
void ReadEnvVariable(ArgRecord* result, int32_t n, ArgRecord* args);

// Files by number (FileNumberCommands.cpp): the numbers are kept in the runtime's registry.
void OpenFileNumber(ArgRecord* result, int32_t n, ArgRecord* args);
void CloseFileNumber(ArgRecord* result, int32_t n, ArgRecord* args);
void ReadTextFromFile(ArgRecord* result, int32_t n, ArgRecord* args);

// The most bytes a byte set holds: program code reads a byte set's length as a 32-bit signed
// integer. Its block (length and header) never wraps the 32-bit build's address arithmetic.
constexpr uint32_t kLargestByteSet = INT32_MAX;

// How many bytes ReadWholeFile reads of a file of the given (64-bit) size: all of them when a
// byte set can hold them; none (no value) for a larger file or a size the platform gave wrongly,
// which ReadWholeFile treats like a file it cannot read.
std::optional<uint32_t> WholeFileReadLength(int64_t fileSize);

// The size of the buffer ReadIniValue hands the profile function, terminating zero included.
constexpr int kIniValueBufferSize = 10240;
