#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputWma = 7000;

// Windows Media Audio output, once the Windows Media codecs are found: the codec format
// nearest the request from the codec's list; the writer converts the rate itself.
extern const OutputWriterFactory kWmaWriter;

}  // namespace tonewright
