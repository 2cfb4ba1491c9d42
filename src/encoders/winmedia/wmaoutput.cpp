#include "encoders/winmedia/wmaoutput.h"

#include <optional>

#include "base/windowsmediaprobe.h"
#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmarequest.h"
#include "encoders/winmedia/wmawriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

class WmaOutput : public SampleWriter {
public:
    WmaOutput(const PcmFormat& input, const WmaFormat& format, std::optional<TagInfo> tags)
        : input_(input), format_(format), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        writer_.SetTargetPath(path);
        writer_.SetInputFormat(input_.rate, input_.bits, input_.channels);
        writer_.SetOutputFormat(format_);
        if (tags_) {
            const TagInfo& t = *tags_;
            writer_.SetTags(t.title, t.album, t.artist, t.genre, t.year, t.comment, t.composer, t.copyright,
                            static_cast<unsigned>(TrackNumber(t.track)));
        }
        return writer_.Start() != 0;
    }
    bool Write(const SampleBlock& block) override { return WriteAtWidth(writer_, block); }
    bool Finish(bool complete) override { return CloseAfter(writer_, complete); }
    std::string ErrorText() const override { return writer_.ErrorText(); }

private:
    PcmFormat input_;
    WmaFormat format_;
    std::optional<TagInfo> tags_;
    WmaWriter writer_;
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
