#pragma once

#include <array>

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputMp3 = 1000;

// MP3 output through LAME: constant bit rate or VBR quality, the LAME/Info frame, ID3 blocks
// built from the resolved tags, or an MP3 source's own blocks copied byte for byte when its
// tags are transferred.
extern const OutputWriterFactory kMp3Writer;

// Bit rates (kbps) of MPEG audio layer III.
constexpr std::array<int, 18> kMp3BitrateTable = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                                                  96, 112, 128, 144, 160, 192, 224, 256, 320};
// Limits an MP3 bit rate by what the MPEG version of the output rate carries well: at most
// 64 kbps up to 12000 Hz, at most 160 up to 24000 Hz, at least 32 above.
int LimitMp3Bitrate(int kbps, int outputRate);

// The MP3 encoder's configuration. A mode or bit rate of -1 is left to LAME.
struct Mp3Encoding {
    int inputRate = 0;
    int channels = 0;  // handed to the encoder; 1 also when one channel of a stereo source is picked
    int mode = -1;
    int outputRate = 0;
    int bitrateKbps = -1;
    int vbrQuality = -1;     // 0..9: variable bit rate instead of `bitrateKbps`
    bool infoFrame = false;  // the LAME/Info frame in a constant-bit-rate file (VBR files always get it)
};
Mp3Encoding ChooseMp3Encoding(const Settings& settings, const SourceFormat& source);

}  // namespace tonewright
