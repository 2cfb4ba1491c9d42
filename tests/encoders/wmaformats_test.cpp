#include <gtest/gtest.h>

#include <cmath>

#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmaoutput.h"
#include "encoders/winmedia/wmawriter.h"
#include "settings/settings.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

WmaFormatList ListOf(std::initializer_list<WmaFormat> formats) {
    WmaFormatList list;
    for (const auto& f : formats) InsertWmaFormat(list, f);
    return list;
}

}  // namespace

TEST(WmaFormatListTest, KeepsRateThenBitRateOrderWithoutDuplicates) {
    const WmaFormatList list = ListOf({{48000, 2, 128000}, {44100, 2, 96000}, {44100, 1, 96000}, {44100, 2, 64000},
                                       {44100, 2, 96000}, {8000, 1, 24000}});
    const std::vector<std::tuple<int, int, int>> expected = {
        {8000, 1, 24000}, {44100, 2, 64000}, {44100, 1, 96000}, {44100, 2, 96000}, {48000, 2, 128000}};
    ASSERT_EQ(list.entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& e = list.entries[i];
        EXPECT_EQ(std::make_tuple(e.sampleRate, e.channels, e.bitRate), expected[i]) << i;
    }
}

TEST(WmaFormatListTest, FilledFromTheEncoder) {
    WmaFormatList list;
    ASSERT_EQ(FillWmaFormatList(list), 1);
    ASSERT_FALSE(list.entries.empty());
    EXPECT_EQ(list.entries.front().sampleRate, 8000);
    EXPECT_EQ(list.entries.back().sampleRate, 48000);
    for (size_t i = 1; i < list.entries.size(); ++i) {
        const auto &a = list.entries[i - 1], &b = list.entries[i];
        EXPECT_TRUE(a.sampleRate < b.sampleRate || (a.sampleRate == b.sampleRate && a.bitRate <= b.bitRate)) << i;
    }
    WmaFormat found;
    ASSERT_EQ(FindWmaFormat(list, 44100, 128000, 2, found), 1);
    EXPECT_EQ(found.bitRate, 128000);
}

TEST(FindWmaFormatTest, PicksTheNearestFormat) {
    const WmaFormatList list = ListOf({{32000, 2, 48000}, {32000, 2, 64000}, {44100, 2, 96000}, {44100, 2, 160000},
                                       {48000, 2, 128000}, {48000, 2, 192000}, {22050, 1, 32000}});
    const WmaFormatList noExactRate = ListOf({{32000, 2, 64000}, {48000, 2, 96000}, {48000, 2, 128000}});
    const struct {
        const char* label;
        const WmaFormatList& list;
        int rate, bitRate, channels;
        int foundRate, foundBitRate;
    } cases[] = {
        {"tie goes to the higher bit rate", list, 44100, 128000, 2, 44100, 160000},
        {"strictly nearer lower bit rate", list, 44100, 120000, 2, 44100, 96000},
        {"exact", list, 44100, 96000, 2, 44100, 96000},
        {"below every bit rate at the rate", list, 44100, 8000, 2, 44100, 96000},
        {"above every bit rate at the rate", list, 44100, 500000, 2, 44100, 160000},
        {"lowest of the next higher rate", noExactRate, 44100, 128000, 2, 48000, 96000},
        {"highest below when nothing is higher", list, 96000, 128000, 2, 48000, 192000},
        {"only the wanted channel count", list, 44100, 128000, 1, 22050, 32000},
    };
    for (const auto& c : cases) {
        WmaFormat found;
        ASSERT_EQ(FindWmaFormat(c.list, c.rate, c.bitRate, c.channels, found), 1) << c.label;
        EXPECT_EQ(found.sampleRate, c.foundRate) << c.label;
        EXPECT_EQ(found.bitRate, c.foundBitRate) << c.label;
        EXPECT_EQ(found.channels, c.channels) << c.label;
    }
    WmaFormat found;
    EXPECT_EQ(FindWmaFormat(noExactRate, 44100, 128000, 1, found), 0);
}

TEST(WmaRequestTest, AutomaticTableAndManualSettings) {
    Settings s;
    s.AutoDestWMAEncodingParam = 1;
    const struct {
        int sourceRate, channels, rate, bitRate;
    } rows[] = {{8000, 1, 22050, 20000},   {12000, 1, 22050, 20000},  {16000, 1, 44100, 32000},
                {16001, 1, 44100, 48000},  {96000, 1, 44100, 48000},  {11025, 2, 22050, 32000},
                {16000, 2, 44100, 48000},  {22050, 2, 44100, 64000},  {32000, 2, 44100, 96000},
                {44100, 2, 44100, 128000}, {48000, 2, 48000, 192000}};
    for (const auto& r : rows) {
        const WmaRequest q = ChooseWmaRequest(s, r.sourceRate, r.channels);
        EXPECT_EQ(q.sampleRate, r.rate) << r.sourceRate << "/" << r.channels;
        EXPECT_EQ(q.bitRate, r.bitRate) << r.sourceRate << "/" << r.channels;
        EXPECT_EQ(q.channels, r.channels);
    }
    s.AutoDestWMAEncodingParam = 0;
    s.WMASampleRate = 32000;
    s.WMABitRate = 64000;
    s.WMAChannels = 1;
    s.MonoType = 0;
    WmaRequest q = ChooseWmaRequest(s, 44100, 2);
    EXPECT_EQ(std::make_tuple(q.sampleRate, q.bitRate, q.channels), std::make_tuple(32000, 64000, 1));
}

namespace {

// The root mean square of `count` mono samples from `first`.
double Level(const testutil::Pcm16& pcm, size_t first, size_t count) {
    double sum = 0;
    for (size_t i = first; i < first + count && i < pcm.samples.size(); ++i) sum += double(pcm.samples[i]) * pcm.samples[i];
    return std::sqrt(sum / double(count));
}

}  // namespace

// The encoder's delay is filled with silence at both ends, so a decoder gives out every
// sample written, in place: the first and last 20 ms of a tone, and a source of ten samples.
TEST(WmaWriterTest, TimeAdvancesAndEverySampleDecodes) {
    testutil::TempDir dir;
    WmaWriter writer;
    writer.SetTargetPath(dir.file("t.wma"));
    writer.SetInputFormat(44100, 16, 1);
    writer.SetOutputFormat({22050, 1, 32000});
    ASSERT_EQ(writer.Start(), 1);
    std::vector<int16_t> block(441);
    for (size_t i = 0; i < block.size(); ++i) block[i] = int16_t(10000 * std::sin(2 * M_PI * 500 * i / 44100.0));
    for (int i = 0; i < 100; ++i) ASSERT_EQ(writer.WriteSamples16(block.data(), nullptr, 441), 1);
    EXPECT_EQ(writer.Time(), 10000000u);
    EXPECT_EQ(writer.Close(), 1);
    const auto decoded = testutil::DecodeWithFfmpeg(dir.file("t.wma"));
    EXPECT_EQ(decoded.sampleRate, 22050);
    ASSERT_GE(decoded.frames(), 22050u);
    EXPECT_GT(Level(decoded, 0, 441), 5000);
    EXPECT_GT(Level(decoded, 22050 - 441, 441), 5000);
    EXPECT_LT(Level(decoded, 22050 + 441, 441), 500);

    WmaWriter tiny;
    tiny.SetTargetPath(dir.file("tiny.wma"));
    tiny.SetInputFormat(22050, 16, 1);
    tiny.SetOutputFormat({22050, 1, 32000});
    ASSERT_EQ(tiny.Start(), 1);
    const int16_t ten[] = {20000, -20000, 20000, -20000, 20000, -20000, 20000, -20000, 20000, -20000};
    ASSERT_EQ(tiny.WriteSamples16(ten, nullptr, 10), 1);
    EXPECT_EQ(tiny.Close(), 1);
    const auto decodedTen = testutil::DecodeWithFfmpeg(dir.file("tiny.wma"));
    ASSERT_GE(decodedTen.frames(), 10u);
    EXPECT_GT(Level(decodedTen, 0, 10), 1000);
}

TEST(WmaWriterTest, ReportsFailures) {
    testutil::TempDir dir;
    WmaWriter unset;
    unset.SetTargetPath(dir.file("u.wma"));
    EXPECT_EQ(unset.Start(), 0);  // no format chosen
    WmaWriter missing;
    missing.SetTargetPath("/nonexistent-folder/x.wma");
    missing.SetInputFormat(44100, 16, 2);
    missing.SetOutputFormat({44100, 2, 128000});
    EXPECT_EQ(missing.Start(), 0);
    EXPECT_FALSE(missing.ErrorText().empty());
    WmaWriter full;
    full.SetTargetPath("/dev/full");
    full.SetInputFormat(8000, 8, 1);
    full.SetOutputFormat({8000, 1, 24000});
    int ok = full.Start();
    std::vector<uint8_t> block(8000, 200);
    for (int i = 0; i < 20 && ok; ++i) ok = full.WriteSamples8(block.data(), nullptr, 8000);
    EXPECT_EQ(ok && full.Close(), 0);
}
