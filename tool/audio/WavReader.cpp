#include "tool/audio/WavReader.h"

#include <cmath>
#include <cstring>

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes (the format tag).
constexpr unsigned char kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                              0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

}  // namespace

AudioProblem WavReader::Open(const char* path) {
    info_ = AudioStreamInfo{};
    info_.format = AudioFormat::Wav;
    if (AudioProblem p = file_.Open(path); p != AudioProblem::None) return p;
    unsigned char head[12];
    if (!file_.ReadExactly(head, sizeof head) || std::memcmp(head, "RIFF", 4) || std::memcmp(head + 8, "WAVE", 4))
        return AudioProblem::NotAudio;
    bool haveFormat = false;
    for (;;) {
        unsigned char chunk[8];
        if (!file_.ReadExactly(chunk, sizeof chunk)) return AudioProblem::Truncated;  // no data chunk came
        const uint32_t size = Le32(chunk + 4);
        const int64_t rest = file_.Size() - file_.Tell();
        if (!std::memcmp(chunk, "data", 4)) {
            if (!haveFormat) return AudioProblem::BadWavHeader;
            // A streamed file's writer leaves 0 or 0xFFFFFFFF; any other size must be there.
            const int64_t bytes = size == 0 || size == 0xFFFFFFFF ? rest : int64_t(size);
            if (bytes > rest) return AudioProblem::Truncated;
            framesLeft_ = bytes / blockAlign_;
            break;
        }
        if (int64_t(size) > rest) return AudioProblem::Truncated;
        const int64_t body = file_.Tell();
        if (!std::memcmp(chunk, "fmt ", 4)) {
            if (AudioProblem p = ReadFormat(size); p != AudioProblem::None) return p;
            haveFormat = true;
        }
        // Chunks are padded to an even size; the pad byte of a last chunk may be missing.
        const int64_t next = body + size + (size & 1);
        if (!file_.Seek(next > file_.Size() ? file_.Size() : next, SEEK_SET)) return AudioProblem::Truncated;
    }
    info_.frames = framesLeft_;
    return framesLeft_ > 0 ? AudioProblem::None : AudioProblem::NoAudio;
}

// The fmt chunk (the caller moves on to the next chunk).
AudioProblem WavReader::ReadFormat(uint32_t chunkSize) {
    if (chunkSize < 16) return AudioProblem::BadWavHeader;
    unsigned char f[40] = {};
    const size_t take = chunkSize < sizeof f ? chunkSize : sizeof f;
    if (!file_.ReadExactly(f, take)) return AudioProblem::Truncated;
    uint16_t tag = Le16(f);
    const uint16_t channels = Le16(f + 2);
    const uint32_t rate = Le32(f + 4);
    blockAlign_ = Le16(f + 12);
    const uint16_t bits = Le16(f + 14);
    if (tag == kFormatExtensible) {
        if (chunkSize < 40) return AudioProblem::BadWavHeader;
        if (std::memcmp(f + 26, kSubFormatTail, sizeof kSubFormatTail)) return AudioProblem::UnsupportedWav;
        tag = Le16(f + 24);
    }
    if (tag == kFormatPcm && bits == 8) encoding_ = Encoding::Unsigned8;
    else if (tag == kFormatPcm && bits == 16) encoding_ = Encoding::Signed16;
    else if (tag == kFormatPcm && bits == 24) encoding_ = Encoding::Signed24;
    else if (tag == kFormatPcm && bits == 32) encoding_ = Encoding::Signed32;
    else if (tag == kFormatFloat && bits == 32) encoding_ = Encoding::Float32;
    else if (tag == kFormatFloat && bits == 64) encoding_ = Encoding::Float64;
    else return AudioProblem::UnsupportedWav;
    if (channels == 0 || rate == 0 || blockAlign_ != uint32_t(channels) * bits / 8) return AudioProblem::BadWavHeader;
    if (rate > 768000) return AudioProblem::UnsupportedLayout;
    info_.channels = channels;
    info_.rate = long(rate);
    return AudioProblem::None;
}

AudioProblem WavReader::Read(float* out, size_t maxFrames, size_t* frames) {
    *frames = 0;
    const size_t n = int64_t(maxFrames) < framesLeft_ ? maxFrames : size_t(framesLeft_);
    if (n == 0) return AudioProblem::None;
    raw_.resize(n * blockAlign_);
    if (!file_.ReadExactly(raw_.data(), raw_.size())) return AudioProblem::Truncated;
    framesLeft_ -= int64_t(n);
    const unsigned char* p = raw_.data();
    const size_t count = n * size_t(info_.channels);
    switch (encoding_) {
    case Encoding::Unsigned8:
        for (size_t i = 0; i < count; ++i) out[i] = float(int(p[i]) - 128) * (1.0f / 128);
        break;
    case Encoding::Signed16:
        for (size_t i = 0; i < count; ++i) out[i] = float(int16_t(Le16(p + 2 * i))) * (1.0f / 32768);
        break;
    case Encoding::Signed24:
        for (size_t i = 0; i < count; ++i) {
            const unsigned char* s = p + 3 * i;
            const int32_t v = int32_t(uint32_t(s[0]) << 8 | uint32_t(s[1]) << 16 | uint32_t(s[2]) << 24) >> 8;
            out[i] = float(v) * (1.0f / 8388608);
        }
        break;
    case Encoding::Signed32:
        for (size_t i = 0; i < count; ++i) out[i] = float(int32_t(Le32(p + 4 * i))) * (1.0f / 2147483648.0f);
        break;
    case Encoding::Float32:
        for (size_t i = 0; i < count; ++i) {
            float v;
            std::memcpy(&v, p + 4 * i, 4);
            out[i] = std::isfinite(v) ? v : 0.0f;  // the encoder must not see NaN or infinity
        }
        break;
    case Encoding::Float64:
        for (size_t i = 0; i < count; ++i) {
            double v;
            std::memcpy(&v, p + 8 * i, 8);
            out[i] = std::isfinite(v) ? float(v) : 0.0f;
        }
        break;
    }
    *frames = n;
    return AudioProblem::None;
}
