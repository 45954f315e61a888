#include "tool/audio/FlacDecoder.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

// Every callback is noexcept: nothing may unwind through libFLAC.
struct FlacDecoder::Callbacks {
    static FLAC__StreamDecoderReadStatus Read(const FLAC__StreamDecoder*, FLAC__byte buffer[], size_t* bytes,
                                              void* self) noexcept {
        size_t got = 0;
        if (!static_cast<FlacDecoder*>(self)->file_.Read(buffer, *bytes, &got)) {
            *bytes = 0;
            return FLAC__STREAM_DECODER_READ_STATUS_ABORT;
        }
        *bytes = got;
        return got ? FLAC__STREAM_DECODER_READ_STATUS_CONTINUE : FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM;
    }
    static FLAC__StreamDecoderSeekStatus Seek(const FLAC__StreamDecoder*, FLAC__uint64 offset, void* self) noexcept {
        return static_cast<FlacDecoder*>(self)->file_.Seek(int64_t(offset), SEEK_SET) ? FLAC__STREAM_DECODER_SEEK_STATUS_OK
                                                                                       : FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
    }
    static FLAC__StreamDecoderTellStatus Tell(const FLAC__StreamDecoder*, FLAC__uint64* offset, void* self) noexcept {
        *offset = FLAC__uint64(static_cast<FlacDecoder*>(self)->file_.Tell());
        return FLAC__STREAM_DECODER_TELL_STATUS_OK;
    }
    static FLAC__StreamDecoderLengthStatus Length(const FLAC__StreamDecoder*, FLAC__uint64* length, void* self) noexcept {
        *length = FLAC__uint64(static_cast<FlacDecoder*>(self)->file_.Size());
        return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
    }
    static FLAC__bool Eof(const FLAC__StreamDecoder*, void* self) noexcept {
        return static_cast<FlacDecoder*>(self)->file_.AtEnd();
    }
    static FLAC__StreamDecoderWriteStatus Write(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                                const FLAC__int32* const buffer[], void* self_) noexcept {
        auto* self = static_cast<FlacDecoder*>(self_);
        const FLAC__FrameHeader& h = frame->header;
        if (int(h.channels) != self->info_.channels || long(h.sample_rate) != self->info_.rate) {
            self->problem_ = AudioProblem::StreamChanges;
            return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
        }
        const size_t channels = h.channels;
        try {
            self->pending_.resize(size_t(h.blocksize) * channels);
        } catch (const std::bad_alloc&) {
            self->problem_ = AudioProblem::OutOfMemory;
            return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
        }
        const float scale = float(std::ldexp(1.0, 1 - int(h.bits_per_sample)));
        float* out = self->pending_.data();
        for (size_t c = 0; c < channels; ++c) {
            const FLAC__int32* in = buffer[c];
            for (size_t i = 0; i < h.blocksize; ++i) out[i * channels + c] = float(in[i]) * scale;
        }
        self->taken_ = 0;
        self->decoded_ += h.blocksize;
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    }
    static void Metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* m, void* self_) noexcept {
        auto* self = static_cast<FlacDecoder*>(self_);
        if (m->type != FLAC__METADATA_TYPE_STREAMINFO) return;
        const FLAC__StreamMetadata_StreamInfo& s = m->data.stream_info;
        self->info_.channels = int(s.channels);
        self->info_.rate = long(s.sample_rate);
        self->info_.frames = s.total_samples ? int64_t(s.total_samples) : -1;  // 0: the writer did not know
        self->bitsPerSample_ = int(s.bits_per_sample);
    }
    static void Error(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* self_) noexcept {
        auto* self = static_cast<FlacDecoder*>(self_);
        if (self->problem_ == AudioProblem::None) self->problem_ = AudioProblem::Damaged;
    }
};

FlacDecoder::~FlacDecoder() {
    if (decoder_) FLAC__stream_decoder_delete(decoder_);
}

AudioProblem FlacDecoder::Open(const char* path) {
    info_ = AudioStreamInfo{};
    info_.format = AudioFormat::Flac;
    if (AudioProblem p = file_.Open(path); p != AudioProblem::None) return p;
    decoder_ = FLAC__stream_decoder_new();
    if (!decoder_) return AudioProblem::OutOfMemory;
    FLAC__stream_decoder_set_md5_checking(decoder_, true);
    if (FLAC__stream_decoder_init_stream(decoder_, Callbacks::Read, Callbacks::Seek, Callbacks::Tell, Callbacks::Length,
                                         Callbacks::Eof, Callbacks::Write, Callbacks::Metadata, Callbacks::Error,
                                         this) != FLAC__STREAM_DECODER_INIT_STATUS_OK)
        return AudioProblem::OutOfMemory;
    const bool read = FLAC__stream_decoder_process_until_end_of_metadata(decoder_);
    if (problem_ != AudioProblem::None) return problem_;
    if (!read || info_.rate == 0 || info_.channels == 0) {
        // Metadata that a good STREAMINFO starts and the end of the file stops: a cut file.
        return info_.rate != 0 && file_.AtEnd() ? AudioProblem::Truncated : AudioProblem::Damaged;
    }
    if (info_.frames == 0) return AudioProblem::NoAudio;
    return AudioProblem::None;
}

AudioProblem FlacDecoder::Read(float* out, size_t maxFrames, size_t* frames) {
    *frames = 0;
    const size_t channels = size_t(info_.channels);
    while (taken_ == pending_.size()) {
        if (finished_) return AudioProblem::None;
        if (FLAC__stream_decoder_get_state(decoder_) == FLAC__STREAM_DECODER_END_OF_STREAM) {
            finished_ = true;
            // A cut file ends quietly after its last whole frame: the count in STREAMINFO tells.
            if (info_.frames > 0 && decoded_ < info_.frames) return AudioProblem::Truncated;
            if (info_.frames > 0 && decoded_ > info_.frames) return AudioProblem::Damaged;
            if (!FLAC__stream_decoder_finish(decoder_)) return AudioProblem::Damaged;  // MD5 differs
            return decoded_ ? AudioProblem::None : AudioProblem::NoAudio;
        }
        const bool ok = FLAC__stream_decoder_process_single(decoder_);
        if (problem_ == AudioProblem::Damaged || !ok)
            return file_.AtEnd() ? AudioProblem::Truncated : AudioProblem::Damaged;  // a frame cut by the end
        if (problem_ != AudioProblem::None) return problem_;
    }
    const size_t n = std::min((pending_.size() - taken_) / channels, maxFrames);
    std::memcpy(out, pending_.data() + taken_, n * channels * sizeof(float));
    taken_ += n * channels;
    *frames = n;
    return AudioProblem::None;
}
