#include "engine/quantiser.h"

#include "encoders/samplewriter.h"

namespace tonewright {

Quantiser::Quantiser(int bits, bool dither)
    : bits_(bits), stepSize_(1.0f / static_cast<float>(1 << (bits - 1))), dither_(dither) {}

// A uniform value in [0, 1) from a 32-bit xorshift generator.
float Quantiser::NextUniform() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

int32_t Quantiser::ToStep(float sample) {
    // The difference of two uniform values is triangular over (-1, 1) step.
    if (dither_) sample += (NextUniform() - NextUniform()) * stepSize_;
    return ToInteger(sample, bits_);
}

}  // namespace tonewright
