#include "tool/ReplacementState.h"

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/TextOperations.h"

const SearchPair* ReplacementState::Pick(int32_t selectionIndex) const {
    const DiscRecord* record = PickDiscRecord(selectionIndex);
    return record ? &pairs[static_cast<size_t>(record - DiscTable.data())] : nullptr;
}

Text StateFilePath() {
    Text runDirectory = cmd::TakeText(cmd::Call(RunDirectory));
    return ConcatTexts(runDirectory, "\\assets\\indexes\\Changejson.ini");
}

void CreateReplacementState(const char* path) {
    for (const DiscRecord& disc : DiscTable) {
        cmd::Call(WriteIniValue, path, kHashSection, disc.fileName, disc.stockHash);
        cmd::Call(WriteIniValue, path, kSizeSection, disc.fileName, disc.stockSize);
    }
}

ReplacementState ReadReplacementState(const char* path) {
    ReplacementState state;
    for (size_t i = 0; i < DiscTable.size(); ++i) {
        const DiscRecord& disc = DiscTable[i];
        state.pairs[i].hash = cmd::TakeText(cmd::Call(ReadIniValue, path, kHashSection, disc.fileName, disc.stockHash));
        state.pairs[i].size = cmd::TakeText(cmd::Call(ReadIniValue, path, kSizeSection, disc.fileName, disc.stockSize));
    }
    return state;
}
