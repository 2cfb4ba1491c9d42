#include "sources/bass/mpegframeheader.h"

#include "base/bigendian.h"

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

// MPEG-1 sample rates by index; MPEG-2 halves them, MPEG-2.5 quarters them.
const int kMpeg1Rates[3] = {44100, 48000, 32000};

constexpr int kVersionMpeg25 = 0;    // version bits 00
constexpr int kVersionReserved = 1;  // version bits 01
constexpr int kVersionMpeg1 = 3;     // version bits 11
constexpr int kLayerReserved = 0;    // layer bits 00
constexpr int kLayer1 = 3;           // layer bits 11
constexpr int kLayer3 = 1;           // layer bits 01
constexpr int kBitrateIndexInvalid = 15;
constexpr int kRateIndexReserved = 3;
constexpr uint32_t kStreamBitsMask = 0xFFFE0CC0u;  // sync, version, layer, rate, channel mode

}  // namespace

bool ReadMpegFrameHeader(const uint8_t* h, MpegFrameHeader& frame) {
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
    const int version = (h[1] >> 3) & 3;
    const int layerBits = (h[1] >> 1) & 3;
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (version == kVersionReserved || layerBits == kLayerReserved || bitrateIndex == kBitrateIndexInvalid ||
        rateIndex == kRateIndexReserved)
        return false;
    const bool mpeg1 = version == kVersionMpeg1;
    const int row = (mpeg1 ? 0 : 3) + (3 - layerBits);
    const int kbps = kBitrates[row][bitrateIndex];
    if (kbps == 0) return false;

    frame.sampleRate = kMpeg1Rates[rateIndex] >> (mpeg1 ? 0 : version == kVersionMpeg25 ? 2 : 1);
    frame.channelMode = h[3] >> 6;
    const int padding = (h[2] >> 1) & 1;
    if (layerBits == kLayer1) frame.frameBytes = (12000 * kbps / frame.sampleRate + padding) * 4;
    else if (layerBits == kLayer3 && !mpeg1) frame.frameBytes = 72000 * kbps / frame.sampleRate + padding;
    else frame.frameBytes = 144000 * kbps / frame.sampleRate + padding;
    frame.streamBits = LoadBe32(h) & kStreamBitsMask;
    return true;
}

bool ProbeMpegChannelMode(const uint8_t* header, int& channelMode) {
    MpegFrameHeader frame;
    if (!ReadMpegFrameHeader(header, frame)) return false;
    channelMode = frame.channelMode;
    return true;
}

}  // namespace tonewright
