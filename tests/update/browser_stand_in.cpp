// Stands in for the browser: appends its command line, as it received it, to the file that
// DISCTOOL_BROWSER_LOG names.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("DISCTOOL_BROWSER_LOG", log, sizeof log)) return 1;
    FILE* f = std::fopen(log, "ab");
    if (!f) return 1;
    std::fprintf(f, "%s\n", GetCommandLineA());
    std::fclose(f);
    return 0;
}
