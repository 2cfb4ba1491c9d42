#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputFlac = 8000;

// Lossless FLAC output at the source's rate, its channels (up to 8, or mono or stereo as
// chosen) at 16 or 24 bits, the tags as Vorbis comments.
extern const OutputWriterFactory kFlacWriter;

// The compression levels libFLAC offers: 0 fastest .. 8 smallest.
constexpr int kFlacFastestLevel = 0;
constexpr int kFlacSmallestLevel = 8;

}  // namespace tonewright
