#pragma once

#include <cstddef>
#include <memory>

#include "sources/codecs/framedecoder.h"

namespace tonewright {

// ITU-T G.721 (32 kbit/s, 4-bit codes) and G.723 (24 kbit/s with 3-bit codes, 40 kbit/s
// with 5-bit codes) ADPCM as Sun/NeXT AU files store it: codes packed least significant bit
// first, the codes of all channels interleaved through one predictor that starts from the
// standard's reset state. Each code decodes to the reconstructed 14-bit signal times 4.
// Null for code widths other than 3, 4 and 5, or no channels.
std::unique_ptr<FrameDecoder> CreateG72xDecoder(int codeBits, size_t channels);

}  // namespace tonewright
