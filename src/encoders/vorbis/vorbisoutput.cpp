#include "encoders/vorbis/vorbisoutput.h"

#include <optional>

#include "encoders/vorbis/vorbisencoder.h"
#include "encoders/vorbis/vorbisencoding.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

class VorbisOutput : public EncoderOutput<VorbisEncoder, false> {
public:
    VorbisOutput(const VorbisEncoding& encoding, std::optional<TagInfo> tags)
        : encoding_(encoding), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        if (!encoder_.Open(path)) return false;
        if (!encoder_.Setup(encoding_.rate, encoding_.channels, encoding_.bitrateKbps * 1000L)) {
            noMode_ = true;
            return false;
        }
        if (tags_) encoder_.SetTags(*tags_);
        return encoder_.WriteHeaders() != 0;
    }
    // A count of 0 ends the stream with its last page.
    bool Finish(bool complete) override {
        return EncoderOutput::Finish(complete && encoder_.WriteSamples16(nullptr, nullptr, 0));
    }
    std::string ErrorText() const override {
        if (!noMode_) return encoder_.ErrorText();
        return "libvorbis has no mode for " + std::to_string(encoding_.rate) + " Hz, " +
               std::to_string(encoding_.channels) + " channel(s) at " + std::to_string(encoding_.bitrateKbps) +
               " kbps";
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
    const PcmFormat samples{encoding.rate, encoding.channels, 16};
    return {std::make_unique<VorbisOutput>(encoding, request.tags.Resolved()), samples};
}

}  // namespace

const OutputWriterFactory kVorbisWriter{RenderRate, Plan};

}  // namespace tonewright
