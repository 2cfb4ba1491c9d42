#include "app/options/optionrules.h"

namespace tonewright {

int MatchingPreset(const std::vector<EncodingPreset>& presets, int sampleRate, int second, int channelRadio) {
    for (size_t i = 0; i < presets.size(); ++i) {
        const EncodingPreset& preset = presets[i];
        if (preset.sampleRate == sampleRate && preset.second == second && preset.channelRadio == channelRadio)
            return static_cast<int>(i);
    }
    return -1;
}

std::string CleanFilterText(const std::string& text) {
    std::string cleaned;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        cleaned += c == ';' ? ',' : c;
    }
    return cleaned;
}

}  // namespace tonewright
