// sha1_bench FILE: reads FILE whole (ReadWholeFile, as the tool does), hashes it with
// ComputeSha1Hex several times and prints the best time, the throughput and the memory the
// process took: private bytes and working set, before reading and at their peak, from
// GetProcessMemoryInfo.
//   output: "size BYTES", "hash HEX", "seconds S", "mbps X", "empty_seconds S" (the fixed cost:
//           hashing empty input), "private_base B", "private_peak B",
//           "working_set_base B", "working_set_peak B" (one a line; sha1_bench.sh reads them)
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "tool/AudioFingerprint.h"

namespace {
PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return m;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: sha1_bench FILE [RUNS]\n");
        return 2;
    }
    int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    ComputeSha1Hex(nullptr);  // binds the CryptoAPI entries before anything is measured
    PROCESS_MEMORY_COUNTERS base = Memory();
    Bytes content = cmd::TakeBytes(cmd::Call(ReadWholeFile, argv[1]));
    if (content.Empty()) {
        std::fprintf(stderr, "sha1_bench: cannot read %s\n", argv[1]);
        return 1;
    }
    double best = 1e30;
    Text hash;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        hash = ComputeSha1Hex(content.Get());
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (s < best) best = s;
    }
    PROCESS_MEMORY_COUNTERS peak = Memory();
    double emptyBest = 1e30;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        Text empty = ComputeSha1Hex(nullptr);
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (s < emptyBest) emptyBest = s;
    }
    double mb = static_cast<double>(content.Length()) / 1e6;
    std::printf("size %u\nhash %s\nseconds %.6f\nmbps %.1f\nempty_seconds %.6f\n", static_cast<unsigned>(content.Length()),
                hash.CStr(), best, mb / best, emptyBest);
    std::printf("private_base %llu\nprivate_peak %llu\nworking_set_base %llu\nworking_set_peak %llu\n",
                static_cast<unsigned long long>(base.PagefileUsage), static_cast<unsigned long long>(peak.PeakPagefileUsage),
                static_cast<unsigned long long>(base.WorkingSetSize), static_cast<unsigned long long>(peak.PeakWorkingSetSize));
    return hash.Empty() ? 1 : 0;
}
