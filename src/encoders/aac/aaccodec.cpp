#include "encoders/aac/aaccodec.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <array>
#include <cstring>

#include "encoders/ffmpegoutput.h"
#include "encoders/speakerorder.h"

namespace tonewright {

namespace {

constexpr int kFrameLength = 1024;             // samples per channel in one AAC-LC frame
// The standard allows 6144 bits per channel in a frame; FFmpeg's encoder sizes its packets
// for up to 8192 bytes per channel and may go past the standard's limit.
constexpr unsigned kMaxChannelBytes = 8192;
constexpr unsigned kAdtsHeaderBytes = 7;
constexpr unsigned kMaxAdtsFrameBytes = 8191;  // the header's 13-bit frame length
constexpr int kAdts = 1;
constexpr int kMaxQuantqual = 500;
constexpr int kQuantqualPerQuality = 95;
// The sampling frequency indexes of ISO 14496-3, in index order.
constexpr std::array<int, 13> kSamplingFrequencies = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                                      22050, 16000, 12000, 11025, 8000,  7350};

// The rates of the CD family are whole multiples of this one.
constexpr int kCdFamilyBase = 11025;
constexpr int kCdFamilyHiRes = 88200;

int FrequencyIndex(int rate) {
    for (size_t i = 0; i < kSamplingFrequencies.size(); ++i)
        if (kSamplingFrequencies[i] == rate) return static_cast<int>(i);
    return -1;
}

// ADTS fixed and variable header without CRC (ISO 13818-7 / 14496-3), for one raw block.
void WriteAdtsHeader(uint8_t* h, int mpegVersion, int objectType, int frequencyIndex, int channels,
                     unsigned frameBytes) {
    const int profile = objectType - 1;
    h[0] = 0xFF;
    h[1] = static_cast<uint8_t>(0xF0 | (mpegVersion ? 0x08 : 0) | 0x01);  // layer 0, no CRC
    h[2] = static_cast<uint8_t>(profile << 6 | frequencyIndex << 2 | channels >> 2);
    h[3] = static_cast<uint8_t>((channels & 3) << 6 | frameBytes >> 11);
    h[4] = static_cast<uint8_t>(frameBytes >> 3);
    h[5] = static_cast<uint8_t>((frameBytes & 7) << 5 | 0x1F);  // buffer fullness 0x7FF: variable
    h[6] = 0xFC;
}

// The speakers of AAC's channel configuration for a count (1..6), as FFmpeg's channel
// bits; 0 for counts it has no configuration of its own for.
uint64_t SpeakersOf(int channels) {
    uint64_t mask = 0;
    for (const uint32_t speaker : AacSpeakerOrder(channels)) mask |= speaker;
    return mask;
}

}  // namespace

struct AacCodec::State {
    int rate = 0;
    int channels = 0;
    std::unique_ptr<AVCodecContext, CodecContextFree> context;
    std::unique_ptr<AVFrame, FrameFree> frame;
    std::unique_ptr<AVPacket, PacketFree> packet;
    int64_t nextPts = 0;
    bool ended = false;
};

AacCodec::AacCodec(std::unique_ptr<State> state) : state_(std::move(state)) {}

AacCodec::~AacCodec() = default;

std::unique_ptr<AacCodec> AacCodec::Open(int sampleRate, int channels, unsigned& inputSamples,
                                         unsigned& maxOutputBytes) {
    if (FrequencyIndex(sampleRate) < 0 || SpeakersOf(channels) == 0) return nullptr;
    if (!avcodec_find_encoder_by_name("aac")) return nullptr;
    auto state = std::make_unique<State>();
    state->rate = sampleRate;
    state->channels = channels;
    state->frame.reset(av_frame_alloc());
    state->packet.reset(av_packet_alloc());
    if (!state->frame || !state->packet) return nullptr;
    inputSamples = kFrameLength * channels;
    maxOutputBytes = kMaxChannelBytes * channels + kAdtsHeaderBytes;
    return std::unique_ptr<AacCodec>(new AacCodec(std::move(state)));
}

std::string AacCodec::RefusalText(int sampleRate, int channels) {
    return "AAC does not carry " + std::to_string(sampleRate) + " Hz with " + std::to_string(channels) +
           " channel(s)";
}

int AacCodec::EncodingRate(int sourceRate) {
    const int highest = kSamplingFrequencies.front();
    if (sourceRate > highest) return sourceRate % kCdFamilyBase == 0 ? kCdFamilyHiRes : highest;
    int chosen = highest;
    for (const int rate : kSamplingFrequencies)  // from the highest down
        if (rate >= sourceRate) chosen = rate;
    return chosen;
}

int AacCodec::SetConfiguration(const AacConfiguration& config) {
    if (config.aacObjectType != 2 || config.inputFormat != 1 || config.mpegVersion < 0 || config.mpegVersion > 1 ||
        config.shortctl < 0 || config.shortctl > 2 || config.quantqual < 1 || config.quantqual > kMaxQuantqual)
        return 0;
    const AVCodec* codec = avcodec_find_encoder_by_name("aac");
    std::unique_ptr<AVCodecContext, CodecContextFree> context(avcodec_alloc_context3(codec));
    if (!context) return 0;
    context->sample_rate = state_->rate;
    context->sample_fmt = AV_SAMPLE_FMT_FLTP;
    if (av_channel_layout_from_mask(&context->ch_layout, SpeakersOf(state_->channels)) < 0) return 0;
    context->time_base = AVRational{1, state_->rate};
    context->profile = FF_PROFILE_AAC_LOW;
    context->cutoff = static_cast<int>(config.bandWidth);
    if (config.bitRate > 0) {
        context->bit_rate = static_cast<int64_t>(config.bitRate) * state_->channels;
    } else {
        context->flags |= AV_CODEC_FLAG_QSCALE;
        context->global_quality = static_cast<int>(config.quantqual * FF_QP2LAMBDA / kQuantqualPerQuality);
    }
    av_opt_set_int(context->priv_data, "aac_tns", config.useTns ? 1 : 0, 0);
    if (!config.allowMidside) {
        av_opt_set_int(context->priv_data, "aac_ms", 0, 0);
        av_opt_set_int(context->priv_data, "aac_is", 0, 0);
    }
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return 0;
    config_ = config;
    state_->context = std::move(context);
    return 1;
}

std::vector<uint8_t> AacCodec::DecoderSpecificInfo() const {
    const AVCodecContext* c = state_->context.get();
    if (!c || !c->extradata || c->extradata_size <= 0) return {};
    return std::vector<uint8_t>(c->extradata, c->extradata + c->extradata_size);
}

int AacCodec::SendSamples(const float* interleaved, unsigned samples) {
    AVCodecContext* c = state_->context.get();
    const int channels = state_->channels;
    const int count = static_cast<int>(samples) / channels;
    if (count > 0) {
        AVFrame* frame = state_->frame.get();
        av_frame_unref(frame);
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = state_->rate;
        frame->nb_samples = count;
        if (av_channel_layout_copy(&frame->ch_layout, &c->ch_layout) < 0 || av_frame_get_buffer(frame, 0) < 0)
            return 0;
        for (int ch = 0; ch < channels; ++ch) {
            auto plane = reinterpret_cast<float*>(frame->data[ch]);
            for (int i = 0; i < count; ++i) plane[i] = interleaved[i * channels + ch];
        }
        frame->pts = state_->nextPts;
        state_->nextPts += count;
        if (avcodec_send_frame(c, frame) < 0) return 0;
    }
    if (count < kFrameLength) {
        state_->ended = true;
        if (avcodec_send_frame(c, nullptr) < 0) return 0;
    }
    return 1;
}

int AacCodec::TakeFrame(uint8_t* out, unsigned size) {
    AVPacket* packet = state_->packet.get();
    const int received = avcodec_receive_packet(state_->context.get(), packet);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return 0;
    if (received < 0) return -1;
    const bool adts = config_.outputFormat == kAdts;
    const unsigned header = adts ? kAdtsHeaderBytes : 0;
    const unsigned total = header + static_cast<unsigned>(packet->size);
    int result = -1;
    if (total <= size && (!adts || total <= kMaxAdtsFrameBytes)) {
        if (adts)
            WriteAdtsHeader(out, config_.mpegVersion, config_.aacObjectType, FrequencyIndex(state_->rate),
                            state_->channels, total);
        std::memcpy(out + header, packet->data, packet->size);
        result = static_cast<int>(total);
    }
    av_packet_unref(packet);
    return result;
}

int AacCodec::Encode(const float* interleaved, unsigned samples, uint8_t* out, unsigned size) {
    if (!state_->context) return -1;
    if (!state_->ended && !SendSamples(interleaved, samples)) return -1;
    return TakeFrame(out, size);
}

}  // namespace tonewright
