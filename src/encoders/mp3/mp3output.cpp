#include "encoders/mp3/mp3output.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/channelmode.h"
#include "base/inputtype.h"
#include "encoders/automaticencoding.h"
#include "encoders/mp3/mp3encoder.h"
#include "metadata/id3tagbuilder.h"
#include "settings/settings.h"

namespace tonewright {

int LimitMp3Bitrate(int kbps, int outputRate) {
    if (outputRate <= 12000) return std::min(kbps, 64);
    if (outputRate <= 24000) return std::min(kbps, 160);
    return std::max(kbps, 32);
}

Mp3Encoding ChooseMp3Encoding(const Settings& s, const SourceFormat& source) {
    Mp3Encoding e;
    e.inputRate = source.rate;
    e.infoFrame = s.MP3WriteInfoFrame != 0;
    if (s.AutoDestMP3EncodingParam) {
        const AutoEncoding automatic = AutoEncodingTable(source.rate, source.channels);
        e.channels = source.channels;
        e.outputRate = automatic.sampleRate;
        e.bitrateKbps = automatic.bitrateKbps;
        return e;
    }
    e.mode = s.MP3ChannelMode;
    if (e.mode == kModeUnknown) {
        if (source.inputType == kInputMp3) e.mode = source.channelMode;
        else e.mode = source.channels == 2 ? kModeJointStereo : kModeMono;
    }
    const int outputChannels = e.mode == kModeMono ? 1 : 2;
    e.channels = PicksOneChannel(source.channels, outputChannels, s.MonoType) ? 1 : source.channels;
    e.outputRate = SnapToTable(s.MP3SampleRate != 0 ? s.MP3SampleRate : source.rate, kSampleRateTable);

    if (s.MP3EncodingMode == 1) {
        e.vbrQuality = std::clamp(s.MP3VBRQuality, 0, 9);
        return e;
    }
    int kbps = s.MP3BitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.outputRate, outputChannels).bitrateKbps;
    }
    if (kbps > 0) e.bitrateKbps = LimitMp3Bitrate(SnapToTable(kbps, kMp3BitrateTable), e.outputRate);
    return e;
}

namespace {

constexpr size_t kId3v1Size = 128;

struct Id3Blocks {
    std::vector<uint8_t> v1, v2;
};

// MP3 to MP3 with tag transfer copies the source's own ID3 blocks byte for byte, whatever
// ID3 version is asked for; every other case builds the asked-for blocks from the resolved
// values.
Id3Blocks ChooseId3Blocks(const PlanRequest& request) {
    const Settings& s = request.settings;
    Id3Blocks blocks;
    if (s.MP3ID3TagType == kTagFromSource && request.source.inputType == kInputMp3) {
        if (const uint8_t* v1 = request.tags.Id3v1Block()) blocks.v1.assign(v1, v1 + kId3v1Size);
        int length = 0;
        const uint8_t* v2 = request.tags.Id3v2Block(length);
        if (v2 && length > 0) blocks.v2.assign(v2, v2 + length);
        return blocks;
    }
    const std::optional<TagInfo> resolved = request.tags.Resolved();
    if (!resolved) return blocks;
    const TagInfo& tags = *resolved;
    const int track = TrackNumber(tags.track);
    const int version = s.MP3WriteID3Version;  // 0 ID3v1, 1 ID3v2, 2 both
    if (version == 0 || version == 2) {
        std::vector<uint8_t> block = BuildId3Tag(kId3v1, tags, track, 0);
        if (block.size() == kId3v1Size) blocks.v1 = std::move(block);
    }
    if (version == 1 || version == 2)
        blocks.v2 = BuildId3Tag(kId3v2, tags, track, TrackNumber(KeptField(tags, "TRACKTOTAL")));
    return blocks;
}

class Mp3Output : public EncoderOutput<Mp3Encoder, false> {
public:
    Mp3Output(const Mp3Encoding& encoding, Id3Blocks tags) : encoding_(encoding), tags_(std::move(tags)) {}

    bool Start(const std::string& path) override {
        if (!encoder_.Open(path)) return false;
        if (!tags_.v1.empty()) encoder_.SetId3v1Tag(tags_.v1.data());
        if (!tags_.v2.empty()) encoder_.SetId3v2Tag(tags_.v2.data(), static_cast<uint32_t>(tags_.v2.size()));
        encoder_.SetInSampleRate(encoding_.inputRate);
        encoder_.SetChannels(encoding_.channels);
        if (encoding_.mode >= 0) encoder_.SetMode(encoding_.mode);
        encoder_.SetOutSampleRate(encoding_.outputRate);
        if (encoding_.vbrQuality >= 0) encoder_.SetVbrQuality(encoding_.vbrQuality);
        else if (encoding_.bitrateKbps > 0) encoder_.SetBitrate(encoding_.bitrateKbps);
        encoder_.SetInfoFrame(encoding_.infoFrame);
        return encoder_.Start() != 0;
    }

private:
    Mp3Encoding encoding_;
    Id3Blocks tags_;
};

int RenderRate(const Settings& s) { return RenderRateOf(s.AutoDestMP3EncodingParam, s.MP3SampleRate); }

// LAME converts the rate itself and takes 16-bit samples only: the sample road widens 8-bit
// samples and picks one channel, at the source's rate.
OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const Mp3Encoding encoding = ChooseMp3Encoding(s, request.source);
    const PcmFormat samples{request.source.rate, encoding.channels == 1 ? 1 : 2, 16};
    return {std::make_unique<Mp3Output>(encoding, ChooseId3Blocks(request)), samples};
}

}  // namespace

const OutputWriterFactory kMp3Writer{RenderRate, Plan};

}  // namespace tonewright
