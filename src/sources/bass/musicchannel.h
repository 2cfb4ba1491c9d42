#pragma once

#include <memory>
#include <string>

#include "sources/bass/channel.h"

namespace tonewright {

// A tracker module (MOD, XM, IT, S3M, MTM, UMX, MO3, ...) rendered by libopenmpt in 16-bit
// stereo at a chosen rate. Its length is the play-through of the module's main song, from
// the first order to where the song ends or would loop.
std::unique_ptr<Channel> OpenMusicChannel(const std::string& path, int rate, bool volumeRamping);

}  // namespace tonewright
