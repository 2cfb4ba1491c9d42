#pragma once

#include <cstdint>

namespace tonewright {

// Converts a floating-point sample (full scale ±1.0) to 16 bits the way Tonewright's readers
// do: scaled by 2147483647, truncated toward zero to 64 bits, shifted right by 16, low 16
// bits kept. 1.0 gives 32767, -1.0 gives -32768, 0.5 gives 16383. Values beyond ±1.0 are
// not clipped (their low bits wrap); NaN gives 0 and values too large for 64 bits saturate
// there before the shift.
int16_t FloatSampleToInt16(double value);

// The same for the bit patterns of IEEE 754 single and double values, as files store them.
int16_t Float32BitsToInt16(uint32_t bits);
int16_t Float64BitsToInt16(uint64_t bits);

}  // namespace tonewright
