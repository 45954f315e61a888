// Ogg Vorbis encoding with libvorbisenc (variable bitrate at a quality) into libogg pages, each
// page written out as soon as it is complete.
#pragma once
#include <ogg/ogg.h>
#include <vorbis/codec.h>

#include "tool/audio/AtomicOutputFile.h"
#include "tool/audio/AudioProblem.h"

class OggVorbisEncoder {
public:
    explicit OggVorbisEncoder(AtomicOutputFile& out) : out_(out) {}
    OggVorbisEncoder(const OggVorbisEncoder&) = delete;
    OggVorbisEncoder& operator=(const OggVorbisEncoder&) = delete;
    ~OggVorbisEncoder();

    // Writes the three header packets. UnsupportedLayout when libvorbisenc has no mode for the
    // channels and rate.
    AudioProblem Start(int channels, long rate, float quality);
    // frames x inChannels interleaved floats; for a mono encoder of a wider input, each frame's
    // mean of its channels.
    AudioProblem Write(const float* in, size_t frames, int inChannels);
    // Ends the stream: the last packets and the end-of-stream page.
    AudioProblem Finish();

private:
    AudioProblem Drain();
    bool WritePage(const ogg_page& page);

    AtomicOutputFile& out_;
    int channels_ = 0;
    bool started_ = false;
    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
};
