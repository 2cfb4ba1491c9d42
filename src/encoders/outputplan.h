#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "encoders/samplewriter.h"
#include "metadata/taginfo.h"

namespace tonewright {

struct Settings;
struct WmaFormatList;

// What an output format knows about its source when it decides the output parameters.
struct SourceFormat {
    int inputType = 0;
    int rate = 0;
    int channels = 0;     // delivered: 1 or 2
    int channelMode = 4;  // MPEG mode of an MP3 source, 4 when not known
    int bitrateKbps = 0;
    int bits = 16;        // delivered: 8 or 16
};

// The tags a plan may ask of its source, read only when asked.
class SourceTags {
public:
    virtual ~SourceTags() = default;
    // The tags the target gets by its format's tag mode and template; none when it gets none.
    virtual std::optional<TagInfo> Resolved() = 0;
    // The source's own ID3v1 block (128 bytes) and ID3v2 block, null when it has none.
    virtual const uint8_t* Id3v1Block() = 0;
    virtual const uint8_t* Id3v2Block(int& length) = 0;
};

struct PlanRequest {
    const Settings& settings;
    SourceFormat source;
    SourceTags& tags;
    const WmaFormatList* wmaFormats = nullptr;  // the Windows Media codec formats, once found
};

// A format's answer: the writer with its parameters chosen and the sample form it takes,
// or no writer and the reason.
struct OutputPlan {
    OutputPlan() = default;
    OutputPlan(std::unique_ptr<SampleWriter> planned, const PcmFormat& form)
        : writer(std::move(planned)), samples(form) {}
    static OutputPlan Refused(std::string why) {
        OutputPlan plan;
        plan.reason = std::move(why);
        return plan;
    }

    std::unique_ptr<SampleWriter> writer;
    PcmFormat samples;
    std::string reason;
};

// How an output format is written: the rate rendered sources (MIDI, tracker modules) play
// at for it, its plan, and whether a batch must find the Windows Media codecs first.
struct OutputWriterFactory {
    int (*renderRate)(const Settings& settings);
    OutputPlan (*plan)(const PlanRequest& request);
    bool needsWindowsMedia = false;
};

// The render rate of a format with an automatic flag and a rate setting: 44100 Hz with
// "Auto" or a rate below 1, else the rate.
inline int RenderRateOf(int automatic, int rate) {
    constexpr int kDefaultRenderRate = 44100;
    return automatic || rate < 1 ? kDefaultRenderRate : rate;
}

}  // namespace tonewright
