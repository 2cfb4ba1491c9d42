#pragma once

#include "encoders/outputplan.h"

namespace tonewright {

// AAC in MP4 with iTunes-style tags, as iTunes audio (.m4a), plain MP4 or an audiobook (.m4b).
extern const OutputWriterFactory kM4aWriter;
extern const OutputWriterFactory kMp4Writer;
extern const OutputWriterFactory kM4bWriter;

}  // namespace tonewright
