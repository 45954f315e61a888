// An audio file of any of the formats read here, told apart by its content (never its name):
// RIFF/WAVE, "fLaC", Ogg pages, or MPEG audio frames (an ID3v2 tag may come first).
#pragma once
#include <memory>

#include "tool/audio/AudioDecoder.h"

// The format the file's first bytes show: EmptyFile, NotAudio or CannotOpen otherwise.
AudioProblem DetectAudioFormat(const char* path, AudioFormat* format);

class AudioSource {
public:
    // Opens the file with the decoder of its format; None when its stream can be decoded.
    AudioProblem Open(const char* path);
    // What the file says of its stream, as far as it was read (the format once it is known).
    const AudioStreamInfo& Info() const { return info_; }
    // As AudioDecoder::Read; only after Open gave None.
    AudioProblem Read(float* out, size_t maxFrames, size_t* frames) { return decoder_->Read(out, maxFrames, frames); }
    // Lets go of the decoder and the file (a file replaced by its conversion must be closed).
    void Close() { decoder_.reset(); }

private:
    std::unique_ptr<AudioDecoder> decoder_;
    AudioStreamInfo info_;
};
