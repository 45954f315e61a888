// audio_bench INPUT FOLDER mono|kept: converts INPUT into FOLDER with ConvertAudioFile, as the
// tool does, and prints what it took, timed by the process itself, and the memory the process
// took: private bytes and working set before the conversion and at their peak
// (GetProcessMemoryInfo).
//   output, one a line (audio_bench.sh reads them): "output PATH", "audio_seconds S",
//   "seconds S" (wall clock), "cpu_seconds S" (user and kernel time of the process),
//   "private_base B", "private_peak B", "working_set_base B", "working_set_peak B"
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "tool/audio/AudioConversion.h"

namespace {
PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return m;
}

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) { return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (std::strcmp(argv[3], "mono") && std::strcmp(argv[3], "kept"))) {
        std::fprintf(stderr, "usage: audio_bench INPUT FOLDER mono|kept\n");
        return 2;
    }
    const AudioFileFacts facts = ProbeAudioFile(argv[1]);
    if (!facts.Readable()) {
        std::fprintf(stderr, "audio_bench: %s: problem %d\n", argv[1], static_cast<int>(facts.problem));
        return 1;
    }
    const PROCESS_MEMORY_COUNTERS base = Memory();
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const ConversionResult r = ConvertAudioFile(argv[1], argv[2], std::strcmp(argv[3], "mono") == 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    const PROCESS_MEMORY_COUNTERS peak = Memory();
    if (r.outcome != ConversionOutcome::Converted) {
        std::fprintf(stderr, "audio_bench: %s: not converted (problem %d)\n", argv[1], static_cast<int>(r.problem));
        return 1;
    }
    std::printf("output %s\naudio_seconds %.3f\nseconds %.4f\ncpu_seconds %.4f\n", r.installPath.c_str(), facts.Seconds(),
                seconds, cpu);
    std::printf("private_base %llu\nprivate_peak %llu\nworking_set_base %llu\nworking_set_peak %llu\n",
                static_cast<unsigned long long>(base.PagefileUsage), static_cast<unsigned long long>(peak.PeakPagefileUsage),
                static_cast<unsigned long long>(base.WorkingSetSize), static_cast<unsigned long long>(peak.PeakWorkingSetSize));
    return 0;
}
