#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "sources/codecs/blockdecoder.h"

namespace tonewright {

// The running state of one IMA (DVI) ADPCM channel and its per-code step. Shared by every
// container that stores IMA ADPCM; only the block layouts differ.
class ImaAdpcmChannel {
public:
    // Starts from a block header's sample and step index; indexes above 88 count as 88.
    void Start(int16_t sample, unsigned stepIndex);
    // Applies one 4-bit code (bit 3 the sign, bits 0..2 the magnitude) and returns the new
    // sample.
    int16_t Expand(unsigned code);

    int16_t Sample() const { return static_cast<int16_t>(predictor_); }
    int StepIndex() const { return stepIndex_; }

private:
    int predictor_ = 0;  // the last sample produced, -32768..32767
    int stepIndex_ = 0;  // index into the step table, 0..88
};

// IMA ADPCM as stored in WAV files (format tag 17). A block holds, per channel, a 4-byte
// header (16-bit first sample, step index, reserved byte), then runs of 4 bytes per channel
// in turn, each byte giving two samples, low nibble first. Returns null when the layout
// cannot work: channels other than 1 or 2, no samples per block, or blocks too small to
// hold samplesPerBlock samples of every channel.
std::unique_ptr<BlockDecoder> CreateImaAdpcmWavDecoder(int channels, size_t blockAlign, size_t samplesPerBlock);

}  // namespace tonewright
