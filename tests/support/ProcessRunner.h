// Runs a program and collects its standard output and exit code.
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

struct RunResult {
    DWORD exitCode = STILL_ACTIVE;
    std::string out;  // standard output, byte for byte
};

// Runs the command line (inheriting standard error), waiting up to timeoutMs.
RunResult RunCaptured(const std::string& commandLine, DWORD timeoutMs = 60000);

// Quotes one argument for a Windows command line.
std::string Quote(const std::string& arg);

}  // namespace testing_support
