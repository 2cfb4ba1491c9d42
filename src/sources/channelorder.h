#pragma once

#include <cstddef>
#include <cstdint>

#include "base/speakerlayout.h"

namespace tonewright {

// Where each delivered channel of a frame comes from: the road orders channels by ascending
// speaker bit, a file by its own rule. stored[i] is the stored channel delivered as the
// i-th; `mask` names the delivered speakers.
struct ChannelOrder {
    int channels = 0;
    uint32_t mask = 0;
    size_t stored[kMaxRoadChannels] = {};
};

// Stored channels already in ascending-bit order under `mask`.
ChannelOrder StoredInMaskOrder(int channels, uint32_t mask);

// Stored channels that are the speakers `speakers` (one bit each, in stored order), taken
// to ascending-bit order; `count` is at most kMaxRoadChannels.
ChannelOrder FromSpeakerOrder(const uint32_t* speakers, int count);

}  // namespace tonewright
