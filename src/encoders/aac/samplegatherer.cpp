#include "encoders/aac/samplegatherer.h"

namespace tonewright {

void SampleGatherer::Reset(int channels, unsigned callSamples) {
    channels_ = channels;
    buffer_.assign(callSamples, 0);
    fill_ = 0;
}

int SampleGatherer::CallWhenFull(const Consumer& consume) {
    if (fill_ + channels_ <= buffer_.size()) return 1;
    fill_ = 0;
    return consume(buffer_.data(), static_cast<unsigned>(buffer_.size()));
}

template <typename Sample, typename Widen>
int SampleGatherer::Add(const Sample* left, const Sample* right, int count, Widen widen, const Consumer& consume) {
    if (buffer_.empty()) return 0;
    for (int i = 0; i < count; ++i) {
        buffer_[fill_++] = widen(left[i]);
        if (channels_ == 2) buffer_[fill_++] = widen(right[i]);
        if (!CallWhenFull(consume)) return 0;
    }
    return 1;
}

int SampleGatherer::Add16(const int16_t* left, const int16_t* right, int count, const Consumer& consume) {
    return Add(left, right, count, [](int16_t s) { return s / 32768.0f; }, consume);
}

int SampleGatherer::Add8(const uint8_t* left, const uint8_t* right, int count, const Consumer& consume) {
    return Add(left, right, count, [](uint8_t s) { return (s - 128) / 128.0f; }, consume);
}

int SampleGatherer::AddFrames(const float* frames, int count, const std::vector<int>& positions,
                              const Consumer& consume) {
    if (buffer_.empty()) return 0;
    const size_t channels = static_cast<size_t>(channels_);
    for (int i = 0; i < count; ++i, frames += channels) {
        for (size_t ch = 0; ch < channels; ++ch) buffer_[fill_++] = frames[positions.empty() ? ch : positions[ch]];
        if (!CallWhenFull(consume)) return 0;
    }
    return 1;
}

int SampleGatherer::Drain(const Consumer& consume) {
    const unsigned fill = fill_;
    fill_ = 0;
    return consume(buffer_.data(), fill);
}

}  // namespace tonewright
