#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "sources/codecs/framedecoder.h"

namespace tonewright {

// DWVW (Delta Word Variable Width), the lossless delta coding of AIFF-C "DWVW" at 8 to 24
// bits. One bit stream, most significant bit first, carries the interleaved samples of every
// channel through one predictor: each sample is a change of the delta width (a run of zero
// bits ended by a one bit, at most width ÷ 2 long, then its sign) and a delta of that width
// from the sample before. Decodes to the top 16 bits of each sample. The stream ends after
// frameCount frames (writers pad its last byte, and libsndfile adds bits that would decode
// as further samples), or, when frameCount is 0, where the data ends; a sample or frame cut
// short there is dropped. Null for a width outside 8..24 or no channels.
std::unique_ptr<FrameDecoder> CreateDwvwDecoder(int bitWidth, size_t channels, uint64_t frameCount);

}  // namespace tonewright
