// Runs the command probe (cmdprobe.exe beside the test program) and splits what it printed.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

struct ProbeOutput {
    DWORD exitCode = 0;
    std::vector<std::string> boxes;  // "CAPTIONHEX TEXTHEX" of each box line
    std::string result;              // "TTTTTTTT VALUE"
    std::vector<std::string> refs;   // values of the "ref N" lines
    std::string raw;
};

// args: the command name first, then the probe's typed arguments (t:..., i:..., ...).
ProbeOutput Probe(const std::vector<std::string>& args, DWORD timeoutMs = 60000);

// The result line for a text result (its bytes in hex; empty text prints nothing after the blank).
std::string TextResult(const std::string& gbk);
std::string ByteSetResult(const std::string& bytes);
std::string IntResult(long long v);
std::string LogicalResult(bool v);

}  // namespace testing_support
