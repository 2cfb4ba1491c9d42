#include "encoders/vorbis/vorbisencoder.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <utility>

#include "encoders/oggserial.h"
#include "metadata/vorbiscomments.h"

namespace tonewright {

// The libvorbis and libogg state of one file. The analysis state and the Ogg stream exist
// from WriteHeaders on; each part is cleared only when it was set up.
struct VorbisEncoder::Codec {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool configured = false;
    bool analysing = false;
    bool ended = false;

    Codec() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Codec() {
        if (analysing) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Codec(const Codec&) = delete;
    Codec& operator=(const Codec&) = delete;
};

VorbisEncoder::VorbisEncoder() = default;

VorbisEncoder::~VorbisEncoder() { Close(); }

int VorbisEncoder::Open(const std::string& path) {
    Close();
    codec_ = std::make_unique<Codec>();
    return file_.Create(path) ? 1 : 0;
}

int VorbisEncoder::Setup(int sampleRate, int channels, long nominalBitrate) {
    if (!codec_) return 0;
    vorbis_info* info = &codec_->info;
    return FinishSetup(channels, vorbis_encode_setup_managed(info, channels, sampleRate, -1, nominalBitrate, -1) == 0 &&
                                     vorbis_encode_ctl(info, OV_ECTL_RATEMANAGE2_SET, nullptr) == 0);
}

int VorbisEncoder::SetupQuality(int sampleRate, int channels, int quality) {
    if (!codec_) return 0;
    const float level = static_cast<float>(quality) / 10.0f;  // libvorbis counts -0.1 .. 1.0
    return FinishSetup(channels, vorbis_encode_setup_vbr(&codec_->info, channels, sampleRate, level) == 0);
}

int VorbisEncoder::FinishSetup(int channels, bool modeChosen) {
    channels_ = channels;
    codec_->configured = modeChosen && vorbis_encode_setup_init(&codec_->info) == 0;
    return codec_->configured ? 1 : 0;
}

void VorbisEncoder::SetTags(const TagInfo& tags) {
    if (!codec_) return;
    for (const auto& [key, value] : OggStreamComments(tags))
        vorbis_comment_add_tag(&codec_->comment, key, value.c_str());
}

int VorbisEncoder::WriteHeaders() {
    if (!codec_ || !codec_->configured || codec_->analysing) return 0;
    Codec& c = *codec_;
    vorbis_analysis_init(&c.dsp, &c.info);
    vorbis_block_init(&c.dsp, &c.block);
    ogg_stream_init(&c.stream, NextOggSerialNumber());
    c.analysing = true;

    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&c.dsp, &c.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&c.stream, &identification);
    ogg_stream_packetin(&c.stream, &comments);
    ogg_stream_packetin(&c.stream, &codebooks);
    // Flushing (rather than waiting for full pages) puts the headers on pages of their own,
    // so the first audio page starts a fresh page as Vorbis players expect.
    ogg_page page;
    while (ogg_stream_flush(&c.stream, &page) != 0) {
        if (!file_.Write(page.header, page.header_len) || !file_.Write(page.body, page.body_len)) return 0;
    }
    return 1;
}

bool VorbisEncoder::WritePendingPages() {
    Codec& c = *codec_;
    ogg_page page;
    while (!c.ended && ogg_stream_pageout(&c.stream, &page) != 0) {
        if (!file_.Write(page.header, page.header_len) || !file_.Write(page.body, page.body_len)) return false;
        if (ogg_page_eos(&page)) c.ended = true;
    }
    return true;
}

int VorbisEncoder::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    if (!codec_ || !codec_->analysing || file_.Failed()) return 0;
    Codec& c = *codec_;
    if (c.ended) return 1;
    if (count > 0) {
        float** buffer = vorbis_analysis_buffer(&c.dsp, count);
        constexpr float kScale = 1.0f / 32768.0f;
        for (int i = 0; i < count; ++i) buffer[0][i] = left[i] * kScale;
        if (channels_ == 2) {
            const int16_t* second = right ? right : left;
            for (int i = 0; i < count; ++i) buffer[1][i] = second[i] * kScale;
        }
    }
    return Encode(count);
}

int VorbisEncoder::WriteFrames(const float* frames, int count) {
    if (!codec_ || !codec_->analysing || file_.Failed()) return 0;
    if (codec_->ended) return 1;
    if (count > 0) {
        float** buffer = vorbis_analysis_buffer(&codec_->dsp, count);
        for (int ch = 0; ch < channels_; ++ch) {
            const float* from = frames + (positions_.empty() ? ch : positions_[static_cast<size_t>(ch)]);
            for (int i = 0; i < count; ++i) buffer[ch][i] = from[static_cast<size_t>(i) * channels_];
        }
    }
    return Encode(count);
}

int VorbisEncoder::Encode(int count) {
    Codec& c = *codec_;
    vorbis_analysis_wrote(&c.dsp, count > 0 ? count : 0);
    ogg_packet packet;
    while (vorbis_analysis_blockout(&c.dsp, &c.block) == 1) {
        vorbis_analysis(&c.block, nullptr);
        vorbis_bitrate_addblock(&c.block);
        while (vorbis_bitrate_flushpacket(&c.dsp, &packet) == 1) {
            ogg_stream_packetin(&c.stream, &packet);
            if (!WritePendingPages()) return 0;
        }
    }
    return 1;
}

int VorbisEncoder::Close() {
    const bool ok = file_.Close();
    codec_.reset();
    channels_ = 0;
    return ok ? 1 : 0;
}

}  // namespace tonewright
