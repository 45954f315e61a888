#include "tool/IndexFile.h"

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/TextCommands.h"

namespace {
constexpr int32_t kOpenForReading = 1;
constexpr int32_t kNameLength = 999;
constexpr int32_t kAfterIndexes = 8;  // "indexes" and the backslash after it
}  // namespace

Text ReadIndexText(const char* indexPath) {
    int32_t file = cmd::AsInt(cmd::Call(OpenFileNumber, indexPath, kOpenForReading));
    Text text = cmd::TakeText(cmd::Call(ReadTextFromFile, file));
    cmd::Call(CloseFileNumber, file);
    return text;
}

Text IndexFileNameOf(const char* indexPath) {
    int32_t at = cmd::AsInt(cmd::Call(FindText, indexPath, "indexes", cmd::kOmitted, true));
    return cmd::TakeText(cmd::Call(MidText, indexPath, at + kAfterIndexes, kNameLength));
}
