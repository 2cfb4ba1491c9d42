#include "sources/bass/mpegframeheader.h"

namespace tonewright {

namespace {

// Bit rates in kbps by bit-rate index; entry 0 stands for free format, and index 15 is
// invalid. Rows: MPEG-1 layers I, II, III; MPEG-2 and 2.5 layers I, II, III.
const int kBitrates[6][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};

constexpr int kVersionReserved = 1;  // version bits 01
constexpr int kVersionMpeg1 = 3;     // version bits 11
constexpr int kLayerReserved = 0;    // layer bits 00
constexpr int kBitrateIndexInvalid = 15;

}  // namespace

bool ProbeMpegChannelMode(const uint8_t* h, int& channelMode) {
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
    const int version = (h[1] >> 3) & 3;
    const int layerBits = (h[1] >> 1) & 3;
    const int bitrateIndex = h[2] >> 4;
    if (version == kVersionReserved || layerBits == kLayerReserved || bitrateIndex == kBitrateIndexInvalid) return false;
    // Layer bits 11 are layer I, 10 layer II, 01 layer III.
    const int row = (version == kVersionMpeg1 ? 0 : 3) + (3 - layerBits);
    if (kBitrates[row][bitrateIndex] == 0) return false;
    channelMode = h[3] >> 6;
    return true;
}

}  // namespace tonewright
