// A support library's link to the runtime: the RuntimeNotify entry that the runtime hands over
// with library message 1, and the services the libraries take from it.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"

class RuntimeLink {
public:
    // Message 1 of a library's LibraryNotify: keeps the entry for later requests.
    void Attach(RuntimeNotifyFn notify) { notify_ = notify ? notify : &RuntimeNotify; }

    // A ByteSet block of the n bytes from the runtime heap (request 2024, size n + 8, with the
    // flag that lets the heap refuse). Null for n == 0 and when the heap refuses: the libraries
    // never raise a runtime error for memory.
    ByteSet* MakeByteSet(const void* bytes, size_t n) const;

private:
    // Before message 1 (a program that never started the runtime) the runtime's own entry serves.
    RuntimeNotifyFn notify_ = &RuntimeNotify;
};
