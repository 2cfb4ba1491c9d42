#include "engine/encodingparams.h"

#include <algorithm>

#include "engine/inputtype.h"
#include "settings/settings.h"
#include "sources/audiosource.h"

namespace tonewright {

namespace {

struct AutoRow {
    int upToRate;
    int outputRate;
    int monoKbps;
    int stereoKbps;
};

constexpr AutoRow kAutoRows[] = {
    {11025, 11025, 24, 48}, {12000, 12000, 24, 48}, {16000, 16000, 32, 56}, {22050, 22050, 48, 64},
    {24000, 24000, 48, 64}, {32000, 32000, 64, 96}, {44100, 44100, 96, 128},
};
constexpr AutoRow kAutoAbove = {0, 48000, 128, 192};

struct VorbisLimits {
    int upToRate;
    int stereoMin, stereoMax, otherMin, otherMax;
};

constexpr VorbisLimits kVorbisLimits[] = {
    {8000, 16, 80, 8, 40},    {12000, 16, 96, 16, 48},  {16000, 24, 160, 16, 80},
    {24000, 32, 160, 16, 80}, {32000, 40, 320, 32, 160},
};
constexpr VorbisLimits kVorbisLimitsAbove = {0, 48, 480, 32, 224};

// MP3 and Ogg Vorbis sources tell a bit rate worth keeping; other sources' bit rates
// (PCM, lossless) say nothing about what a lossy target needs.
bool HasLossyBitrate(int inputType) { return inputType == kInputMp3 || inputType == kInputOgg; }

}  // namespace

int SnapToTable(int value, const int* table, size_t count) {
    const int* end = table + count;
    const int* above = std::find_if(table, end, [value](int entry) { return entry >= value; });
    if (above == end) return table[count - 1];
    if (*above == value || above == table) return *above;
    const int below = above[-1];
    return value - below <= *above - value ? below : *above;
}

AutoEncoding AutoEncodingTable(int sampleRate, int channels) {
    const AutoRow* row = &kAutoAbove;
    for (const AutoRow& candidate : kAutoRows) {
        if (sampleRate <= candidate.upToRate) {
            row = &candidate;
            break;
        }
    }
    return {row->outputRate, channels == 1 ? row->monoKbps : row->stereoKbps};
}

int LimitMp3Bitrate(int kbps, int outputRate) {
    if (outputRate <= 12000) return std::min(kbps, 64);
    if (outputRate <= 24000) return std::min(kbps, 160);
    return std::max(kbps, 32);
}

int ClampVorbisBitrate(int kbps, int rate, int channels) {
    const VorbisLimits* limits = &kVorbisLimitsAbove;
    for (const VorbisLimits& candidate : kVorbisLimits) {
        if (rate <= candidate.upToRate) {
            limits = &candidate;
            break;
        }
    }
    const bool stereo = channels == 2;
    return std::clamp(kbps, stereo ? limits->stereoMin : limits->otherMin, stereo ? limits->stereoMax : limits->otherMax);
}

SourceFormat DescribeSource(const AudioSource& source, int inputType) {
    SourceFormat format;
    format.inputType = inputType;
    format.rate = source.GetSampleRate();
    format.channels = source.GetChannels();
    format.channelMode = source.GetChannelMode();
    format.bitrateKbps = source.GetBitrate();
    return format;
}

Mp3Encoding ChooseMp3Encoding(const Settings& s, const SourceFormat& source) {
    Mp3Encoding e;
    e.inputRate = source.rate;
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
    const bool pickOne = source.channels == 2 && e.mode == kModeMono && s.MonoType != 0;
    e.channels = pickOne ? 1 : source.channels;
    e.outputRate = SnapToTable(s.MP3SampleRate != 0 ? s.MP3SampleRate : source.rate, kSampleRateTable);

    int kbps = s.MP3BitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.outputRate, outputChannels).bitrateKbps;
    }
    if (kbps > 0) e.bitrateKbps = LimitMp3Bitrate(SnapToTable(kbps, kMp3BitrateTable), e.outputRate);
    return e;
}

VorbisEncoding ChooseVorbisEncoding(const Settings& s, const SourceFormat& source) {
    VorbisEncoding e;
    if (s.AutoDestOGGEncodingParam) {
        const AutoEncoding automatic = AutoEncodingTable(source.rate, source.channels);
        return {automatic.sampleRate, source.channels, automatic.bitrateKbps};
    }
    e.rate = SnapToTable(s.OGGSampleRate != 0 ? s.OGGSampleRate : source.rate, kSampleRateTable);
    e.channels = s.OGGChannels == 0 ? source.channels : s.OGGChannels == 1 ? 1 : 2;
    int kbps = s.OGGBitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.rate, e.channels).bitrateKbps;
    }
    e.bitrateKbps = ClampVorbisBitrate(SnapToTable(kbps, kVorbisBitrateTable), e.rate, e.channels);
    return e;
}

}  // namespace tonewright
