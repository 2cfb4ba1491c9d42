#include "encoders/wav/wavoutput.h"

#include "encoders/wav/wavwriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

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
    target.rate = s.WAVSampleRate > 0 ? s.WAVSampleRate : source.rate;
    target.channels = s.WAVChannelNum == 0 ? source.channels : s.WAVChannelNum == 1 ? 1 : 2;
    target.bits = s.WAVBitsPerSample == 0 ? source.bits : s.WAVBitsPerSample == 8 ? 8 : 16;
    return target;
}

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestWAVEncodingParam, s.WAVSampleRate); }

OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const PcmFormat target = ChooseWavFormat(s, request.source.Samples());
    return {std::make_unique<WavOutput>(target), target};
}

}  // namespace

const OutputWriterFactory kWavWriter{RenderRate, Plan};

}  // namespace tonewright
