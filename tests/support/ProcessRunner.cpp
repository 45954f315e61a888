#include "tests/support/ProcessRunner.h"

#include "tests/support/WindowDriver.h"

namespace testing_support {

RunResult RunCaptured(const std::string& commandLine, DWORD timeoutMs) {
    RunResult result;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::string cmd = commandLine;
    BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return result;
    }
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0) result.out.append(buf, got);
    CloseHandle(readEnd);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return result;
}

std::string Quote(const std::string& arg) {
    std::string q = "\"";
    size_t backslashes = 0;
    for (size_t i = 0; i < arg.size(); ++i) {
        char c = arg[i];
        if (static_cast<unsigned char>(c) >= 0x80 && i + 1 < arg.size()) {
            // A GBK character: its trail byte may be 0x5C and is no backslash.
            q.append(backslashes, '\\');
            backslashes = 0;
            q += c;
            q += arg[++i];
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') q.append(backslashes * 2 + 1, '\\');
        else q.append(backslashes, '\\');
        backslashes = 0;
        q += c;
    }
    q.append(backslashes * 2, '\\');
    return q + "\"";
}

std::string SiblingCommand(const std::string& exeName, std::initializer_list<std::string> args, const std::string& rawTail) {
    std::string cmd = Quote(ProgramFolder() + exeName);
    for (const std::string& a : args) {
        cmd += ' ';
        cmd += Quote(a);
    }
    if (!rawTail.empty()) {
        cmd += ' ';
        cmd += rawTail;
    }
    return cmd;
}

}  // namespace testing_support
