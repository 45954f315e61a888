// The tool's two costs a user waits for, measured through the program under Wine:
//
// 1. Start: from CreateProcess to the visible main window, against a bare Win32 window program
//    (bare_window.exe) started the same way in the same run. The tool's start holds two boxes and
//    the index dialog, answered here as soon as each is ready; the time they stand on screen is
//    the user's, reported apart and taken out of the tool's own figure. The update check's share
//    is its time in a fresh process of its own (it runs first in every start).
// 2. A write on a 5 MB index with a 3 MB audio file: from the click on the replace button to the
//    first success message, against copying the same bytes with CopyFileA and hashing the audio
//    (read whole, SHA-1 through the CryptoAPI) in this process; and the tool's memory (peak
//    working set and peak private bytes, before the click and after the write).
//
//   tool_bench [runs]        (in the Wine session: drive D: must be mapped)
//   tool_bench --update-check-once   (internal: one update check, prints its milliseconds)
#include <windows.h>
#include <psapi.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "runtime/RuntimeApplication.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/Sha1.h"
#include "tests/support/WindowDriver.h"
#include "tests/tool_e2e/GameFolder.h"
#include "tests/tool_e2e/IndexShapes.h"
#include "tests/tool_e2e/ToolRun.h"
#include "tool/UpdateCheck.h"

using namespace tool_e2e;
using namespace testing_support;

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

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Start {
    double total = -1;     // CreateProcess to the visible main window
    double firstBox = -1;  // CreateProcess to the first box
    double onScreen = 0;   // boxes and dialog on screen before being answered
};

// The found message, the index dialog and (not on a first run) the second-run message, each
// answered once it is ready, until the window is there.
template <typename FindWindow>
Start AnswerStart(ToolRun& run, double t0, const std::string& indexPath, FindWindow findWindow) {
    Start s;
    HWND window = nullptr;
    for (int step = 0; step < 3 && !window; ++step) {
        HWND dialog = run.NextDialog();
        double seen = Now();
        if (!dialog) return s;
        if (step == 0) s.firstBox = seen - t0;
        if (IsFileDialog(dialog)) ChooseInFileDialog(dialog, indexPath);
        else PressDefaultButton(dialog);
        WaitUntilGone(dialog, 10000);
        s.onScreen += Now() - seen;
        if (step == 1) window = findWindow(true);
    }
    if (!window) window = findWindow(false);
    if (window) s.total = Now() - t0;
    return s;
}

// The bare program, alone or with the start's dialogs.
Start BareStart(const std::string& dialogsFolder, const std::string& indexPath) {
    double t0 = Now();
    ToolRun bare(Quote(ProgramFolder() + "bare_window.exe") + (dialogsFolder.empty() ? "" : " dialogs " + Quote(dialogsFolder)), true);
    Start s;
    auto window = [&](bool mayBeBox) -> HWND {
        for (double start = Now(); Now() - start < 60000; Sleep(5)) {
            if (HWND w = FindProcessWindow(bare.Id(), "BareWindow", "bare")) return w;
            if (mayBeBox && FindProcessDialog(bare.Id())) return nullptr;
        }
        return nullptr;
    };
    if (dialogsFolder.empty()) {
        if (window(false)) s.total = Now() - t0;
    } else {
        s = AnswerStart(bare, t0, indexPath, window);
    }
    if (HWND w = FindProcessWindow(bare.Id(), "BareWindow", "bare")) PostMessageA(w, WM_CLOSE, 0, 0);
    bare.WaitExit(10000);
    return s;
}

// A dialog of the run, waited for; the time it appeared is when it was first seen.
HWND NextDialogTimed(ToolRun& run, double& seenAt) {
    HWND dialog = run.NextDialog();
    seenAt = Now();
    return dialog;
}

Start StartTool(const GameFolder& game, const std::string& indexPath, std::unique_ptr<ToolRun>* keep = nullptr) {
    double t0 = Now();
    auto run = std::make_unique<ToolRun>(Quote(game.Program()), true);
    Start s = AnswerStart(*run, t0, indexPath, [&](bool mayBeBox) { return run->MainWindow(); });
    if (keep) *keep = std::move(run);
    else if (HWND main = run->MainWindow(1000)) {
        run->PressEscape(main);
        run->WaitExit(20000);
    }
    return s;
}

double UpdateCheckOnce() {
    RunResult r = RunCaptured(Quote(ProgramFolder() + "tool_bench.exe") + " --update-check-once", 120000);
    return std::atof(r.out.c_str());
}

void StartBenchmark(int runs) {
    GameFolder game("bench_start");
    const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(3000, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
    const std::string indexFolder = game.Root() + "\\assets\\indexes\\";
    StartTool(game, indexPath);  // the first run makes the state file; from here every start is a later one
    std::vector<double> bare, bareDialogs, bareDialogsOwn, total, own, firstBox, onScreen, update;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(BareStart("", "").total);
        Start d = BareStart(indexFolder, indexPath);
        bareDialogs.push_back(d.total);
        bareDialogsOwn.push_back(d.total - d.onScreen);
        Start t = StartTool(game, indexPath);
        total.push_back(t.total);
        firstBox.push_back(t.firstBox);
        onScreen.push_back(t.onScreen);
        own.push_back(t.total - t.onScreen);
        update.push_back(UpdateCheckOnce());
    }
    const double b = Median(bare), bd = Median(bareDialogsOwn), o = Median(own), u = Median(update);
    std::printf("start, %d runs, medians in ms\n", runs);
    std::printf("  bare window program, start to visible window           %8.1f\n", b);
    std::printf("  bare program with the start's box, dialog, box          %8.1f   (own time %.1f, without their time on screen)\n",
                Median(bareDialogs), bd);
    std::printf("  tool, start to visible main window                     %8.1f\n", Median(total));
    std::printf("    of which boxes and dialog on screen (the user's)     %8.1f\n", Median(onScreen));
    std::printf("    tool's own time                                      %8.1f   (%.2f x the bare window, %.2f x the bare program with dialogs)\n",
                o, o / b, o / bd);
    std::printf("    start to the first box                               %8.1f\n", Median(firstBox));
    std::printf("  update check alone, fresh process                      %8.1f   (%.0f %% of the tool's own time)\n", u,
                100.0 * u / o);
}

struct Memory {
    SIZE_T peakWorkingSet = 0, workingSet = 0, peakPrivate = 0, privateNow = 0;
};

Memory MemoryOf(DWORD pid) {
    Memory m;
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    if (p && GetProcessMemoryInfo(p, &c, sizeof c))
        m = {c.PeakWorkingSetSize, c.WorkingSetSize, c.PeakPagefileUsage, c.PagefileUsage};
    if (p) CloseHandle(p);
    return m;
}

// The baseline: the same bytes copied, the audio read whole and hashed.
double CopyAndHash(const std::string& index, const std::string& audio, const std::string& folder) {
    double t0 = Now();
    CopyFileA(index.c_str(), (folder + "\\copy.json").c_str(), FALSE);
    CopyFileA(audio.c_str(), (folder + "\\copy.ogg").c_str(), FALSE);
    std::string bytes = *ReadFileBytes(audio);
    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    BYTE digest[20];
    DWORD length = sizeof digest;
    CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT);
    CryptCreateHash(provider, CALG_SHA1, 0, 0, &hash);
    CryptHashData(hash, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
    CryptGetHashParam(hash, HP_HASHVAL, digest, &length, 0);
    CryptDestroyHash(hash);
    CryptReleaseContext(provider, 0);
    return Now() - t0;
}

void WriteBenchmark(int runs, int fillers, const char* label) {
    std::vector<double> write, whole, baseline;
    Memory before, after;
    size_t indexSize = 0;
    for (int i = 0; i < runs; ++i) {
        DDrive d;
        GameFolder game("bench_write");
        const std::string indexPath = game.PutIndex("1.12.json", Render(MakeIndex(fillers, DiscKeys::current, DiscHashes::stock), IndexShape::minified));
        indexSize = ReadFileBytes(indexPath)->size();
        const std::string audio = AudioBytes(3 * 1024 * 1024, 99 + i);
        const std::string audioPath = game.PutOutside("music.ogg", audio);
        std::unique_ptr<ToolRun> run;
        StartTool(game, indexPath, &run);
        if (!run) return;
        run->Click(kChooseOggButtonPlace);
        run->ChooseFile(audioPath);
        while (run->Text(kOggInfoBoxPlace).find("sha1") == std::string::npos) Sleep(5);
        run->SelectDisc(3);
        before = MemoryOf(run->Id());
        double t0 = Now();
        run->Click(kReplaceButtonPlace);
        double seen = 0;
        HWND box = NextDialogTimed(*run, seen);
        write.push_back(seen - t0);
        PressDefaultButton(box);
        HWND second = NextDialogTimed(*run, seen);
        whole.push_back(seen - t0 - 0);
        after = MemoryOf(run->Id());
        PressDefaultButton(second);
        run->PressEscape(run->MainWindow());
        run->WaitExit(20000);
        baseline.push_back(CopyAndHash(indexPath, audioPath, game.Root()));
    }
    const double w = Median(write), b = Median(baseline);
    std::printf("write, %s: index %.1f MB, audio 3.0 MB, %d runs, medians in ms\n", label, indexSize / 1048576.0, runs);
    std::printf("  click to the first success message                %8.1f\n", w);
    std::printf("  click to the second message (audio copied too)    %8.1f   (includes the first box's time on screen)\n", Median(whole));
    std::printf("  CopyFileA of index and audio + SHA-1 of the audio %8.1f   (ratio %.2f)\n", b, w / b);
    std::printf("  memory before the click: working set %.1f MB (peak %.1f), private %.1f MB (peak %.1f)\n",
                before.workingSet / 1048576.0, before.peakWorkingSet / 1048576.0, before.privateNow / 1048576.0,
                before.peakPrivate / 1048576.0);
    std::printf("  memory after the write:  working set %.1f MB (peak %.1f), private %.1f MB (peak %.1f)\n",
                after.workingSet / 1048576.0, after.peakWorkingSet / 1048576.0, after.privateNow / 1048576.0,
                after.peakPrivate / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--update-check-once") == 0) {
        InitRuntime();
        double t0 = Now();
        UpdateCheck();
        std::printf("%.1f\n", Now() - t0);
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    if (!DDrive::Mapped()) {
        std::fprintf(stderr, "tool_bench: drive D: is not the Wine session's folder ($DDRIVE)\n");
        return 1;
    }
    StartBenchmark(runs);
    WriteBenchmark(std::max(3, runs / 2), 50000, "5 MB index");
    WriteBenchmark(std::max(3, runs / 2), 400, "small index (fixed costs)");
    return 0;
}
