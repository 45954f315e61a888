// File, folder, INI and environment commands, on the platform's ANSI file functions.
// None shows a message or raises a runtime error: a failure is a neutral result.
#pragma once
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

// The size of the buffer ReadIniValue hands the profile function, terminating zero included.
constexpr int kIniValueBufferSize = 10240;
