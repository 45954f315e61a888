// A game folder laid out for one test: "<case>\.minecraft" beside the test program, with the tool's
// program copied in (the tool works in the folder that holds it), "assets\indexes" with the
// index files and "assets\objects", and audio files to choose. Also the run's drive D:, which the
// Wine session maps to a folder of its own ($DDRIVE).
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tool_e2e {

class GameFolder {
public:
    // caseName may hold GBK characters; the folder is made fresh (an old one is removed first).
    GameFolder(const std::string& caseName, bool withAssets = true, bool withObjects = true);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Root() const { return root_; }  // ...\<case>\.minecraft, no trailing backslash
    std::string Program() const { return root_ + "\\Vellumtone.exe"; }
    std::string Index(const std::string& name) const { return root_ + "\\assets\\indexes\\" + name; }
    std::string StateFile() const { return Index("Changejson.ini"); }
    std::string ObjectFolder(const std::string& hash) const { return root_ + "\\assets\\objects\\" + hash.substr(0, 2); }
    std::string Object(const std::string& hash) const { return ObjectFolder(hash) + "\\" + hash; }
    // A file beside the game folder (where a player keeps music), made with the bytes.
    std::string PutOutside(const std::string& name, const std::string& bytes) const;
    std::string PutIndex(const std::string& name, const std::string& text) const;

private:
    std::string caseFolder_;
    std::string root_;
};

// Files byte for byte; nullopt when the file cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
void RemoveTree(const std::string& folder);
// The number of entries (files and folders) in a folder, "." and ".." not counted.
int EntryCount(const std::string& folder);

// Drive D: of the run: emptied for each test; hidden (its folder moved away, so that D:\ names
// nothing) and shown again.
class DDrive {
public:
    DDrive();   // empties it
    ~DDrive();  // shows it again if hidden
    static bool Mapped();  // D:\ is the session's folder
    void Hide();
    void Show();
    std::string Path(const std::string& name) const { return "D:\\" + name; }

private:
    std::string folder_;  // the session's folder as a Windows path
    bool hidden_ = false;
};

// Bytes that stand for an audio file: deterministic, of the given size, starting like an Ogg page.
std::string AudioBytes(size_t size, uint32_t seed);

}  // namespace tool_e2e
