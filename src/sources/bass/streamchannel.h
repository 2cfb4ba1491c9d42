#pragma once

#include <memory>
#include <string>

#include "sources/bass/channel.h"

namespace tonewright {

// Any audio file FFmpeg decodes, except tracker modules (those are the module loader's):
// unsigned 8-bit for 8-bit sources, signed 16-bit otherwise, or with floatFrames 32-bit
// floats; every channel interleaved in FFmpeg's order.
// Its length is the container's most exact frame count; the audio data lies between the
// file's leading ID3v2 tag and its trailing APEv2 and ID3v1 tags.
std::unique_ptr<Channel> OpenStreamChannel(const std::string& path, bool floatFrames);

}  // namespace tonewright
