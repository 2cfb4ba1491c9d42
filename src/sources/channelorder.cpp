#include "sources/channelorder.h"

#include <algorithm>
#include <numeric>

namespace tonewright {

ChannelOrder StoredInMaskOrder(int channels, uint32_t mask) {
    ChannelOrder order;
    order.channels = std::min(channels, kMaxRoadChannels);
    order.mask = mask;
    std::iota(order.stored, order.stored + order.channels, size_t{0});
    return order;
}

ChannelOrder FromSpeakerOrder(const uint32_t* speakers, int count) {
    ChannelOrder order;
    count = std::min(count, kMaxRoadChannels);
    for (int i = 0; i < count; ++i) order.mask |= speakers[i];
    for (uint32_t bit = 1; bit != 0 && bit <= order.mask; bit <<= 1)
        for (int i = 0; i < count && order.channels < count; ++i)
            if (speakers[i] == bit) order.stored[order.channels++] = static_cast<size_t>(i);
    return order;
}

}  // namespace tonewright
