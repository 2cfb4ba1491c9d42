#include "encoders/wav/wavoutput.h"

#include <algorithm>

#include "encoders/wav/wavwriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The rates a WAV target is written at: from the lowest the WAV options offer up to
// 192 kHz, the highest a song is rendered at.
constexpr int kLowestWavRate = 6000;
constexpr int kHighestWavRate = 192000;

// The stored rate, one outside those rates (a few hertz, or so many that the byte rate
// would not fit the header) taken to the nearer end; 0 or less: the source's rate.
int StoredRate(const Settings& s) {
    return s.WAVSampleRate > 0 ? std::clamp(s.WAVSampleRate, kLowestWavRate, kHighestWavRate) : 0;
}

class WavOutput : public EncoderOutput<WavWriter> {
public:
    explicit WavOutput(const PcmFormat& format) : format_(format) {}

    bool Start(const std::string& path) override { return encoder_.Open(path, format_) != 0; }

private:
    PcmFormat format_;
};

// The width a WAVBitsPerSample value asks for: 0 the source's stored width, 8, 16, 24 or
// 32 (floating point); any other value 16. Eight bits hold at most two channels: 16 above.
int ChosenBits(int setting, int storedBits, int channels) {
    const int bits = setting == 0 ? storedBits : setting;
    if (bits == 8) return channels > 2 ? 16 : 8;
    return bits == 24 || bits == kFloatBits ? bits : 16;
}

PcmFormat ChooseWavFormat(const Settings& s, const SourceFormat& source) {
    PcmFormat stored = source.StoredSamples();
    stored.bits = ChosenBits(0, stored.bits, stored.channels);
    if (s.AutoDestWAVEncodingParam) return stored;
    PcmFormat target;
    target.rate = StoredRate(s) > 0 ? StoredRate(s) : source.rate;
    target.channels = s.WAVChannelNum == 0 ? stored.channels : s.WAVChannelNum == 1 ? 1 : 2;
    target.mask = s.WAVChannelNum == 0 ? stored.mask : 0;
    target.bits = ChosenBits(s.WAVBitsPerSample, stored.bits, target.channels);
    return target;
}

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestWAVEncodingParam, StoredRate(s)); }

OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const PcmFormat target = ChooseWavFormat(s, request.source);
    return {std::make_unique<WavOutput>(target), target};
}

}  // namespace

const OutputWriterFactory kWavWriter{RenderRate, Plan};

}  // namespace tonewright
