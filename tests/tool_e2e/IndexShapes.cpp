#include "tests/tool_e2e/IndexShapes.h"

#include <cstdio>

namespace tool_e2e {

const StockTrack kStockTracks[12] = {
    {"11.ogg", "f86c466225dad2f32c90981485c1965671b3e8e6", "591997"},
    {"13.ogg", "9cbed0e40296f68c61090c9b81816061e068a0ec", "1071028"},
    {"blocks.ogg", "9b2a01e0d0456b8fbe33557fbc19d4fe342f94d6", "2587419"},
    {"cat.ogg", "d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0", "1286636"},
    {"chirp.ogg", "ec8a2cbdf68b4e2136098ec33695e1c53625ddb8", "1379756"},
    {"far.ogg", "f46c38e7d6d7b19d5d68aa18b557215738deb36a", "1285938"},
    {"mall.ogg", "83233451430516d839eaee855a2f789b8985d457", "1430036"},
    {"mellohi.ogg", "6b44d0539073353b7a05330ccddc5735ba5efca4", "663709"},
    {"stal.ogg", "2c4f3f8f259dc782867727311fea30875ecc3917", "1180789"},
    {"strad.ogg", "f34afa3ba5f756e90a1f61023bbe069ee8442608", "1558180"},
    {"wait.ogg", "876655d1691803f4cef17a6288d971285be79c6a", "1845255"},
    {"ward.ogg", "f685021d4f26d6b590bffb341908e25e92e18cef", "1987588"},
};

namespace {

// A small deterministic generator (the numbers of Numerical Recipes' LCG).
struct Random {
    uint32_t state;
    uint32_t Next() { return state = state * 1664525u + 1013904223u; }
    std::string Hex(size_t digits) {
        static const char kDigits[] = "0123456789abcdef";
        std::string s;
        while (s.size() < digits) s += kDigits[Next() >> 28];
        return s;
    }
};

const char* const kFillerFolders[] = {"minecraft/sounds/ambient/cave/cave", "minecraft/sounds/mob/cat/purr",
                                      "minecraft/sounds/step/grass", "minecraft/lang/lang_", "icons/icon_",
                                      "minecraft/textures/block/stone_"};
const char* const kFillerExtensions[] = {".ogg", ".ogg", ".ogg", ".json", ".png", ".png"};

// Where the real indexes keep the discs' sizes: the table's mall.ogg size is not the one they hold.
std::string RealSize(const StockTrack& t) { return std::string(t.fileName) == "mall.ogg" ? "1430016" : t.size; }

}  // namespace

IndexModel MakeIndex(int fillers, DiscKeys keys, DiscHashes hashes, uint32_t seed) {
    IndexModel model;
    model.legacyVirtualFlag = keys == DiscKeys::legacy;
    Random random{seed};
    const int discsAt = fillers / 2;  // the discs stand among the other entries, not at an end
    for (int i = 0; i < fillers; ++i) {
        if (i == discsAt && keys != DiscKeys::none) {
            for (const StockTrack& t : kStockTracks) {
                std::string hash = hashes == DiscHashes::stock ? t.hash : random.Hex(40);
                if (keys == DiscKeys::current) {
                    model.entries.push_back({std::string("minecraft/sounds/records/") + t.fileName, hash, RealSize(t)});
                } else {
                    model.entries.push_back({std::string("records/") + t.fileName, hash, RealSize(t)});
                    model.entries.push_back({std::string("sounds/records/") + t.fileName, hash, RealSize(t)});
                }
            }
        }
        size_t kind = random.Next() % 6;
        IndexEntry e{kFillerFolders[kind] + std::to_string(i) + kFillerExtensions[kind], random.Hex(40),
                     std::to_string(random.Next() % 3000000)};
        // Every fourth filler holds a disc's size digits inside its own size or hash, where a
        // replacement of the plain digits would corrupt it.
        if (i % 4 == 1) {
            const StockTrack& t = kStockTracks[(i / 8) % 12];
            if (i % 8 == 1) e.size = std::string(t.size) + std::to_string(random.Next() % 10);
            else e.hash = random.Hex(10) + t.size + random.Hex(30 - std::string(t.size).size());
        }
        model.entries.push_back(std::move(e));
    }
    return model;
}

std::string Render(const IndexModel& model, IndexShape shape) {
    const bool pretty = shape == IndexShape::prettyTwo || shape == IndexShape::prettyFour;
    const std::string nl = shape == IndexShape::prettyFour ? "\r\n" : shape == IndexShape::prettyTwo ? "\n" : "";
    const std::string unit = shape == IndexShape::prettyFour ? "    " : shape == IndexShape::prettyTwo ? "  " : "";
    const std::string colon = shape == IndexShape::minified ? ":" : ": ";
    const std::string comma = shape == IndexShape::spaced ? ", " : ",";
    auto indent = [&](int level) {
        std::string s;
        for (int i = 0; i < level; ++i) s += unit;
        return s;
    };
    std::string out = "{" + nl;
    if (model.legacyVirtualFlag) out += indent(1) + "\"virtual\"" + colon + "true" + comma + nl;
    out += indent(1) + "\"objects\"" + colon + "{" + nl;
    for (size_t i = 0; i < model.entries.size(); ++i) {
        const IndexEntry& e = model.entries[i];
        out += indent(2) + "\"" + e.key + "\"" + colon + "{" + nl;
        out += indent(3) + "\"hash\"" + colon + "\"" + e.hash + "\"" + comma + nl;
        out += indent(3) + "\"size\"" + colon + e.size + nl;
        out += indent(2) + "}";
        if (i + 1 < model.entries.size()) out += comma;
        out += nl;
    }
    out += indent(1) + "}" + nl + "}";
    if (pretty) out += nl;
    return out;
}

IndexModel WithTrack(IndexModel model, const std::string& trackFileName, const std::string& hash,
                     const std::string& size) {
    for (IndexEntry& e : model.entries) {
        const std::string tail = "records/" + trackFileName;
        if (e.key.size() >= tail.size() && e.key.compare(e.key.size() - tail.size(), tail.size(), tail) == 0 &&
            (e.key.size() == tail.size() || e.key[e.key.size() - tail.size() - 1] == '/')) {
            e.hash = hash;
            e.size = size;
        }
    }
    return model;
}

}  // namespace tool_e2e
