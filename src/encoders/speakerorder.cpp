#include "encoders/speakerorder.h"

#include <algorithm>

namespace tonewright {

std::vector<uint32_t> AacSpeakerOrder(int channels) {
    switch (channels) {
        case 1: return {kFrontCenter};
        case 2: return {kFrontLeft, kFrontRight};
        case 3: return {kFrontLeft, kFrontRight, kFrontCenter};
        case 4: return {kFrontLeft, kFrontRight, kFrontCenter, kBackCenter};
        case 5: return {kFrontLeft, kFrontRight, kFrontCenter, kBackLeft, kBackRight};
        case 6: return {kFrontLeft, kFrontRight, kFrontCenter, kLowFrequency, kBackLeft, kBackRight};
        default: return {};
    }
}

std::vector<int> FramePositions(uint32_t mask, int channels, const std::vector<uint32_t>& order) {
    if (static_cast<int>(order.size()) != channels) return {};
    uint32_t wanted = 0;
    for (const uint32_t speaker : order) wanted |= speaker;
    constexpr uint32_t kSides = kSideLeft | kSideRight, kBacks = kBackLeft | kBackRight;
    const bool sidesAsBacks = (wanted & kBacks) && !(wanted & kSides);
    const uint32_t speakers = UsableChannelMask(mask, channels);
    std::vector<uint32_t> frameSpeakers;
    for (uint32_t rest = speakers; rest; rest &= rest - 1) {
        const uint32_t speaker = rest & ~(rest - 1);
        const bool side = speaker == kSideLeft || speaker == kSideRight;
        const bool backTaken = speaker == kSideLeft ? (speakers & kBackLeft) : (speakers & kBackRight);
        frameSpeakers.push_back(sidesAsBacks && side && !backTaken ? (speaker == kSideLeft ? kBackLeft : kBackRight)
                                                                   : speaker);
    }
    std::vector<int> positions;
    for (const uint32_t speaker : order) {
        const auto found = std::find(frameSpeakers.begin(), frameSpeakers.end(), speaker);
        if (found == frameSpeakers.end()) return {};
        positions.push_back(static_cast<int>(found - frameSpeakers.begin()));
    }
    return positions;
}

PcmFormat LossyChannelForm(const SourceFormat& source, int choice, int rate, SpeakerOrder order) {
    if (choice == 1 || choice == 2) return {rate, choice, 16};
    const PcmFormat stored = source.StoredSamples();
    if (stored.channels > 2 && !FramePositions(stored.mask, stored.channels, order(stored.channels)).empty())
        return {rate, stored.channels, kFloatBits, stored.mask};
    return {rate, source.channels > 2 ? 2 : source.channels, 16};
}

void ReorderFrames(const float* frames, int count, const std::vector<int>& positions, float* out) {
    const size_t channels = positions.size();
    for (int i = 0; i < count; ++i, frames += channels)
        for (size_t ch = 0; ch < channels; ++ch) *out++ = frames[positions[ch]];
}

}  // namespace tonewright
