#pragma once

#include <cstdint>

namespace tonewright {

// Scale `count` samples of the left buffer, and of the right one when `channels` is 2, in
// place by `gain`, truncating toward zero and clipping. 8-bit samples are unsigned with
// silence at 128 and clip to 0..255; 16-bit samples clip to -32767..32767.
void AmplifySamples8(uint8_t* left, uint8_t* right, int count, int channels, float gain);
void AmplifySamples16(int16_t* left, int16_t* right, int count, int channels, float gain);

// The gain a format's amplification settings ask for, or 0 when amplification is off
// (the flag clear, or a coefficient of exactly 100 percent).
float GainFromSettings(int amplifyFlag, int coefficientPercent);

}  // namespace tonewright
