#pragma once

#include <cstdint>
#include <optional>

namespace tonewright {

// Scale `count` samples of the left buffer, and of the right one when `channels` is 2, in
// place by `percent` / 100, truncating toward zero and clipping. The product is exact
// integer arithmetic, so a gain whose result is whole gives that whole value (20 % of 100
// is 20, not 19). 8-bit samples are unsigned with silence at 128 and clip to 0..255;
// 16-bit samples clip to -32767..32767.
void AmplifySamples8(uint8_t* left, uint8_t* right, int count, int channels, int percent);
void AmplifySamples16(int16_t* left, int16_t* right, int count, int channels, int percent);

// The gain in percent a format's amplification settings ask for, or none when
// amplification is off (the flag clear, or a coefficient of exactly 100 percent). A
// coefficient of 0 with the flag set is a gain of 0: silence.
std::optional<int> GainFromSettings(int amplifyFlag, int coefficientPercent);

}  // namespace tonewright
