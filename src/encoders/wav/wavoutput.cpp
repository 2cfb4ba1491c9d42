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

    bool Start(const std::string& path) override {
        return encoder_.Open(path, format_.channels == 2, format_.bits, format_.rate) != 0;
    }

private:
    PcmFormat format_;
};

PcmFormat ChooseWavFormat(const Settings& s, const PcmFormat& source) {
    if (s.AutoDestWAVEncodingParam) return source;
    PcmFormat target;
    target.rate = StoredRate(s) > 0 ? StoredRate(s) : source.rate;
    target.channels = s.WAVChannelNum == 0 ? source.channels : s.WAVChannelNum == 1 ? 1 : 2;
    target.bits = s.WAVBitsPerSample == 0 ? source.bits : s.WAVBitsPerSample == 8 ? 8 : 16;
    return target;
}

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestWAVEncodingParam, StoredRate(s)); }

OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const PcmFormat target = ChooseWavFormat(s, request.source.Samples());
    return {std::make_unique<WavOutput>(target), target};
}

}  // namespace

const OutputWriterFactory kWavWriter{RenderRate, Plan};

}  // namespace tonewright
