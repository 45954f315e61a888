// FLAC through libFLAC's stream decoder, fed from our own file by callbacks. libFLAC pushes
// one FLAC frame at a time; it is kept until Read has handed all of it out.
#pragma once
#include <FLAC/stream_decoder.h>

#include <vector>

#include "tool/audio/AudioDecoder.h"
#include "tool/audio/AudioInputFile.h"

class FlacDecoder : public AudioDecoder {
public:
    FlacDecoder() = default;
    ~FlacDecoder() override;
    AudioProblem Open(const char* path) override;
    AudioProblem Read(float* out, size_t maxFrames, size_t* frames) override;

    // The callbacks' view of the decoder (they are plain functions of the C library's types).
    struct Callbacks;

private:
    AudioInputFile file_;
    FLAC__StreamDecoder* decoder_ = nullptr;
    std::vector<float> pending_;  // the current FLAC frame, interleaved
    size_t taken_ = 0;            // floats of pending_ already handed out
    int bitsPerSample_ = 0;
    int64_t decoded_ = 0;
    AudioProblem problem_ = AudioProblem::None;  // what a callback met
    bool finished_ = false;
};
