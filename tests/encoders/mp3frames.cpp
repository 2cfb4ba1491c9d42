#include "encoders/mp3frames.h"

#include <algorithm>
#include <cstring>

namespace testutil {

size_t Id3v2Size(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 10 || std::memcmp(bytes.data(), "ID3", 3) != 0) return 0;
    return 10 + ((bytes[6] & 0x7Fu) << 21 | (bytes[7] & 0x7Fu) << 14 | (bytes[8] & 0x7Fu) << 7 | (bytes[9] & 0x7Fu));
}

Mp3Frame ReadMp3Frame(const std::vector<uint8_t>& bytes, size_t offset) {
    static const int kBitrates[2][16] = {
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},  // MPEG-1
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},      // MPEG-2 and 2.5
    };
    static const int kRates[4][3] = {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};
    Mp3Frame frame;
    frame.offset = offset;
    if (offset + 4 > bytes.size()) return frame;
    const uint8_t* h = bytes.data() + offset;
    const int version = (h[1] >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int rateIndex = (h[2] >> 2) & 3;
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0 || version == 1 || ((h[1] >> 1) & 3) != 1 || rateIndex == 3)
        return frame;
    frame.sampleRate = kRates[version][rateIndex];
    frame.bitrateKbps = kBitrates[version == 3 ? 0 : 1][h[2] >> 4];
    frame.mode = h[3] >> 6;
    const int samplesPerFrame = version == 3 ? 1152 : 576;
    frame.length = static_cast<size_t>(samplesPerFrame / 8 * frame.bitrateKbps * 1000 / frame.sampleRate + ((h[2] >> 1) & 1));
    const size_t end = std::min(bytes.size(), offset + frame.length);
    for (const char* marker : {"Xing", "Info"})
        frame.isInfoFrame |= std::search(h, bytes.data() + end, marker, marker + 4) != bytes.data() + end;
    return frame;
}

}  // namespace testutil
