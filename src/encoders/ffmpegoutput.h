#pragma once

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace tonewright {

// FFmpeg's text for one of its error codes, for a row's status.
std::string FfmpegErrorText(int code);

// Releases of the FFmpeg objects the encoders hold in std::unique_ptr.
// A muxer context's byte stream is a MuxerOutput of the writer's own, which outlives it.
struct OutputContextFree {
    void operator()(AVFormatContext* c) const { avformat_free_context(c); }
};
struct CodecContextFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

}  // namespace tonewright
