#include "forms/UnitCursor.h"

#include <cstring>
#include <iterator>

namespace forms {
namespace {

// Stored number n (from 1) is entry n - 1.
constexpr int32_t kStandardCursors[] = {
    32512,  // IDC_ARROW
    32515,  // IDC_CROSS
    32513,  // IDC_IBEAM
    32641,  // IDC_ICON
    32646,  // IDC_SIZEALL
    32643,  // IDC_SIZENESW
    32645,  // IDC_SIZENS
    32642,  // IDC_SIZENWSE
    32644,  // IDC_SIZEWE
    32516,  // IDC_UPARROW
    32514,  // IDC_WAIT
    32648,  // IDC_NO
    32650,  // IDC_APPSTARTING
    32651,  // IDC_HELP
    32649,  // IDC_HAND
};
constexpr int32_t kCursorCount = static_cast<int32_t>(std::size(kStandardCursors));

std::string WithFirstWord(std::string block, int32_t (*translate)(int32_t)) {
    if (block.size() < 4) return block;
    int32_t n;
    std::memcpy(&n, block.data(), 4);
    n = translate(n);
    std::memcpy(block.data(), &n, 4);
    return block;
}

}  // namespace

int32_t CursorNumberToPlatform(int32_t stored) {
    return stored >= 1 && stored <= kCursorCount ? kStandardCursors[stored - 1] : 0;
}

int32_t CursorNumberToStored(int32_t platform) {
    for (int32_t i = 0; i < kCursorCount; ++i)
        if (kStandardCursors[i] == platform) return i + 1;
    return 0;
}

std::string CursorBlockToPlatform(std::string block) { return WithFirstWord(std::move(block), CursorNumberToPlatform); }
std::string CursorBlockToStored(std::string block) { return WithFirstWord(std::move(block), CursorNumberToStored); }

HCURSOR LoadUnitCursor(const std::string& storedBlock) {
    if (storedBlock.size() < 4) return nullptr;
    int32_t stored;
    std::memcpy(&stored, storedBlock.data(), 4);
    int32_t platform = CursorNumberToPlatform(stored);
    return platform ? LoadCursorA(nullptr, MAKEINTRESOURCEA(platform)) : nullptr;
}

}  // namespace forms
