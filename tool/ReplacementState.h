// The state file Changejson.ini beside the index files: for each disc track the hash text
// (section "CD") and the size text (section "DX") that the write operation searches for in
// the asset index. The tool creates it once, with the stock values, and only reads it after.
#pragma once
#include <array>
#include <cstdint>

#include "runtime/ValueHolders.h"
#include "tool/DiscTable.h"

inline constexpr char kHashSection[] = "CD";
inline constexpr char kSizeSection[] = "DX";

// What to search for in the index for one track.
struct SearchPair {
    Text hash;
    Text size;
};

struct ReplacementState {
    std::array<SearchPair, kDiscCount> pairs;  // in DiscTable order
    // The pair a DiscList selection index picks, or null (as PickDiscRecord).
    const SearchPair* Pick(int32_t selectionIndex) const;
};

// The run directory followed by "\assets\indexes\Changejson.ini".
Text StateFilePath();

// Writes the 24 stock values with one WriteIniValue each: "CD" then "DX" for each track in
// table order. The results are not looked at: a file that cannot be made stays missing.
void CreateReplacementState(const char* path);

// Reads the 24 values with one ReadIniValue each, in the creation order, with the stock value
// as default: a missing file, section or key reads as the stock value.
ReplacementState ReadReplacementState(const char* path);
