#include "sources/ffmpeg/ffmpegdecoder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/ffmpegfree.h"
#include "base/speakerlayout.h"
#include "sources/ffmpeg/ffmpegcontainer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace tonewright {

namespace {

// FFmpeg's own sanity limit for channel counts is far above anything a file needs; more
// than this is treated as a damaged header.
constexpr int kMaxChannels = 64;
// Decode errors that a decoder may report in a row without taking new input before the
// stream is given up (each error normally drops one packet, so this only stops a decoder
// that keeps failing on its own).
constexpr int kMaxErrorsWithoutInput = 64;
// Packets of other streams (video) that may come before the first audio packet is found.
constexpr int kMaxPacketsBeforeAudio = 1000;

struct ChannelLayout {
    AVChannelLayout layout{};
    ChannelLayout() = default;
    ~ChannelLayout() { av_channel_layout_uninit(&layout); }
    ChannelLayout(const ChannelLayout&) = delete;
    ChannelLayout& operator=(const ChannelLayout&) = delete;

    // A copy of `from`; a layout that only counts its channels becomes the usual layout of
    // that count, which the converter needs to tell the channels apart.
    bool Assign(const AVChannelLayout& from) {
        if (from.order == AV_CHANNEL_ORDER_UNSPEC) {
            AssignUsual(from.nb_channels);
            return true;
        }
        av_channel_layout_uninit(&layout);
        return av_channel_layout_copy(&layout, &from) == 0;
    }
    void AssignUsual(int channelCount) {
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, channelCount);
    }
};

bool IsEightBit(AVSampleFormat format) { return format == AV_SAMPLE_FMT_U8 || format == AV_SAMPLE_FMT_U8P; }

bool IsLossy(AVCodecID id) {
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(id);
    return descriptor && (descriptor->props & AV_CODEC_PROP_LOSSY) && !(descriptor->props & AV_CODEC_PROP_LOSSLESS);
}

// The width frames report for the decoder's output (see StoredFormat).
int StoredBits(const AVCodecContext& codec) {
    switch (av_get_packed_sample_fmt(codec.sample_fmt)) {
        case AV_SAMPLE_FMT_U8:
            return 8;
        case AV_SAMPLE_FMT_S32:
            return codec.bits_per_raw_sample > 0 && codec.bits_per_raw_sample <= 16 ? 16 : 24;
        case AV_SAMPLE_FMT_FLT:
        case AV_SAMPLE_FMT_DBL:
            return IsLossy(codec.codec_id) ? 16 : kFloatBits;
        default:
            return 16;
    }
}

// The speakers of a layout in native order, the usual ones of its count otherwise; bits
// beyond those the road knows make the usual ones too.
uint32_t StoredMask(const AVChannelLayout& layout) {
    const int count = layout.nb_channels;
    if (layout.order != AV_CHANNEL_ORDER_NATIVE || layout.u.mask > kKnownSpeakers) return DefaultChannelMask(count);
    return UsableChannelMask(static_cast<uint32_t>(layout.u.mask), count);
}

constexpr float kSteps24 = 8388608.0f;  // 2^23

// FFmpeg's FLAC decoder sets the usual FLAC layout of the channel count when it opens,
// in place of the one the container found (a channel mask comment); the container's is
// kept, so that the decoded frames carry it. False when it cannot be copied.
bool KeepContainerLayout(AVCodecContext& codec, const AVChannelLayout& container) {
    if (codec.codec_id != AV_CODEC_ID_FLAC || container.order != AV_CHANNEL_ORDER_NATIVE ||
        container.nb_channels != codec.ch_layout.nb_channels)
        return true;
    av_channel_layout_uninit(&codec.ch_layout);
    return av_channel_layout_copy(&codec.ch_layout, &container) == 0;
}

// The read error behind a demuxer's end (`result` < 0), 0 for the end of the file. Some
// demuxers report any failure of the byte stream as the end of the file, so the stream's
// own error decides too: it is set only by a read that failed, never by reaching the end.
int ReadFailure(int result, const AVIOContext* bytes) {
    if (result != AVERROR_EOF) return result;
    return bytes && bytes->error < 0 && bytes->error != AVERROR_EOF ? bytes->error : 0;
}

}  // namespace

struct FfmpegDecoder::State {
    FormatContextPtr container;
    std::unique_ptr<AVCodecContext, CodecContextFree> codec;
    std::unique_ptr<SwrContext, SwrFree> converter;
    std::unique_ptr<AVPacket, PacketFree> packet;
    std::unique_ptr<AVFrame, FrameFree> frame;
    int streamIndex = -1;
    int storedChannels = 0;
    int64_t totalFrames = 0;
    FrameFormat storedFormat;
    bool roundTo24 = false;  // float frames of integers wider than 24 bits

    // What Read delivers.
    AVSampleFormat outFormat = AV_SAMPLE_FMT_S16;
    int outRate = 0;
    ChannelLayout outLayout;
    int outFrameBytes = 0;

    // What the converter is set up for; it is set up again when a frame differs.
    AVSampleFormat inFormat = AV_SAMPLE_FMT_NONE;
    int inRate = 0;
    ChannelLayout inLayout;

    std::vector<uint8_t> pending;  // converted frames not yet delivered
    int pendingFrames = 0;
    int pendingOffset = 0;  // frames of `pending` already delivered

    bool inputEnded = false;  // the demuxer is exhausted and the decoder was told so
    bool finished = false;    // nothing more will be decoded
    int readError = 0;        // the FFmpeg error that kept the file from being read to its end
    int errorsWithoutInput = 0;
    bool packetHeld = false;  // `packet` holds the first audio packet, read ahead and not yet sent

    bool SetUp(DecodedForm form);
    bool DecodeMore();
    void SendNextPacket();
    bool ReadPacket(int otherPackets);
    bool Convert(const AVFrame& decoded);
    bool ConfigureConverter(const AVFrame& decoded);
    void FlushConverter();
    void ReserveOutput(int frames);
};

bool FfmpegDecoder::State::SetUp(DecodedForm form) {
    streamIndex = FirstStreamOf(*container, AVMEDIA_TYPE_AUDIO);
    if (streamIndex < 0) return false;
    AVStream* stream = container->streams[streamIndex];
    // The demuxer then skips the packets of every other stream (video, subtitles) quickly.
    for (unsigned i = 0; i < container->nb_streams; ++i)
        if (static_cast<int>(i) != streamIndex) container->streams[i]->discard = AVDISCARD_ALL;

    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!decoder) return false;
    codec.reset(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0) return false;
    codec->pkt_timebase = stream->time_base;
    if (avcodec_open2(codec.get(), decoder, nullptr) < 0 || !KeepContainerLayout(*codec, stream->codecpar->ch_layout))
        return false;

    storedChannels = codec->ch_layout.nb_channels;
    outRate = codec->sample_rate;
    if (storedChannels < 1 || storedChannels > kMaxChannels || outRate <= 0) return false;
    if (form == DecodedForm::kStereoSamples && storedChannels > 2)
        outLayout.AssignUsual(2);
    else if (!outLayout.Assign(codec->ch_layout))
        return false;
    storedFormat = {storedChannels, StoredMask(codec->ch_layout), StoredBits(*codec)};
    if (form == DecodedForm::kFloatFrames) {
        outFormat = AV_SAMPLE_FMT_FLT;
        roundTo24 = storedFormat.bits == 24 && codec->bits_per_raw_sample != 24;
    } else {
        outFormat = IsEightBit(codec->sample_fmt) ? AV_SAMPLE_FMT_U8 : AV_SAMPLE_FMT_S16;
    }
    outFrameBytes = av_get_bytes_per_sample(outFormat) * outLayout.layout.nb_channels;

    packet.reset(av_packet_alloc());
    frame.reset(av_frame_alloc());
    return packet && frame;
}

// Decodes until converted frames are pending; false when the stream has ended.
bool FfmpegDecoder::State::DecodeMore() {
    while (!finished) {
        const int result = avcodec_receive_frame(codec.get(), frame.get());
        if (result == 0) {
            errorsWithoutInput = 0;
            const bool converted = Convert(*frame);
            av_frame_unref(frame.get());
            if (!converted) finished = true;
            if (pendingFrames > 0) return true;
        } else if (result == AVERROR(EAGAIN)) {
            SendNextPacket();
        } else if (result == AVERROR_EOF) {
            FlushConverter();
            finished = true;
            return pendingFrames > 0;
        } else if (++errorsWithoutInput > kMaxErrorsWithoutInput) {
            // A damaged frame is dropped and decoding goes on; a decoder that fails again
            // and again without new input ends the stream.
            finished = true;
        }
    }
    return false;
}

void FfmpegDecoder::State::SendNextPacket() {
    if (inputEnded) {
        finished = true;
        return;
    }
    if (!packetHeld && !ReadPacket(INT_MAX)) return;
    packetHeld = false;
    // A packet the decoder refuses is dropped; the next one is read on the next request.
    avcodec_send_packet(codec.get(), packet.get());
    av_packet_unref(packet.get());
    errorsWithoutInput = 0;
}

// Reads the next packet of the audio stream into `packet`, passing over at most
// `otherPackets` packets of other streams. At the end of the input (or a read that failed)
// the decoder is told to drain.
bool FfmpegDecoder::State::ReadPacket(int otherPackets) {
    for (int skipped = 0; skipped <= otherPackets; ++skipped) {
        const int result = av_read_frame(container.get(), packet.get());
        if (result < 0) {
            readError = ReadFailure(result, container->pb);
            // Drains the frames the decoder still holds.
            avcodec_send_packet(codec.get(), nullptr);
            inputEnded = true;
            return false;
        }
        if (packet->stream_index == streamIndex) return true;
        av_packet_unref(packet.get());
    }
    return false;
}

bool FfmpegDecoder::State::ConfigureConverter(const AVFrame& decoded) {
    if (decoded.ch_layout.nb_channels < 1 || decoded.ch_layout.nb_channels > kMaxChannels || decoded.sample_rate <= 0)
        return false;
    if (!inLayout.Assign(decoded.ch_layout)) return false;
    inFormat = static_cast<AVSampleFormat>(decoded.format);
    inRate = decoded.sample_rate;
    SwrContext* created = nullptr;
    const int result = swr_alloc_set_opts2(&created, &outLayout.layout, outFormat, outRate, &inLayout.layout, inFormat,
                                           inRate, 0, nullptr);
    converter.reset(created);
    return result >= 0 && converter && swr_init(converter.get()) >= 0;
}

bool FfmpegDecoder::State::Convert(const AVFrame& decoded) {
    if (decoded.nb_samples <= 0) return true;
    ChannelLayout frameLayout;
    if (!frameLayout.Assign(decoded.ch_layout)) return false;
    const bool sameInput = converter && decoded.format == inFormat && decoded.sample_rate == inRate &&
                           av_channel_layout_compare(&frameLayout.layout, &inLayout.layout) == 0;
    if (!sameInput) {
        FlushConverter();
        if (!ConfigureConverter(decoded)) {
            converter.reset();
            return false;
        }
    }
    const int capacity = swr_get_out_samples(converter.get(), decoded.nb_samples);
    if (capacity < 0) return false;
    ReserveOutput(capacity);
    uint8_t* out = pending.data() + static_cast<size_t>(pendingFrames) * outFrameBytes;
    const int converted = swr_convert(converter.get(), &out, capacity,
                                      const_cast<const uint8_t**>(decoded.extended_data), decoded.nb_samples);
    if (converted < 0) return false;
    pendingFrames += converted;
    return true;
}

// Takes out what the converter still holds (it holds samples only while resampling).
void FfmpegDecoder::State::FlushConverter() {
    if (!converter) return;
    const int capacity = swr_get_out_samples(converter.get(), 0);
    if (capacity <= 0) return;
    ReserveOutput(capacity);
    uint8_t* out = pending.data() + static_cast<size_t>(pendingFrames) * outFrameBytes;
    const int converted = swr_convert(converter.get(), &out, capacity, nullptr, 0);
    if (converted > 0) pendingFrames += converted;
}

// Makes room for `frames` more frames after those pending, moving the undelivered ones to
// the front.
void FfmpegDecoder::State::ReserveOutput(int frames) {
    if (pendingOffset > 0) {
        std::memmove(pending.data(), pending.data() + static_cast<size_t>(pendingOffset) * outFrameBytes,
                     static_cast<size_t>(pendingFrames) * outFrameBytes);
        pendingOffset = 0;
    }
    const size_t needed = (static_cast<size_t>(pendingFrames) + static_cast<size_t>(frames)) * outFrameBytes;
    if (pending.size() < needed) pending.resize(needed);
}

FfmpegDecoder::FfmpegDecoder() = default;
FfmpegDecoder::~FfmpegDecoder() = default;

bool FfmpegDecoder::Open(const std::string& path, DecodedForm form) {
    Close();
    auto state = std::make_unique<State>();
    state->container = OpenContainer(path);
    if (!state->container || !state->SetUp(form)) return false;
    state->totalFrames = StreamFrames(*state->container, state->streamIndex, path);
    state_ = std::move(state);
    return true;
}

void FfmpegDecoder::Close() { state_.reset(); }

int FfmpegDecoder::Channels() const { return state_ ? state_->outLayout.layout.nb_channels : 0; }

int FfmpegDecoder::StoredChannels() const { return state_ ? state_->storedChannels : 0; }

int FfmpegDecoder::SampleRate() const { return state_ ? state_->outRate : 0; }

int FfmpegDecoder::BitsPerSample() const {
    if (!state_) return 0;
    return av_get_bytes_per_sample(state_->outFormat) * 8;
}

FrameFormat FfmpegDecoder::StoredFormat() const { return state_ ? state_->storedFormat : FrameFormat(); }

int64_t FfmpegDecoder::TotalFrames() const { return state_ ? state_->totalFrames : 0; }

int64_t FfmpegDecoder::FileSize() const {
    if (!state_ || !state_->container->pb) return 0;
    const int64_t size = avio_size(state_->container->pb);
    return size > 0 ? size : 0;
}

int64_t FfmpegDecoder::ByteOffset() const {
    if (!state_ || !state_->container->pb) return 0;
    const int64_t offset = avio_tell(state_->container->pb);
    return offset > 0 ? offset : 0;
}

int64_t FfmpegDecoder::Bitrate() const {
    return state_ ? StreamBitrate(*state_->container, state_->streamIndex) : 0;
}

int FfmpegDecoder::Read(void* interleaved, int maxFrames) {
    if (!state_ || maxFrames <= 0) return 0;
    State& state = *state_;
    auto* out = static_cast<uint8_t*>(interleaved);
    int got = 0;
    while (got < maxFrames) {
        if (state.pendingFrames == 0 && !state.DecodeMore()) break;
        const int taken = std::min(state.pendingFrames, maxFrames - got);
        std::memcpy(out + static_cast<size_t>(got) * state.outFrameBytes,
                    state.pending.data() + static_cast<size_t>(state.pendingOffset) * state.outFrameBytes,
                    static_cast<size_t>(taken) * state.outFrameBytes);
        got += taken;
        state.pendingOffset += taken;
        state.pendingFrames -= taken;
        if (state.pendingFrames == 0) state.pendingOffset = 0;
    }
    if (got == 0 && state.readError != 0) return -1;
    if (state.roundTo24) {
        auto* samples = static_cast<float*>(interleaved);
        for (size_t i = 0, n = static_cast<size_t>(got) * Channels(); i < n; ++i)
            samples[i] = std::floor(samples[i] * kSteps24) / kSteps24;
    }
    return got;
}

int64_t FfmpegDecoder::FirstPacketOffset() {
    if (!state_) return -1;
    State& state = *state_;
    if (!state.packetHeld && !state.inputEnded && state.pendingFrames == 0)
        state.packetHeld = state.ReadPacket(kMaxPacketsBeforeAudio);
    return state.packetHeld ? state.packet->pos : -1;
}

std::string FfmpegDecoder::ReadErrorText() const {
    if (!state_ || state_->readError == 0) return {};
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(state_->readError, text, sizeof text);
    return text;
}

AVFormatContext* FfmpegDecoder::Format() const { return state_ ? state_->container.get() : nullptr; }

}  // namespace tonewright
