// Asset indexes in the shapes real ones have, built from a list of entries, so that a test can
// render the same list before and after a track's hash and size are changed and compare every
// byte of the tool's output with the second rendering.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tool_e2e {

// The twelve tracks with the stock hash and size the disc table publishes, in list order.
struct StockTrack {
    const char* fileName;
    const char* hash;
    const char* size;
};
extern const StockTrack kStockTracks[12];

struct IndexEntry {
    std::string key;   // "minecraft/sounds/records/cat.ogg"
    std::string hash;
    std::string size;  // decimal digits, as the index writes the number
};

enum class IndexShape {
    minified,     // one line, no blanks (the official indexes)
    spaced,       // one line, a blank after every colon and comma
    prettyTwo,    // two-space indents, LF line ends
    prettyFour,   // four-space indents, CRLF line ends
};

struct IndexModel {
    std::vector<IndexEntry> entries;
    bool legacyVirtualFlag = false;  // the legacy index's leading "virtual": true
};

// A game version's index: `fillers` other entries (sounds, languages, icons; some whose sizes and
// hashes hold the stock sizes' digits) around the twelve disc entries. Current indexes key the
// discs "minecraft/sounds/records/<track>"; a legacy one keys each disc twice, as
// "sounds/records/<track>" and "records/<track>". `discHashes`: the stock ones, or (a newer
// version) hashes of its own. The sizes are those of real indexes (mall.ogg 1430016).
enum class DiscKeys { current, legacy, none };
enum class DiscHashes { stock, newer };
IndexModel MakeIndex(int fillers, DiscKeys keys, DiscHashes hashes, uint32_t seed = 1);

std::string Render(const IndexModel& model, IndexShape shape);

// The model with every entry of the track (its keys, any form) given the hash and size.
IndexModel WithTrack(IndexModel model, const std::string& trackFileName, const std::string& hash,
                     const std::string& size);

}  // namespace tool_e2e
