#include "sources/vorbis/vorbisheadercheck.h"

#include <ogg/ogg.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "base/ffmpegfree.h"
#include "sources/ffmpeg/ffmpegcontainer.h"

extern "C" {
#include <libavutil/mem.h>
}

namespace tonewright {

namespace {

constexpr size_t kHeaderPackets = 3;  // identification, comments, setup
constexpr long kReadChunk = 64 * 1024;

using Packet = std::vector<uint8_t>;

struct SyncState {
    ogg_sync_state state{};
    SyncState() { ogg_sync_init(&state); }
    ~SyncState() { ogg_sync_clear(&state); }
    SyncState(const SyncState&) = delete;
    SyncState& operator=(const SyncState&) = delete;
};

struct StreamState {
    ogg_stream_state state{};
    explicit StreamState(int serial) { ogg_stream_init(&state, serial); }
    ~StreamState() { ogg_stream_clear(&state); }
    StreamState(const StreamState&) = delete;
    StreamState& operator=(const StreamState&) = delete;
};

// The first three packets of the stream `serial` on the pages between `begin` and `end`;
// fewer when the pages end first or a packet is missing.
std::vector<Packet> HeaderPackets(std::FILE* file, int64_t begin, int64_t end, long serial) {
    std::vector<Packet> packets;
    if (begin < 0 || end <= begin || fseeko(file, begin, SEEK_SET) != 0) return packets;
    SyncState sync;
    StreamState stream(static_cast<int>(serial));
    for (int64_t left = end - begin; left > 0 && packets.size() < kHeaderPackets;) {
        const long want = static_cast<long>(std::min<int64_t>(left, kReadChunk));
        char* buffer = ogg_sync_buffer(&sync.state, want);
        const size_t got = buffer ? std::fread(buffer, 1, static_cast<size_t>(want), file) : 0;
        if (got == 0) break;
        ogg_sync_wrote(&sync.state, static_cast<long>(got));
        left -= static_cast<int64_t>(got);
        ogg_page page;
        while (packets.size() < kHeaderPackets && ogg_sync_pageout(&sync.state, &page) == 1) {
            if (ogg_page_serialno(&page) != serial || ogg_stream_pagein(&stream.state, &page) != 0) continue;
            ogg_packet packet;
            int result;
            while (packets.size() < kHeaderPackets && (result = ogg_stream_packetout(&stream.state, &packet)) != 0) {
                if (result < 0) return {};  // a packet is missing
                packets.emplace_back(packet.packet, packet.packet + packet.bytes);
            }
        }
    }
    return packets;
}

// The packets as FFmpeg takes Vorbis headers: a count less one, the sizes of all but the
// last in Xiph lacing (runs of 255 and a rest), then the packets one after the other.
Packet XiphLaced(const std::vector<Packet>& packets) {
    Packet laced = {static_cast<uint8_t>(packets.size() - 1)};
    for (size_t i = 0; i + 1 < packets.size(); ++i) {
        size_t size = packets[i].size();
        for (; size >= 255; size -= 255) laced.push_back(255);
        laced.push_back(static_cast<uint8_t>(size));
    }
    for (const Packet& packet : packets) laced.insert(laced.end(), packet.begin(), packet.end());
    return laced;
}

bool FfmpegDecoderOpens(const Packet& extradata) {
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_VORBIS);
    if (!codec || extradata.size() > static_cast<size_t>(INT_MAX - AV_INPUT_BUFFER_PADDING_SIZE)) return false;
    std::unique_ptr<AVCodecContext, CodecContextFree> context(avcodec_alloc_context3(codec));
    if (!context) return false;
    // The context frees its extradata, which FFmpeg wants padded.
    context->extradata = static_cast<uint8_t*>(av_mallocz(extradata.size() + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!context->extradata) return false;
    std::memcpy(context->extradata, extradata.data(), extradata.size());
    context->extradata_size = static_cast<int>(extradata.size());
    SilenceLibraryLog();
    return avcodec_open2(context.get(), codec, nullptr) == 0;
}

}  // namespace

bool VorbisHeadersAccepted(std::FILE* file, int64_t begin, int64_t end, long serial) {
    const std::vector<Packet> packets = HeaderPackets(file, begin, end, serial);
    return packets.size() == kHeaderPackets && FfmpegDecoderOpens(XiphLaced(packets));
}

}  // namespace tonewright
