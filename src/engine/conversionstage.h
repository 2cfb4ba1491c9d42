#pragma once

#include <cstdint>
#include <memory>

#include "encoders/samplewriter.h"
#include "engine/resampler.h"

namespace tonewright {

// Takes delivered blocks to the format an encoder wants. A conversion through the
// Resampler is needed when the rate or the width differ, when the source has fewer
// channels than the target, or when it has more and the mono mode mixes (0). With mono
// mode 1 or 2 a stereo source gives its left or right channel as the only channel, and
// the Resampler, when still needed, sees that one channel.
class ConversionStage {
public:
    // 1 on success, 0 when the formats cannot be converted.
    int Setup(const PcmFormat& source, const PcmFormat& target, int monoType);
    bool UsesResampler() const { return resampler_ != nullptr; }

    // Processes one block; on return outLeft/outRight point at the samples for the encoder
    // (outRight null for a mono target). Returns the output count.
    int Process(uint8_t* left, uint8_t* right, int count, uint8_t*& outLeft, uint8_t*& outRight);
    // The samples the rate converter still holds at the end of the file.
    int Flush(uint8_t*& outLeft, uint8_t*& outRight);

private:
    int pickedChannel_ = -1;  // 0 left, 1 right, -1 none
    int targetChannels_ = 0;
    std::unique_ptr<Resampler> resampler_;
};

}  // namespace tonewright
