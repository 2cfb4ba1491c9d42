#pragma once

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>

#include "base/ffmpegfree.h"
}

namespace tonewright {

// FFmpeg's text for one of its error codes, for a row's status.
std::string FfmpegErrorText(int code);

}  // namespace tonewright
