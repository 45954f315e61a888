// Runs the update check as the start-up routine does, against the page URL given on the command
// line (a copy of the update page on the tests' server), then ends like the program.
#include <cstring>

#include "runtime/RuntimeApplication.h"
#include "tool/UpdateCheck.h"

int main(int argc, char** argv) {
    InitRuntime();
    if (argc > 1) UpdateCheck(argv[1]);
    EndProgram(0);
}
