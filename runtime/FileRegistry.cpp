#include "runtime/FileRegistry.h"

#include <vector>

namespace {

struct RegisteredFile {
    void* object;
    uint8_t kind;
    int32_t number;
};

// Used from the user-interface thread only; a program has a handful of files open at most.
std::vector<RegisteredFile>& Registry() {
    static std::vector<RegisteredFile> files;
    return files;
}

RegisteredFile* Find(const void* object) {
    for (RegisteredFile& f : Registry())
        if (f.object == object) return &f;
    return nullptr;
}

int32_t NextNumber() {
    static int32_t last = 0;
    do {
        last = last == INT32_MAX ? 1 : last + 1;
    } while (RegisteredFileObject(last));
    return last;
}

}  // namespace

int32_t RegisteredFileKind(const void* fileObject) {
    const RegisteredFile* f = fileObject ? Find(fileObject) : nullptr;
    return f ? f->kind : -1;
}

int32_t RegisterFile(void* fileObject, uint8_t kind) {
    if (!fileObject) return 0;
    if (const RegisteredFile* f = Find(fileObject)) return f->number;
    int32_t number = NextNumber();
    Registry().push_back({fileObject, kind, number});
    return number;
}

bool UnregisterFile(const void* fileObject) {
    auto& files = Registry();
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it->object == fileObject) {
            files.erase(it);
            return true;
        }
    }
    return false;
}

void* RegisteredFileObject(int32_t fileNumber) {
    if (fileNumber == 0) return nullptr;
    for (const RegisteredFile& f : Registry())
        if (f.number == fileNumber) return f.object;
    return nullptr;
}
