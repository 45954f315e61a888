// The chosen asset index as the tool reads it: opened for reading only (the tool never writes
// the file it was given, and a read-only file must read as well as any other), its whole text,
// and the name the rewritten copy gets.
#pragma once
#include "runtime/ValueHolders.h"

// The index's text up to its first zero byte (or byte 0x1A); the empty text when the file cannot
// be opened for reading or is empty.
Text ReadIndexText(const char* indexPath);

// The part of the path that starts one character after the first "indexes" (ASCII case
// ignored), at most 999 bytes: "D:\Games\.minecraft\assets\indexes\1.12.json" gives "1.12.json".
Text IndexFileNameOf(const char* indexPath);
