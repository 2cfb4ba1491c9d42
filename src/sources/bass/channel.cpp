#include "sources/bass/channel.h"

#include <algorithm>
#include <climits>

namespace tonewright {

int64_t Channel::Read(void* buffer, uint32_t bytes) {
    const int frameBytes = layout_.FrameBytes();
    if (frameBytes <= 0) return -1;
    uint64_t wanted = std::min<uint64_t>(bytes / frameBytes, INT_MAX);
    if (endsAtLength_) wanted = std::min(wanted, lengthFrames_ - std::min(positionFrames_, lengthFrames_));

    // Decoders may hand out less than asked (a packet, a synth block); keep asking so a
    // request is filled up to the end of the data.
    auto* out = static_cast<uint8_t*>(buffer);
    uint64_t done = 0;
    while (done < wanted) {
        const int got = Decode(out + done * frameBytes, static_cast<int>(wanted - done));
        if (got < 0 && done == 0) return -1;
        if (got <= 0) break;
        done += static_cast<uint64_t>(got);
    }
    positionFrames_ += done;
    return static_cast<int64_t>(done * frameBytes);
}

}  // namespace tonewright
