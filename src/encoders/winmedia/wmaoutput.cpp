#include "encoders/winmedia/wmaoutput.h"

#include <optional>

#include "encoders/samplewriter.h"
#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmawriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

struct AutomaticRow {
    int sourceRateUpTo;  // 0: any higher rate
    int rate;
    int bitRate;
};

constexpr AutomaticRow kMonoRows[] = {{12000, 22050, 20000}, {16000, 44100, 32000}, {0, 44100, 48000}};
constexpr AutomaticRow kStereoRows[] = {{12000, 22050, 32000}, {16000, 44100, 48000}, {24000, 44100, 64000},
                                        {32000, 44100, 96000}, {44100, 44100, 128000}, {0, 48000, 192000}};

template <size_t N>
const AutomaticRow& RowFor(const AutomaticRow (&rows)[N], int sourceRate) {
    for (const AutomaticRow& row : rows)
        if (row.sourceRateUpTo == 0 || sourceRate <= row.sourceRateUpTo) return row;
    return rows[N - 1];
}

}  // namespace

WmaRequest ChooseWmaRequest(const Settings& settings, int sourceRate, int sourceChannels) {
    WmaRequest request;
    if (settings.AutoDestWMAEncodingParam) {
        const AutomaticRow& row = sourceChannels == 1 ? RowFor(kMonoRows, sourceRate) : RowFor(kStereoRows, sourceRate);
        request.sampleRate = row.rate;
        request.bitRate = row.bitRate;
        request.channels = sourceChannels;
        return request;
    }
    request.sampleRate = settings.WMASampleRate;
    request.bitRate = settings.WMABitRate;
    request.channels = settings.WMAChannels;
    return request;
}

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
    if (!request.wmaFormats) return {};
    const Settings& s = request.settings;
    const WmaRequest wanted = ChooseWmaRequest(s, request.source.rate, request.source.channels);
    WmaFormat format;
    if (!FindWmaFormat(*request.wmaFormats, wanted.sampleRate, wanted.bitRate, wanted.channels, format))
        return OutputPlan::Refused("no WMA codec format with " + std::to_string(wanted.channels) + " channel(s)");
    // The writer gets the codec format's channels: the sample stage mixes, picks or spreads
    // them as for every other format, and the writer only changes the rate.
    const PcmFormat input{request.source.rate, format.channels, request.source.bits};
    return {std::make_unique<WmaOutput>(input, format, request.tags.Resolved()), input};
}

}  // namespace

const OutputWriterFactory kWmaWriter{RenderRate, Plan, true};

}  // namespace tonewright
