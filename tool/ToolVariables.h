// The tool's variables: texts that live for the whole run. Each assignment frees the text it
// replaces; ExitRoutine frees them all.
#pragma once
#include "runtime/ValueHolders.h"

struct ToolVariables {
    Text oggPath;        // the chosen audio file, as the file dialog returned it
    Text oggHash;        // its SHA-1, 40 lower-case hex digits
    Text oggSizeText;    // its size in bytes, decimal
    Text indexPath;      // the chosen asset index, as the file dialog returned it
    Text indexFileName;  // the part of indexPath after "indexes" and one more character
    Text objectFolder;   // the object store's folder for the audio file's hash
};

ToolVariables& Tool();
