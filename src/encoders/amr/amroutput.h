#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputAmr = 5500;
constexpr int kOutputAwb = 5600;

// AMR output, mono 16-bit: narrowband at 8000 Hz or wideband at 16000 Hz by the AMR type
// setting (.amr), always wideband with its own settings (.awb).
extern const OutputWriterFactory kAmrWriter;
extern const OutputWriterFactory kAwbWriter;

}  // namespace tonewright
