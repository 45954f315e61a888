// MPEG audio (layer III, and I and II) through libmpg123, fed from our own file by callbacks,
// decoded to float. With an encoder's info tag the stream's exact (gapless) length is known,
// and a file that ends early can be told from a short one.
#pragma once
#include "tool/audio/AudioDecoder.h"
#include "tool/audio/AudioInputFile.h"

struct mpg123_handle_struct;

class Mp3Decoder : public AudioDecoder {
public:
    Mp3Decoder() = default;
    ~Mp3Decoder() override;
    AudioProblem Open(const char* path) override;
    AudioProblem Read(float* out, size_t maxFrames, size_t* frames) override;

    struct Callbacks;

private:
    AudioInputFile file_;
    mpg123_handle_struct* handle_ = nullptr;
    int64_t expected_ = -1;  // frames the info tag announces; -1 without a tag
    int64_t decoded_ = 0;
    bool done_ = false;
};
