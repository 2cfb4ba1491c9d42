#include "encoders/aac/aacoutput.h"

#include "encoders/aac/aacencoder.h"
#include "encoders/speakerorder.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

constexpr int kLowestQuality = 10;
constexpr int kHighestQuality = 500;

}  // namespace

void ApplyAacChoices(const AacChoices& choices, int channels, AacConfiguration& config) {
    if (choices.vbr) {
        if (choices.vbrQuality >= kLowestQuality && choices.vbrQuality <= kHighestQuality)
            config.quantqual = static_cast<unsigned long>(choices.vbrQuality);
    } else if (choices.abrKbps > 0 && channels > 0) {
        config.bitRate = static_cast<unsigned long>(choices.abrKbps) * 1000 / channels;
    }
    config.useTns = choices.tns ? 1 : 0;
    config.allowMidside = choices.midside ? 1 : 0;
    config.shortctl = choices.blockType;
}

PcmFormat AacSamples(const SourceFormat& source, int channelChoice) {
    PcmFormat samples = LossyChannelForm(source, channelChoice, AacCodec::EncodingRate(source.rate), AacSpeakerOrder);
    if (!samples.IsWide()) samples.bits = source.bits;
    return samples;
}

namespace {

int RenderRate(const Settings&) { return RenderRateOf(1, 0); }

OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const AacPlan plan{AacSamples(request.source, s.AACChannels), s.AutoDestAACEncodingParam != 0,
                       {s.AACVBR, s.AACVBRQuality, s.AACABRBitRate, s.AACEnableTNS, s.AACEnableMidside, s.AACBlockType},
                       s.AACMpegVersion};
    return {std::make_unique<AacOutput<AacEncoder>>(plan, nullptr), plan.samples};
}

}  // namespace

const OutputWriterFactory kAacWriter{RenderRate, Plan};

}  // namespace tonewright
