// WAV (RIFF/WAVE) read by our own parser: integer PCM of 8 (unsigned), 16, 24 and 32 bits and
// IEEE float of 32 and 64 bits, also as WAVE_FORMAT_EXTENSIBLE; any rate and channel count.
// The data chunk's size must fit the file; a streamed file, whose writer could not go back to
// fill the size in (0 or 0xFFFFFFFF), is read to the end of the file.
#pragma once
#include <vector>

#include "tool/audio/AudioDecoder.h"
#include "tool/audio/AudioInputFile.h"

class WavReader : public AudioDecoder {
public:
    AudioProblem Open(const char* path) override;
    AudioProblem Read(float* out, size_t maxFrames, size_t* frames) override;

private:
    enum class Encoding { Unsigned8, Signed16, Signed24, Signed32, Float32, Float64 };
    AudioProblem ReadFormat(uint32_t chunkSize);

    AudioInputFile file_;
    Encoding encoding_ = Encoding::Signed16;
    uint32_t blockAlign_ = 0;
    int64_t framesLeft_ = 0;
    std::vector<unsigned char> raw_;
};
