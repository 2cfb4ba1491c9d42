#include "sources/ffmpeg/ffmpegprobesource.h"

#include <algorithm>
#include <climits>

namespace tonewright {

FfmpegProbeSource::~FfmpegProbeSource() { Close(); }

void FfmpegProbeSource::Close() {
    container_.reset();
    audioStream_ = -1;
    ResetFields();
}

int FfmpegProbeSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    container_ = OpenContainer(path);
    if (!container_) return 0;
    audioStream_ = FirstStreamOf(*container_, AVMEDIA_TYPE_AUDIO);
    int64_t frames = 0;
    if (audioStream_ >= 0) {
        ReadAudioProperties(*container_->streams[audioStream_]);
        frames = StreamFrames(*container_, audioStream_, path);
    }
    durationSeconds = DurationSeconds(*container_, frames, sampleRate);
    const int videoStream = FirstStreamOf(*container_, AVMEDIA_TYPE_VIDEO);
    if (videoStream >= 0) ReadVideoProperties(*container_->streams[videoStream]);
    return 1;
}

int FfmpegProbeSource::ReadBlock(void* /*left*/, void* /*right*/) { return 0; }

void FfmpegProbeSource::ReadAudioProperties(const AVStream& stream) {
    const AVCodecParameters& parameters = *stream.codecpar;
    sampleRate = std::max(parameters.sample_rate, 0);
    sourceChannels = std::max(parameters.ch_layout.nb_channels, 0);
    channels = sourceChannels > 1 ? 2 : 1;
    channelMode = sourceChannels == 1 ? kModeMono : kModeStereo;
    const auto format = static_cast<AVSampleFormat>(parameters.format);
    bitsPerSample = format == AV_SAMPLE_FMT_U8 || format == AV_SAMPLE_FMT_U8P ? 8 : 16;
    bytesPerSample = bitsPerSample / 8;
    int64_t bitrate = StreamBitrate(*container_, audioStream_);
    if (bitrate == 0) bitrate = MeasureStreamBitrate(*container_, audioStream_);
    bitrateKbps = static_cast<int>(std::min<int64_t>(bitrate / 1000, INT_MAX));
}

void FfmpegProbeSource::ReadVideoProperties(const AVStream& stream) {
    if (stream.r_frame_rate.den != 0) frameRate = av_q2d(stream.r_frame_rate);
    videoWidth = stream.codecpar->width;
    videoHeight = stream.codecpar->height;
}

}  // namespace tonewright
