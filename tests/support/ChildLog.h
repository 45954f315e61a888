// The log through which a test's child program tells the test what ran: one line each, appended
// to the file named on its command line (made absolute first: the runtime changes the current
// folder to the program's own).
#pragma once
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace testing_support {

class ChildLog {
public:
    static void Open(const char* path) {
        char full[MAX_PATH];
        GetFullPathNameA(path, MAX_PATH, full, nullptr);
        File() = full;
    }
    static void Append(const std::string& line) {
        if (FILE* f = std::fopen(File().c_str(), "ab")) {
            std::fprintf(f, "%s\n", line.c_str());
            std::fclose(f);
        }
    }

    // What a child appended to the log at path, for the test to read ("" when there is no log).
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

private:
    static std::string& File() {
        static std::string file;
        return file;
    }
};

}  // namespace testing_support
