#pragma once

#include <cstdint>

namespace tonewright {

// ITU-T G.711 expansion of one A-law code to a 16-bit linear sample (±8..±32256).
int16_t ExpandAlaw(uint8_t code);

// ITU-T G.711 expansion of one mu-law code to a 16-bit linear sample (±0..±32124).
int16_t ExpandMulaw(uint8_t code);

}  // namespace tonewright
