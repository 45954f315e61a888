#include "tool/audio/AudioSource.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "tool/audio/AudioInputFile.h"
#include "tool/audio/FlacDecoder.h"
#include "tool/audio/Mp3Decoder.h"
#include "tool/audio/VorbisDecoder.h"
#include "tool/audio/WavReader.h"

namespace {

// An MPEG audio frame header: its byte length and what must stay the same from frame to frame.
struct MpegFrame {
    int length = 0;
    int version = 0, layer = 0, rateIndex = 0;
};

bool ParseMpegHeader(const unsigned char* h, MpegFrame* frame) {
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
    const int version = (h[1] >> 3) & 3;  // 0 MPEG 2.5, 1 reserved, 2 MPEG 2, 3 MPEG 1
    const int layer = (h[1] >> 1) & 3;    // 0 reserved, 1 layer III, 2 layer II, 3 layer I
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 || (h[3] & 3) == 2)
        return false;  // reserved values; free-format bitrates are not taken either
    static const short kBitrates[2][3][15] = {
        {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},   // MPEG 1, layer I
         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},      // layer II
         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},      // layer III
        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},      // MPEG 2 and 2.5, layer I
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},           // layers II and III
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
    static const int kRates[3] = {44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const int rate = kRates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int bitrate = kBitrates[mpeg1 ? 0 : 1][3 - layer][bitrateIndex] * 1000;
    const int padding = (h[2] >> 1) & 1;
    if (layer == 3) frame->length = (12 * bitrate / rate + padding) * 4;
    else if (layer == 1 && !mpeg1) frame->length = 72 * bitrate / rate + padding;
    else frame->length = 144 * bitrate / rate + padding;
    frame->version = version;
    frame->layer = layer;
    frame->rateIndex = rateIndex;
    return true;
}

// MPEG audio starts within the first bytes of `data`: a frame header whose successor, one frame
// length on, is a header of the same stream. Two in a row rarely happen by chance. `data` is
// the whole rest of the file when `atEnd`: then a last frame may end it.
bool StartsWithMpegFrames(const std::vector<unsigned char>& data, size_t searchLength, bool atEnd) {
    for (size_t i = 0; i < searchLength && i + 4 <= data.size(); ++i) {
        MpegFrame first, second;
        if (!ParseMpegHeader(&data[i], &first)) continue;
        const size_t next = i + size_t(first.length);
        if (next + 4 > data.size()) {
            if (atEnd && next == data.size()) return true;  // a file of one frame
            continue;
        }
        if (ParseMpegHeader(&data[next], &second) && second.version == first.version &&
            second.layer == first.layer && second.rateIndex == first.rateIndex)
            return true;
    }
    return false;
}

}  // namespace

AudioProblem DetectAudioFormat(const char* path, AudioFormat* format) {
    AudioInputFile file;
    if (AudioProblem p = file.Open(path); p != AudioProblem::None) return p;
    if (file.Size() == 0) return AudioProblem::EmptyFile;
    constexpr size_t kSearch = 4096, kLargestFrame = 2048;
    std::vector<unsigned char> head(kSearch + kLargestFrame);
    size_t got = 0;
    if (!file.Read(head.data(), head.size(), &got)) return AudioProblem::CannotOpen;
    head.resize(got);
    auto starts = [&](const char* magic, size_t at = 0) {
        const size_t n = std::strlen(magic);
        return head.size() >= at + n && !std::memcmp(&head[at], magic, n);
    };
    if (starts("RIFF") && starts("WAVE", 8)) *format = AudioFormat::Wav;
    else if (starts("OggS")) *format = AudioFormat::OggVorbis;
    else if (starts("fLaC")) *format = AudioFormat::Flac;
    else {
        if (starts("ID3") && head.size() >= 10) {
            // An ID3v2 tag: its size is four 7-bit bytes, a footer adds 10.
            const int64_t tag = 10 + (int64_t(head[6] & 0x7F) << 21 | (head[7] & 0x7F) << 14 | (head[8] & 0x7F) << 7 |
                                      (head[9] & 0x7F)) + (head[5] & 0x10 ? 10 : 0);
            if (tag >= file.Size() || !file.Seek(tag, SEEK_SET)) return AudioProblem::NotAudio;
            head.assign(kSearch + kLargestFrame, 0);
            if (!file.Read(head.data(), head.size(), &got)) return AudioProblem::CannotOpen;
            head.resize(got);
            if (starts("fLaC")) {
                *format = AudioFormat::Flac;  // libFLAC steps over the tag itself
                return AudioProblem::None;
            }
        }
        if (!StartsWithMpegFrames(head, kSearch, file.AtEnd())) return AudioProblem::NotAudio;
        *format = AudioFormat::Mp3;
    }
    return AudioProblem::None;
}

AudioProblem AudioSource::Open(const char* path) {
    decoder_.reset();
    info_ = AudioStreamInfo{};
    AudioFormat format = AudioFormat::Wav;
    if (AudioProblem p = DetectAudioFormat(path, &format); p != AudioProblem::None) return p;
    switch (format) {
    case AudioFormat::Wav: decoder_ = std::make_unique<WavReader>(); break;
    case AudioFormat::Flac: decoder_ = std::make_unique<FlacDecoder>(); break;
    case AudioFormat::OggVorbis: decoder_ = std::make_unique<VorbisDecoder>(); break;
    case AudioFormat::Mp3: decoder_ = std::make_unique<Mp3Decoder>(); break;
    }
    AudioProblem p = decoder_->Open(path);
    info_ = decoder_->Info();
    if (p == AudioProblem::None && (info_.channels < 1 || info_.rate < 1)) p = AudioProblem::UnsupportedLayout;
    if (p != AudioProblem::None) decoder_.reset();
    return p;
}
