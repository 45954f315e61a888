// The runtime's registry of open files (runtime messages 2011 to 2013): which file objects the
// file commands have opened, with their kind byte. A file number is the registry's nonzero
// 32-bit name for a registered object, the same on every build whatever the pointer width.
#pragma once
#include <cstdint>

// Message 2011: the object's kind byte, or -1 when it is not registered.
int32_t RegisteredFileKind(const void* fileObject);
// Message 2012: registers the object unless it is already registered; gives its file number.
int32_t RegisterFile(void* fileObject, uint8_t kind);
// Message 2013: removes the object; true when it was registered.
bool UnregisterFile(const void* fileObject);
// The object a file number names, or null when the number names no registered object.
void* RegisteredFileObject(int32_t fileNumber);
