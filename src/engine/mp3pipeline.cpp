#include <string>

#include "encoders/mp3/mp3encoder.h"
#include "engine/amplify.h"
#include "engine/encodeloop.h"
#include "engine/encodingparams.h"
#include "engine/inputtype.h"
#include "engine/pipelines.h"
#include "metadata/id3tagbuilder.h"
#include "metadata/tagresolution.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

constexpr size_t kId3v1Size = 128;

// MP3 to MP3 with tag transfer copies the source's own ID3 blocks byte for byte, whatever
// ID3 version is asked for; every other case builds the asked-for blocks from the resolved
// values.
void HandOverTags(Mp3Encoder& encoder, const ConversionJob& job, AudioSource& source) {
    const Settings& s = *job.settings;
    if (s.MP3ID3TagType == kTagFromSource && job.inputType == kInputMp3) {
        if (const uint8_t* v1 = source.GetId3v1Tag()) encoder.SetId3v1Tag(v1);
        int length = 0;
        const uint8_t* v2 = source.GetId3v2Tag(length);
        if (v2 && length > 0) encoder.SetId3v2Tag(v2, static_cast<uint32_t>(length));
        return;
    }
    TagInfo tags;
    if (!ResolveTags(s.MP3ID3TagType, s.MP3Tag, job.trackNumber, job.sourcePath, job.inputType, source, tags))
        return;
    const int track = TrackNumber(tags.track);
    const int version = s.MP3WriteID3Version;  // 0 ID3v1, 1 ID3v2, 2 both
    if (version == 0 || version == 2) {
        const std::vector<uint8_t> block = BuildId3Tag(kId3v1, tags, track, 0);
        if (block.size() == kId3v1Size) encoder.SetId3v1Tag(block.data());
    }
    if (version == 1 || version == 2) {
        const std::vector<uint8_t> block = BuildId3Tag(kId3v2, tags, track, 0);
        if (!block.empty()) encoder.SetId3v2Tag(block.data(), static_cast<uint32_t>(block.size()));
    }
}

void Configure(Mp3Encoder& encoder, const Mp3Encoding& e) {
    encoder.SetInSampleRate(e.inputRate);
    encoder.SetChannels(e.channels);
    if (e.mode >= 0) encoder.SetMode(e.mode);
    encoder.SetOutSampleRate(e.outputRate);
    if (e.bitrateKbps > 0) encoder.SetBitrate(e.bitrateKbps);
}

}  // namespace

int ConvertToMp3(const ConversionJob& job) {
    const Settings& s = *job.settings;
    auto source = OpenJobSource(job, s.AutoDestMP3EncodingParam, s.MP3SampleRate);
    if (!source) return 0;

    int result = 0;
    std::string reason;
    Mp3Encoder encoder;
    if (encoder.Open(job.targetPath)) {
        HandOverTags(encoder, job, *source);
        const Mp3Encoding encoding = ChooseMp3Encoding(s, DescribeSource(*source, job.inputType));
        Configure(encoder, encoding);
        if (encoder.Start()) {
            // LAME converts the rate itself and takes 16-bit samples only: the stage widens
            // 8-bit samples and picks one channel, at the source's rate.
            const PcmFormat target{source->GetSampleRate(), encoding.channels == 1 ? 1 : 2, 16};
            const float gain = GainFromSettings(s.AmplifyMp3, s.AmplifyMp3Coeff);
            auto write = [&](const int16_t* left, const int16_t* right, int count) {
                return encoder.WriteSamples16(left, right, count);
            };
            result = EncodeSamples16(*source, target, s.MonoType, gain, job, write, reason);
        }
    }
    source->Close();
    if (!encoder.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? encoder.ErrorText() : reason);
    return result;
}

}  // namespace tonewright
