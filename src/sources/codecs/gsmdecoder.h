#pragma once

#include <memory>

#include "sources/codecs/blockdecoder.h"

namespace tonewright {

// GSM 06.10 full-rate speech in the WAV-49 framing (format tag 49): 65-byte blocks of two
// frames (33 and 32 bytes, the second frame starting with the half-byte left over from the
// first), 320 samples per block. Decoded by libgsm with its WAV-49 packing switched on.
// Returns null when libgsm cannot create a decoder or was built without WAV-49 support.
std::unique_ptr<BlockDecoder> CreateGsmWav49Decoder();

// GSM 06.10 in its standard framing (AIFF-C "GSM "): 33-byte frames of 160 samples.
// Returns null when libgsm cannot create a decoder.
std::unique_ptr<BlockDecoder> CreateGsmDecoder();

}  // namespace tonewright
