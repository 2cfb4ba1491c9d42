#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testutil {

// The facts of one MPEG audio layer III frame header, read by the tests themselves.
struct Mp3Frame {
    size_t offset = 0;
    int sampleRate = 0;
    int bitrateKbps = 0;
    int mode = -1;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    size_t length = 0;
    bool isInfoFrame = false;  // a Xing/Info (VBR information) frame rather than audio
};

// Size of the ID3v2 tag at the start of `bytes` (header included), 0 when there is none.
size_t Id3v2Size(const std::vector<uint8_t>& bytes);
// The frame that starts at `offset`; sampleRate 0 when no valid layer III header is there.
Mp3Frame ReadMp3Frame(const std::vector<uint8_t>& bytes, size_t offset);

}  // namespace testutil
