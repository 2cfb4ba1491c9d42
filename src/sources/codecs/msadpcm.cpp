#include "sources/codecs/msadpcm.h"

#include <algorithm>
#include <array>
#include <climits>

#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr std::array<int, 16> kAdaptation = {230, 230, 230, 230, 307, 409, 512, 614,
                                             768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kMinDelta = 16;
// No real stream comes near this; it keeps delta × adaptation and code × delta inside int.
constexpr int kMaxDelta = INT_MAX / 768;

constexpr size_t kHeaderBytesPerChannel = 7;
constexpr size_t kHeaderSamplesPerChannel = 2;

class MsAdpcmChannel {
public:
    MsAdpcmChannel() = default;
    MsAdpcmChannel(MsAdpcmCoefficients predictor, int delta, int sample1, int sample2)
        : predictor_(predictor), delta_(delta), sample1_(sample1), sample2_(sample2) {}

    int16_t Expand(unsigned code) {
        const int signedCode = code >= 8 ? static_cast<int>(code) - 16 : static_cast<int>(code);
        const long long weighted = (static_cast<long long>(sample1_) * predictor_.first +
                                    static_cast<long long>(sample2_) * predictor_.second) /
                                   256;
        const long long predicted = weighted + static_cast<long long>(signedCode) * delta_;
        sample2_ = sample1_;
        sample1_ = static_cast<int>(std::clamp(predicted, -32768LL, 32767LL));
        delta_ = std::clamp(delta_ * kAdaptation[code] / 256, kMinDelta, kMaxDelta);
        return static_cast<int16_t>(sample1_);
    }

private:
    MsAdpcmCoefficients predictor_;
    int delta_ = kMinDelta;
    int sample1_ = 0;
    int sample2_ = 0;
};

class MsAdpcmDecoder : public BlockDecoder {
public:
    MsAdpcmDecoder(size_t channels, size_t blockAlign, size_t samplesPerBlock,
                   std::vector<MsAdpcmCoefficients> predictors)
        : channels_(channels),
          blockAlign_(blockAlign),
          samplesPerBlock_(samplesPerBlock),
          predictors_(std::move(predictors)) {}

    size_t BlockBytes() const override { return blockAlign_; }
    size_t BlockSamples() const override { return samplesPerBlock_ * channels_; }

    bool DecodeBlock(const uint8_t* block, int16_t* samples) override {
        const uint8_t* deltas = block + channels_;
        const uint8_t* firstSamples = deltas + 2 * channels_;
        const uint8_t* secondSamples = firstSamples + 2 * channels_;
        std::array<MsAdpcmChannel, 2> state;
        for (size_t c = 0; c < channels_; ++c) {
            const size_t predictorIndex = block[c];
            if (predictorIndex >= predictors_.size()) return false;
            const int16_t sample1 = LoadLeS16(firstSamples + 2 * c);
            const int16_t sample2 = LoadLeS16(secondSamples + 2 * c);
            state[c] = MsAdpcmChannel(predictors_[predictorIndex], LoadLeS16(deltas + 2 * c), sample1, sample2);
            // The older sample is played first.
            samples[c] = sample2;
            samples[channels_ + c] = sample1;
        }
        const uint8_t* codes = block + channels_ * kHeaderBytesPerChannel;
        const size_t codeCount = (samplesPerBlock_ - kHeaderSamplesPerChannel) * channels_;
        int16_t* out = samples + kHeaderSamplesPerChannel * channels_;
        for (size_t i = 0; i < codeCount; ++i) {
            const uint8_t byte = codes[i / 2];
            const unsigned code = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
            out[i] = state[i % channels_].Expand(code);
        }
        return true;
    }

private:
    size_t channels_;
    size_t blockAlign_;
    size_t samplesPerBlock_;
    std::vector<MsAdpcmCoefficients> predictors_;
};

}  // namespace

std::unique_ptr<BlockDecoder> CreateMsAdpcmDecoder(int channels, size_t blockAlign, size_t samplesPerBlock,
                                                   std::vector<MsAdpcmCoefficients> predictors) {
    if (channels < 1 || channels > 2 || predictors.empty() || samplesPerBlock < kHeaderSamplesPerChannel)
        return nullptr;
    const size_t channelCount = static_cast<size_t>(channels);
    const size_t codeBytes = ((samplesPerBlock - kHeaderSamplesPerChannel) * channelCount + 1) / 2;
    if (channelCount * kHeaderBytesPerChannel + codeBytes > blockAlign) return nullptr;
    return std::make_unique<MsAdpcmDecoder>(channelCount, blockAlign, samplesPerBlock, std::move(predictors));
}

}  // namespace tonewright
