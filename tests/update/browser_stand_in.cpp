// Stands in for the browser: appends the path of its own program file, a tab and its command
// line, as it received it, to the file that DISCTOOL_BROWSER_LOG names.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("DISCTOOL_BROWSER_LOG", log, sizeof log)) return 1;
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    FILE* f = std::fopen(log, "ab");
    if (!f) return 1;
    std::fprintf(f, "%s\t%s\n", self, GetCommandLineA());
    std::fclose(f);
    return 0;
}
