#pragma once

#include <cstdint>
#include <string>

namespace tonewright {

// The Xing/Info frame that VBR-aware MP3 encoders put first in the file, with the encoder
// delay and padding of its LAME extension (written by LAME and by FFmpeg).
struct Mp3InfoFrame {
    int64_t frames = 0;  // MPEG frames of the audio, the Info frame not counted
    int samplesPerFrame = 0;
    int encoderDelay = 0;
    int padding = 0;
};

// Reads the frame that follows the leading ID3v2 tags. False when it is no Info frame that
// states both its frame count and the encoder delay and padding.
bool ReadMp3InfoFrame(const std::string& path, Mp3InfoFrame& info);

// Samples that a decoder which honours the Info frame delivers (as FFmpeg's does: the
// decoder's own delay of 529 samples is dropped with the encoder delay, and the padding
// is dropped at the end, as far as it reaches past that delay).
int64_t DecodedMp3Frames(const Mp3InfoFrame& info);

}  // namespace tonewright
