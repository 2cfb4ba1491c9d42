#pragma once

#include <string>
#include <vector>

namespace tonewright {

// The rules that several option pages apply while the user edits, kept apart from the
// widgets. A format's own rules sit with its page.

// A row of a preset list: the encoding parameters it stands for.
struct EncodingPreset {
    const char* text;
    int sampleRate;
    int second;  // bit rate in kbps, or bits per sample
    int channelRadio;
};

// The index of the preset whose values all match, or -1 ("Custom").
int MatchingPreset(const std::vector<EncodingPreset>& presets, int sampleRate, int second, int channelRadio);

// The extension filter text without blanks and tabs, with every ";" made a ",".
std::string CleanFilterText(const std::string& text);

// Whole-number ranges the pages accept.
constexpr int kMinAmplifyCoeff = 10;
constexpr int kMaxAmplifyCoeff = 3000;
constexpr int kMaxCustomTrackNumber = 255;

}  // namespace tonewright
