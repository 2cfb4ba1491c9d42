#include "encoders/flac/flacoutput.h"

#include <optional>

#include "encoders/flac/flacencoder.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

class FlacOutput : public EncoderOutput<FlacEncoder, false> {
public:
    FlacOutput(const PcmFormat& samples, int level, uint64_t expectedSamples, std::optional<TagInfo> tags)
        : samples_(samples), level_(level), expectedSamples_(expectedSamples), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        return encoder_.Open(path) && encoder_.Start(samples_.rate, samples_.channels, samples_.bits,
                                                     samples_.Speakers(), level_, expectedSamples_,
                                                     tags_ ? &*tags_ : nullptr);
    }

private:
    PcmFormat samples_;
    int level_;
    uint64_t expectedSamples_;
    std::optional<TagInfo> tags_;
};

// Lossless: the source's rate and stored channels (FLACChannels 0; 1 mono, 2 stereo), its
// 8-bit samples widened to 16 bits, those wider than 16 bits (floating point included)
// kept at 24.
PcmFormat ChooseFlacFormat(const Settings& s, const SourceFormat& source) {
    const PcmFormat stored = source.StoredSamples();
    PcmFormat samples{source.rate, stored.channels, stored.bits > 16 ? 24 : 16, stored.mask};
    if (s.FLACChannels == 1 || s.FLACChannels == 2) {
        samples.channels = s.FLACChannels;
        samples.mask = 0;
    }
    return samples;
}

// Rendered sources play at the usual 44100 Hz; every other source keeps its rate.
int RenderRate(const Settings&) { return RenderRateOf(1, 0); }

OutputPlan Plan(const PlanRequest& request) {
    const SourceFormat& source = request.source;
    const PcmFormat samples = ChooseFlacFormat(request.settings, source);
    const uint64_t expected = static_cast<uint64_t>(source.durationSeconds) * static_cast<uint64_t>(source.rate);
    return {std::make_unique<FlacOutput>(samples, request.settings.FLACCompression, expected, request.tags.Resolved()),
            samples};
}

}  // namespace

const OutputWriterFactory kFlacWriter{RenderRate, Plan};

}  // namespace tonewright
