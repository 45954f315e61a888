#include "runtime/DllCommandTable.h"

#include <cstring>
#include <string>
#include <vector>

#include "runtime/RuntimeApplication.h"
#include "runtime/RuntimeErrors.h"

namespace dll {
namespace {

// The table in index order. Built on first use, so the fixed ten come first whatever order the
// modules' registrations run in during static initialisation.
std::vector<Entry*>& Table() {
    static std::vector<Entry*> table{
        &GetModuleHandleA.TableEntry(),     &LoadIconA.TableEntry(),       &LoadIconA2.TableEntry(),
        &GdiplusStartup.TableEntry(),       &CryptAcquireContextA.TableEntry(), &CryptCreateHash.TableEntry(),
        &CryptReleaseContext.TableEntry(),  &CryptHashData.TableEntry(),   &CryptDestroyHash.TableEntry(),
        &CryptGetHashParam.TableEntry(),
    };
    return table;
}

// The export to look up: the name, or for "#digits" the ordinal (low 16 bits of the number).
LPCSTR ExportToFind(const char* exportName) {
    if (exportName[0] != '#') return exportName;
    uint32_t number = 0;
    for (const char* p = exportName + 1; *p >= '0' && *p <= '9'; ++p) number = number * 10 + static_cast<uint32_t>(*p - '0');
    return MAKEINTRESOURCEA(number & 0xFFFF);
}

Address Lookup(HMODULE module, LPCSTR exportToFind) {
    // void (*)() is the generic function pointer type, to which any function pointer converts.
    return reinterpret_cast<Address>(::GetProcAddress(module, exportToFind));
}

// Loads the entry's library the way the search order says; null when none loads.
HMODULE LoadEntryLibrary(const char* library) {
    if (std::strchr(library, ':')) return ::LoadLibraryA(library);  // a full path, as it is
    const RuntimeApplication& app = Runtime();
    const std::string candidates[] = {app.programFolder + "\\" + library, app.moduleFolder + library, library};
    for (const std::string& path : candidates)
        if (HMODULE module = ::LoadLibraryA(path.c_str())) return module;
    return nullptr;
}

[[noreturn]] void ReportMissingExport(const Entry& entry) {
    std::string text = entry.library[0] ? std::string("无法找到指定DLL库文件“") + entry.library + "”中的输出命令“" +
                                              entry.exportName + "”"
                                        : std::string("无法找到指定DLL库文件中的输出命令“") + entry.exportName + "”";
    ReportErrorText(text.c_str(), 0);
}

}  // namespace

Address Bind(Entry& entry) {
    if (entry.address) return entry.address;
    LPCSTR exportToFind = ExportToFind(entry.exportName);
    HMODULE module = nullptr;
    Address address = nullptr;
    if (entry.library[0] == '\0') {
        for (const char* name : kSystemDllList) {
            module = ::LoadLibraryA(name);
            if (!module) continue;
            address = Lookup(module, exportToFind);
            if (address) break;
            ::FreeLibrary(module);
            module = nullptr;
        }
    } else {
        module = LoadEntryLibrary(entry.library);
        if (module) address = Lookup(module, exportToFind);
    }
    if (!address) {
        if (module) ::FreeLibrary(module);
        ReportMissingExport(entry);
    }
    entry.module = module;
    entry.address = address;
    return address;
}

int32_t RegisterModule(std::span<Entry* const> entries) {
    std::vector<Entry*>& table = Table();
    const auto first = static_cast<int32_t>(table.size());
    table.insert(table.end(), entries.begin(), entries.end());
    return first;
}

int32_t EntryCount() { return static_cast<int32_t>(Table().size()); }

Entry& EntryAt(int32_t index) { return *Table().at(static_cast<size_t>(index)); }

Address AddressOf(int32_t index) { return Bind(EntryAt(index)); }

void InitTable() { Runtime().freeDllModules = FreeModules; }

void FreeModules() {
    for (Entry* entry : Table()) {
        if (entry->module) ::FreeLibrary(entry->module);
        entry->module = nullptr;
        entry->address = nullptr;
    }
}

}  // namespace dll
