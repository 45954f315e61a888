// What every decoder of an input format offers: the stream's layout, and its samples in blocks
// of interleaved floats (full scale -1..1), so that no more than one block is ever held.
#pragma once
#include <cstddef>
#include <cstdint>

#include "tool/audio/AudioProblem.h"

enum class AudioFormat { OggVorbis, Mp3, Wav, Flac };

struct AudioStreamInfo {
    AudioFormat format = AudioFormat::Wav;
    int channels = 0;
    long rate = 0;        // samples per second per channel
    int64_t frames = -1;  // length in sample frames; -1 where the file does not say
};

class AudioDecoder {
public:
    AudioDecoder() = default;
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;
    virtual ~AudioDecoder() = default;

    // Opens the file and reads what it says about its stream; the cheap checks of the format
    // (sizes, the end of the file) are made here, so a problem shows before any decoding.
    virtual AudioProblem Open(const char* path) = 0;
    const AudioStreamInfo& Info() const { return info_; }
    // Up to maxFrames frames (maxFrames x channels floats) into out; *frames = 0 at the end of
    // the stream. A problem (damaged data, a file that ends early) ends the decoding.
    virtual AudioProblem Read(float* out, size_t maxFrames, size_t* frames) = 0;

protected:
    AudioStreamInfo info_;
};
