#include "app/options/optionrules.h"

#include "encoders/mp3/mp3encoding.h"
#include "encoders/vorbis/vorbisencoding.h"

namespace tonewright {

int MatchingPreset(const std::vector<EncodingPreset>& presets, int sampleRate, int second, int channelRadio) {
    for (size_t i = 0; i < presets.size(); ++i) {
        const EncodingPreset& preset = presets[i];
        if (preset.sampleRate == sampleRate && preset.second == second && preset.channelRadio == channelRadio)
            return static_cast<int>(i);
    }
    return -1;
}

int Mp3RateForBitrate(int kbps, int rate) {
    if (kbps == 0 || rate == 0) return rate;
    if (kbps <= 24) return rate > 24000 ? 24000 : rate;
    if (kbps >= 80 && kbps <= 160) return rate < 16000 ? 16000 : rate;
    if (kbps >= 192) return rate < 32000 ? 32000 : rate;
    return rate;
}

int Mp3BitrateForRate(int rate, int kbps) {
    if (kbps == 0 || rate == 0) return kbps;
    return LimitMp3Bitrate(kbps, rate);
}

int OggBoundedBitrate(int kbps, int rate, int channelRadio) {
    if (kbps == 0 || rate == 0 || channelRadio == 2) return kbps;
    return ClampVorbisBitrate(kbps, rate, channelRadio == 0 ? 2 : 1);
}

std::string CleanFilterText(const std::string& text) {
    std::string cleaned;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        cleaned += c == ';' ? ',' : c;
    }
    return cleaned;
}

int AmrModeRow(int mode, int rowCount) { return mode >= 0 && mode < rowCount ? mode : 4; }

}  // namespace tonewright
