#include <string>

#include "encoders/winmedia/runtime.h"
#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmawriter.h"
#include "engine/amplify.h"
#include "engine/encodeloop.h"
#include "engine/nativeloop.h"
#include "engine/pipelines.h"
#include "engine/wmarequest.h"
#include "metadata/tagresolution.h"
#include "settings/settings.h"

namespace tonewright {

int ConvertToWma(const ConversionJob& job) {
    if (!job.wmaFormats || !ProbeWindowsMediaRuntime()) return 0;
    const Settings& s = *job.settings;
    auto source = OpenJobSource(job, s.AutoDestWMAEncodingParam, s.WMASampleRate);
    if (!source) return 0;

    int result = 0;
    std::string reason;
    WmaWriter writer;
    writer.SetTargetPath(job.targetPath);
    const WmaRequest request = ChooseWmaRequest(s, source->GetSampleRate(), source->GetChannels());
    WmaFormat format;
    if (FindWmaFormat(*job.wmaFormats, request.sampleRate, request.bitRate, request.channels, format)) {
        writer.SetInputFormat(source->GetSampleRate(), source->GetBitsPerSample(), request.inputChannels);
        writer.SetOutputFormat(format);
        TagInfo t;
        if (ResolveTags(s.WMAID3TagType, s.WMATag, job.trackNumber, job.sourcePath, job.inputType, *source, t))
            writer.SetTags(t.title, t.album, t.artist, t.genre, t.year, t.comment, t.composer, t.copyright,
                           static_cast<unsigned>(TrackNumber(t.track)));
        if (writer.Start()) {
            const float gain = GainFromSettings(s.AmplifyWMA, s.AmplifyWMACoeff);
            result = EncodeNativeSamplesTo(writer, *source, request.inputChannels, s.MonoType, gain, job);
        }
    } else {
        reason = "no WMA codec format with " + std::to_string(request.channels) + " channel(s)";
    }
    source->Close();
    if (!writer.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? writer.ErrorText() : reason);
    return result;
}

}  // namespace tonewright
