#pragma once

#include <cstddef>
#include <cstdint>

#include "sources/codecs/sounddata.h"

namespace tonewright {

// A decoder of coded sound data (ADPCM, GSM, DWVW) into interleaved 16-bit frames of every
// stored channel. It reads the stored bytes it needs from the data and keeps its state
// between calls.
class FrameDecoder {
public:
    FrameDecoder() = default;
    virtual ~FrameDecoder() = default;
    FrameDecoder(const FrameDecoder&) = delete;
    FrameDecoder& operator=(const FrameDecoder&) = delete;

    // Decodes up to maxFrames frames (maxFrames × stored channels samples) into `frames`
    // and returns how many; 0 at the end of the data or after data that does not decode.
    virtual size_t Decode(SoundData& data, int16_t* frames, size_t maxFrames) = 0;
};

}  // namespace tonewright
