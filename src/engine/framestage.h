#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/speakerlayout.h"
#include "encoders/samplewriter.h"
#include "engine/channelmix.h"
#include "engine/quantiser.h"

struct soxr;

namespace tonewright {

// The choices of the road that are not the target's format.
struct RoadChoices {
    int monoType = 0;             // a MonoPick
    bool downmix = true;          // surround to stereo or mono by mixing (else the front pair)
    bool dither = true;           // dither when more than 16 bits are stored in 16 or 8
    std::optional<int> gainPercent;  // the format's amplification
};

// Takes frames (up to 8 channels of 8, 16 or 24 bits or float, as sources deliver them) to
// the form the writer takes: channels mixed (ChannelMix), the rate converted by libsoxr on
// floats (its very-high-quality setting for material of more than 16 bits), amplified, and
// stored at the target's width: frames of 16 or 24 bits or float for a wide form, planar
// 16-bit blocks (8-bit by the usual narrowing of 16-bit samples) for the block form.
class FrameStage {
public:
    FrameStage();
    ~FrameStage();
    FrameStage(const FrameStage&) = delete;
    FrameStage& operator=(const FrameStage&) = delete;

    // False when the road cannot make the target from the source.
    bool Setup(const FrameFormat& source, int sourceRate, const PcmFormat& target, const RoadChoices& choices);
    // Converts `count` frames; the block (possibly of 0 samples while the rate converter
    // fills) stays valid until the next call.
    SampleBlock Process(const float* frames, int count);
    // What the rate converter still holds at the end of the file.
    SampleBlock Flush();

private:
    void Resample(const float* in, int count);
    SampleBlock Store(const float* samples, int count);

    struct SoxrDeleter {
        void operator()(soxr* handle) const;
    };
    ChannelMix mix_;
    PcmFormat target_;
    std::optional<float> gain_;
    std::optional<Quantiser> quantiser_;
    std::unique_ptr<soxr, SoxrDeleter> converter_;
    std::vector<float> mixed_;
    std::vector<float> resampled_;
    std::vector<float> stored_;
    std::vector<int16_t> planar_[2];
    std::vector<uint8_t> narrow_[2];
};

}  // namespace tonewright
