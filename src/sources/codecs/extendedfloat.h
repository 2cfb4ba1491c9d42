#pragma once

#include <cstdint>

namespace tonewright {

// An 80-bit IEEE 754 extended value as AIFF stores its sample rate (big-endian: the sign
// bit and a 15-bit exponent biased by 16383, then a 64-bit mantissa whose top bit is the
// explicit integer bit), truncated toward zero to an integer. Values beyond the int64 range
// and the largest exponent (infinities, NaNs) saturate at the limit of their sign; zeros and
// magnitudes below 1 give 0.
int64_t TruncateExtendedFloat(const uint8_t* bytes);

}  // namespace tonewright
