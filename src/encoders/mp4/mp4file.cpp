#include "encoders/mp4/mp4file.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <cstring>

#include "encoders/ffmpegoutput.h"
#include "encoders/muxeroutput.h"

namespace tonewright {

namespace {

constexpr uint32_t kTrackId = 1;
constexpr int kAacFrameLength = 1024;  // samples per channel in one AAC-LC frame

const char* ItemKey(Mp4TextItem item) {
    switch (item) {
        case Mp4TextItem::Name: return "title";
        case Mp4TextItem::Artist: return "artist";
        case Mp4TextItem::Album: return "album";
        case Mp4TextItem::Year: return "date";
        case Mp4TextItem::Genre: return "genre";
        case Mp4TextItem::Comment: return "comment";
        case Mp4TextItem::Writer: return "composer";
    }
    return "";
}

// The channel configuration of an AudioSpecificConfig (ISO 14496-3 1.6.2.1): a 5-bit
// object type (31 escapes to 6 more bits), a 4-bit frequency index (15 escapes to a 24-bit
// rate), then 4 bits of channels. 0 when the bytes are too short.
int ChannelConfiguration(const uint8_t* config, uint32_t length) {
    uint64_t bits = 0;
    const uint32_t take = length < 8 ? length : 8;
    for (uint32_t i = 0; i < 8; ++i) bits = bits << 8 | (i < take ? config[i] : 0);
    int at = 5;
    if ((bits >> 59) == 31) at += 6;
    if (((bits >> (60 - at)) & 0xF) == 15) at += 24;
    at += 4;
    if (static_cast<uint32_t>((at + 4 + 7) / 8) > length) return 0;
    return static_cast<int>((bits >> (60 - at)) & 0xF);
}

}  // namespace

struct Mp4File::State {
    MuxerOutput output;  // outlives the muxer context that writes through it
    std::unique_ptr<AVFormatContext, OutputContextFree> context;
    std::unique_ptr<AVPacket, PacketFree> packet;
    AVStream* stream = nullptr;
    bool headerWritten = false;
    bool failed = false;
    bool anySample = false;
    int64_t nextDts = 0;
};

Mp4File::Mp4File(std::unique_ptr<State> state) : state_(std::move(state)) {}

Mp4File::~Mp4File() { Close(); }

std::unique_ptr<Mp4File> Mp4File::Create(const std::string& path, Mp4Brand brand, std::string& error) {
    const char* muxer = brand == Mp4Brand::Mp4 ? "mp4" : "ipod";
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, muxer, path.c_str()) < 0 || !raw) {
        error = "no MP4 muxer";
        return nullptr;
    }
    auto state = std::make_unique<State>();
    state->context.reset(raw);
    state->packet.reset(av_packet_alloc());
    if (!state->packet) {
        error = "out of memory";
        return nullptr;
    }
    if (!state->output.Create(path)) {
        error = state->output.ErrorText();
        return nullptr;
    }
    raw->pb = state->output.Context();
    if (brand == Mp4Brand::M4b) av_opt_set(raw->priv_data, "brand", "M4B ", 0);
    return std::unique_ptr<Mp4File>(new Mp4File(std::move(state)));
}

bool Mp4File::Fail(int code) {
    state_->failed = true;
    if (error_.empty()) error_ = state_->output.FailureText(code);
    return false;
}

bool Mp4File::SetTimeScale(uint32_t movieTimeScale) {
    if (!state_->context || state_->headerWritten || movieTimeScale == 0) return false;
    return av_opt_set_int(state_->context->priv_data, "movie_timescale", movieTimeScale, 0) >= 0;
}

uint32_t Mp4File::AddAudioTrack(uint32_t timeScale, uint64_t, uint8_t audioType) {
    if (!state_->context || state_->stream || audioType != kMpeg4AudioType || timeScale == 0) return 0;
    AVStream* stream = avformat_new_stream(state_->context.get(), nullptr);
    if (!stream) return 0;
    stream->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    stream->codecpar->codec_id = AV_CODEC_ID_AAC;
    stream->codecpar->sample_rate = static_cast<int>(timeScale);
    stream->time_base = AVRational{1, static_cast<int>(timeScale)};
    state_->stream = stream;
    return kTrackId;
}

bool Mp4File::SetAudioProfileLevel(uint8_t level) {
    if (!state_->context || state_->headerWritten) return false;
    return av_opt_set_int(state_->context->priv_data, "iods_audio_profile", level, 0) >= 0;
}

bool Mp4File::SetTrackESConfiguration(uint32_t track, const uint8_t* config, uint32_t length) {
    if (track != kTrackId || !state_->stream || state_->headerWritten || !config) return false;
    const int channels = ChannelConfiguration(config, length);
    if (channels == 0) return false;
    AVCodecParameters* par = state_->stream->codecpar;
    av_freep(&par->extradata);
    par->extradata = static_cast<uint8_t*>(av_mallocz(length + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!par->extradata) return false;
    std::memcpy(par->extradata, config, length);
    par->extradata_size = static_cast<int>(length);
    par->frame_size = kAacFrameLength;
    av_channel_layout_uninit(&par->ch_layout);
    av_channel_layout_default(&par->ch_layout, channels);
    return true;
}

bool Mp4File::WriteHeader() {
    if (state_->headerWritten) return !state_->failed;
    state_->headerWritten = true;
    if (!state_->stream) return Fail(AVERROR(EINVAL));
    const int written = avformat_write_header(state_->context.get(), nullptr);
    return written < 0 ? Fail(written) : true;
}

bool Mp4File::WriteSample(uint32_t track, const uint8_t* bytes, uint32_t length, uint64_t duration,
                          uint64_t renderingOffset, bool sync) {
    if (!state_->context || track != kTrackId || state_->failed || !WriteHeader()) return false;
    if (!state_->anySample) state_->nextDts = -static_cast<int64_t>(renderingOffset);
    state_->anySample = true;
    AVPacket* packet = state_->packet.get();
    if (av_new_packet(packet, static_cast<int>(length)) < 0) return Fail(AVERROR(ENOMEM));
    std::memcpy(packet->data, bytes, length);
    packet->stream_index = state_->stream->index;
    packet->pts = packet->dts = state_->nextDts;
    packet->duration = static_cast<int64_t>(duration);
    if (sync) packet->flags |= AV_PKT_FLAG_KEY;
    state_->nextDts += static_cast<int64_t>(duration);
    av_packet_rescale_ts(packet, AVRational{1, state_->stream->codecpar->sample_rate}, state_->stream->time_base);
    const int muxed = av_write_frame(state_->context.get(), packet);
    av_packet_unref(packet);
    if (muxed < 0) return Fail(muxed);
    if (state_->context->pb->error < 0) return Fail(state_->context->pb->error);
    return true;
}

bool Mp4File::SetMetadataText(Mp4TextItem item, const std::string& text) {
    if (!state_->context || state_->headerWritten) return false;
    return av_dict_set(&state_->context->metadata, ItemKey(item), text.c_str(), 0) >= 0;
}

bool Mp4File::SetMetadataTrack(uint16_t number, uint16_t total) {
    if (!state_->context || state_->headerWritten) return false;
    std::string text = std::to_string(number);
    if (total > 0) text += "/" + std::to_string(total);
    return av_dict_set(&state_->context->metadata, "track", text.c_str(), 0) >= 0;
}

bool Mp4File::Close() {
    if (!state_ || !state_->context) return !state_ || !state_->failed;
    AVFormatContext* c = state_->context.get();
    if (WriteHeader()) {
        const int ended = av_write_trailer(c);
        if (ended < 0) Fail(ended);
    }
    c->pb = nullptr;
    if (!state_->output.Close()) Fail(AVERROR(EIO));
    state_->context.reset();
    return !state_->failed;
}

}  // namespace tonewright
