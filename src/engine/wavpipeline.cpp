#include <cstdio>

#include "encoders/wav/wavwriter.h"
#include "engine/amplify.h"
#include "engine/blockloop.h"
#include "engine/conversionstage.h"
#include "engine/pathutil.h"
#include "engine/pipelines.h"
#include "engine/sourcefactory.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

constexpr int kDefaultRenderRate = 44100;

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

int WriteBlock(WavWriter& writer, const PcmFormat& format, float gain, uint8_t* left, uint8_t* right, int count) {
    if (count <= 0) return 1;
    if (format.bits == 16) {
        auto l = reinterpret_cast<int16_t*>(left), r = reinterpret_cast<int16_t*>(right);
        if (gain != 0.0f) AmplifySamples16(l, r, count, format.channels, gain);
        return writer.WriteSamples16(l, r, count);
    }
    if (gain != 0.0f) AmplifySamples8(left, right, count, format.channels, gain);
    return writer.WriteSamples8(left, right, count);
}

}  // namespace

int ConvertToWav(const ConversionJob& job) {
    const Settings& s = *job.settings;
    const int renderRate = s.AutoDestWAVEncodingParam || s.WAVSampleRate <= 0 ? kDefaultRenderRate : s.WAVSampleRate;
    auto source = OpenSource(job.sourcePath, job.inputType, renderRate, 1, *job.failureReason);
    if (!source) return 0;

    const PcmFormat from{source->GetSampleRate(), source->GetChannels(), source->GetBitsPerSample()};
    const PcmFormat to = ChooseWavFormat(s, from);
    WavWriter writer;
    if (!writer.Open(job.targetPath, to.channels == 2, to.bits, to.rate)) {
        *job.failureReason = writer.ErrorText();
        return 0;
    }

    int result = 0;
    ConversionStage stage;
    if (stage.Setup(from, to, s.MonoType)) {
        const float gain = GainFromSettings(s.AmplifyWav, s.AmplifyWavCoeff);
        auto consume = [&](uint8_t* left, uint8_t* right, int count) {
            uint8_t *outLeft = nullptr, *outRight = nullptr;
            const int made = stage.Process(left, right, count, outLeft, outRight);
            return WriteBlock(writer, to, gain, outLeft, outRight, made);
        };
        const LoopOutcome outcome =
            RunBlockLoop(*source, job.inputType, *job.progress, LastPathComponent(job.sourcePath), consume);
        if (outcome == LoopOutcome::Finished) {
            uint8_t *tailLeft = nullptr, *tailRight = nullptr;
            const int tail = stage.Flush(tailLeft, tailRight);
            result = WriteBlock(writer, to, gain, tailLeft, tailRight, tail);
        }
    } else {
        *job.failureReason = "unsupported sample format";
    }

    source->Close();
    if (!writer.Close()) result = 0;
    if (!result) {
        if (job.failureReason->empty()) *job.failureReason = writer.ErrorText();
        if (!SameFile(job.targetPath, job.sourcePath)) std::remove(job.targetPath.c_str());
    }
    return result;
}

}  // namespace tonewright
