#include "sources/ffmpeg/ffmpegsource.h"

#include <algorithm>
#include <climits>

#include "sources/deinterleave.h"
#include "sources/ffmpeg/ffmpegcontainer.h"
#include "sources/ffmpeg/ffmpegtags.h"

namespace tonewright {

FfmpegSource::~FfmpegSource() { Close(); }

void FfmpegSource::Close() {
    decoder_.Close();
    interleaved_ = std::vector<uint8_t>();
    path_.clear();
    wideFrames_ = false;
    ResetFields();
}

int FfmpegSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    if (!decoder_.Open(path, DecodedForm::kStereoSamples)) {
        Close();
        return 0;
    }
    length = static_cast<uint64_t>(decoder_.FileSize());
    position = static_cast<uint64_t>(decoder_.ByteOffset());
    sampleRate = decoder_.SampleRate();
    sourceChannels = decoder_.StoredChannels();
    channels = decoder_.Channels();
    channelMode = sourceChannels == 1 ? kModeMono : kModeStereo;
    bitsPerSample = decoder_.BitsPerSample();
    bytesPerSample = bitsPerSample / 8;
    durationSeconds = DurationSeconds(*decoder_.Format(), decoder_.TotalFrames(), sampleRate);
    bitrateKbps = static_cast<int>(std::min<int64_t>(decoder_.Bitrate() / 1000, INT_MAX));
    interleaved_.resize(static_cast<size_t>(kBlockSamples) * channels * bytesPerSample);
    path_ = path;
    return 1;
}

int FfmpegSource::ReadBlock(void* left, void* right) {
    const int frames = decoder_.Read(interleaved_.data(), kBlockSamples);
    position = static_cast<uint64_t>(decoder_.ByteOffset());
    if (frames < 0) return FailRead(decoder_.ReadErrorText());
    if (frames == 0) return 0;
    if (bitsPerSample == 8)
        Deinterleave(interleaved_.data(), frames, channels, left, right);
    else
        Deinterleave(reinterpret_cast<const int16_t*>(interleaved_.data()), frames, channels, left, right);
    return frames;
}

FrameFormat FfmpegSource::GetFrameFormat() const {
    const FrameFormat stored = decoder_.StoredFormat();
    return stored.IsWide() && stored.channels <= kMaxRoadChannels ? stored : AudioSource::GetFrameFormat();
}

bool FfmpegSource::BeginFrames() {
    if (wideFrames_ || !GetFrameFormat().IsWide()) return true;
    const FrameFormat planned = decoder_.StoredFormat();
    const bool opened = decoder_.Open(path_, DecodedForm::kFloatFrames);
    const FrameFormat stored = decoder_.StoredFormat();
    // Also refused when the file changed between the two openings.
    if (!opened || stored.channels != planned.channels || stored.mask != planned.mask || stored.bits != planned.bits) {
        decoder_.Close();
        FailRead("");
        return false;
    }
    position = static_cast<uint64_t>(decoder_.ByteOffset());
    wideFrames_ = true;
    return true;
}

int FfmpegSource::ReadFrames(float* frames) {
    if (!wideFrames_) return AudioSource::ReadFrames(frames);
    const int count = decoder_.Read(frames, kBlockSamples);
    position = static_cast<uint64_t>(decoder_.ByteOffset());
    return count < 0 ? FailRead(decoder_.ReadErrorText()) : count;
}

int FfmpegSource::GetTags(TagInfo& tags) {
    const AVFormatContext* container = decoder_.Format();
    if (!container) return 0;
    if (ContainerHidesTags(*container)) return ReadFileTagsAsContainer(path_, tags);
    return ReadContainerTags(*container, FirstStreamOf(*container, AVMEDIA_TYPE_AUDIO), tags);
}

}  // namespace tonewright
