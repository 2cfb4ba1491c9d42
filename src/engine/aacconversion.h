#pragma once

#include <string>

#include "engine/aacsettings.h"
#include "engine/encodeloop.h"
#include "engine/nativeloop.h"
#include "engine/pipelines.h"

namespace tonewright {

// What the AAC and MP4 outputs set apart: the user's choices (unless automatic), the
// amplification and, for MP4, the tags handed over after the start.
struct AacOutputOptions {
    bool automatic = true;
    AacChoices choices;
    float gain = 0.0f;
    int monoType = 0;
};

// The conversion both AAC writers share: no conversion of any kind (the source's rate,
// channels and bits go to the writer), the configuration changed by the choices and by
// `configure`, `afterStart` once the writer has started, then the source's samples.
template <typename Writer, typename Configure, typename AfterStart>
int ConvertThroughAacWriter(const ConversionJob& job, Writer& writer, const AacOutputOptions& options,
                            Configure configure, AfterStart afterStart) {
    auto source = OpenJobSource(job, 1, 0);
    if (!source) return 0;
    int result = 0;
    std::string reason;
    const int channels = source->GetChannels();
    if (writer.Open(job.targetPath, source->GetSampleRate(), channels, source->GetBitsPerSample())) {
        if (!options.automatic) {
            ApplyAacChoices(options.choices, channels, *writer.Configuration());
            configure(*writer.Configuration());
        }
        if (writer.Start()) {
            afterStart(*source);
            result = EncodeNativeSamplesTo(writer, *source, channels, options.monoType, options.gain, job);
        } else {
            reason = "the AAC encoder refused its settings";
        }
    }
    source->Close();
    if (!writer.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? writer.ErrorText() : reason);
    return result;
}

}  // namespace tonewright
