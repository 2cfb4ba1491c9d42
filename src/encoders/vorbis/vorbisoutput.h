#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputOgg = 4000;

// Ogg Vorbis output at an average bit rate, the tags as Vorbis comments.
extern const OutputWriterFactory kVorbisWriter;

}  // namespace tonewright
