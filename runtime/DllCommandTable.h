// The DLL command table: the external Windows functions the program calls, each bound by name
// (or "#ordinal") on its first call and kept bound until shutdown.
//
// Every function is declared with its prototype taken from the SDK headers
// (decltype(&::CryptAcquireContextA)), and called through that prototype:
//
//   HCRYPTPROV prov = 0;
//   dll::CryptAcquireContextA(&prov, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT);
//
// The call obtains the entry's address (binding it on first use) and transfers control with the
// caller's arguments unchanged. The external functions follow the Windows API convention in
// which the callee removes its arguments. Since the compiler generates each call from the very
// prototype the function was built with, what the caller pushes and what the callee removes are
// the same by construction: the "stack error after a DLL command" check (runtime error 6) guards
// against a declared and an actual argument list that differ, and with the declaration taken
// from the SDK they cannot differ, so that check could never fail and is not made.
//
// The first ten entries are fixed (below). Every other module declares its functions in one list
// where the code that calls them lives, appended after the fixed ten when the program starts.
// A list names each function once, X(name, library) for a function the SDK declares as ::name,
// T(name, prototype type, library, export name or "#ordinal") for any other (RtlMoveMemory is a
// macro in the SDK headers; the GDI+ flat functions live in Gdiplus::DllExports):
//
//   #define SHELL_DLL_COMMANDS(X, T)   (one row a line, each line ending in a backslash)
//       X(ShellExecuteA, "shell32.dll")
//       T(CopyBytes, void(WINAPI*)(void*, const void*, SIZE_T), "", "RtlMoveMemory")
//   DLL_DECLARE(SHELL_DLL_COMMANDS)                 // the callable dll::ShellExecuteA, dll::CopyBytes
//   DLL_COMMAND_MODULE(Shell, SHELL_DLL_COMMANDS)   // once, in the source file that calls them
#pragma once
#include <windows.h>
#include <objidl.h>
#include <wincrypt.h>
#include <gdiplus.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace dll {

// An address as the table keeps it; cast to the declared prototype at the call.
using Address = void (*)();

// One entry: the library file name (may be empty, may lack ".dll", may be a full path holding a
// colon), the export name or "#ordinal", and what binding found: its own module reference and
// the address.
struct Entry {
    const char* library;
    const char* exportName;
    HMODULE module;
    Address address;
};

// The address of the entry, bound on the first call: a library or export that cannot be found
// is a fatal runtime error (the program ends). Later calls return the stored address.
Address Bind(Entry& entry);

// A declared external function, called through its real prototype Fn (a function pointer type).
template <typename Fn>
class Function {
public:
    constexpr Function(const char* library, const char* exportName) : entry_{library, exportName, nullptr, nullptr} {}
    Function(const Function&) = delete;
    Function& operator=(const Function&) = delete;

    template <typename... Args>
    decltype(auto) operator()(Args&&... args) {
        return reinterpret_cast<Fn>(Bind(entry_))(std::forward<Args>(args)...);
    }
    Entry& TableEntry() { return entry_; }

private:
    Entry entry_;
};

// The DLLs tried, in this order, for an entry without a library name.
inline constexpr const char* kSystemDllList[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                                 "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

// Appends a module's entries to the table (static initialisation); returns the first one's index.
int32_t RegisterModule(std::span<Entry* const> entries);

// The table by index: the fixed ten first, then each module's list.
int32_t EntryCount();
Entry& EntryAt(int32_t index);
// Runtime entry 1's lookup: the address of entry `index`, bound on first use.
Address AddressOf(int32_t index);

// Start-up (step 8): hands the runtime the routine that frees every module at shutdown.
void InitTable();
// Shutdown: FreeLibrary on every entry's module; every entry is unbound again.
void FreeModules();

}  // namespace dll

// The two row kinds of a module's list, as declarations of callable dll::name objects.
#define DLL_FUNCTION(name, library) inline ::dll::Function<decltype(&::name)> name{library, #name};
#define DLL_FUNCTION_TYPED(name, type, library, exportName) inline ::dll::Function<type> name{library, exportName};
#define DLL_DECLARE(LIST) namespace dll { LIST(DLL_FUNCTION, DLL_FUNCTION_TYPED) }

#define DLL_MODULE_ENTRY_(name, ...) &::dll::name.TableEntry(),
// Appends a module's list to the table during static initialisation.
#define DLL_COMMAND_MODULE(module, LIST)                                                            \
    namespace {                                                                                     \
    ::dll::Entry* const kDllModuleEntries_##module[] = {LIST(DLL_MODULE_ENTRY_, DLL_MODULE_ENTRY_)}; \
    const int32_t kDllModuleFirstIndex_##module = ::dll::RegisterModule(kDllModuleEntries_##module); \
    }

namespace dll {

// The fixed first ten entries, in their order (0 to 9).
inline Function<decltype(&::GetModuleHandleA)> GetModuleHandleA{"kernel32", "GetModuleHandleA"};
// Entries 1 and 2 declare the same function twice; each holds its own module reference.
inline Function<decltype(&::LoadIconA)> LoadIconA{"user32.dll", "LoadIconA"};
inline Function<decltype(&::LoadIconA)> LoadIconA2{"user32.dll", "LoadIconA"};
inline Function<decltype(&Gdiplus::GdiplusStartup)> GdiplusStartup{"gdiplus.dll", "GdiplusStartup"};
inline Function<decltype(&::CryptAcquireContextA)> CryptAcquireContextA{"advapi32.dll", "CryptAcquireContextA"};
inline Function<decltype(&::CryptCreateHash)> CryptCreateHash{"advapi32.dll", "CryptCreateHash"};
inline Function<decltype(&::CryptReleaseContext)> CryptReleaseContext{"advapi32.dll", "CryptReleaseContext"};
inline Function<decltype(&::CryptHashData)> CryptHashData{"advapi32.dll", "CryptHashData"};
inline Function<decltype(&::CryptDestroyHash)> CryptDestroyHash{"advapi32.dll", "CryptDestroyHash"};
inline Function<decltype(&::CryptGetHashParam)> CryptGetHashParam{"advapi32.dll", "CryptGetHashParam"};

inline constexpr int32_t kFixedEntryCount = 10;

}  // namespace dll
