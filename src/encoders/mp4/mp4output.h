#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputM4a = 6500;
constexpr int kOutputMp4 = 6600;
constexpr int kOutputM4b = 6700;

// AAC in MP4 with iTunes-style tags, as iTunes audio (.m4a), plain MP4 or an audiobook (.m4b).
extern const OutputWriterFactory kM4aWriter;
extern const OutputWriterFactory kMp4Writer;
extern const OutputWriterFactory kM4bWriter;

}  // namespace tonewright
