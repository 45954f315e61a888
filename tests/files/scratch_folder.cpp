#include "tests/files/scratch_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "tests/support/WindowDriver.h"

namespace {
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

void ScratchFolder::SetUp() {
    root_ = testing_support::ProgramFolder() + "scratch_" + std::to_string(GetCurrentProcessId());
    RemoveTree(root_);
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
}

void ScratchFolder::TearDown() { RemoveTree(root_); }

std::string ScratchFolder::Path(const std::string& name) const { return name.empty() ? root_ : root_ + "\\" + name; }

std::string ScratchFolder::Put(const std::string& name, const std::string& bytes) const {
    std::string path = Path(name);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
    return path;
}

void ScratchFolder::MakeReadOnly(const std::string& name) const {
    ASSERT_TRUE(SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_READONLY));
}

HANDLE ScratchFolder::LockExclusively(const std::string& name) const {
    HANDLE h = CreateFileA(Path(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << name;
    return h;
}

std::optional<std::string> ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
