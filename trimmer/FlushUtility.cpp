// The flush utility the program carries and runs as "empty.exe": started with a decimal process
// id, it asks Windows to take as many of that process's pages out of physical memory as it can
// (a working-set size of -1, -1), then exits.
//
// It is built without the C runtime (its own entry point, kernel32 only), so that the copy the
// program carries stays a few KB.
//
// Exit codes: 0 flushed, 2 no process id on the command line, 3 the process cannot be opened,
// 4 the flush was refused.
#include <windows.h>

namespace {

const char kUsage[] = "usage: empty.exe <process id>\r\n";
const char kCannotOpen[] = "empty.exe: the process cannot be opened\r\n";
const char kRefused[] = "empty.exe: the working set cannot be flushed\r\n";

[[noreturn]] void Finish(UINT exitCode, const char* message, DWORD length) {
    if (message) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, length, &written, nullptr);
    }
    ExitProcess(exitCode);
}

template <size_t N>
[[noreturn]] void Fail(UINT exitCode, const char (&message)[N]) {
    Finish(exitCode, message, N - 1);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The command line's first argument after the program name, read as a decimal process id.
bool ReadProcessId(const char* line, DWORD& id) {
    const char* p = line;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && !IsBlank(*p)) ++p;
    }
    while (IsBlank(*p)) ++p;
    DWORD value = 0;
    const char* digits = p;
    while (*p >= '0' && *p <= '9') {
        DWORD next = value * 10 + static_cast<DWORD>(*p - '0');
        if (next / 10 != value) return false;  // more than 32 bits
        value = next;
        ++p;
    }
    if (p == digits || (*p && !IsBlank(*p))) return false;
    id = value;
    return true;
}

}  // namespace

extern "C" [[noreturn]] void FlushUtilityEntry() {
    DWORD id = 0;
    if (!ReadProcessId(GetCommandLineA(), id)) Fail(2, kUsage);
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (!process) Fail(3, kCannotOpen);
    BOOL flushed = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    CloseHandle(process);
    if (!flushed) Fail(4, kRefused);
    Finish(0, nullptr, 0);
}
