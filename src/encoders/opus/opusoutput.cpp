#include "encoders/opus/opusoutput.h"

#include <algorithm>
#include <optional>

#include "encoders/opus/oggopusencoder.h"
#include "encoders/speakerorder.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The encoder's parameters the settings give, each kept within what libopus takes.
OpusParameters ChooseOpusParameters(const Settings& s) {
    OpusParameters parameters;
    parameters.bitrateKbps = std::clamp(s.OpusBitRate, kOpusLowestBitrate, kOpusHighestBitrate);
    parameters.mode = s.OpusMode == 1   ? OpusRateMode::ConstrainedVariable
                      : s.OpusMode == 2 ? OpusRateMode::Constant
                                        : OpusRateMode::Variable;
    parameters.complexity = std::clamp(s.OpusComplexity, kOpusLowestComplexity, kOpusHighestComplexity);
    return parameters;
}

class OpusOutput : public EncoderOutput<OggOpusEncoder, false> {
public:
    OpusOutput(const PcmFormat& samples, const OpusParameters& parameters, std::optional<TagInfo> tags)
        : samples_(samples), parameters_(parameters), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        const std::vector<int> positions =
            samples_.IsWide() ? FramePositions(samples_.mask, samples_.channels, VorbisSpeakerOrder(samples_.channels))
                              : std::vector<int>{};
        return encoder_.Open(path) &&
               encoder_.Start(samples_.rate, samples_.channels, positions, parameters_, tags_ ? &*tags_ : nullptr);
    }
    // Samples that stopped early need no last page.
    bool Finish(bool complete) override { return encoder_.Close(complete) != 0 && complete; }

private:
    PcmFormat samples_;
    OpusParameters parameters_;
    std::optional<TagInfo> tags_;
};

// Rendered sources play at 48000 Hz, the rate Opus encodes at, so nothing is resampled.
int RenderRate(const Settings&) { return RenderRateOf(0, 48000); }

OutputPlan Plan(const PlanRequest& request) {
    // libopusenc takes any rate and resamples to 48000 Hz itself, noting the source's rate
    // in the header; 8-bit samples are widened to 16 bits.
    const PcmFormat samples = LossyChannelForm(request.source, request.settings.OpusChannels, request.source.rate,
                                               VorbisSpeakerOrder);
    return {std::make_unique<OpusOutput>(samples, ChooseOpusParameters(request.settings), request.tags.Resolved()),
            samples};
}

}  // namespace

const OutputWriterFactory kOpusWriter{RenderRate, Plan};

}  // namespace tonewright
