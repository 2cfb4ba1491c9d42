#include "encoders/mp4/mp4output.h"

#include <optional>

#include "encoders/aac/aacoutput.h"
#include "encoders/mp4/mp4aacwriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

int RenderRate(const Settings&) { return RenderRateOf(1, 0); }

// MP4 output always keeps the preset MPEG-4 version; its tags follow the start.
template <Mp4Brand brand>
OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const AacPlan plan{AacSamples(request.source, s.M4AChannels), s.AutoDestM4AEncodingParam != 0,
                       {s.M4AVBR, s.M4AVBRQuality, s.M4AABRBitRate, s.M4AEnableTNS, s.M4AEnableMidside, s.M4ABlockType},
                       std::nullopt};
    std::function<void(Mp4AacWriter&)> setTags;
    if (const std::optional<TagInfo> tags = request.tags.Resolved()) {
        setTags = [t = *tags](Mp4AacWriter& writer) { writer.SetTags(t); };
    }
    return {std::make_unique<AacOutput<Mp4AacWriter>>(plan, std::move(setTags), brand), plan.samples};
}

}  // namespace

const OutputWriterFactory kM4aWriter{RenderRate, Plan<Mp4Brand::M4a>};
const OutputWriterFactory kMp4Writer{RenderRate, Plan<Mp4Brand::Mp4>};
const OutputWriterFactory kM4bWriter{RenderRate, Plan<Mp4Brand::M4b>};

}  // namespace tonewright
