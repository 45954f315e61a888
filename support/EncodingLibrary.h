// The encoding conversion support library (library index 2).
#pragma once
#include "support/RuntimeLink.h"

// The library's link to the runtime, set by its LibraryNotify message 1.
const RuntimeLink& EncodingLibraryRuntime();
