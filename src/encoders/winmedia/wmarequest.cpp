#include "encoders/winmedia/wmarequest.h"

#include "encoders/samplewriter.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

struct AutomaticRow {
    int sourceRateUpTo;  // 0: any higher rate
    int rate;
    int bitRate;
};

constexpr AutomaticRow kMonoRows[] = {{12000, 22050, 20000}, {16000, 44100, 32000}, {0, 44100, 48000}};
constexpr AutomaticRow kStereoRows[] = {{12000, 22050, 32000}, {16000, 44100, 48000}, {24000, 44100, 64000},
                                        {32000, 44100, 96000}, {44100, 44100, 128000}, {0, 48000, 192000}};

template <size_t N>
const AutomaticRow& RowFor(const AutomaticRow (&rows)[N], int sourceRate) {
    for (const AutomaticRow& row : rows)
        if (row.sourceRateUpTo == 0 || sourceRate <= row.sourceRateUpTo) return row;
    return rows[N - 1];
}

}  // namespace

WmaRequest ChooseWmaRequest(const Settings& settings, int sourceRate, int sourceChannels) {
    WmaRequest request;
    if (settings.AutoDestWMAEncodingParam) {
        const AutomaticRow& row = sourceChannels == 1 ? RowFor(kMonoRows, sourceRate) : RowFor(kStereoRows, sourceRate);
        request.sampleRate = row.rate;
        request.bitRate = row.bitRate;
        request.channels = sourceChannels;
        request.inputChannels = sourceChannels;
        return request;
    }
    request.sampleRate = settings.WMASampleRate;
    request.bitRate = settings.WMABitRate;
    request.channels = settings.WMAChannels;
    request.inputChannels =
        PicksOneChannel(sourceChannels, settings.WMAChannels, settings.MonoType) ? 1 : sourceChannels;
    return request;
}

}  // namespace tonewright
