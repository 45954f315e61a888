// Ogg Vorbis through libvorbisfile, fed from our own file by callbacks. A cut file still
// decodes up to the cut, so Open looks at the last page: it must be complete and end the stream.
#pragma once
#include <vorbis/vorbisfile.h>

#include "tool/audio/AudioDecoder.h"
#include "tool/audio/AudioInputFile.h"

class VorbisDecoder : public AudioDecoder {
public:
    VorbisDecoder() = default;
    ~VorbisDecoder() override;
    AudioProblem Open(const char* path) override;
    AudioProblem Read(float* out, size_t maxFrames, size_t* frames) override;

    struct Callbacks;

private:
    AudioProblem CheckLastPage();

    AudioInputFile file_;
    OggVorbis_File vorbis_{};
    bool open_ = false;
};
