#pragma once

#include <cstddef>
#include <cstdint>

#include "sources/channelorder.h"
#include "sources/codecs/framesamples.h"

namespace tonewright {

// A sample of the block road (unsigned 8-bit with silence at 128, or signed 16-bit) as a
// frame value.
inline float BlockSampleToFrame(int sample, bool eightBit) {
    return eightBit ? static_cast<float>(sample - 128) / 128.0f : static_cast<float>(sample) / 32768.0f;
}

// Frames of sound data whose stored samples each decode on their own (PCM, float, G.711):
// wide samples through their frame decoder, the rest through the decoder of the block road.
struct DirectFrames {
    FrameSample wide;                                   // null decoder for 8- and 16-bit delivery
    int (*blockSample)(const uint8_t* stored) = nullptr;  // used when `wide` has none
    bool eightBit = false;                              // blockSample gives unsigned bytes
    size_t sampleBytes = 0;                             // of one stored sample
    size_t frameBytes = 0;                              // of one stored frame of every channel
    ChannelOrder order;

    int Bits() const { return wide.decode ? wide.bits : eightBit ? 8 : 16; }
    // Decodes `frames` stored frames at `raw` into interleaved frame values.
    void Decode(const uint8_t* raw, size_t frames, float* out) const;
};

}  // namespace tonewright
