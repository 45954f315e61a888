#include "tests/support/Sha1.h"

#include <cstdint>
#include <cstdio>

namespace testing_support {

namespace {
uint32_t Rotl(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }
}  // namespace

std::string Sha1Hex(const std::string& bytes) {
    uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::string m = bytes;
    const uint64_t bitLength = static_cast<uint64_t>(bytes.size()) * 8;
    m += static_cast<char>(0x80);
    while (m.size() % 64 != 56) m += '\0';
    for (int i = 7; i >= 0; --i) m += static_cast<char>(bitLength >> (8 * i));
    for (size_t block = 0; block < m.size(); block += 64) {
        uint32_t w[80];
        for (int t = 0; t < 16; ++t) {
            const auto* p = reinterpret_cast<const unsigned char*>(m.data() + block + 4 * t);
            w[t] = static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
        }
        for (int t = 16; t < 80; ++t) w[t] = Rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
        uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (int t = 0; t < 80; ++t) {
            uint32_t f, k;
            if (t < 20) f = (b & c) | (~b & d), k = 0x5A827999;
            else if (t < 40) f = b ^ c ^ d, k = 0x6ED9EBA1;
            else if (t < 60) f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
            else f = b ^ c ^ d, k = 0xCA62C1D6;
            uint32_t temp = Rotl(a, 5) + f + e + k + w[t];
            e = d, d = c, c = Rotl(b, 30), b = a, a = temp;
        }
        h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
    }
    std::string hex;
    char digits[9];
    for (uint32_t word : h) {
        std::snprintf(digits, sizeof digits, "%08x", word);
        hex += digits;
    }
    return hex;
}

}  // namespace testing_support
