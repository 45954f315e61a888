// Binding of DLL commands: the fixed entries, the search order, ordinals, the system DLL list,
// binding once, and one module reference per entry released at shutdown.
#include <gtest/gtest.h>

#include <string>

#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeApplication.h"
#include "tests/dll/dlltest.h"
#include "tests/support/WindowDriver.h"

using namespace testing_support;

using TwoInts = decltype(&::DllTestAdd);
using MoveMemoryFn = void(WINAPI*)(void*, const void*, SIZE_T);

// This test program's own module list, appended after the fixed ten.
#define TABLE_TEST_DLL_COMMANDS(X, T)                                  \
    X(DllTestAdd, "dlltest.dll")                                       \
    T(DllTestAddAgain, TwoInts, "dlltest.dll", "DllTestAdd")          \
    T(DllTestTimes, TwoInts, "dlltest.dll", "#12")
DLL_DECLARE(TABLE_TEST_DLL_COMMANDS)
DLL_COMMAND_MODULE(TableTest, TABLE_TEST_DLL_COMMANDS)

namespace {

class DllTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitRuntime(); }
};

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

std::string Lower(std::string s) {
    CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// Releases what a test's own (unregistered) entry loaded.
void Release(dll::Entry& entry) {
    if (entry.module) FreeLibrary(entry.module);
    entry.module = nullptr;
    entry.address = nullptr;
}

TEST_F(DllTable, FixedTenComeFirstInTheirOrder) {
    struct Row {
        dll::Entry* entry;
        const char* library;
        const char* exportName;
    } rows[] = {
        {&dll::GetModuleHandleA.TableEntry(), "kernel32", "GetModuleHandleA"},
        {&dll::LoadIconA.TableEntry(), "user32.dll", "LoadIconA"},
        {&dll::LoadIconA2.TableEntry(), "user32.dll", "LoadIconA"},
        {&dll::GdiplusStartup.TableEntry(), "gdiplus.dll", "GdiplusStartup"},
        {&dll::CryptAcquireContextA.TableEntry(), "advapi32.dll", "CryptAcquireContextA"},
        {&dll::CryptCreateHash.TableEntry(), "advapi32.dll", "CryptCreateHash"},
        {&dll::CryptReleaseContext.TableEntry(), "advapi32.dll", "CryptReleaseContext"},
        {&dll::CryptHashData.TableEntry(), "advapi32.dll", "CryptHashData"},
        {&dll::CryptDestroyHash.TableEntry(), "advapi32.dll", "CryptDestroyHash"},
        {&dll::CryptGetHashParam.TableEntry(), "advapi32.dll", "CryptGetHashParam"},
    };
    ASSERT_EQ(std::size(rows), static_cast<size_t>(dll::kFixedEntryCount));
    for (int32_t i = 0; i < dll::kFixedEntryCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(&dll::EntryAt(i), rows[i].entry);
        EXPECT_STREQ(dll::EntryAt(i).library, rows[i].library);
        EXPECT_STREQ(dll::EntryAt(i).exportName, rows[i].exportName);
    }
    // Entry 0 by index: "kernel32" is found by the system's search after the two folders.
    EXPECT_EQ(dll::AddressOf(0),
              reinterpret_cast<dll::Address>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetModuleHandleA")));
    EXPECT_EQ(dll::EntryAt(0).module, GetModuleHandleA("kernel32.dll"));
    ASSERT_NE(dll::AddressOf(3), nullptr);
    EXPECT_TRUE(Lower(ModulePath(dll::EntryAt(3).module)).ends_with("gdiplus.dll"));
}

TEST_F(DllTable, ModuleListIsAppendedAfterTheFixedTen) {
    int32_t at = -1;
    for (int32_t i = 0; i < dll::EntryCount(); ++i)
        if (&dll::EntryAt(i) == &dll::DllTestAdd.TableEntry()) at = i;
    ASSERT_GE(at, dll::kFixedEntryCount);
    ASSERT_LT(at + 2, dll::EntryCount());
    EXPECT_EQ(&dll::EntryAt(at + 1), &dll::DllTestAddAgain.TableEntry());
    EXPECT_EQ(&dll::EntryAt(at + 2), &dll::DllTestTimes.TableEntry());
}

// The SHA-1 of "abc" through the fixed CryptoAPI entries, called with their SDK prototypes.
TEST_F(DllTable, CryptoEntriesHash) {
    HCRYPTPROV prov = 0;
    ASSERT_TRUE(dll::CryptAcquireContextA(&prov, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT));
    HCRYPTHASH hash = 0;
    ASSERT_TRUE(dll::CryptCreateHash(prov, CALG_SHA1, 0, 0, &hash));
    const BYTE data[] = {'a', 'b', 'c'};
    ASSERT_TRUE(dll::CryptHashData(hash, data, 3, 0));
    BYTE digest[20];
    DWORD size = sizeof digest;
    ASSERT_TRUE(dll::CryptGetHashParam(hash, HP_HASHVAL, digest, &size, 0));
    EXPECT_TRUE(dll::CryptDestroyHash(hash));
    EXPECT_TRUE(dll::CryptReleaseContext(prov, 0));
    EXPECT_EQ(ToHex(std::string(reinterpret_cast<char*>(digest), size)), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

// Named libraries: program folder, then module folder, then the system; a name with a colon is
// a full path; "#N" is ordinal N & 0xFFFF.
TEST_F(DllTable, BindsByNameOrdinalAndPath) {
    const std::string beside = ProgramFolder() + "dlltest.dll";
    // A copy under another name in a folder of its own, which is made the program folder: only
    // the program-folder step can find it.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "dlltable_" + std::to_string(GetCurrentProcessId());
    const std::string copy = folder + "\\dllcopy.dll";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(beside.c_str(), copy.c_str(), FALSE));

    struct Case {
        const char* library;
        std::string exportName;
        const char* programFolder;  // null: the real one
        int expected;               // of (6, 7)
        std::string loadedFrom;
    } cases[] = {
        {"dlltest.dll", "DllTestAdd", nullptr, 13, beside},
        {"dlltest", "DllTestAdd", nullptr, 13, beside},
        {"dlltest.dll", "#1", nullptr, 13, beside},
        {"dlltest.dll", "#12", nullptr, 42, beside},
        {"dlltest.dll", "#65548", nullptr, 42, beside},  // 65536 + 12: only the low 16 bits count
        {"dllcopy.dll", "DllTestAdd", folder.c_str(), 13, copy},
        {copy.c_str(), "#12", nullptr, 42, copy},
    };
    const std::string realFolder = Runtime().programFolder;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.library) + " " + c.exportName);
        Runtime().programFolder = c.programFolder ? c.programFolder : realFolder;
        dll::Function<TwoInts> fn{c.library, c.exportName.c_str()};
        EXPECT_EQ(fn(6, 7), c.expected);
        EXPECT_EQ(Lower(ModulePath(fn.TableEntry().module)), Lower(c.loadedFrom));
        Release(fn.TableEntry());
    }
    Runtime().programFolder = realFolder;
    EXPECT_TRUE(DeleteFileA(copy.c_str()));
    RemoveDirectoryA(folder.c_str());
}

// No library: the first DLL of the system list that exports the name, which stays loaded.
TEST_F(DllTable, EmptyLibraryTakesTheFirstSystemDllThatExportsIt) {
    struct Case {
        const char* exportName;
        const char* expectedDll;
    } cases[] = {
        {"RtlMoveMemory", "kernel32.dll"},
        {"DefWindowProcA", "user32.dll"},
        {"GetUserNameA", "advapi32.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exportName);
        dll::Entry entry{"", c.exportName, nullptr, nullptr};
        dll::Address address = dll::Bind(entry);
        EXPECT_EQ(entry.module, GetModuleHandleA(c.expectedDll));
        EXPECT_EQ(address, reinterpret_cast<dll::Address>(GetProcAddress(entry.module, c.exportName)));
        Release(entry);
    }
    dll::Function<MoveMemoryFn> moveMemory{"", "RtlMoveMemory"};
    char to[4] = {};
    moveMemory(to, "abc", 4);
    EXPECT_STREQ(to, "abc");
    Release(moveMemory.TableEntry());
}

int WINAPI Subtract(int a, int b) { return a - b; }

// After the first call the stored address is used as it is: no second lookup.
TEST_F(DllTable, BindsOnceAndKeepsTheAddress) {
    dll::Function<TwoInts> add{"dlltest.dll", "DllTestAdd"};
    dll::Entry& entry = add.TableEntry();
    EXPECT_EQ(entry.address, nullptr);
    EXPECT_EQ(add(2, 3), 5);
    ASSERT_NE(entry.address, nullptr);
    HMODULE module = entry.module;
    entry.address = reinterpret_cast<dll::Address>(&Subtract);
    EXPECT_EQ(add(2, 3), -1);
    EXPECT_EQ(entry.module, module);
    entry.address = nullptr;
    Release(entry);
}

// Two entries naming the same DLL each hold a reference; shutdown releases every one.
TEST_F(DllTable, EachEntryHoldsItsModuleUntilShutdown) {
    ASSERT_EQ(GetModuleHandleA("dlltest.dll"), nullptr);
    EXPECT_EQ(dll::DllTestAdd(1, 2), 3);
    EXPECT_EQ(dll::DllTestAddAgain(3, 4), 7);
    EXPECT_EQ(dll::DllTestTimes(3, 4), 12);
    HMODULE module = GetModuleHandleA("dlltest.dll");
    ASSERT_NE(module, nullptr);
    for (dll::Entry* e : {&dll::DllTestAdd.TableEntry(), &dll::DllTestAddAgain.TableEntry(), &dll::DllTestTimes.TableEntry()})
        EXPECT_EQ(e->module, module);
    // Taking two references away leaves the DLL loaded: the entries hold three.
    FreeLibrary(module);
    FreeLibrary(module);
    EXPECT_EQ(GetModuleHandleA("dlltest.dll"), module);
    LoadLibraryA("dlltest.dll");
    LoadLibraryA("dlltest.dll");

    // The shutdown step that InitRuntime hooked in.
    ASSERT_EQ(Runtime().freeDllModules, &dll::FreeModules);
    Runtime().freeDllModules();
    EXPECT_EQ(GetModuleHandleA("dlltest.dll"), nullptr);
    for (int32_t i = 0; i < dll::EntryCount(); ++i) {
        EXPECT_EQ(dll::EntryAt(i).module, nullptr);
        EXPECT_EQ(dll::EntryAt(i).address, nullptr);
    }
}

}  // namespace
