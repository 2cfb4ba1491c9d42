#include "sources/codecs/planarreader.h"

#include <algorithm>

#include "sources/audiosource.h"

namespace tonewright {

namespace {

// A read covers kBlockSamples frames unless frames are so wide (hundreds of channels) that
// this bound on the buffers cuts it.
constexpr size_t kMaxReadBytes = size_t{1} << 20;

size_t FramesPerRead(size_t frameBytes) { return std::clamp<size_t>(kMaxReadBytes / frameBytes, 1, kBlockSamples); }

// Delivers `frames` frames, taking the sample of stored channel c of frame f from
// sampleAt(f, c).
template <typename Sample, typename SampleAt>
int Deliver(size_t frames, const ChannelPick& pick, void* left, void* right, SampleAt sampleAt) {
    auto* leftOut = static_cast<Sample*>(left);
    auto* rightOut = static_cast<Sample*>(right);
    for (size_t f = 0; f < frames; ++f) {
        leftOut[f] = static_cast<Sample>(sampleAt(f, pick.left));
        if (pick.stereo) rightOut[f] = static_cast<Sample>(sampleAt(f, pick.right));
    }
    return static_cast<int>(frames);
}

}  // namespace

void PlanarReader::Start(UniqueFile file, uint64_t dataSize, const ChannelPick& pick) {
    Stop();
    file_ = std::move(file);
    data_ = SoundData(file_.get(), dataSize);
    pick_ = pick;
}

void PlanarReader::StartDirect(UniqueFile file, uint64_t dataSize, const ChannelPick& pick,
                               StoredSampleDecoder decoder, size_t storedSampleBytes, bool eightBit,
                               FrameSample wide) {
    Start(std::move(file), dataSize, pick);
    decodeSample_ = decoder;
    storedSampleBytes_ = storedSampleBytes;
    eightBit_ = eightBit;
    const size_t frameBytes = storedSampleBytes * pick.storedChannels;
    direct_ = {wide, decoder, eightBit, storedSampleBytes, frameBytes, {}};
    raw_.resize(frameBytes * FramesPerRead(frameBytes));
}

void PlanarReader::StartCoded(UniqueFile file, uint64_t dataSize, const ChannelPick& pick,
                              std::unique_ptr<FrameDecoder> decoder) {
    Start(std::move(file), dataSize, pick);
    frameDecoder_ = std::move(decoder);
    const size_t frameSamples = pick.storedChannels;
    decoded_.resize(frameSamples * FramesPerRead(frameSamples * sizeof(int16_t)));
}

void PlanarReader::Stop() {
    file_.reset();
    data_ = SoundData();
    pick_ = ChannelPick();
    decodeSample_ = nullptr;
    storedSampleBytes_ = 0;
    eightBit_ = false;
    direct_ = DirectFrames();
    frameDecoder_.reset();
    raw_ = std::vector<uint8_t>();
    decoded_ = std::vector<int16_t>();
}

int PlanarReader::Read(void* left, void* right) {
    int frames = 0;
    if (frameDecoder_)
        frames = ReadCoded(left, right);
    else if (decodeSample_)
        frames = eightBit_ ? ReadDirect<uint8_t>(left, right) : ReadDirect<int16_t>(left, right);
    return frames == 0 && data_.ReadError() != 0 ? -1 : frames;
}

void PlanarReader::SetFrameOrder(const ChannelOrder& order) { direct_.order = order; }

int PlanarReader::ReadFrames(float* frames) {
    const ChannelOrder& order = direct_.order;
    size_t count = 0;
    if (frameDecoder_) {
        const size_t stored = pick_.storedChannels;
        count = frameDecoder_->Decode(data_, decoded_.data(), decoded_.size() / stored);
        for (size_t f = 0; f < count; ++f)
            for (int i = 0; i < order.channels; ++i)
                *frames++ = BlockSampleToFrame(decoded_[f * stored + order.stored[i]], false);
    } else if (decodeSample_) {
        // A frame cut short by the end of the data is dropped.
        count = data_.Read(raw_.data(), raw_.size()) / direct_.frameBytes;
        direct_.Decode(raw_.data(), count, frames);
    }
    return count == 0 && data_.ReadError() != 0 ? -1 : static_cast<int>(count);
}

template <typename Sample>
int PlanarReader::ReadDirect(void* left, void* right) {
    const size_t frameBytes = storedSampleBytes_ * pick_.storedChannels;
    // A frame cut short by the end of the data is dropped.
    const size_t frames = data_.Read(raw_.data(), raw_.size()) / frameBytes;
    return Deliver<Sample>(frames, pick_, left, right, [&](size_t frame, size_t channel) {
        return decodeSample_(raw_.data() + frame * frameBytes + channel * storedSampleBytes_);
    });
}

int PlanarReader::ReadCoded(void* left, void* right) {
    const size_t channels = pick_.storedChannels;
    const size_t frames = frameDecoder_->Decode(data_, decoded_.data(), decoded_.size() / channels);
    return Deliver<int16_t>(frames, pick_, left, right,
                            [&](size_t frame, size_t channel) { return decoded_[frame * channels + channel]; });
}

}  // namespace tonewright
