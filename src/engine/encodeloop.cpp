#include "engine/encodeloop.h"

#include <cstdio>

#include "engine/amplify.h"
#include "engine/blockloop.h"
#include "engine/pathutil.h"
#include "engine/pipelines.h"
#include "engine/sourcefactory.h"

namespace tonewright {

namespace {

constexpr int kDefaultRenderRate = 44100;

}  // namespace

std::unique_ptr<AudioSource> OpenJobSource(const ConversionJob& job, int automatic, int rate) {
    const int renderRate = automatic || rate < 1 ? kDefaultRenderRate : rate;
    return OpenSource(job.sourcePath, job.inputType, renderRate, 1, *job.failureReason);
}

int EncodeSamples(AudioSource& source, const PcmFormat& target, int monoType, float gain, const ConversionJob& job,
                  const SinkPcm& sink, std::string& reason) {
    ConversionStage stage;
    const PcmFormat from{source.GetSampleRate(), source.GetChannels(), source.GetBitsPerSample()};
    if (!stage.Setup(from, target, monoType)) {
        reason = "unsupported sample format";
        return 0;
    }
    auto deliver = [&](uint8_t* left, uint8_t* right, int count) {
        if (count <= 0) return 1;
        if (gain != 0.0f && target.bits == 16)
            AmplifySamples16(reinterpret_cast<int16_t*>(left), reinterpret_cast<int16_t*>(right), count,
                             target.channels, gain);
        else if (gain != 0.0f)
            AmplifySamples8(left, right, count, target.channels, gain);
        return sink(left, right, count);
    };
    auto consume = [&](uint8_t* left, uint8_t* right, int count) {
        uint8_t *outLeft = nullptr, *outRight = nullptr;
        const int made = stage.Process(left, right, count, outLeft, outRight);
        return deliver(outLeft, outRight, made);
    };
    const LoopOutcome outcome =
        RunBlockLoop(source, job.inputType, *job.progress, LastPathComponent(job.sourcePath), consume);
    if (outcome != LoopOutcome::Finished) return 0;
    uint8_t *tailLeft = nullptr, *tailRight = nullptr;
    const int tail = stage.Flush(tailLeft, tailRight);
    return deliver(tailLeft, tailRight, tail);
}

int EncodeSamples16(AudioSource& source, const PcmFormat& target, int monoType, float gain, const ConversionJob& job,
                    const Sink16& sink, std::string& reason) {
    auto sink16 = [&](uint8_t* left, uint8_t* right, int count) {
        return sink(reinterpret_cast<int16_t*>(left), reinterpret_cast<int16_t*>(right), count);
    };
    return EncodeSamples(source, target, monoType, gain, job, sink16, reason);
}

void DiscardFailedTarget(const ConversionJob& job, const std::string& reason) {
    if (job.failureReason->empty()) *job.failureReason = reason;
    if (!SameFile(job.targetPath, job.sourcePath)) std::remove(job.targetPath.c_str());
}

}  // namespace tonewright
