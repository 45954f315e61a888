// Start-up of the product to its visible main window, against a bare Win32 program that
// registers a class and shows one window, all started the same way in the same run:
//   startup_bench [runs]
// Each run starts the program (CreateProcessA), waits until a visible top-level window of the
// process appears (looked for every millisecond), then closes it and waits for the exit. The
// programs take turns, so all see the same machine load. A third program, the bare one with the
// platform libraries the product starts with, shows how much of the difference those take.
// Prints the median and the fastest time of each and the ratios of the medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string Beside(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1) + name;
}

struct Find {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp) {
    auto* f = reinterpret_cast<Find*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == f->pid && IsWindowVisible(hwnd)) {
        f->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcessA to the first visible window; -1 when none came in 30 s.
double TimeToWindow(const std::string& program) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + program + "\"";
    double start = Now();
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double elapsed = -1;
    Find f{pi.dwProcessId, nullptr};
    while (Now() - start < 30000) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&f));
        if (f.found) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    if (f.found) PostMessageA(f.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const char* names[] = {"bare_window.exe", "bare_window_libs.exe", "Vellumtone.exe"};
    std::vector<double> times[3];
    for (const char* name : names) TimeToWindow(Beside(name));  // the first start of each warms Wine's caches
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 3; ++p) {
            double t = TimeToWindow(Beside(names[p]));
            if (t < 0) {
                std::printf("run %d: %s showed no window\n", i + 1, names[p]);
                return 1;
            }
            times[p].push_back(t);
        }
    }
    std::printf("runs: %d\n", runs);
    for (int p = 0; p < 3; ++p)
        std::printf("%-22s median %7.1f ms  fastest %7.1f ms\n", names[p], Median(times[p]),
                    *std::min_element(times[p].begin(), times[p].end()));
    std::printf("Vellumtone / bare_window       %.2f (medians)\n", Median(times[2]) / Median(times[0]));
    std::printf("Vellumtone / bare_window_libs  %.2f (medians)\n", Median(times[2]) / Median(times[1]));
    return 0;
}
