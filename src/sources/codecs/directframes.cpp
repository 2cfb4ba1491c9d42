#include "sources/codecs/directframes.h"

namespace tonewright {

void DirectFrames::Decode(const uint8_t* raw, size_t frames, float* out) const {
    for (size_t f = 0; f < frames; ++f, raw += frameBytes) {
        for (int i = 0; i < order.channels; ++i) {
            const uint8_t* stored = raw + order.stored[i] * sampleBytes;
            *out++ = wide.decode ? wide.decode(stored) : BlockSampleToFrame(blockSample(stored), eightBit);
        }
    }
}

}  // namespace tonewright
