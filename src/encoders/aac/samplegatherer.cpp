#include "encoders/aac/samplegatherer.h"

namespace tonewright {

void SampleGatherer::Reset(int channels, unsigned callSamples) {
    channels_ = channels;
    buffer_.assign(callSamples, 0);
    fill_ = 0;
}

template <typename Sample, typename Widen>
int SampleGatherer::Add(const Sample* left, const Sample* right, int count, Widen widen, const Consumer& consume) {
    if (buffer_.empty()) return 0;
    for (int i = 0; i < count; ++i) {
        buffer_[fill_++] = widen(left[i]);
        if (channels_ == 2) buffer_[fill_++] = widen(right[i]);
        if (fill_ + channels_ > buffer_.size()) {
            fill_ = 0;
            if (!consume(buffer_.data(), static_cast<unsigned>(buffer_.size()))) return 0;
        }
    }
    return 1;
}

int SampleGatherer::Add16(const int16_t* left, const int16_t* right, int count, const Consumer& consume) {
    return Add(left, right, count, [](int16_t s) { return s; }, consume);
}

int SampleGatherer::Add8(const uint8_t* left, const uint8_t* right, int count, const Consumer& consume) {
    return Add(left, right, count, [](uint8_t s) { return static_cast<int16_t>((s - 128) * 256); }, consume);
}

int SampleGatherer::Drain(const Consumer& consume) {
    const unsigned fill = fill_;
    fill_ = 0;
    return consume(buffer_.data(), fill);
}

}  // namespace tonewright
