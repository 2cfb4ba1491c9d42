#pragma once

#include <cstdint>

namespace tonewright {

// Decoders of one stored WAV sample (little-endian) to the value delivered: an unsigned
// byte for 8-bit PCM, a signed 16-bit sample for everything else.
using WavSampleDecoder = int (*)(const uint8_t* stored);

int DecodeWavU8(const uint8_t* stored);
int DecodeWavS16(const uint8_t* stored);
// The upper two bytes: the sample divided by 256, rounded down.
int DecodeWavS24(const uint8_t* stored);
// The upper 16 bits (arithmetic shift right by 16).
int DecodeWavS32(const uint8_t* stored);
int DecodeWavFloat32(const uint8_t* stored);
int DecodeWavFloat64(const uint8_t* stored);
int DecodeWavAlaw(const uint8_t* stored);
int DecodeWavMulaw(const uint8_t* stored);

}  // namespace tonewright
