// Built with 64-bit file offsets (_FILE_OFFSET_BITS=64, set for this file by the build), as
// libmpg123 itself is: its large-file names (mpg123_open_handle_64, ...) are the ones called.
#include "tool/audio/Mp3Decoder.h"

#include <mpg123.h>

#include <cstdio>

struct Mp3Decoder::Callbacks {
    static mpg123_ssize_t Read(void* self, void* buffer, size_t bytes) noexcept {
        size_t got = 0;
        return static_cast<Mp3Decoder*>(self)->file_.Read(buffer, bytes, &got) ? mpg123_ssize_t(got) : -1;
    }
    static off_t Seek(void* self, off_t offset, int whence) noexcept {
        AudioInputFile& file = static_cast<Mp3Decoder*>(self)->file_;
        return file.Seek(offset, whence) ? off_t(file.Tell()) : off_t(-1);
    }
};

Mp3Decoder::~Mp3Decoder() {
    if (handle_) mpg123_delete(handle_);  // closes the reader; the file is ours
}

AudioProblem Mp3Decoder::Open(const char* path) {
    info_ = AudioStreamInfo{};
    info_.format = AudioFormat::Mp3;
    if (AudioProblem p = file_.Open(path); p != AudioProblem::None) return p;
    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_) return AudioProblem::OutOfMemory;
    // No messages on the console; gapless trimming from the info tag; and a stream whose
    // layout changes on the way is cut there, which also shuts out the overflow of
    // CVE-2024-10573 in float output.
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_NO_FRANKENSTEIN, 0);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    mpg123_format_none(handle_);
    for (size_t i = 0; i < rateCount; ++i) mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_replace_reader_handle(handle_, Callbacks::Read, Callbacks::Seek, nullptr) != MPG123_OK ||
        mpg123_open_handle(handle_, this) != MPG123_OK)
        return AudioProblem::OutOfMemory;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK)
        return file_.AtEnd() ? AudioProblem::Truncated : AudioProblem::Damaged;
    info_.rate = rate;
    info_.channels = channels;
    // An encoder delay in the state means the file has an info tag, and its length is exact.
    long delay = -1;
    double unused = 0;
    if (mpg123_getstate(handle_, MPG123_ENC_DELAY, &delay, &unused) == MPG123_OK && delay >= 0) {
        expected_ = int64_t(mpg123_length(handle_));
        info_.frames = expected_;
    }
    return AudioProblem::None;
}

AudioProblem Mp3Decoder::Read(float* out, size_t maxFrames, size_t* frames) {
    *frames = 0;
    const size_t frameBytes = size_t(info_.channels) * sizeof(float);
    while (!done_) {
        size_t bytes = 0;
        const int rc = mpg123_read(handle_, out, maxFrames * frameBytes, &bytes);
        if (rc == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle_, &rate, &channels, &encoding);
            if (rate != info_.rate || channels != info_.channels) return AudioProblem::StreamChanges;
        } else if (rc == MPG123_DONE) {
            done_ = true;
        } else if (rc != MPG123_OK) {
            return AudioProblem::Damaged;
        }
        if (bytes >= frameBytes) {
            *frames = bytes / frameBytes;
            decoded_ += int64_t(*frames);
            return AudioProblem::None;
        }
    }
    if (expected_ > 0 && decoded_ < expected_) return AudioProblem::Truncated;
    return decoded_ ? AudioProblem::None : AudioProblem::NoAudio;
}
