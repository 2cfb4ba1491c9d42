#include "encoders/aac/aacencoder.h"
#include "engine/aacconversion.h"
#include "engine/amplify.h"
#include "engine/pipelines.h"
#include "settings/settings.h"

namespace tonewright {

int ConvertToAac(const ConversionJob& job) {
    const Settings& s = *job.settings;
    const AacOutputOptions options{
        s.AutoDestAACEncodingParam != 0,
        {s.AACVBR, s.AACVBRQuality, s.AACABRBitRate, s.AACEnableTNS, s.AACEnableMidside, s.AACBlockType},
        GainFromSettings(s.AmplifyAAC, s.AmplifyAACCoef), s.MonoType};
    AacEncoder encoder;
    return ConvertThroughAacWriter(
        job, encoder, options, [&](AacConfiguration& config) { config.mpegVersion = s.AACMpegVersion; },
        [](AudioSource&) {});
}

}  // namespace tonewright
