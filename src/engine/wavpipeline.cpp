#include "encoders/wav/wavwriter.h"
#include "engine/amplify.h"
#include "engine/encodeloop.h"
#include "engine/pipelines.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The WAV format to write: the source's own with "Auto", otherwise the stored rate,
// channels and width, each falling back to the source's value when 0.
PcmFormat ChooseWavFormat(const Settings& s, const PcmFormat& source) {
    if (s.AutoDestWAVEncodingParam) return source;
    PcmFormat target;
    target.rate = s.WAVSampleRate > 0 ? s.WAVSampleRate : source.rate;
    target.channels = s.WAVChannelNum == 0 ? source.channels : s.WAVChannelNum == 1 ? 1 : 2;
    target.bits = s.WAVBitsPerSample == 0 ? source.bits : s.WAVBitsPerSample == 8 ? 8 : 16;
    return target;
}

}  // namespace

int ConvertToWav(const ConversionJob& job) {
    const Settings& s = *job.settings;
    auto source = OpenJobSource(job, s.AutoDestWAVEncodingParam, s.WAVSampleRate);
    if (!source) return 0;

    const PcmFormat from{source->GetSampleRate(), source->GetChannels(), source->GetBitsPerSample()};
    const PcmFormat to = ChooseWavFormat(s, from);
    int result = 0;
    std::string reason;
    WavWriter writer;
    if (writer.Open(job.targetPath, to.channels == 2, to.bits, to.rate)) {
        auto write = [&](uint8_t* left, uint8_t* right, int count) {
            if (to.bits == 16)
                return writer.WriteSamples16(reinterpret_cast<int16_t*>(left), reinterpret_cast<int16_t*>(right),
                                             count);
            return writer.WriteSamples8(left, right, count);
        };
        result = EncodeSamples(*source, to, s.MonoType, GainFromSettings(s.AmplifyWav, s.AmplifyWavCoeff), job,
                               write, reason);
    }
    source->Close();
    if (!writer.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? writer.ErrorText() : reason);
    return result;
}

}  // namespace tonewright
