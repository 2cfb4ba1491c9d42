#include "encoders/winmedia/wmawriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include "encoders/ffmpegoutput.h"
#include "encoders/muxeroutput.h"
#include "metadata/wmaattributes.h"

namespace tonewright {

namespace {

constexpr double kTicksPerSecond = 10000000.0;

struct FifoFree {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};

}  // namespace

struct WmaWriter::State {
    MuxerOutput output;  // outlives the muxer context that writes through it
    std::unique_ptr<AVFormatContext, OutputContextFree> format;
    std::unique_ptr<AVCodecContext, CodecContextFree> codec;
    std::unique_ptr<SwrContext, SwrFree> converter;
    std::unique_ptr<AVAudioFifo, FifoFree> fifo;
    std::unique_ptr<AVFrame, FrameFree> frame;
    std::unique_ptr<AVPacket, PacketFree> packet;
    AVStream* stream = nullptr;
    int64_t nextPts = 0;
    bool failed = false;
};

WmaWriter::WmaWriter() = default;

WmaWriter::~WmaWriter() { Close(); }

int WmaWriter::SetTargetPath(const std::string& path) {
    path_ = path;
    return 1;
}

int WmaWriter::SetInputFormat(int sampleRate, int bitsPerSample, int channels) {
    inputRate_ = sampleRate;
    inputBits_ = bitsPerSample;
    inputChannels_ = channels;
    return 1;
}

int WmaWriter::SetOutputFormat(const WmaFormat& format) {
    output_ = format;
    return 1;
}

void WmaWriter::SetTags(const TagInfo& tags) { tags_ = tags; }

bool WmaWriter::Fail(int code) {
    if (state_) state_->failed = true;
    if (error_.empty()) error_ = state_ ? state_->output.FailureText(code) : FfmpegErrorText(code);
    return false;
}

int WmaWriter::Abandon(int code) {
    Fail(code);
    state_.reset();
    return 0;
}

int WmaWriter::Start() {
    Close();
    error_.clear();
    const bool validInput = inputRate_ > 0 && (inputBits_ == 8 || inputBits_ == 16) && inputChannels_ >= 1 &&
                            inputChannels_ <= 2;
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!validInput || output_.bitRate <= 0 || !codec) {
        error_ = "no WMA encoder for this format";
        return 0;
    }
    auto s = std::make_unique<State>();
    AVFormatContext* raw = nullptr;
    if (avformat_alloc_output_context2(&raw, nullptr, "asf", path_.c_str()) < 0 || !raw) {
        error_ = "no ASF writer";
        return 0;
    }
    s->format.reset(raw);
    state_ = std::move(s);
    State& st = *state_;
    st.codec.reset(avcodec_alloc_context3(codec));
    st.frame.reset(av_frame_alloc());
    st.packet.reset(av_packet_alloc());
    if (!st.codec || !st.frame || !st.packet) return Abandon(AVERROR(ENOMEM));
    AVCodecContext* c = st.codec.get();
    c->sample_rate = output_.sampleRate;
    c->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&c->ch_layout, output_.channels);
    c->bit_rate = output_.bitRate;
    c->time_base = AVRational{1, output_.sampleRate};
    if (raw->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int code = avcodec_open2(c, codec, nullptr);
    if (code < 0) return Abandon(code);

    AVChannelLayout inLayout, outLayout;
    av_channel_layout_default(&inLayout, inputChannels_);
    av_channel_layout_default(&outLayout, output_.channels);
    SwrContext* swr = nullptr;
    code = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_FLTP, output_.sampleRate, &inLayout,
                               inputBits_ == 16 ? AV_SAMPLE_FMT_S16P : AV_SAMPLE_FMT_U8P, inputRate_, 0, nullptr);
    st.converter.reset(swr);
    if (code < 0 || (code = swr_init(swr)) < 0) return Abandon(code);
    st.fifo.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, output_.channels, c->frame_size));
    if (!st.fifo) return Abandon(AVERROR(ENOMEM));
    // A decoder gives out a stream from its second frame on: the first frame's samples are
    // the encoder's delay. That much silence ahead of the audio keeps its first samples.
    if ((code = QueueSilence(c->initial_padding)) < 0) return Abandon(code);

    st.stream = avformat_new_stream(raw, nullptr);
    if (!st.stream || (code = avcodec_parameters_from_context(st.stream->codecpar, c)) < 0)
        return Abandon(code < 0 ? code : AVERROR(ENOMEM));
    st.stream->time_base = c->time_base;

    if (!st.output.Create(path_)) return Abandon(AVERROR(EIO));
    raw->pb = st.output.Context();
    if ((code = avformat_write_header(raw, nullptr)) < 0) return Abandon(code);
    time_ = 0;
    return 1;
}

int WmaWriter::DrainPackets() {
    State& st = *state_;
    AVPacket* packet = st.packet.get();
    for (;;) {
        const int received = avcodec_receive_packet(st.codec.get(), packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return 1;
        if (received < 0) return Fail(received);
        packet->stream_index = st.stream->index;
        av_packet_rescale_ts(packet, st.codec->time_base, st.stream->time_base);
        const int written = av_write_frame(st.format.get(), packet);
        av_packet_unref(packet);
        if (written < 0) return Fail(written);
        if (st.format->pb->error < 0) return Fail(st.format->pb->error);
    }
}

// Encodes every whole frame the queue holds; `final` also encodes the rest, padded with
// silence to a whole frame, and ends the stream.
int WmaWriter::EncodeFrames(bool final) {
    State& st = *state_;
    AVCodecContext* c = st.codec.get();
    AVFrame* frame = st.frame.get();
    while (av_audio_fifo_size(st.fifo.get()) >= c->frame_size || (final && av_audio_fifo_size(st.fifo.get()) > 0)) {
        av_frame_unref(frame);
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = c->sample_rate;
        frame->nb_samples = c->frame_size;
        int code = av_channel_layout_copy(&frame->ch_layout, &c->ch_layout);
        if (code < 0 || (code = av_frame_get_buffer(frame, 0)) < 0) return Fail(code);
        const int taken = av_audio_fifo_read(st.fifo.get(), reinterpret_cast<void**>(frame->data), c->frame_size);
        if (taken < 0) return Fail(taken);
        if (taken < c->frame_size)
            av_samples_set_silence(frame->data, taken, c->frame_size - taken, c->ch_layout.nb_channels,
                                   AV_SAMPLE_FMT_FLTP);
        frame->pts = st.nextPts;
        st.nextPts += c->frame_size;
        if ((code = avcodec_send_frame(c, frame)) < 0) return Fail(code);
        if (!DrainPackets()) return 0;
    }
    if (!final) return 1;
    const int code = avcodec_send_frame(c, nullptr);
    if (code < 0) return Fail(code);
    return DrainPackets();
}

// Appends `count` samples of silence to the queue; an FFmpeg code, negative on failure.
int WmaWriter::QueueSilence(int count) {
    if (count <= 0) return 0;
    uint8_t** silence = nullptr;
    int code = av_samples_alloc_array_and_samples(&silence, nullptr, output_.channels, count, AV_SAMPLE_FMT_FLTP, 0);
    if (code < 0) return code;
    av_samples_set_silence(silence, 0, count, output_.channels, AV_SAMPLE_FMT_FLTP);
    code = av_audio_fifo_write(state_->fifo.get(), reinterpret_cast<void**>(silence), count);
    av_freep(&silence[0]);
    av_freep(&silence);
    return code < 0 ? code : 0;
}

int WmaWriter::WritePlanes(const uint8_t* const* planes, int count) {
    if (!state_ || state_->failed) return 0;
    if (count <= 0) return 1;
    State& st = *state_;
    const int room = swr_get_out_samples(st.converter.get(), count);
    if (room < 0) return Fail(room);
    uint8_t** converted = nullptr;
    int code = av_samples_alloc_array_and_samples(&converted, nullptr, output_.channels, room + 1,
                                                  AV_SAMPLE_FMT_FLTP, 0);
    if (code < 0) return Fail(code);
    const int made = swr_convert(st.converter.get(), converted, room + 1, const_cast<const uint8_t**>(planes), count);
    code = made < 0 ? made : av_audio_fifo_write(st.fifo.get(), reinterpret_cast<void**>(converted), made);
    av_freep(&converted[0]);
    av_freep(&converted);
    if (code < 0) return Fail(code);
    time_ += static_cast<uint64_t>(count * kTicksPerSecond / inputRate_);
    return EncodeFrames(false);
}

int WmaWriter::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    const uint8_t* planes[2] = {reinterpret_cast<const uint8_t*>(left), reinterpret_cast<const uint8_t*>(right)};
    return WritePlanes(planes, count);
}

int WmaWriter::WriteSamples8(const uint8_t* left, const uint8_t* right, int count) {
    const uint8_t* planes[2] = {left, right};
    return WritePlanes(planes, count);
}

int WmaWriter::Close() {
    if (!state_) return error_.empty() ? 1 : 0;
    State& st = *state_;
    if (!st.failed) {
        // The samples the rate converter still holds.
        const int room = swr_get_out_samples(st.converter.get(), 0);
        if (room > 0) {
            uint8_t** rest = nullptr;
            if (av_samples_alloc_array_and_samples(&rest, nullptr, output_.channels, room, AV_SAMPLE_FMT_FLTP, 0) >= 0) {
                const int made = swr_convert(st.converter.get(), rest, room, nullptr, 0);
                if (made > 0) av_audio_fifo_write(st.fifo.get(), reinterpret_cast<void**>(rest), made);
                av_freep(&rest[0]);
                av_freep(&rest);
            }
        }
        // The last frame's overlap is finished only by the frame after it: the encoder's
        // delay in silence lets the decoder give out every sample written.
        const int queued = QueueSilence(st.codec->initial_padding);
        if (queued < 0) {
            Fail(queued);
        } else if (EncodeFrames(true)) {
            const int ended = av_write_trailer(st.format.get());
            if (ended < 0) Fail(ended);
        }
    }
    st.format->pb = nullptr;
    if (!st.output.Close()) Fail(AVERROR(EIO));
    // The muxer would write every attribute as text, and the common ones twice: the
    // attributes go into the finished file's header instead.
    if (!st.failed && !WriteWmaAttributes(path_, tags_)) {
        st.failed = true;
        if (error_.empty()) error_ = "the WMA tags could not be written";
    }
    const bool ok = !st.failed;
    state_.reset();
    return ok ? 1 : 0;
}

}  // namespace tonewright
