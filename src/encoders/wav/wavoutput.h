#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputWav = 2000;

// WAV output: the source's stored form (rate, channels with their mask, width) with "Auto",
// otherwise the stored rate (kept within 6 to 192 kHz), channels (1, 2) and width (8, 16,
// 24, 32 floating point), each following the source when 0.
extern const OutputWriterFactory kWavWriter;

}  // namespace tonewright
