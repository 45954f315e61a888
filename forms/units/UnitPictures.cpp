#include "forms/units/UnitPictures.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace forms {
namespace {

uint32_t Word16(const uint8_t* b) { return static_cast<uint32_t>(b[0] | b[1] << 8); }
uint32_t Word32(const uint8_t* b) { return Word16(b) | Word16(b + 2) << 16; }

}  // namespace

HICON IconFromData(const std::string& data, int size) {
    auto bytes = reinterpret_cast<const uint8_t*>(data.data());
    if (data.size() < 6 || Word16(bytes) != 0 || Word16(bytes + 2) != 1) return nullptr;
    size_t count = Word16(bytes + 4);
    if (data.size() < 6 + 16 * count) return nullptr;
    size_t best = count;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < count; ++i) {
        int width = bytes[6 + 16 * i] ? bytes[6 + 16 * i] : 256;
        int distance = std::abs(width - size);
        if (distance < bestDistance) best = i, bestDistance = distance;
    }
    if (best == count) return nullptr;
    uint32_t length = Word32(bytes + 6 + 16 * best + 8);
    uint32_t offset = Word32(bytes + 6 + 16 * best + 12);
    if (offset > data.size() || length > data.size() - offset) return nullptr;
    return CreateIconFromResourceEx(const_cast<uint8_t*>(bytes + offset), length, TRUE, 0x00030000, size, size, 0);
}

HBITMAP BitmapFromData(const std::string& data) {
    auto bytes = reinterpret_cast<const uint8_t*>(data.data());
    constexpr size_t kFileHeader = 14;
    if (data.size() < kFileHeader + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
    uint32_t bitsOffset = Word32(bytes + 10);
    if (bitsOffset >= data.size()) return nullptr;
    // The info header and colour table, copied to an aligned place.
    std::vector<uint32_t> header((bitsOffset - kFileHeader + 3) / 4 + 1);
    if (bitsOffset < kFileHeader + sizeof(BITMAPINFOHEADER)) return nullptr;
    std::memcpy(header.data(), bytes + kFileHeader, bitsOffset - kFileHeader);
    auto info = reinterpret_cast<const BITMAPINFO*>(header.data());
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) return nullptr;
    uint64_t stride = (static_cast<uint64_t>(std::abs(h.biWidth)) * h.biBitCount + 31) / 32 * 4;
    if (stride * static_cast<uint64_t>(std::abs(h.biHeight)) > data.size() - bitsOffset) return nullptr;  // bits cut short
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bytes + bitsOffset, info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace forms
