#include "encoders/mp4/mp4aacwriter.h"
#include "engine/aacconversion.h"
#include "engine/amplify.h"
#include "engine/pipelines.h"
#include "metadata/tagresolution.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// MP4 output always keeps the preset MPEG-4 version; its tags follow the start.
int ConvertToMp4Brand(const ConversionJob& job, Mp4Brand brand) {
    const Settings& s = *job.settings;
    const AacOutputOptions options{
        s.AutoDestM4AEncodingParam != 0,
        {s.M4AVBR, s.M4AVBRQuality, s.M4AABRBitRate, s.M4AEnableTNS, s.M4AEnableMidside, s.M4ABlockType},
        GainFromSettings(s.AmplifyM4A, s.AmplifyM4ACoef), s.MonoType};
    Mp4AacWriter writer(brand);
    auto handOverTags = [&](AudioSource& source) {
        TagInfo t;
        if (ResolveTags(s.M4AID3TagType, s.M4ATag, job.trackNumber, job.sourcePath, job.inputType, source, t))
            writer.SetTags(t.title, t.artist, t.album, t.genre, t.year, t.comment, t.composer, t.copyright,
                           TrackNumber(t.track));
    };
    return ConvertThroughAacWriter(job, writer, options, [](AacConfiguration&) {}, handOverTags);
}

}  // namespace

int ConvertToM4a(const ConversionJob& job) { return ConvertToMp4Brand(job, Mp4Brand::M4a); }

int ConvertToMp4(const ConversionJob& job) { return ConvertToMp4Brand(job, Mp4Brand::Mp4); }

int ConvertToM4b(const ConversionJob& job) { return ConvertToMp4Brand(job, Mp4Brand::M4b); }

}  // namespace tonewright
