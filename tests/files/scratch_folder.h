// A scratch folder beside the test program, made fresh for each test and removed after it,
// with helpers to lay out and read back files byte for byte.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Full path of a name inside the folder ("" gives the folder itself, no trailing backslash).
    std::string Path(const std::string& name = "") const;
    std::string Put(const std::string& name, const std::string& bytes) const;  // returns the path
    void MakeReadOnly(const std::string& name) const;
    // Opens the file with no sharing at all: nobody else may open it while the handle lives.
    // (The read-only attribute alone does not stop a process running as root under Wine.)
    HANDLE LockExclusively(const std::string& name) const;

private:
    std::string root_;
};

std::optional<std::string> ReadRaw(const std::string& path);
