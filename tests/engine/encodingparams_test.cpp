// The parameter rules of the MP3 and Ogg Vorbis outputs: snapping, the automatic table, the
// bit-rate limits and clamps, and the choices the pipelines derive from settings and source.
#include <gtest/gtest.h>

#include "base/inputtype.h"
#include "encoders/automaticencoding.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "settings/settings.h"

using namespace tonewright;

TEST(EncodingParamsTest, SnapToTable) {
    const struct {
        int value, expected;
    } rates[] = {{44100, 44100}, {44000, 44100}, {40000, 44100}, {38050, 32000}, {1, 8000},
                 {-5, 8000},     {96000, 48000}, {11512, 11025}, {11513, 12000}, {0, 8000}};
    for (const auto& c : rates) EXPECT_EQ(SnapToTable(c.value, kSampleRateTable), c.expected) << c.value;
    // Halfway between two entries goes to the lower one.
    EXPECT_EQ(SnapToTable(12, kMp3BitrateTable), 8);
    EXPECT_EQ(SnapToTable(13, kMp3BitrateTable), 16);
    EXPECT_EQ(SnapToTable(500, kMp3BitrateTable), 320);
    EXPECT_EQ(SnapToTable(500, kVorbisBitrateTable), 480);
    EXPECT_EQ(SnapToTable(360, kVorbisBitrateTable), 320);
}

TEST(EncodingParamsTest, AutoEncodingTable) {
    const struct {
        int rate, channels, expectedRate, expectedKbps;
    } cases[] = {{8000, 1, 11025, 24},   {11025, 2, 11025, 48}, {11026, 2, 12000, 48}, {16000, 1, 16000, 32},
                 {16000, 2, 16000, 56},  {22050, 1, 22050, 48}, {24000, 2, 24000, 64}, {32000, 1, 32000, 64},
                 {32000, 2, 32000, 96},  {44100, 1, 44100, 96}, {44100, 2, 44100, 128}, {44101, 2, 48000, 192},
                 {96000, 1, 48000, 128}, {44100, 6, 44100, 128}};
    for (const auto& c : cases) {
        const AutoEncoding got = AutoEncodingTable(c.rate, c.channels);
        EXPECT_EQ(got.sampleRate, c.expectedRate) << c.rate << "/" << c.channels;
        EXPECT_EQ(got.bitrateKbps, c.expectedKbps) << c.rate << "/" << c.channels;
    }
}

TEST(EncodingParamsTest, Mp3BitrateLimitsFollowTheOutputRate) {
    EXPECT_EQ(LimitMp3Bitrate(320, 11025), 64);
    EXPECT_EQ(LimitMp3Bitrate(320, 12000), 64);
    EXPECT_EQ(LimitMp3Bitrate(320, 16000), 160);
    EXPECT_EQ(LimitMp3Bitrate(320, 24000), 160);
    EXPECT_EQ(LimitMp3Bitrate(8, 24000), 8);
    EXPECT_EQ(LimitMp3Bitrate(8, 32000), 32);
    EXPECT_EQ(LimitMp3Bitrate(8, 44100), 32);
    EXPECT_EQ(LimitMp3Bitrate(320, 48000), 320);
}

TEST(EncodingParamsTest, ClampVorbisBitrate) {
    const struct {
        int rate, low[2], high[2];  // [mono, stereo]
    } rows[] = {{8000, {8, 16}, {40, 80}},     {11025, {16, 16}, {48, 96}},   {12000, {16, 16}, {48, 96}},
                {16000, {16, 24}, {80, 160}},  {22050, {16, 32}, {80, 160}},  {24000, {16, 32}, {80, 160}},
                {32000, {32, 40}, {160, 320}}, {44100, {32, 48}, {224, 480}}, {48000, {32, 48}, {224, 480}}};
    for (const auto& row : rows) {
        for (int channels : {1, 2}) {
            EXPECT_EQ(ClampVorbisBitrate(1, row.rate, channels), row.low[channels - 1]) << row.rate;
            EXPECT_EQ(ClampVorbisBitrate(1000, row.rate, channels), row.high[channels - 1]) << row.rate;
            EXPECT_EQ(ClampVorbisBitrate(40, row.rate, channels), std::clamp(40, row.low[channels - 1], row.high[channels - 1]));
        }
    }
}

namespace {

SourceFormat WavSource(int rate, int channels) { return {kInputWav, rate, channels, 4, rate * channels * 16 / 1000}; }

Settings Manual() {
    Settings s;
    s.AutoDestMP3EncodingParam = 0;
    s.AutoDestOGGEncodingParam = 0;
    return s;
}

}  // namespace

TEST(EncodingParamsTest, Mp3ManualBitRates) {
    const struct {
        int bitrate, sampleRate, sourceType, sourceKbps, expected;
    } cases[] = {
        {0, 22050, kInputWav, 1411, 64},   // from the table for 22050 Hz stereo, under the 160 limit
        {320, 11025, kInputWav, 1411, 64},  // limited
        {8, 44100, kInputWav, 1411, 32},    // raised
        {130, 44100, kInputWav, 1411, 128},  // snapped
        {0, 44100, kInputMp3, 190, 192},     // an MP3 source's own bit rate, snapped
        {0, 22050, kInputOgg, 190, 160},     // an Ogg source's, snapped and limited
        {0, 44100, kInputMp3, 0, -1},        // unknown: left to LAME
    };
    for (const auto& c : cases) {
        Settings s = Manual();
        s.MP3BitRate = c.bitrate;
        s.MP3SampleRate = c.sampleRate;
        const Mp3Encoding e = ChooseMp3Encoding(s, {c.sourceType, 44100, 2, 1, c.sourceKbps});
        EXPECT_EQ(e.bitrateKbps, c.expected) << c.bitrate << " at " << c.sampleRate;
        EXPECT_EQ(e.outputRate, c.sampleRate);
        EXPECT_EQ(e.inputRate, 44100);
    }
}

TEST(EncodingParamsTest, Mp3ModeAndChannelPick) {
    const struct {
        int channelMode, monoType, sourceType, sourceChannels, sourceMode;
        int expectedMode, expectedChannels;
    } cases[] = {
        {4, 0, kInputWav, 2, 4, 1, 2},  // as the source: stereo sources give joint stereo
        {4, 0, kInputWav, 1, 4, 3, 1},  // mono sources give mono
        {4, 0, kInputMp3, 2, 2, 2, 2},  // MP3 sources give their own mode (dual channel)
        {4, 1, kInputMp3, 2, 3, 3, 1},  // a mono-mode MP3 decoded as stereo: one channel picked
        {3, 0, kInputWav, 2, 4, 3, 2},  // mono from both channels: LAME mixes
        {3, 2, kInputWav, 2, 4, 3, 1},  // mono from the right channel: picked
        {0, 1, kInputWav, 2, 4, 0, 2},  // no pick outside mono mode
        {1, 0, kInputWav, 1, 4, 1, 1},
    };
    for (const auto& c : cases) {
        Settings s = Manual();
        s.MP3ChannelMode = c.channelMode;
        s.MonoType = c.monoType;
        const Mp3Encoding e = ChooseMp3Encoding(s, {c.sourceType, 44100, c.sourceChannels, c.sourceMode, 128});
        EXPECT_EQ(e.mode, c.expectedMode) << c.channelMode << "/" << c.monoType << "/" << c.sourceChannels;
        EXPECT_EQ(e.channels, c.expectedChannels) << c.channelMode << "/" << c.monoType << "/" << c.sourceChannels;
    }
}

TEST(EncodingParamsTest, Mp3SampleRateZeroMeansTheSourceRateSnapped) {
    Settings s = Manual();
    s.MP3SampleRate = 0;
    s.MP3BitRate = 0;
    s.MP3ChannelMode = 3;
    const Mp3Encoding e = ChooseMp3Encoding(s, WavSource(96000, 2));
    EXPECT_EQ(e.outputRate, 48000);
    EXPECT_EQ(e.bitrateKbps, 128) << "table value for mono output";
}

TEST(EncodingParamsTest, VorbisManualParameters) {
    const struct {
        int bitrate, rate, channels, sourceRate, sourceChannels;
        int expectedRate, expectedChannels, expectedKbps;
    } cases[] = {
        {500, 44100, 2, 44100, 2, 44100, 2, 480},
        {500, 44100, 1, 44100, 2, 44100, 1, 224},
        {0, 22050, 0, 44100, 1, 22050, 1, 48},  // channels and bit rate from the source and the table
        {0, 0, 2, 32000, 1, 32000, 2, 96},      // the source's rate
        {8, 8000, 2, 44100, 2, 8000, 2, 16},
        {128, 7000, 1, 44100, 2, 8000, 1, 40},
    };
    for (const auto& c : cases) {
        Settings s = Manual();
        s.OGGBitRate = c.bitrate;
        s.OGGSampleRate = c.rate;
        s.OGGChannels = c.channels;
        const VorbisEncoding e = ChooseVorbisEncoding(s, WavSource(c.sourceRate, c.sourceChannels));
        EXPECT_EQ(e.rate, c.expectedRate) << c.bitrate << "/" << c.rate;
        EXPECT_EQ(e.channels, c.expectedChannels) << c.bitrate << "/" << c.rate;
        EXPECT_EQ(e.bitrateKbps, c.expectedKbps) << c.bitrate << "/" << c.rate;
    }
    Settings s = Manual();
    s.OGGBitRate = 0;
    const VorbisEncoding fromOgg = ChooseVorbisEncoding(s, {kInputOgg, 44100, 2, 4, 500});
    EXPECT_EQ(fromOgg.bitrateKbps, 480);
}
