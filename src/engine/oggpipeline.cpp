#include <string>

#include "encoders/vorbis/vorbisencoder.h"
#include "engine/amplify.h"
#include "engine/encodeloop.h"
#include "engine/encodingparams.h"
#include "engine/pipelines.h"
#include "metadata/tagresolution.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

std::string NoModeText(const VorbisEncoding& e) {
    return "libvorbis has no mode for " + std::to_string(e.rate) + " Hz, " + std::to_string(e.channels) +
           " channel(s) at " + std::to_string(e.bitrateKbps) + " kbps";
}

}  // namespace

int ConvertToOgg(const ConversionJob& job) {
    const Settings& s = *job.settings;
    auto source = OpenJobSource(job, s.AutoDestOGGEncodingParam, s.OGGSampleRate);
    if (!source) return 0;

    int result = 0;
    std::string reason;
    VorbisEncoder encoder;
    const VorbisEncoding encoding = ChooseVorbisEncoding(s, DescribeSource(*source, job.inputType));
    if (encoder.Open(job.targetPath)) {
        if (encoder.Setup(encoding.rate, encoding.channels, encoding.bitrateKbps * 1000L)) {
            TagInfo tags;
            if (ResolveTags(s.OGGID3TagType, s.OGGTag, job.trackNumber, job.sourcePath, job.inputType, *source, tags))
                encoder.SetTags(tags);
            if (encoder.WriteHeaders()) {
                const PcmFormat target{encoding.rate, encoding.channels, 16};
                const float gain = GainFromSettings(s.AmplifyOGG, s.AmplifyOGGCoeff);
                auto write = [&](const int16_t* left, const int16_t* right, int count) {
                    return encoder.WriteSamples16(left, right, count);
                };
                // A count of 0 ends the stream with its last page.
                result = EncodeSamples16(*source, target, s.MonoType, gain, job, write, reason) &&
                         encoder.WriteSamples16(nullptr, nullptr, 0);
            }
        } else {
            reason = NoModeText(encoding);
        }
    }
    source->Close();
    if (!encoder.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? encoder.ErrorText() : reason);
    return result;
}

}  // namespace tonewright
