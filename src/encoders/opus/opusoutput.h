#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputOpus = 8500;

// Ogg Opus output: the source's rate and channels (up to 8 in Vorbis order, or mono or
// stereo as chosen), a bit rate with its mode and complexity,
// the tags as Vorbis comments.
extern const OutputWriterFactory kOpusWriter;

// The bit rates (kbit/s) Opus takes, and libopus's complexities.
constexpr int kOpusLowestBitrate = 6;
constexpr int kOpusHighestBitrate = 510;
constexpr int kOpusLowestComplexity = 0;
constexpr int kOpusHighestComplexity = 10;

}  // namespace tonewright
