#include "engine/quantiser.h"

#include <cmath>

namespace tonewright {

Quantiser::Quantiser(int bits, bool dither)
    : scale_(static_cast<float>(1 << (bits - 1))),
      stepSize_(1.0f / scale_),
      highest_((1 << (bits - 1)) - 1),
      dither_(dither) {}

// A uniform value in [0, 1) from a 32-bit xorshift generator.
float Quantiser::NextUniform() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

int32_t Quantiser::ToStep(float sample) {
    float scaled = sample * scale_;
    // The difference of two uniform values is triangular over (-1, 1) step.
    if (dither_) scaled += NextUniform() - NextUniform();
    const float rounded = std::nearbyint(scaled);
    if (std::isnan(rounded)) return 0;  // a damaged float sample is silence, not undefined
    if (rounded >= static_cast<float>(highest_)) return highest_;
    if (rounded <= -scale_) return -highest_ - 1;
    return static_cast<int32_t>(rounded);
}

}  // namespace tonewright
