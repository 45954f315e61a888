#include "trimmer/TrimWorkingSet.h"

#include <shlwapi.h>

#include <atomic>
#include <string_view>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/InteractionCommands.h"
#include "commands/TextCommands.h"
#include "commands/TextOperations.h"
#include "runtime/DllCommandTable.h"
#include "trimmer/FlushUtilityImage.h"

#define TRIMMER_DLL_COMMANDS(X, T)   \
    X(GetCurrentProcessId, "")       \
    X(SHCreateThread, "shlwapi.dll") \
    X(CreateFileA, "")               \
    X(CloseHandle, "")
DLL_DECLARE(TRIMMER_DLL_COMMANDS)
DLL_COMMAND_MODULE(Trimmer, TRIMMER_DLL_COMMANDS)

namespace {

RT_CONSTANT const char kWindowsFolderVariable[] = "windir";
RT_CONSTANT const char kUtilityFileName[] = "\\empty.exe";
constexpr int32_t kRunHidden = 1;

// Trims started and not yet ended (counted from the start request, so a thread not yet running
// counts too).
std::atomic<int> runningTrims{0};

std::string_view ImageBytes() {
    return {reinterpret_cast<const char*>(FlushUtilityImage.Bytes()), FlushUtilityImage.length};
}

// Whether the file at path holds exactly the carried utility.
bool HoldsImage(const Text& path) {
    if (!cmd::AsBool(cmd::Call(FileExists, path))) return false;
    Bytes content = cmd::TakeBytes(cmd::Call(ReadWholeFile, path));
    return content.View() == ImageBytes();
}

// The file opened for reading while others may only read it: from the check of its bytes until
// the utility has ended, nobody can write, replace, rename or delete it, so what runs is what
// was checked. Starting the program reads it as well, which this allows.
class HeldFile {
public:
    explicit HeldFile(const char* path)
        : handle_(dll::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr)) {}
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() {
        if (Held()) dll::CloseHandle(handle_);
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The path as the start of a command line: the process creation would otherwise try each
// blank-separated prefix of an unquoted path as a program of its own ("C:\My Windows\empty.exe"
// would first run "C:\My.exe").
Text ProgramPart(const Text& path) {
    if (path.View().find(' ') == std::string_view::npos) return Text::Copy(path.View());
    return ConcatTexts("\"", path, "\"");
}

void Trim() {
    Text folder = cmd::TakeText(cmd::Call(ReadEnvVariable, kWindowsFolderVariable));
    Text path = ConcatTexts(folder, kUtilityFileName);
    // Anything but the carried utility (a file planted there, an older or damaged copy) is
    // overwritten with it, and run only when that worked.
    if (!HoldsImage(path)) cmd::Call(WriteBytesToFile, path, &FlushUtilityImage);
    HeldFile held(path.CStr());
    if (!held.Held() || !HoldsImage(path)) return;

    Text processId = cmd::TakeText(cmd::Call(ToText, static_cast<int32_t>(dll::GetCurrentProcessId())));
    Text commandLine = ConcatTexts(ProgramPart(path), " ", processId);
    cmd::Call(RunProgram, commandLine, true, kRunHidden);  // a utility that cannot start is no trim
}

}  // namespace

DWORD WINAPI TrimWorkingSet(void*) {
    try {
        Trim();
    } catch (...) {
        // Nothing leaves a thread routine; a failed trim is not reported.
    }
    return 0;
}

namespace {
DWORD WINAPI CountedTrim(void* data) {
    TrimWorkingSet(data);
    --runningTrims;
    return 0;
}
}  // namespace

void WaitForRunningTrims(DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); runningTrims.load() > 0 && GetTickCount() - start < timeoutMs;) Sleep(5);
}

void StartTrimOnDeactivate(WPARAM activated) {
    if (activated != 0) return;
    // The table is not locked: its entries are bound here, on the window's thread, so that
    // trimmer threads running side by side only read them.
    for (dll::Entry* entry : kDllModuleEntries_Trimmer) dll::Bind(*entry);
    ++runningTrims;
    if (!dll::SHCreateThread(CountedTrim, nullptr, 0, nullptr)) --runningTrims;
}
