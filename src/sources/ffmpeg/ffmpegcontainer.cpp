#include "sources/ffmpeg/ffmpegcontainer.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>

#include "sources/ffmpeg/containerinput.h"
#include "sources/ffmpeg/mp3infoframe.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

namespace tonewright {

namespace {

constexpr int64_t kWavProbeBytes = 16 * 1024;

// FFmpeg's FLAC demuxer takes a stream's layout from its channel mask comment, which the
// container input hides; the layout is given to the streams here instead.
void ApplyHiddenChannelMask(AVFormatContext& container, const ContainerInput& input) {
    const uint32_t mask = input.HiddenChannelMask();
    if (mask == 0) return;
    for (unsigned i = 0; i < container.nb_streams; ++i) {
        AVCodecParameters& stream = *container.streams[i]->codecpar;
        AVChannelLayout layout{};
        if (stream.codec_id != AV_CODEC_ID_FLAC || av_channel_layout_from_mask(&layout, mask) != 0) continue;
        if (layout.nb_channels == stream.ch_layout.nb_channels) {
            av_channel_layout_uninit(&stream.ch_layout);
            stream.ch_layout = layout;
        }
    }
}

}  // namespace

void SilenceLibraryLog() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

void ContainerClose::operator()(AVFormatContext* container) const {
    const std::unique_ptr<ContainerInput> input(static_cast<ContainerInput*>(container->opaque));
    avformat_close_input(&container);
}

FormatContextPtr OpenContainer(const std::string& path) {
    SilenceLibraryLog();
    std::unique_ptr<ContainerInput> input = ContainerInput::Open(path);
    AVFormatContext* opened = input ? avformat_alloc_context() : nullptr;
    if (!opened) return nullptr;
    opened->pb = input->Bytes();
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    av_dict_set_int(&options, "skip_initial_bytes", input->SkipBytes(), 0);
    // The "file:" prefix keeps a path that looks like a URL or a protocol ("pipe:1",
    // "concat:a|b") a plain file name; the demuxer is chosen by its extension as well.
    const std::string url = "file:" + path;
    const int result = avformat_open_input(&opened, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) return nullptr;  // FFmpeg freed the context
    opened->opaque = input.release();
    FormatContextPtr container(opened);
    // FFmpeg checks a 16-bit PCM WAV stream for MP3 or AC-3 data labelled as PCM by running
    // every demuxer's probe over its packets, up to 128 KiB, each time the data doubles:
    // most of the time it takes to open the file. Its first packets tell as well.
    if (std::strcmp(opened->iformat->name, "wav") == 0)
        opened->probesize = std::min<int64_t>(opened->probesize, kWavProbeBytes);
    if (avformat_find_stream_info(container.get(), nullptr) < 0) return nullptr;
    ApplyHiddenChannelMask(*container, *static_cast<const ContainerInput*>(opened->opaque));
    return container;
}

bool ContainerHidesTags(const AVFormatContext& container) {
    return container.opaque && static_cast<const ContainerInput*>(container.opaque)->HidesTags();
}

int FirstStreamOf(const AVFormatContext& container, AVMediaType type) {
    for (unsigned i = 0; i < container.nb_streams; ++i)
        if (container.streams[i]->codecpar->codec_type == type) return static_cast<int>(i);
    return -1;
}

int64_t StreamFrames(const AVFormatContext& container, int streamIndex, const std::string& path) {
    const AVStream& stream = *container.streams[streamIndex];
    const int rate = stream.codecpar->sample_rate;
    if (rate <= 0) return 0;
    Mp3InfoFrame info;
    if (std::strcmp(container.iformat->name, "mp3") == 0 && ReadMp3InfoFrame(path, info))
        return DecodedMp3Frames(info);
    int64_t frames = 0;
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0)
        frames = av_rescale_q(stream.duration, stream.time_base, AVRational{1, rate});
    else if (container.duration != AV_NOPTS_VALUE && container.duration > 0)
        frames = av_rescale_q(container.duration, AV_TIME_BASE_Q, AVRational{1, rate});
    frames -= stream.codecpar->initial_padding;
    return frames > 0 ? frames : 0;
}

int DurationSeconds(const AVFormatContext& container, int64_t frames, int rate) {
    int64_t seconds = 0;
    if (frames > 0 && rate > 0)
        seconds = frames / rate;
    else if (container.duration != AV_NOPTS_VALUE && container.duration > 0)
        seconds = container.duration / AV_TIME_BASE;
    return static_cast<int>(std::min<int64_t>(seconds, INT_MAX));
}

int64_t StreamBitrate(const AVFormatContext& container, int streamIndex) {
    const int64_t own = container.streams[streamIndex]->codecpar->bit_rate;
    if (own > 0) return own;
    return container.nb_streams == 1 && container.bit_rate > 0 ? container.bit_rate : 0;
}

int64_t MeasureStreamBitrate(AVFormatContext& container, int streamIndex) {
    // Enough for a steady average of VBR audio; the caps bound the reading of a file whose
    // packets carry no usable time stamps or whose video takes most of the bytes.
    constexpr double kSecondsToMeasure = 10.0;
    constexpr int kMaxPackets = 20000;
    constexpr int64_t kMaxBytesToRead = 8 << 20;
    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    // Containers that read their files themselves (image sequences) have no byte stream.
    if (!packet || !container.pb) return 0;
    const double secondsPerTick = av_q2d(container.streams[streamIndex]->time_base);
    // The bytes of the packets from the first time stamp up to the latest one, and the
    // time between those stamps. Packets without a stamp (laced frames) count as well.
    int64_t firstStamp = AV_NOPTS_VALUE;
    int64_t bytesRead = 0, bytesMeasured = 0;
    double seconds = 0;
    const int64_t start = avio_tell(container.pb);
    for (int packets = 0; packets < kMaxPackets && seconds < kSecondsToMeasure; ++packets) {
        if (avio_tell(container.pb) - start > kMaxBytesToRead || av_read_frame(&container, packet.get()) < 0) break;
        if (packet->stream_index == streamIndex) {
            const int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (stamp != AV_NOPTS_VALUE && firstStamp == AV_NOPTS_VALUE) firstStamp = stamp;
            if (stamp != AV_NOPTS_VALUE && stamp > firstStamp) {
                seconds = secondsPerTick * static_cast<double>(stamp - firstStamp);
                bytesMeasured = bytesRead;
            }
            if (firstStamp != AV_NOPTS_VALUE) bytesRead += packet->size;
        }
        av_packet_unref(packet.get());
    }
    return seconds > 0 ? static_cast<int64_t>(static_cast<double>(bytesMeasured) * 8 / seconds) : 0;
}

}  // namespace tonewright
