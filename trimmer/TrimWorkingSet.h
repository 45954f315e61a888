// The working-set trimmer: whenever the application is deactivated, a thread of its own runs
// the carried flush utility ("empty.exe" in the Windows folder) on this process.
#pragma once
#include <windows.h>

// One trim, as a thread routine (the SHCreateThread / CreateThread form; data unused, result 0).
// Makes sure "%windir%\empty.exe" (or "\empty.exe" of the current drive when windir is unset)
// holds exactly FlushUtilityImage, writing the image over anything else, and runs it hidden with
// this process's id, waiting for it to end. When the file cannot be made to hold the image,
// nothing runs. Never raises; reports nothing.
DWORD WINAPI TrimWorkingSet(void* unused);

// For a top-level window procedure's WM_ACTIVATEAPP: wParam 0 (the application is being
// deactivated) starts TrimWorkingSet on a new thread (SHCreateThread, data 0, flags 0, no
// callback; a thread that cannot be made is no trim). Activation starts nothing. The caller
// passes the message on as it would otherwise.
void StartTrimOnDeactivate(WPARAM activated);

// Waits, at most timeoutMs, until every trim started here has ended. The program's end calls it:
// a utility whose starter ends while it is being started or run may be left hanging (Wine leaves
// such a child waiting for ever), so the program does not end in the middle of a trim.
void WaitForRunningTrims(DWORD timeoutMs);
