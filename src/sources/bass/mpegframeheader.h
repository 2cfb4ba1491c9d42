#pragma once

#include <cstdint>

namespace tonewright {

// What the 4-byte header of an MPEG audio frame tells.
struct MpegFrameHeader {
    int channelMode = 0;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    int sampleRate = 0;   // Hz
    int frameBytes = 0;   // the whole frame, header and padding included
    // The bits that stay the same from frame to frame of one stream: version, layer, rate
    // and channel mode.
    uint32_t streamBits = 0;
};

// Reads the header of an MPEG audio frame. False when the bytes are no frame header: no
// frame sync, a reserved version, layer or sample rate, or a bit rate that is free format
// or invalid.
bool ReadMpegFrameHeader(const uint8_t* header, MpegFrameHeader& frame);

// Reads the channel mode (0 stereo, 1 joint stereo, 2 dual channel, 3 mono) from the 4-byte
// header of an MPEG audio frame. False when the bytes are no frame header (as above).
bool ProbeMpegChannelMode(const uint8_t* header, int& channelMode);

}  // namespace tonewright
