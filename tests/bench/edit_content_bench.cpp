// edit_content_bench: writing and reading the content of a hidden multi-line edit box (the
// tool's index store) through the property entries, for one-line texts of 70 KB, 490 KB and
// 5 MB, against copying the same bytes with memcpy. Prints the times and MB/s of the write
// (store, change event), the read (a new text value) and the copy, best of five runs.
//
//   edit_content_bench [platform]
// With "platform" it also times what the store avoids: SetWindowTextA of a 70 KB one-line text
// into a hidden multi-line EDIT control that wraps words (a plain control, no unit).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "forms/Events.h"
#include "forms/UnitProperties.h"
#include "runtime/ApplicationFramework.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeEntryTable.h"
#include "runtime/Values.h"
#include "tests/units/UnitTestWindows.h"

using namespace units_test;
using Clock = std::chrono::steady_clock;

namespace {

bool gPlatform = false;

forms::HandlerResult Ignore(int32_t, const int32_t*) { return {0, 0}; }
const forms::EventHandler kCode[kHandlerCount] = {Ignore, Ignore, Ignore, Ignore};

const std::vector<uint8_t>& Block() {
    static const std::vector<uint8_t> block = tpl::SerialiseTemplates(Definitions());
    return block;
}

// One line shaped like an index: entries with UTF-8 names, hashes and sizes.
std::string OneLineIndex(size_t size) {
    std::string text = "{\"objects\":{";
    for (unsigned i = 0; text.size() < size; ++i) {
        char entry[160];
        std::snprintf(entry, sizeof entry, "\"minecraft/sounds/\xE9\x9F\xB3/t%u.ogg\": {\"hash\": \"%08x%032x\", \"size\": %u}, ",
                      i, i * 2654435761u, i, 4096 + i);
        text += entry;
    }
    text.resize(size - 2);
    return text + "}}";
}

template <typename F>
double BestMs(F f) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        auto start = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

void Report(const char* what, size_t bytes, double ms) {
    std::printf("  %-28s %10.3f ms  %9.1f MB/s\n", what, ms, bytes / 1048576.0 / (ms / 1000.0));
}

void PlatformFill() {
    std::string text = OneLineIndex(70 * 1024);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                                0, 0, 72, 72, Runtime().hiddenOwnerWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto start = Clock::now();
    SetWindowTextA(edit, text.c_str());
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("platform: SetWindowTextA, hidden word-wrapping EDIT, 70 KB one line: %.0f ms\n", ms);
    DestroyWindow(edit);
}

int Start() {
    const RuntimeEntryTable& rt = RuntimeEntries();
    rt.runtimeService(kServiceInitRuntime, 0, 0);
    rt.loadStartWindow(kUnitsWindowId);
    const UnitName& json = *FindUnit("json");
    int failures = 0;
    for (size_t size : {70u * 1024, 490u * 1024, 5u * 1024 * 1024}) {
        std::string text = OneLineIndex(size);
        std::vector<char> copy(text.size() + 1);
        std::printf("%zu bytes, one line:\n", size);
        double write = BestMs([&] {
            rt.writeUnitProperty(json.windowId, json.unitId, 8, -1, forms::LowWord(text.c_str()), forms::HighWord(text.c_str()));
        });
        std::string back;
        double read = BestMs([&] {
            ArgRecord v = rt.readUnitProperty(json.windowId, json.unitId, 8, -1);
            back.assign(v.AsText() ? v.AsText() : "");
            rt.runtimeFree(v.data.ptr);
        });
        double memcpyMs = BestMs([&] { std::memcpy(copy.data(), text.c_str(), text.size() + 1); });
        Report("write (store, event 0)", size, write);
        Report("read (new text value)", size, read);
        Report("memcpy of the same bytes", size, memcpyMs);
        if (back != text) {
            std::printf("  the content read back differs\n");
            ++failures;
        }
    }
    if (gPlatform) PlatformFill();
    rt.endProgram(failures ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    gPlatform = argc > 1 && std::strcmp(argv[1], "platform") == 0;
    static const ProgramHeader header = {
        3, 0, 0, kCode, ConstantRegionStart(), ConstantRegionEnd(), Block().data(), static_cast<uint32_t>(Block().size()),
        kSupportLibraryCount, kSupportLibraryTable,
    };
    return framework::RunApplication(header, Start);
}
