#include "encoders/winmedia/wmaoutput.h"

#include <optional>

#include "base/windowsmediaprobe.h"
#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmarequest.h"
#include "encoders/winmedia/wmawriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

class WmaOutput : public EncoderOutput<WmaWriter> {
public:
    WmaOutput(const PcmFormat& input, const WmaFormat& format, std::optional<TagInfo> tags)
        : input_(input), format_(format), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        encoder_.SetTargetPath(path);
        encoder_.SetInputFormat(input_.rate, input_.bits, input_.channels);
        encoder_.SetOutputFormat(format_);
        if (tags_) encoder_.SetTags(*tags_);
        return encoder_.Start() != 0;
    }

private:
    PcmFormat input_;
    WmaFormat format_;
    std::optional<TagInfo> tags_;
};

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestWMAEncodingParam, s.WMASampleRate); }

OutputPlan Plan(const PlanRequest& request) {
    if (!request.wmaFormats || !ProbeWindowsMediaRuntime()) return {};
    const Settings& s = request.settings;
    const WmaRequest wanted = ChooseWmaRequest(s, request.source.rate, request.source.channels);
    WmaFormat format;
    if (!FindWmaFormat(*request.wmaFormats, wanted.sampleRate, wanted.bitRate, wanted.channels, format))
        return OutputPlan::Refused("no WMA codec format with " + std::to_string(wanted.channels) + " channel(s)");
    const PcmFormat input{request.source.rate, wanted.inputChannels, request.source.bits};
    return {std::make_unique<WmaOutput>(input, format, request.tags.Resolved()), input};
}

}  // namespace

const OutputWriterFactory kWmaWriter{RenderRate, Plan, true};

}  // namespace tonewright
