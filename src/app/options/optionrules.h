#pragma once

#include <string>
#include <vector>

namespace tonewright {

// The rules the option pages apply while the user edits, kept apart from the widgets.

// A row of a preset list: the encoding parameters it stands for.
struct EncodingPreset {
    const char* text;
    int sampleRate;
    int second;  // bit rate in kbps, or bits per sample
    int channelRadio;
};

// The index of the preset whose values all match, or -1 ("Custom").
int MatchingPreset(const std::vector<EncodingPreset>& presets, int sampleRate, int second, int channelRadio);

// The MP3 sample rate kept when the bit rate becomes `kbps`: 8 to 24 kbps need at most
// 24000 Hz, 80 to 160 kbps at least 16000 Hz, 192 to 320 kbps at least 32000 Hz. A zero
// ("as the source") on either side applies no constraint.
int Mp3RateForBitrate(int kbps, int rate);
// The MP3 bit rate kept when the sample rate becomes `rate`: at most 64 kbps up to
// 12000 Hz, at most 160 kbps up to 24000 Hz, at least 32 kbps above. Zero applies none.
int Mp3BitrateForRate(int rate, int kbps);

// The Ogg Vorbis bit rate moved into what the rate and channel choice allow; unchanged
// when either value is zero or the channels follow the source (radio 2).
int OggBoundedBitrate(int kbps, int rate, int channelRadio);

// The extension filter text without blanks and tabs, with every ";" made a ",".
std::string CleanFilterText(const std::string& text);

// Whole-number ranges the pages accept.
constexpr int kMinAmplifyCoeff = 10;
constexpr int kMaxAmplifyCoeff = 3000;
constexpr int kMinAacQuality = 10;
constexpr int kMaxAacQuality = 500;
constexpr int kMaxCustomTrackNumber = 255;

// The AMR list row that a stored mode selects: the mode itself when it is a row, else the
// fifth row.
int AmrModeRow(int mode, int rowCount);

}  // namespace tonewright
