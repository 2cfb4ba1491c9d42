#pragma once

#include <cstdint>
#include <vector>

#include "encoders/samplewriter.h"

namespace tonewright {

// The speakers a target format holds for a channel count, in the order its frames carry
// them; empty for a count it has no layout for. Ogg Vorbis and Opus take VorbisSpeakerOrder
// (base/speakerlayout.h).
using SpeakerOrder = std::vector<uint32_t> (*)(int channels);

// The layouts of AAC's channel configurations 1..6 in FFmpeg's order (ascending speaker
// bits): 3 FL FR FC, 4 FL FR FC BC, 5 FL FR FC BL BR, 6 FL FR FC LFE BL BR.
std::vector<uint32_t> AacSpeakerOrder(int channels);

// For each speaker of `order`, its channel in a frame of `channels` whose speakers `mask`
// names (0 the usual ones); side speakers stand for back ones the frame lacks when the
// order has back and no side speakers. Empty when the frame's speakers are not the order's.
std::vector<int> FramePositions(uint32_t mask, int channels, const std::vector<uint32_t>& order);

// The samples a lossy target with a channel choice takes at `rate`: 1 mono, 2 stereo, 0 the
// source's channels: its stored ones in floating point when there are more than two and
// the target's order holds their speakers (the stored mask kept, the writer reorders),
// else the delivered one or two. Mono and stereo are 16-bit blocks.
PcmFormat LossyChannelForm(const SourceFormat& source, int choice, int rate, SpeakerOrder order);

// Copies `count` frames of `positions.size()` channels into `out` in the target's order.
void ReorderFrames(const float* frames, int count, const std::vector<int>& positions, float* out);

}  // namespace tonewright
