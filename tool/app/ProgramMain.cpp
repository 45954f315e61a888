// The program's entry: hands the header and the start routine to the runtime's framework.
#include <windows.h>

#include "runtime/ApplicationFramework.h"
#include "tool/ProgramHeader.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return framework::RunApplication(kProgramHeader, ProgramStartRoutine);
}
