#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// Windows Media Audio output, once the Windows Media codecs are found: the codec format
// nearest the request from the codec's list; the writer converts the rate itself.
extern const OutputWriterFactory kWmaWriter;

}  // namespace tonewright
