#pragma once

#include <cstdint>

#include "base/speakerlayout.h"

namespace tonewright {

// How the channels of a frame become the target's: every output channel is a weighted sum
// of the input channels. Built for one of these:
// - the same count and layout: the frame passes unchanged;
// - one channel to several: the channel goes to each;
// - more than two to stereo: mixed with the ITU-R BS.775 weights (front left and right
//   whole, the centre and the surround and back speakers at -3 dB to their side, centre
//   and back centre to both, the low-frequency channel dropped), all scaled down together
//   when one side's weights add up to more than 1, so a full-scale source cannot clip;
//   or, with the downmix off, the front left and right channels alone;
// - to mono: the stereo pair (or the surround mixed to it) as (L+R)/2, or its left or its
//   right side as the mono choice says.
class ChannelMix {
public:
    // False when the target has more than two channels in another layout than the source's.
    bool Setup(const FrameFormat& source, int targetChannels, uint32_t targetMask, int monoType, bool downmix);

    bool PassesUnchanged() const { return identity_; }
    int OutputChannels() const { return outputs_; }
    // Mixes `frames` frames; `out` holds frames * OutputChannels() floats.
    void Apply(const float* in, float* out, int frames) const;

private:
    void MixToStereo(uint32_t sourceMask, bool downmix);
    void MixStereoToMono(int monoType);

    int inputs_ = 0;
    int outputs_ = 0;
    bool identity_ = false;
    float weights_[kMaxRoadChannels][kMaxRoadChannels] = {};
};

}  // namespace tonewright
