#include "engine/pipeline.h"

#include <cstdio>

#include "base/pathutil.h"
#include "encoders/samplewriter.h"
#include "engine/amplify.h"
#include "engine/blockloop.h"
#include "engine/conversionstage.h"
#include "engine/framestage.h"
#include "engine/outputformat.h"
#include "engine/sourcefactory.h"
#include "engine/tagresolution.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The tags of the job's source, resolved by the format's tag settings when the plan asks.
class JobSourceTags : public SourceTags {
public:
    JobSourceTags(const ConversionJob& job, const OutputFormatSettings& format, AudioSource& source)
        : job_(job), format_(format), source_(source) {}

    std::optional<TagInfo> Resolved() override {
        if (!format_.tagMode) return std::nullopt;
        const Settings& s = *job_.settings;
        const int mode = s.*format_.tagMode;
        TagInfo tags;
        bool any = ResolveTags(mode, s.*format_.tagTemplate.member, job_.trackNumber, job_.sourcePath,
                               job_.inputType, source_, tags);
        if (mode == kTagFromSource) {
            const std::string note = AddKeptTags(job_.sourcePath, s.CoverFromFolder != 0, tags);
            if (job_.note && !note.empty()) *job_.note = note;
            any = any || !tags.kept.empty() || !tags.pictures.empty();
        }
        if (!any) return std::nullopt;
        return tags;
    }
    const uint8_t* Id3v1Block() override { return source_.GetId3v1Tag(); }
    const uint8_t* Id3v2Block(int& length) override { return source_.GetId3v2Tag(length); }

private:
    const ConversionJob& job_;
    const OutputFormatSettings& format_;
    AudioSource& source_;
};

SourceFormat DescribeSource(const AudioSource& source, int inputType) {
    SourceFormat format;
    format.inputType = inputType;
    format.rate = source.GetSampleRate();
    format.channels = source.GetChannels();
    format.bits = source.GetBitsPerSample();
    format.channelMode = source.GetChannelMode();
    format.bitrateKbps = source.GetBitrate();
    format.durationSeconds = source.GetDuration();
    format.stored = source.GetFrameFormat();
    return format;
}

// Reads the source to its end and hands every block, taken to the writer's form and
// amplified, to the writer, the samples the rate converter still holds at the end included.
// False on cancel, a failed write, or (with `reason` set) a failed read of the source or
// formats that cannot be converted.
bool CopySamples(AudioSource& source, const PcmFormat& from, const PcmFormat& target, std::optional<int> gain,
                 const ConversionJob& job, SampleWriter& writer, std::string& reason) {
    ConversionStage stage;
    if (!stage.Setup(from, target, job.settings->MonoType)) {
        reason = "unsupported sample format";
        return false;
    }
    auto deliver = [&](uint8_t* left, uint8_t* right, int count) {
        if (count <= 0) return 1;
        const SampleBlock block{target.bits, count, left, right};
        if (gain && target.bits == 16)
            AmplifySamples16(block.Left16(), block.Right16(), count, target.channels, *gain);
        else if (gain)
            AmplifySamples8(left, right, count, target.channels, *gain);
        return writer.Write(block) ? 1 : 0;
    };
    auto consume = [&](uint8_t* left, uint8_t* right, int count) {
        uint8_t *outLeft = nullptr, *outRight = nullptr;
        const int made = stage.Process(left, right, count, outLeft, outRight);
        return deliver(outLeft, outRight, made);
    };
    const LoopOutcome outcome =
        RunBlockLoop(source, job.inputType, *job.progress, LastPathComponent(job.sourcePath), consume);
    if (outcome == LoopOutcome::ReadFailed) reason = source.ReadError();
    if (outcome != LoopOutcome::Finished) return false;
    uint8_t *tailLeft = nullptr, *tailRight = nullptr;
    const int tail = stage.Flush(tailLeft, tailRight);
    return deliver(tailLeft, tailRight, tail) != 0;
}

// The same for sources or targets of more than two channels or 16 bits: the source's frames
// through the frame stage, which also amplifies.
bool CopyFrames(AudioSource& source, const SourceFormat& from, const PcmFormat& target, std::optional<int> gain,
                const ConversionJob& job, SampleWriter& writer, std::string& reason) {
    const Settings& s = *job.settings;
    FrameStage stage;
    const RoadChoices choices{s.MonoType, s.SurroundDownmix != 0, s.DitherOnReduce != 0, gain};
    if (!stage.Setup(from.stored, from.rate, target, choices)) {
        reason = "unsupported sample format";
        return false;
    }
    if (!source.BeginFrames()) {
        reason = source.ReadError();
        return false;
    }
    auto deliver = [&](const SampleBlock& block) { return block.count <= 0 || writer.Write(block) ? 1 : 0; };
    const LoopOutcome outcome =
        RunFrameLoop(source, job.inputType, *job.progress, LastPathComponent(job.sourcePath),
                     [&](const float* frames, int count) { return deliver(stage.Process(frames, count)); });
    if (outcome == LoopOutcome::ReadFailed) reason = source.ReadError();
    if (outcome != LoopOutcome::Finished) return false;
    return deliver(stage.Flush()) != 0;
}

}  // namespace

int RunPipeline(const ConversionJob& job, const OutputFormatInfo& format) {
    const Settings& settings = *job.settings;
    const OutputWriterFactory& factory = *format.writer;
    auto source = OpenSource(job.sourcePath, job.inputType, factory.renderRate(settings), SourceUse::Conversion,
                             *job.failureReason);
    if (!source) return 0;

    JobSourceTags tags(job, format.settings, *source);
    const SourceFormat described = DescribeSource(*source, job.inputType);
    OutputPlan plan = factory.plan({settings, described, tags, job.wmaFormats});
    const std::optional<int> gain = GainFromSettings(settings.*format.settings.amplify, settings.*format.settings.amplifyCoeff);
    std::string reason = plan.reason;
    bool complete = false;
    // 16-bit stereo and mono stay on the planar block road, the fastest one.
    const bool frames = described.stored.IsWide() || plan.samples.IsWide();
    if (plan.writer && plan.writer->Start(job.targetPath))
        complete = frames ? CopyFrames(*source, described, plan.samples, gain, job, *plan.writer, reason)
                          : CopySamples(*source, described.Samples(), plan.samples, gain, job, *plan.writer, reason);
    source->Close();
    if (plan.writer) complete = plan.writer->Finish(complete);
    if (complete) return 1;

    // The failure's reason: what the plan or the sample road found, else the writer's own.
    if (reason.empty() && plan.writer) reason = plan.writer->ErrorText();
    if (job.failureReason->empty()) *job.failureReason = reason;
    if (!SameFile(job.targetPath, job.sourcePath)) std::remove(job.targetPath.c_str());
    return 0;
}

}  // namespace tonewright
