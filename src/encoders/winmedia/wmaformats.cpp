#include "encoders/winmedia/wmaformats.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
}

#include <array>
#include <memory>

#include "encoders/ffmpegoutput.h"

namespace tonewright {

namespace {

constexpr std::array<int, 8> kRates = {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr std::array<int, 12> kBitRates = {24000, 32000, 40000, 48000, 64000, 80000,
                                           96000, 128000, 160000, 192000, 256000, 320000};
constexpr int kMaxBitsPerSample = 4;

bool EncoderAccepts(const AVCodec* codec, const WmaFormat& format) {
    std::unique_ptr<AVCodecContext, CodecContextFree> context(avcodec_alloc_context3(codec));
    if (!context) return false;
    context->sample_rate = format.sampleRate;
    context->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&context->ch_layout, format.channels);
    context->bit_rate = format.bitRate;
    return avcodec_open2(context.get(), codec, nullptr) >= 0;
}

}  // namespace

void InsertWmaFormat(WmaFormatList& list, const WmaFormat& format) {
    // A duplicate is looked for among all entries: entries of one rate and bit rate may
    // differ in channels, and the new format may match any of them.
    for (const WmaFormat& entry : list.entries)
        if (entry.sampleRate == format.sampleRate && entry.bitRate == format.bitRate &&
            entry.channels == format.channels)
            return;
    auto at = list.entries.begin();
    for (; at != list.entries.end(); ++at) {
        if (at->sampleRate > format.sampleRate) break;
        if (at->sampleRate != format.sampleRate) continue;
        if (at->bitRate >= format.bitRate) break;
    }
    list.entries.insert(at, format);
}

int FillWmaFormatList(WmaFormatList& list) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec) return 0;
    list.entries.clear();
    for (int rate : kRates)
        for (int channels = 1; channels <= 2; ++channels)
            for (int bitRate : kBitRates) {
                const WmaFormat format{rate, channels, bitRate};
                if (bitRate <= rate * channels * kMaxBitsPerSample && EncoderAccepts(codec, format))
                    InsertWmaFormat(list, format);
            }
    return 1;
}

int FindWmaFormat(const WmaFormatList& list, int sampleRate, int bitRate, int channels, WmaFormat& found) {
    const WmaFormat* candidate = nullptr;
    for (const WmaFormat& entry : list.entries) {
        if (entry.channels != channels) continue;
        if (entry.sampleRate < sampleRate) {
            candidate = &entry;
        } else if (entry.sampleRate == sampleRate) {
            if (entry.bitRate == bitRate) {
                candidate = &entry;
                break;
            }
            if (entry.bitRate < bitRate) {
                candidate = &entry;
                continue;
            }
            const bool candidateNearer = candidate && candidate->sampleRate == sampleRate &&
                                         bitRate - candidate->bitRate < entry.bitRate - bitRate;
            if (!candidateNearer) candidate = &entry;
            break;
        } else {
            if (!candidate || candidate->sampleRate != sampleRate) candidate = &entry;
            break;
        }
    }
    if (!candidate) return 0;
    found = *candidate;
    return 1;
}

}  // namespace tonewright
