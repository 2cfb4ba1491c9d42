#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputMp3 = 1000;

// MP3 output through LAME: constant bit rate, ID3 blocks built from the resolved tags, or
// an MP3 source's own blocks copied byte for byte when its tags are transferred.
extern const OutputWriterFactory kMp3Writer;

}  // namespace tonewright
