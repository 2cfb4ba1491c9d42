#pragma once

#include <cstddef>

namespace tonewright {

// Delivers interleaved frames of `stride` samples as a planar block: the first sample of
// each frame to the left buffer and, when a right buffer is given and the frames hold
// more than one sample, the sample at rightIndex to the right buffer.
template <typename Sample>
void Deinterleave(const Sample* interleaved, int frames, int stride, void* left, void* right, int rightIndex = 1) {
    auto* outLeft = static_cast<Sample*>(left);
    auto* outRight = stride > rightIndex ? static_cast<Sample*>(right) : nullptr;
    for (int f = 0; f < frames; ++f) {
        const Sample* frame = interleaved + static_cast<size_t>(f) * stride;
        outLeft[f] = frame[0];
        if (outRight) outRight[f] = frame[rightIndex];
    }
}

}  // namespace tonewright
