#pragma once

#include <array>

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputOgg = 4000;

// Ogg Vorbis output at an average bit rate or a quality level, the tags as Vorbis comments;
// "Auto" keeps at most two channels, OGGChannels 0 the source's (up to 8, Vorbis order).
extern const OutputWriterFactory kVorbisWriter;

// Nominal bit rates (kbps) offered for Ogg Vorbis: the MP3 ones and two higher steps.
constexpr std::array<int, 20> kVorbisBitrateTable = {8,   16,  24,  32,  40,  48,  56,  64,  80,  96,
                                                     112, 128, 144, 160, 192, 224, 256, 320, 400, 480};

// Keeps a Vorbis nominal bit rate within what libvorbis's modes for the rate and channel
// count (2 = stereo; each of more channels spans what one does) span.
int ClampVorbisBitrate(int kbps, int rate, int channels);

// The Ogg Vorbis encoder's configuration: samples go in at `rate` with `channels`, 16 bits,
// or floating point (`wide`) with more than two channels, whose speakers `mask` names.
struct VorbisEncoding {
    int rate = 0;
    int channels = 0;
    bool wide = false;
    uint32_t mask = 0;
    int bitrateKbps = 0;
    bool byQuality = false;  // quality mode: `quality` (-1..10) instead of the bit rate
    int quality = 5;
};
VorbisEncoding ChooseVorbisEncoding(const Settings& settings, const SourceFormat& source);

}  // namespace tonewright
