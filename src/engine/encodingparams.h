#pragma once

#include <array>
#include <cstddef>

namespace tonewright {

class AudioSource;
struct Settings;

// Sample rates (Hz) the MP3 and Ogg Vorbis outputs snap to.
constexpr std::array<int, 9> kSampleRateTable = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
// Bit rates (kbps) of MPEG audio layer III.
constexpr std::array<int, 18> kMp3BitrateTable = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                                                  96, 112, 128, 144, 160, 192, 224, 256, 320};
// Nominal bit rates (kbps) offered for Ogg Vorbis: the MP3 ones and two higher steps.
constexpr std::array<int, 20> kVorbisBitrateTable = {8,   16,  24,  32,  40,  48,  56,  64,  80,  96,
                                                     112, 128, 144, 160, 192, 224, 256, 320, 400, 480};

// Rounds `value` to the ascending table: an entry stays, anything between two entries goes
// to the nearer one (the lower on a tie), anything below the first or above the last entry
// to that entry.
int SnapToTable(int value, const int* table, size_t count);
template <size_t N>
int SnapToTable(int value, const std::array<int, N>& table) {
    return SnapToTable(value, table.data(), N);
}

// The output rate and bit rate chosen for a source of `sampleRate` Hz; one channel counts as
// mono, any other count as stereo.
struct AutoEncoding {
    int sampleRate = 0;
    int bitrateKbps = 0;
};
AutoEncoding AutoEncodingTable(int sampleRate, int channels);

// Limits an MP3 bit rate by what the MPEG version of the output rate carries well: at most
// 64 kbps up to 12000 Hz, at most 160 up to 24000 Hz, at least 32 above.
int LimitMp3Bitrate(int kbps, int outputRate);

// Keeps a Vorbis nominal bit rate within what libvorbis's modes for the rate and channel
// count (2 = stereo) span.
int ClampVorbisBitrate(int kbps, int rate, int channels);

// What a pipeline knows about its source when it decides the output parameters.
struct SourceFormat {
    int inputType = 0;
    int rate = 0;
    int channels = 0;     // delivered: 1 or 2
    int channelMode = 4;  // MPEG mode of an MP3 source, 4 when not known
    int bitrateKbps = 0;
};
SourceFormat DescribeSource(const AudioSource& source, int inputType);

// The MP3 encoder's configuration. A mode or bit rate of -1 is left to LAME.
struct Mp3Encoding {
    int inputRate = 0;
    int channels = 0;  // handed to the encoder; 1 also when one channel of a stereo source is picked
    int mode = -1;
    int outputRate = 0;
    int bitrateKbps = -1;
};
Mp3Encoding ChooseMp3Encoding(const Settings& settings, const SourceFormat& source);

// The Ogg Vorbis encoder's configuration: samples go in at `rate` with `channels`, 16 bits.
struct VorbisEncoding {
    int rate = 0;
    int channels = 0;
    int bitrateKbps = 0;
};
VorbisEncoding ChooseVorbisEncoding(const Settings& settings, const SourceFormat& source);

}  // namespace tonewright
