#include "encoders/vorbis/vorbisoutput.h"

#include <algorithm>
#include <optional>

#include "encoders/automaticencoding.h"
#include "encoders/speakerorder.h"
#include "encoders/vorbis/vorbisencoder.h"
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
    if (channels == 2) return std::clamp(kbps, limits->stereoMin, limits->stereoMax);
    // libvorbis codes more than two channels uncoupled: the one channel's span for each.
    const int each = std::max(channels, 1);
    return std::clamp(kbps, limits->otherMin * each, limits->otherMax * each);
}

VorbisEncoding ChooseVorbisEncoding(const Settings& s, const SourceFormat& source) {
    VorbisEncoding e;
    if (s.AutoDestOGGEncodingParam) {
        const AutoEncoding automatic = AutoEncodingTable(source.rate, source.channels);
        return {automatic.sampleRate, source.channels, false, 0, automatic.bitrateKbps};
    }
    e.rate = SnapToTable(s.OGGSampleRate != 0 ? s.OGGSampleRate : source.rate, kSampleRateTable);
    const PcmFormat form = LossyChannelForm(source, s.OGGChannels, e.rate, VorbisSpeakerOrder);
    e.channels = form.channels;
    e.wide = form.IsWide();
    e.mask = form.mask;
    if (s.OGGEncodingMode == 1) {
        e.byQuality = true;
        e.quality = std::clamp(s.OGGQuality, -1, 10);
        return e;
    }
    int kbps = s.OGGBitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.rate, e.channels).bitrateKbps;
    }
    e.bitrateKbps = ClampVorbisBitrate(SnapToTable(kbps, kVorbisBitrateTable), e.rate, e.channels);
    return e;
}

namespace {

class VorbisOutput : public EncoderOutput<VorbisEncoder, false> {
public:
    VorbisOutput(const VorbisEncoding& encoding, std::optional<TagInfo> tags)
        : encoding_(encoding), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        if (!encoder_.Open(path)) return false;
        const bool configured =
            encoding_.byQuality ? encoder_.SetupQuality(encoding_.rate, encoding_.channels, encoding_.quality)
                                : encoder_.Setup(encoding_.rate, encoding_.channels, encoding_.bitrateKbps * 1000L);
        if (!configured) {
            noMode_ = true;
            return false;
        }
        if (encoding_.wide)
            encoder_.SetFramePositions(
                FramePositions(encoding_.mask, encoding_.channels, VorbisSpeakerOrder(encoding_.channels)));
        if (tags_) encoder_.SetTags(*tags_);
        return encoder_.WriteHeaders() != 0;
    }
    // A count of 0 ends the stream with its last page.
    bool Finish(bool complete) override {
        return EncoderOutput::Finish(complete && encoder_.WriteSamples16(nullptr, nullptr, 0));
    }
    std::string ErrorText() const override {
        if (!noMode_) return encoder_.ErrorText();
        const std::string setting = encoding_.byQuality ? "quality " + std::to_string(encoding_.quality)
                                                        : std::to_string(encoding_.bitrateKbps) + " kbps";
        return "libvorbis has no mode for " + std::to_string(encoding_.rate) + " Hz, " +
               std::to_string(encoding_.channels) + " channel(s) at " + setting;
    }

private:
    VorbisEncoding encoding_;
    std::optional<TagInfo> tags_;
    bool noMode_ = false;
};

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestOGGEncodingParam, s.OGGSampleRate); }

OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const VorbisEncoding encoding = ChooseVorbisEncoding(s, request.source);
    const PcmFormat samples{encoding.rate, encoding.channels, encoding.wide ? kFloatBits : 16, encoding.mask};
    return {std::make_unique<VorbisOutput>(encoding, request.tags.Resolved()), samples};
}

}  // namespace

const OutputWriterFactory kVorbisWriter{RenderRate, Plan};

}  // namespace tonewright
