#pragma once

#include <cstddef>
#include <cstdint>

namespace tonewright {

// Decoders of one stored sample to a frame value of the sample road (full scale +-1.0),
// with the width the road counts it as.
struct FrameSample {
    float (*decode)(const uint8_t* stored) = nullptr;
    int bits = 0;
};

// Integer samples of 3 bytes (24 bits) and 4 bytes (32 bits, counted as 24: their lowest
// 8 bits are dropped, rounding down); no decoder for other sizes. A 24-bit value v gives
// exactly v / 2^23.
FrameSample IntegerFrameSample(size_t storedBytes, bool bigEndian);
// IEEE float samples of 4 and 8 bytes, as they are (doubles rounded to float, those beyond
// float's range to infinity), counted as kFloatBits; NaN gives 0. No decoder for other
// sizes.
FrameSample FloatFrameSample(size_t storedBytes, bool bigEndian);

}  // namespace tonewright
