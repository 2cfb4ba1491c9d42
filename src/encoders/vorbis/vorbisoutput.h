#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// Ogg Vorbis output at an average bit rate, the tags as Vorbis comments.
extern const OutputWriterFactory kVorbisWriter;

}  // namespace tonewright
