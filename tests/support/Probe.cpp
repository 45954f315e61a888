#include "tests/support/Probe.h"

#include <sstream>

#include "tests/support/ProcessRunner.h"
#include "tests/support/WindowDriver.h"

namespace testing_support {

ProbeOutput Probe(const std::vector<std::string>& args, DWORD timeoutMs) {
    std::string cmd = Quote(ProgramFolder() + "cmdprobe.exe");
    for (const auto& a : args) {
        cmd += ' ';
        cmd += Quote(a);
    }
    RunResult run = RunCaptured(cmd, timeoutMs);
    ProbeOutput out;
    out.exitCode = run.exitCode;
    out.raw = run.out;
    std::istringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("box ", 0) == 0) out.boxes.push_back(line.substr(4));
        else if (line.rfind("ref ", 0) == 0) out.refs.push_back(line.substr(4));
        else if (out.result.empty()) out.result = line;
    }
    return out;
}

std::string TextResult(const std::string& gbk) { return "80000004 " + ToHex(gbk); }
std::string ByteSetResult(const std::string& bytes) { return "80000005 " + ToHex(bytes); }
std::string IntResult(long long v) { return "80000301 " + std::to_string(v); }
std::string LogicalResult(bool v) { return std::string("80000002 ") + (v ? "1" : "0"); }

}  // namespace testing_support
