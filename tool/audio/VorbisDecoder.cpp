#include "tool/audio/VorbisDecoder.h"

#include <cstdio>
#include <cstring>
#include <vector>

struct VorbisDecoder::Callbacks {
    static size_t Read(void* buffer, size_t size, size_t count, void* self) noexcept {
        size_t got = 0;
        if (size == 0 || !static_cast<VorbisDecoder*>(self)->file_.Read(buffer, size * count, &got)) return 0;
        return got / size;
    }
    static int Seek(void* self, ogg_int64_t offset, int whence) noexcept {
        return static_cast<VorbisDecoder*>(self)->file_.Seek(offset, whence) ? 0 : -1;
    }
    static long Tell(void* self) noexcept { return long(static_cast<VorbisDecoder*>(self)->file_.Tell()); }
};

VorbisDecoder::~VorbisDecoder() {
    if (open_) ov_clear(&vorbis_);
}

AudioProblem VorbisDecoder::Open(const char* path) {
    info_ = AudioStreamInfo{};
    info_.format = AudioFormat::OggVorbis;
    if (AudioProblem p = file_.Open(path); p != AudioProblem::None) return p;
    if (AudioProblem p = CheckLastPage(); p != AudioProblem::None) return p;
    const ov_callbacks callbacks = {Callbacks::Read, Callbacks::Seek, nullptr, Callbacks::Tell};
    const int rc = ov_open_callbacks(this, &vorbis_, nullptr, 0, callbacks);
    if (rc == OV_ENOTVORBIS) return AudioProblem::NotVorbis;
    if (rc != 0) return AudioProblem::Damaged;
    open_ = true;
    const vorbis_info* vi = ov_info(&vorbis_, -1);
    info_.channels = vi->channels;
    info_.rate = vi->rate;
    // Chained files whose links differ are not taken apart: the encoder gets one layout.
    for (int link = 1; link < ov_streams(&vorbis_); ++link) {
        const vorbis_info* other = ov_info(&vorbis_, link);
        if (other->channels != vi->channels || other->rate != vi->rate) return AudioProblem::StreamChanges;
    }
    const ogg_int64_t total = ov_pcm_total(&vorbis_, -1);
    info_.frames = total >= 0 ? int64_t(total) : -1;
    return info_.frames == 0 ? AudioProblem::NoAudio : AudioProblem::None;
}

// The last page of the file (found by its capture pattern within the largest page size of the
// end) must be complete and flagged as the end of its stream.
AudioProblem VorbisDecoder::CheckLastPage() {
    constexpr int64_t kMaxPage = 27 + 255 + 255 * 255;
    const int64_t size = file_.Size();
    const int64_t start = size > kMaxPage ? size - kMaxPage : 0;
    std::vector<unsigned char> tail(size_t(size - start));
    if (!file_.Seek(start, SEEK_SET) || !file_.ReadExactly(tail.data(), tail.size()) || !file_.Seek(0, SEEK_SET))
        return AudioProblem::CannotOpen;
    for (size_t i = tail.size() < 27 ? 0 : tail.size() - 27 + 1; i-- > 0;) {
        const unsigned char* p = &tail[i];
        if (std::memcmp(p, "OggS", 4) || p[4] != 0) continue;
        const size_t segments = p[26];
        if (i + 27 + segments > tail.size()) return AudioProblem::Truncated;
        size_t end = i + 27 + segments;
        for (size_t k = 0; k < segments; ++k) end += p[27 + k];
        if (end > tail.size()) return AudioProblem::Truncated;
        // After the last whole page: nothing, or bytes that are not the start of a page (a tag
        // some programs append); the start of a page there is one cut short.
        const size_t rest = tail.size() - end;
        if (rest && !std::memcmp(&tail[end], "OggS", rest < 4 ? rest : 4)) return AudioProblem::Truncated;
        return p[5] & 4 ? AudioProblem::None : AudioProblem::Truncated;  // the end-of-stream flag
    }
    return AudioProblem::Truncated;
}

AudioProblem VorbisDecoder::Read(float* out, size_t maxFrames, size_t* frames) {
    *frames = 0;
    if (maxFrames == 0) return AudioProblem::None;
    float** pcm = nullptr;
    int link = 0;
    const long n = ov_read_float(&vorbis_, &pcm, int(maxFrames > 65536 ? 65536 : maxFrames), &link);
    if (n < 0) return AudioProblem::Damaged;  // OV_HOLE (data missing) or a bad packet
    const int channels = info_.channels;
    for (long i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c) out[size_t(i) * channels + c] = pcm[c][i];
    *frames = size_t(n);
    return AudioProblem::None;
}
