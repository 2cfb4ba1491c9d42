#pragma once

#include <cstdint>

namespace tonewright {

// Takes floating-point samples (full scale +-1.0) to an integer width: to the nearest step
// (ToInteger), or, when dithering, after adding triangular (TPDF) noise of up to one step
// either way, which turns the rounding error of a reduced width into a steady hiss instead
// of distortion that follows the signal. The noise comes from a fixed-seed generator, so the
// same file always gives the same samples.
class Quantiser {
public:
    Quantiser(int bits, bool dither);

    // The sample as the integer of the width.
    int32_t ToStep(float sample);
    // The same as a float on the road's scale (a whole multiple of 2^-(bits-1)).
    float Quantise(float sample) { return static_cast<float>(ToStep(sample)) * stepSize_; }

private:
    float NextUniform();

    int bits_;
    float stepSize_;
    bool dither_;
    uint32_t state_ = 0x9E3779B9u;
};

}  // namespace tonewright
