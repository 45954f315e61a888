// Watches a program and every process it starts, as a debugger does: the program is started
// under a debugger thread of the test, which sees each process come and go (its id, its command
// line as the process itself holds it, its exit code) and each thread start and end. A test
// thus sees what a program really ran, without the program's help.
#pragma once
#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace testing_support {

struct WatchedProcess {
    DWORD id = 0;
    std::string commandLine;  // as the process's own parameters hold it (CP_ACP)
    int liveThreads = 0;
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
};

// A copy of this process's environment with the variable (any case of its name) removed, then
// set to value unless value is nullopt; in the form CreateProcess takes.
std::string EnvironmentWith(const std::string& name, const std::optional<std::string>& value);

class ProcessWatch {
public:
    // Starts the command line (environment: a block as EnvironmentWith makes, "" = this one's).
    ProcessWatch(const std::string& commandLine, const std::string& environment = "");
    ~ProcessWatch();  // ends whatever still runs after waiting up to a minute for all to end
    ProcessWatch(const ProcessWatch&) = delete;
    ProcessWatch& operator=(const ProcessWatch&) = delete;

    bool Started();  // waits until the program is started or failed to start
    DWORD RootId();

    // Every process seen, in the order they started (the program first).
    std::vector<WatchedProcess> Processes();
    // Waits until the condition holds over Processes(); false on timeout.
    bool WaitFor(const std::function<bool(const std::vector<WatchedProcess>&)>& condition, DWORD timeoutMs = 60000);
    bool WaitUntilAllEnded(DWORD timeoutMs = 60000);

private:
    void Run(std::string commandLine, std::string environment);
    WatchedProcess* Find(DWORD id);

    std::mutex mutex_;
    std::condition_variable changed_;
    enum class State { starting, running, failed, done } state_ = State::starting;
    std::vector<WatchedProcess> processes_;
    std::vector<std::pair<DWORD, HANDLE>> liveHandles_;  // the debug events' own, for ending them at the end
    bool stop_ = false;
    std::thread debugger_;
};

}  // namespace testing_support
