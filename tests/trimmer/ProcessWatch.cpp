#include "tests/trimmer/ProcessWatch.h"

#include <winternl.h>

#include <algorithm>
#include <cctype>
#include <chrono>

namespace testing_support {
namespace {

template <typename T>
bool ReadRemote(HANDLE process, const void* at, T& out, SIZE_T size = sizeof(T)) {
    SIZE_T got = 0;
    return ReadProcessMemory(process, at, &out, size, &got) && got == size;
}

// The command line from the process's own parameter block (its environment block's neighbour,
// filled in before the process reports its start to the debugger).
std::string CommandLineOf(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return "?";
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    if (!ReadRemote(process, basic.PebBaseAddress, peb) || !ReadRemote(process, peb.ProcessParameters, parameters))
        return "?";
    std::wstring wide(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    if (!wide.empty() && !ReadRemote(process, parameters.CommandLine.Buffer, wide[0], parameters.CommandLine.Length))
        return "?";
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string EnvironmentWith(const std::string& name, const std::optional<std::string>& value) {
    std::string block;
    char* all = GetEnvironmentStringsA();
    for (const char* p = all; *p; p += std::char_traits<char>::length(p) + 1) {
        std::string entry = p;
        size_t equals = entry.find('=', 1);  // "=C:=C:\..." entries start with '='
        if (equals != std::string::npos && SameName(entry.substr(0, equals), name)) continue;
        block += entry;
        block += '\0';
    }
    FreeEnvironmentStringsA(all);
    if (value) {
        block += name + "=" + *value;
        block += '\0';
    }
    block += '\0';
    return block;
}

ProcessWatch::ProcessWatch(const std::string& commandLine, const std::string& environment)
    : debugger_(&ProcessWatch::Run, this, commandLine, environment) {}

ProcessWatch::~ProcessWatch() {
    if (!WaitUntilAllEnded(60000)) {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    debugger_.join();
}

bool ProcessWatch::Started() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return state_ != State::starting; });
    return state_ != State::failed;
}

DWORD ProcessWatch::RootId() {
    if (!Started()) return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    return processes_.empty() ? 0 : processes_.front().id;
}

std::vector<WatchedProcess> ProcessWatch::Processes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return processes_;
}

bool ProcessWatch::WaitFor(const std::function<bool(const std::vector<WatchedProcess>&)>& condition, DWORD timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return condition(processes_); });
}

bool ProcessWatch::WaitUntilAllEnded(DWORD timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return state_ == State::done || state_ == State::failed; });
}

WatchedProcess* ProcessWatch::Find(DWORD id) {
    for (WatchedProcess& p : processes_)
        if (p.id == id && !p.ended) return &p;
    return nullptr;
}

void ProcessWatch::Run(std::string commandLine, std::string environment) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DEBUG_PROCESS,
                                  environment.empty() ? nullptr : environment.data(), nullptr, &startup, &info);
    if (!started) {
        std::lock_guard<std::mutex> lock(mutex_);
        state_ = State::failed;
        changed_.notify_all();
        return;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    int live = 0;
    for (;;) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, 100)) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stop_)
                for (const auto& entry : liveHandles_) TerminateProcess(entry.second, 99);
            continue;
        }
        DWORD how = DBG_CONTINUE;
        bool allEnded = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            WatchedProcess* process = Find(event.dwProcessId);
            switch (event.dwDebugEventCode) {
            case CREATE_PROCESS_DEBUG_EVENT: {
                const CREATE_PROCESS_DEBUG_INFO& created = event.u.CreateProcessInfo;
                if (created.hFile) CloseHandle(created.hFile);
                WatchedProcess seen;
                seen.id = event.dwProcessId;
                seen.commandLine = CommandLineOf(created.hProcess);
                seen.liveThreads = 1;
                processes_.push_back(seen);
                liveHandles_.emplace_back(event.dwProcessId, created.hProcess);
                ++live;
                state_ = State::running;
                break;
            }
            case CREATE_THREAD_DEBUG_EVENT:
                if (process) ++process->liveThreads;
                break;
            case EXIT_THREAD_DEBUG_EVENT:
                if (process) --process->liveThreads;
                break;
            case EXIT_PROCESS_DEBUG_EVENT:
                if (process) {
                    process->ended = true;
                    process->liveThreads = 0;
                    process->exitCode = event.u.ExitProcess.dwExitCode;
                }
                // The handle is the system's, closed once this event is continued.
                std::erase_if(liveHandles_, [&](const auto& h) { return h.first == event.dwProcessId; });
                allEnded = --live == 0;
                break;
            case LOAD_DLL_DEBUG_EVENT:
                if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
                break;
            case EXCEPTION_DEBUG_EVENT: {
                DWORD code = event.u.Exception.ExceptionRecord.ExceptionCode;
                // The loader's breakpoint at each start is the debugger's; anything else is the
                // program's own to handle.
                if (code != EXCEPTION_BREAKPOINT && code != 0x4000001F /* breakpoint of a WOW64 process */)
                    how = DBG_EXCEPTION_NOT_HANDLED;
                break;
            }
            default:
                break;
            }
            changed_.notify_all();
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, how);
        if (allEnded) break;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = State::done;
    changed_.notify_all();
}

}  // namespace testing_support
