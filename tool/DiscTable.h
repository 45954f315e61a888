// The twelve music-disc tracks the tool replaces, in the order DiscList shows them.
#pragma once
#include <array>
#include <cstdint>

struct DiscRecord {
    const char* fileName;   // as the asset index and the list show it; the state file's key
    const char* stockHash;  // the game's own SHA-1 of the track, 40 lower-case hex digits
    const char* stockSize;  // the game's own byte count of the track, decimal text
};

inline constexpr int32_t kDiscCount = 12;

extern const std::array<DiscRecord, kDiscCount> DiscTable;

// The record a DiscList selection index picks: 0 to 11 pick the record of that index, any
// other value (-1: nothing selected) picks none.
const DiscRecord* PickDiscRecord(int32_t selectionIndex);
