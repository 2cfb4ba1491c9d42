#include "base/speakerlayout.h"

namespace tonewright {

uint32_t DefaultChannelMask(int channels) {
    switch (channels) {
        case 1: return kFrontCenter;
        case 2: return kFrontLeft | kFrontRight;
        case 3: return kFrontLeft | kFrontRight | kFrontCenter;
        case 4: return kFrontLeft | kFrontRight | kBackLeft | kBackRight;
        case 5: return kFrontLeft | kFrontRight | kFrontCenter | kBackLeft | kBackRight;
        case 6: return kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackLeft | kBackRight;
        case 7: return kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackCenter | kSideLeft | kSideRight;
        case 8:
            return kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackLeft | kBackRight | kSideLeft |
                   kSideRight;
        default: return 0;
    }
}

std::vector<uint32_t> VorbisSpeakerOrder(int channels) {
    switch (channels) {
        case 1: return {kFrontCenter};
        case 2: return {kFrontLeft, kFrontRight};
        case 3: return {kFrontLeft, kFrontCenter, kFrontRight};
        case 4: return {kFrontLeft, kFrontRight, kBackLeft, kBackRight};
        case 5: return {kFrontLeft, kFrontCenter, kFrontRight, kBackLeft, kBackRight};
        case 6: return {kFrontLeft, kFrontCenter, kFrontRight, kBackLeft, kBackRight, kLowFrequency};
        case 7: return {kFrontLeft, kFrontCenter, kFrontRight, kSideLeft, kSideRight, kBackCenter, kLowFrequency};
        case 8:
            return {kFrontLeft, kFrontCenter, kFrontRight, kSideLeft, kSideRight, kBackLeft, kBackRight, kLowFrequency};
        default: return {};
    }
}

int SpeakerCount(uint32_t mask) {
    int count = 0;
    for (; mask; mask &= mask - 1) ++count;
    return count;
}

uint32_t UsableChannelMask(uint32_t mask, int channels) {
    return mask != 0 && SpeakerCount(mask) == channels ? mask : DefaultChannelMask(channels);
}

}  // namespace tonewright
