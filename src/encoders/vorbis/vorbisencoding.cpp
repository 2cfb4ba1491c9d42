#include "encoders/vorbis/vorbisencoding.h"

#include <algorithm>

#include "encoders/automaticencoding.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

struct VorbisLimits {
    int upToRate;
    int stereoMin, stereoMax, otherMin, otherMax;
};

constexpr VorbisLimits kVorbisLimits[] = {
    {8000, 16, 80, 8, 40},    {12000, 16, 96, 16, 48},  {16000, 24, 160, 16, 80},
    {24000, 32, 160, 16, 80}, {32000, 40, 320, 32, 160},
};
constexpr VorbisLimits kVorbisLimitsAbove = {0, 48, 480, 32, 224};

}  // namespace

int ClampVorbisBitrate(int kbps, int rate, int channels) {
    const VorbisLimits* limits = &kVorbisLimitsAbove;
    for (const VorbisLimits& candidate : kVorbisLimits) {
        if (rate <= candidate.upToRate) {
            limits = &candidate;
            break;
        }
    }
    const bool stereo = channels == 2;
    return std::clamp(kbps, stereo ? limits->stereoMin : limits->otherMin, stereo ? limits->stereoMax : limits->otherMax);
}

VorbisEncoding ChooseVorbisEncoding(const Settings& s, const SourceFormat& source) {
    VorbisEncoding e;
    if (s.AutoDestOGGEncodingParam) {
        const AutoEncoding automatic = AutoEncodingTable(source.rate, source.channels);
        return {automatic.sampleRate, source.channels, automatic.bitrateKbps};
    }
    e.rate = SnapToTable(s.OGGSampleRate != 0 ? s.OGGSampleRate : source.rate, kSampleRateTable);
    e.channels = s.OGGChannels == 0 ? source.channels : s.OGGChannels == 1 ? 1 : 2;
    int kbps = s.OGGBitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.rate, e.channels).bitrateKbps;
    }
    e.bitrateKbps = ClampVorbisBitrate(SnapToTable(kbps, kVorbisBitrateTable), e.rate, e.channels);
    return e;
}

}  // namespace tonewright
