// A program planted where the trimmer looks for its utility. If anything runs it, it leaves a
// marker beside itself (its own path followed by ".ran") holding its command line.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string marker = std::string(self) + ".ran";
    if (FILE* f = std::fopen(marker.c_str(), "wb")) {
        std::fputs(GetCommandLineA(), f);
        std::fclose(f);
    }
    return 0;
}
