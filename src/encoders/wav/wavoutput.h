#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputWav = 2000;

// WAV output: the source's own format with "Auto", otherwise the stored rate (kept within
// 6 to 192 kHz), channels and width, each following the source when 0.
extern const OutputWriterFactory kWavWriter;

}  // namespace tonewright
