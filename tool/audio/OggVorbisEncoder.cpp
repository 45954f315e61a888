#include "tool/audio/OggVorbisEncoder.h"

#include <windows.h>

#include <vorbis/vorbisenc.h>

OggVorbisEncoder::~OggVorbisEncoder() {
    if (!started_) return;
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
}

AudioProblem OggVorbisEncoder::Start(int channels, long rate, float quality) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, channels, rate, quality) != 0) {
        vorbis_info_clear(&info_);
        return AudioProblem::UnsupportedLayout;
    }
    started_ = true;
    channels_ = channels;
    vorbis_comment_init(&comment_);
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    // The serial number only has to differ from other streams a player might chain with it.
    ogg_stream_init(&stream_, int(GetTickCount() ^ (GetCurrentProcessId() << 16)));
    ogg_packet id, comment, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &id, &comment, &codebooks);
    ogg_stream_packetin(&stream_, &id);
    ogg_stream_packetin(&stream_, &comment);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page))  // the audio starts on a page of its own
        if (!WritePage(page)) return AudioProblem::CannotWrite;
    return AudioProblem::None;
}

AudioProblem OggVorbisEncoder::Write(const float* in, size_t frames, int inChannels) {
    float** buffer = vorbis_analysis_buffer(&dsp_, int(frames));
    if (channels_ == inChannels) {
        for (int c = 0; c < channels_; ++c) {
            float* out = buffer[c];
            for (size_t i = 0; i < frames; ++i) out[i] = in[i * inChannels + c];
        }
    } else {
        const float share = 1.0f / float(inChannels);
        float* out = buffer[0];
        for (size_t i = 0; i < frames; ++i) {
            float sum = 0;
            for (int c = 0; c < inChannels; ++c) sum += in[i * inChannels + c];
            out[i] = sum * share;
        }
    }
    vorbis_analysis_wrote(&dsp_, int(frames));
    return Drain();
}

AudioProblem OggVorbisEncoder::Finish() {
    vorbis_analysis_wrote(&dsp_, 0);
    if (AudioProblem p = Drain(); p != AudioProblem::None) return p;
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page))
        if (!WritePage(page)) return AudioProblem::CannotWrite;
    return AudioProblem::None;
}

AudioProblem OggVorbisEncoder::Drain() {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
        vorbis_analysis(&block_, nullptr);
        vorbis_bitrate_addblock(&block_);
        while (vorbis_bitrate_flushpacket(&dsp_, &packet)) {
            ogg_stream_packetin(&stream_, &packet);
            while (ogg_stream_pageout(&stream_, &page))
                if (!WritePage(page)) return AudioProblem::CannotWrite;
        }
    }
    return AudioProblem::None;
}

bool OggVorbisEncoder::WritePage(const ogg_page& page) {
    return out_.Write(page.header, size_t(page.header_len)) && out_.Write(page.body, size_t(page.body_len));
}
