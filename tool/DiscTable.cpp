#include "tool/DiscTable.h"

const std::array<DiscRecord, kDiscCount> DiscTable = {{
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
}};

const DiscRecord* PickDiscRecord(int32_t selectionIndex) {
    if (selectionIndex < 0 || selectionIndex >= kDiscCount) return nullptr;
    return &DiscTable[static_cast<size_t>(selectionIndex)];
}
