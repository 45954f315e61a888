// Runs a program and collects its standard output and exit code.
#pragma once
#include <windows.h>

#include <initializer_list>
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

// The command line for a program beside the test program: its quoted path, then the arguments
// (each quoted) and a raw tail appended as it is.
std::string SiblingCommand(const std::string& exeName, std::initializer_list<std::string> args,
                           const std::string& rawTail = "");

}  // namespace testing_support
