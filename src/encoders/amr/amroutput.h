#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// AMR output, mono 16-bit: narrowband at 8000 Hz or wideband at 16000 Hz by the AMR type
// setting (.amr), always wideband with its own settings (.awb).
extern const OutputWriterFactory kAmrWriter;
extern const OutputWriterFactory kAwbWriter;

}  // namespace tonewright
