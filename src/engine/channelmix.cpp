#include "engine/channelmix.h"

#include <algorithm>
#include <iterator>

#include "settings/settingcodes.h"

namespace tonewright {

namespace {

constexpr float kMinus3dB = 0.70710678f;

struct StereoWeights {
    float left;
    float right;
};

// A speaker's share of the left and right channel of a stereo mix.
StereoWeights StereoShare(uint32_t speaker) {
    switch (speaker) {
        case kFrontLeft:
        case kFrontLeftOfCenter:
        case kTopFrontLeft:
            return {1.0f, 0.0f};
        case kFrontRight:
        case kFrontRightOfCenter:
        case kTopFrontRight:
            return {0.0f, 1.0f};
        case kBackLeft:
        case kSideLeft:
        case kTopBackLeft:
            return {kMinus3dB, 0.0f};
        case kBackRight:
        case kSideRight:
        case kTopBackRight:
            return {0.0f, kMinus3dB};
        case kLowFrequency:
            return {0.0f, 0.0f};
        default:  // the centre speakers: front, back, top
            return {kMinus3dB, kMinus3dB};
    }
}

// The speaker of each channel, in the road's order (ascending bits).
int Speakers(uint32_t mask, uint32_t (&speakers)[kMaxRoadChannels]) {
    int count = 0;
    for (uint32_t bit = 1; bit != 0 && count < kMaxRoadChannels; bit <<= 1)
        if (mask & bit) speakers[count++] = bit;
    return count;
}

}  // namespace

bool ChannelMix::Setup(const FrameFormat& source, int targetChannels, uint32_t targetMask, int monoType,
                       bool downmix) {
    inputs_ = source.channels;
    outputs_ = targetChannels;
    identity_ = false;
    for (auto& row : weights_) std::fill(std::begin(row), std::end(row), 0.0f);
    const uint32_t sourceMask = UsableChannelMask(source.mask, source.channels);
    if (inputs_ < 1 || inputs_ > kMaxRoadChannels || outputs_ < 1 || outputs_ > kMaxRoadChannels) return false;

    if (outputs_ == inputs_ && (outputs_ <= 2 || UsableChannelMask(targetMask, outputs_) == sourceMask)) {
        identity_ = true;
        for (int c = 0; c < outputs_; ++c) weights_[c][c] = 1.0f;
        return true;
    }
    if (inputs_ == 1) {
        for (int c = 0; c < outputs_; ++c) weights_[c][0] = 1.0f;
        return true;
    }
    if (outputs_ > 2) return false;
    if (inputs_ == 2) {
        weights_[0][0] = weights_[1][1] = 1.0f;
    } else {
        MixToStereo(sourceMask, downmix);
    }
    if (outputs_ == 1) MixStereoToMono(monoType);
    return true;
}

void ChannelMix::MixToStereo(uint32_t sourceMask, bool downmix) {
    uint32_t speakers[kMaxRoadChannels] = {};
    Speakers(sourceMask, speakers);
    if (!downmix) {
        // The front pair where the layout has one, else the first two channels.
        const bool frontPair = (sourceMask & (kFrontLeft | kFrontRight)) == (kFrontLeft | kFrontRight);
        for (int c = 0, taken = 0; c < inputs_ && taken < 2; ++c)
            if (!frontPair || speakers[c] == kFrontLeft || speakers[c] == kFrontRight) weights_[taken++][c] = 1.0f;
        return;
    }
    float leftSum = 0.0f, rightSum = 0.0f;
    for (int c = 0; c < inputs_; ++c) {
        const StereoWeights share = StereoShare(speakers[c]);
        weights_[0][c] = share.left;
        weights_[1][c] = share.right;
        leftSum += share.left;
        rightSum += share.right;
    }
    const float scale = std::max({leftSum, rightSum, 1.0f});
    for (int c = 0; c < inputs_; ++c) {
        weights_[0][c] /= scale;
        weights_[1][c] /= scale;
    }
}

void ChannelMix::MixStereoToMono(int monoType) {
    const float leftPart = monoType == kMonoRight ? 0.0f : monoType == kMonoLeft ? 1.0f : 0.5f;
    for (int c = 0; c < inputs_; ++c) weights_[0][c] = leftPart * weights_[0][c] + (1.0f - leftPart) * weights_[1][c];
}

void ChannelMix::Apply(const float* in, float* out, int frames) const {
    for (int f = 0; f < frames; ++f, in += inputs_) {
        for (int o = 0; o < outputs_; ++o) {
            float sum = 0.0f;
            for (int i = 0; i < inputs_; ++i) sum += weights_[o][i] * in[i];
            *out++ = sum;
        }
    }
}

}  // namespace tonewright
