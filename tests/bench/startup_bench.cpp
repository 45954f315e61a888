// Start-up of the product to its visible main window, against a bare Win32 program that
// registers a class and shows one window, both started the same way in the same run:
//   startup_bench [runs]
// Each run starts the program (CreateProcessA), waits until a visible top-level window of the
// process appears (looked for every millisecond), then closes it and waits for the exit. The
// programs alternate, so both see the same machine load. Prints the median and the fastest
// time of each and the ratio of the medians.
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
    const std::string product = Beside("Vellumtone.exe"), bare = Beside("bare_window.exe");
    std::vector<double> productTimes, bareTimes;
    TimeToWindow(bare);  // the first start of any program pays for the Wine desktop's caches
    TimeToWindow(product);
    for (int i = 0; i < runs; ++i) {
        double b = TimeToWindow(bare), p = TimeToWindow(product);
        if (b < 0 || p < 0) {
            std::printf("run %d: a program showed no window\n", i + 1);
            return 1;
        }
        bareTimes.push_back(b);
        productTimes.push_back(p);
    }
    double mp = Median(productTimes), mb = Median(bareTimes);
    std::printf("runs: %d\n", runs);
    std::printf("Vellumtone.exe   median %7.1f ms  fastest %7.1f ms\n", mp, *std::min_element(productTimes.begin(), productTimes.end()));
    std::printf("bare_window.exe  median %7.1f ms  fastest %7.1f ms\n", mb, *std::min_element(bareTimes.begin(), bareTimes.end()));
    std::printf("ratio (medians)  %.2f\n", mp / mb);
    return 0;
}
