#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

namespace tonewright {

// Releases of the FFmpeg objects held in std::unique_ptr.
struct InputContextClose {  // a demuxer opened with avformat_open_input
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct OutputContextFree {  // a muxer; its byte stream belongs to its writer
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
struct SwrFree {
    void operator()(SwrContext* s) const { swr_free(&s); }
};

}  // namespace tonewright
