#include "tests/tool_e2e/GameFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/WindowDriver.h"

namespace tool_e2e {

namespace {

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

void MakeFolders(const std::string& path) {
    // Every level, from the first one after the drive.
    for (size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        if (at == std::string::npos) break;
    }
}

// The session's folder for D:, as the Unix path $DDRIVE seen through drive Z:.
std::string SessionDFolder() {
    const char* unix = std::getenv("DDRIVE");
    if (!unix || !*unix) return {};
    std::string path = std::string("Z:") + unix;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

}  // namespace

GameFolder::GameFolder(const std::string& caseName, bool withAssets, bool withObjects) {
    caseFolder_ = testing_support::ProgramFolder() + "tool_e2e\\" + caseName;
    RemoveTree(caseFolder_);
    root_ = caseFolder_ + "\\.minecraft";
    MakeFolders(root_);
    if (withAssets) MakeFolders(root_ + "\\assets\\indexes");
    if (withAssets && withObjects) MakeFolders(root_ + "\\assets\\objects");
    CopyFileA((testing_support::ProgramFolder() + "Vellumtone.exe").c_str(), Program().c_str(), FALSE);
}

GameFolder::~GameFolder() {
    if (!std::getenv("KEEP_TOOL_E2E")) RemoveTree(caseFolder_);
}

std::string GameFolder::PutOutside(const std::string& name, const std::string& bytes) const {
    std::string path = caseFolder_ + "\\" + name;
    MakeFolders(Folder(path));
    WriteFileBytes(path, bytes);
    return path;
}

std::string GameFolder::PutIndex(const std::string& name, const std::string& text) const {
    std::string path = Index(name);
    WriteFileBytes(path, text);
    return path;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

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

int EntryCount(const std::string& folder) {
    int n = 0;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") ++n;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return n;
}

DDrive::DDrive() : folder_(SessionDFolder()) {
    if (folder_.empty()) return;
    std::string hiddenFolder = folder_ + ".hidden";
    if (GetFileAttributesA(folder_.c_str()) == INVALID_FILE_ATTRIBUTES &&
        GetFileAttributesA(hiddenFolder.c_str()) != INVALID_FILE_ATTRIBUTES)
        MoveFileA(hiddenFolder.c_str(), folder_.c_str());  // left hidden by an earlier run
    RemoveTree(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
}

DDrive::~DDrive() { Show(); }

bool DDrive::Mapped() {
    std::string folder = SessionDFolder();
    if (folder.empty()) return false;
    // D:\ and the session's folder are the same folder when a file made in one shows in the other.
    std::string probe = "D:\\.mapped-" + std::to_string(GetCurrentProcessId());
    if (!WriteFileBytes(probe, "x")) return false;
    bool same = GetFileAttributesA((folder + probe.substr(2)).c_str()) != INVALID_FILE_ATTRIBUTES;
    DeleteFileA(probe.c_str());
    return same;
}

void DDrive::Hide() {
    if (!hidden_ && MoveFileA(folder_.c_str(), (folder_ + ".hidden").c_str())) hidden_ = true;
}

void DDrive::Show() {
    if (hidden_ && MoveFileA((folder_ + ".hidden").c_str(), folder_.c_str())) hidden_ = false;
}

std::string AudioBytes(size_t size, uint32_t seed) {
    std::string bytes = "OggS";
    uint32_t state = seed;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        bytes += static_cast<char>(state >> 24);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace tool_e2e
