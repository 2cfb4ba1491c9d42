#pragma once

#include <cstddef>
#include <memory>

#include "sources/codecs/blockdecoder.h"

namespace tonewright {

// Apple IMA4, the IMA ADPCM of AIFF-C files ("ima4"): a block holds one 34-byte packet per
// channel in turn. A packet is a big-endian 16-bit header, whose upper 9 bits are the
// starting predictor and whose low 7 bits are the step index, then 32 bytes of 64 codes,
// low nibble first. A block decodes to 64 interleaved frames. Each channel's state runs on
// from packet to packet while the headers agree with it. Null for no channels.
std::unique_ptr<BlockDecoder> CreateIma4Decoder(size_t channels);

}  // namespace tonewright
