#pragma once

#include <cstdint>

namespace tonewright {

// Reads the channel mode (0 stereo, 1 joint stereo, 2 dual channel, 3 mono) from the 4-byte
// header of an MPEG audio frame. False when the bytes are no frame header: no frame sync,
// a reserved version or layer, or a bit rate that is free format or invalid.
bool ProbeMpegChannelMode(const uint8_t* header, int& channelMode);

}  // namespace tonewright
