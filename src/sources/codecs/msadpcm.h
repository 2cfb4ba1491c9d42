#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "sources/codecs/blockdecoder.h"

namespace tonewright {

// One predictor of Microsoft ADPCM: the weights (in 1/256) of the last and the one before
// last sample.
struct MsAdpcmCoefficients {
    int16_t first = 0;
    int16_t second = 0;
};

// Microsoft ADPCM as stored in WAV files (format tag 2). A block starts with the predictor
// index byte of each channel, then the 16-bit initial delta of each channel, then sample 1
// of each channel, then sample 2 of each channel; sample 2 is played first. The 4-bit codes
// follow, high nibble first, alternating between the channels in stereo.
// Returns null when the layout cannot work: channels other than 1 or 2, no predictors, fewer
// than the two header samples per block, or blocks too small to hold samplesPerBlock samples
// of every channel. A block whose predictor index names no predictor fails to decode.
std::unique_ptr<BlockDecoder> CreateMsAdpcmDecoder(int channels, size_t blockAlign, size_t samplesPerBlock,
                                                   std::vector<MsAdpcmCoefficients> predictors);

}  // namespace tonewright
