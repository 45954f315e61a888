// Started by the RunProgram tests: waits the milliseconds of its second argument, then writes
// its command line and the show value of its start-up record (-1 when none was set) to the
// file named by its first argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    if (argc > 2) Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 3;
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::fprintf(f, "%s\n%d\n", GetCommandLineA(), show);
    std::fclose(f);
    return 0;
}
