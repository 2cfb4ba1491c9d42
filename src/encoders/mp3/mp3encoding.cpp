#include "encoders/mp3/mp3encoding.h"

#include <algorithm>

#include "base/channelmode.h"
#include "base/inputtype.h"
#include "encoders/automaticencoding.h"
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

    int kbps = s.MP3BitRate;
    if (kbps == 0) {
        kbps = HasLossyBitrate(source.inputType) ? source.bitrateKbps
                                                 : AutoEncodingTable(e.outputRate, outputChannels).bitrateKbps;
    }
    if (kbps > 0) e.bitrateKbps = LimitMp3Bitrate(SnapToTable(kbps, kMp3BitrateTable), e.outputRate);
    return e;
}

}  // namespace tonewright
