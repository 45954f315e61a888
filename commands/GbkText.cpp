#include "commands/GbkText.h"

namespace gbk {

std::string HalfWidth(const char* text, size_t length) {
    auto t = reinterpret_cast<const uint8_t*>(text);
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length;) {
        uint8_t lead = t[i];
        if (!IsLeadByte(lead)) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        if (i + 1 >= length) break;  // broken character
        uint8_t trail = t[i + 1];
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && (trail == 0xA1 || trail == 0xAB || trail == 0xEE || trail == 0xEF)) {
            out += trail == 0xA1 ? ' ' : trail == 0xAB ? '~' : '*';
        } else {
            out += static_cast<char>(lead);
            out += static_cast<char>(trail);
        }
        i += 2;
    }
    return out;
}

}  // namespace gbk
