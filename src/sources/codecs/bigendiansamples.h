#pragma once

#include <cstdint>

namespace tonewright {

// Decoders of one stored big-endian or byte-wide sample (AIFF, AIFF-C, Sun/NeXT AU) to the
// value delivered. Their little-endian counterparts are the WAV sample decoders.

// Signed 8-bit to the unsigned 8-bit delivery (silence 128): -128 gives 0, 0 gives 128.
int DecodeS8AsU8(const uint8_t* stored);
// Signed 8-bit to 16 bits: shifted left by 8.
int DecodeS8AsS16(const uint8_t* stored);
// Signed 16, 24 or 32 bits: the most significant 16 bits, which big-endian stores first.
int DecodeBeTop16(const uint8_t* stored);
int DecodeBeFloat32(const uint8_t* stored);
int DecodeBeFloat64(const uint8_t* stored);

}  // namespace tonewright
