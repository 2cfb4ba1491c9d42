// WavSource on small files built byte by byte: sample conversions, the chunk walk, the
// reported measures, and the files it refuses or survives.
#include "sources/wav/wavsource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

using tonewright::kBlockSamples;
using namespace wavtest;

template <typename Value>
Bytes Raw(std::initializer_list<Value> values) {
    Bytes bytes(values.size() * sizeof(Value));
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

Bytes SimpleWav(uint16_t tag, uint16_t channels, uint16_t bits, const Bytes& data) {
    return RiffWave({Fmt(tag, channels, 8000, static_cast<uint16_t>(channels * bits / 8), bits), Chunk("data", data)});
}

class WavSourceTest : public ::testing::Test {
protected:
    int OpenBytes(const Bytes& bytes) {
        testutil::WriteBytes(path_, bytes);
        return source_.Open(path_, 0);
    }

    testutil::TempDir dir_;
    const std::string path_ = dir_.file("input.wav");
    tonewright::WavSource source_;
};

struct Conversion {
    const char* name;
    Bytes file;
    std::vector<int> delivered;  // interleaved over the delivered channels
};

class WavSourceConversionTest : public WavSourceTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(WavSourceConversionTest, DeliversTheConvertedSamples) {
    ASSERT_EQ(OpenBytes(GetParam().file), 1);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples, GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WavSourceConversionTest,
    ::testing::Values(
        Conversion{"Pcm8IsUnsigned", SimpleWav(1, 1, 8, {0x00, 0x80, 0xFF}), {0, 128, 255}},
        Conversion{"Pcm16Stereo", SimpleWav(1, 2, 16, Raw<int16_t>({1, -1, -32768, 32767})), {1, -1, -32768, 32767}},
        Conversion{"Pcm24UpperBytes", SimpleWav(1, 1, 24, {0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F}), {-128, 32767}},
        Conversion{
            "Pcm32UpperBits", SimpleWav(1, 1, 32, Raw<int32_t>({0x7FFFFFFF, INT32_MIN, 0xFFFF})), {32767, -32768, 0}},
        Conversion{"ExtensibleIsPcm", SimpleWav(0xFFFE, 1, 24, {0x00, 0x80, 0xFF}), {-128}},
        Conversion{
            "Float32", SimpleWav(3, 1, 32, Raw<float>({1.0f, -1.0f, 0.5f, -0.5f})), {32767, -32768, 16383, -16384}},
        Conversion{"Float64", SimpleWav(3, 1, 64, Raw<double>({1.0, -1.0, 0.5, 2.0})), {32767, -32768, 16383, -1}},
        Conversion{"Mulaw", SimpleWav(7, 1, 8, {0xFF, 0x7F, 0x00, 0x80}), {0, 0, -32124, 32124}},
        Conversion{"Alaw", SimpleWav(6, 1, 8, {0xD5, 0x55, 0xAA, 0x2A}), {8, -8, 32256, -32256}},
        // Unknown chunks before and after fmt, odd-sized with and without their pad byte.
        Conversion{"ChunkWalk",
                   RiffWave({Chunk("junk", {1, 2, 3}), Fmt(1, 1, 8000, 2, 16), Bytes{'L', 'I', 'S', 'T', 1, 0, 0, 0, 9},
                             Chunk("fact", {1}), Chunk("data", Raw<int16_t>({0x1234}))}),
                   {0x1234}},
        Conversion{"MsAdpcmHeaderSamplesOlderFirst",
                   RiffWave({MsFmt(1, 8, 2), Chunk("data", {0, 16, 0, 100, 0, 200, 0, 0})}),
                   {200, 100}}),
    [](const ::testing::TestParamInfo<Conversion>& info) { return info.param.name; });

TEST_F(WavSourceTest, SixChannelsDeliverTheFirstTwo) {
    const int frames = kBlockSamples + 10;
    Bytes data;
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < 6; ++c) Put(data, c * 1000 + f % 500, 2);
    ASSERT_EQ(OpenBytes(SimpleWav(1, 6, 16, data)), 1);
    EXPECT_EQ(source_.GetSourceChannels(), 6);
    ASSERT_EQ(source_.GetChannels(), 2);
    int16_t left[kBlockSamples], right[kBlockSamples];
    ASSERT_EQ(source_.ReadBlock(left, right), kBlockSamples);
    EXPECT_EQ(source_.GetPosition(), 6u * 2304);
    for (int i = 0; i < kBlockSamples; ++i) ASSERT_TRUE(left[i] == i % 500 && right[i] == 1000 + i % 500) << i;
    ASSERT_EQ(source_.ReadBlock(left, right), 10);
    EXPECT_EQ(right[9], 1000 + (frames - 1) % 500);
}

// A-law and mu-law take any channel count; very wide files are read fewer frames at a time.
TEST_F(WavSourceTest, AThousandChannelAlawFileDeliversTheFirstTwo) {
    Bytes data(1000 * 1100, 0xD5);                                // +8
    for (size_t f = 0; f < 1100; ++f) data[f * 1000 + 1] = 0x55;  // -8
    ASSERT_EQ(OpenBytes(SimpleWav(6, 1000, 8, data)), 1);
    std::vector<int> expected;
    for (int f = 0; f < 1100; ++f) expected.insert(expected.end(), {8, -8});
    EXPECT_EQ(Drain(source_).samples, expected);
}

TEST_F(WavSourceTest, MeasuresFollowTheDataChunk) {
    // 2.5 s of 16-bit stereo at 8 kHz: bitrate 80000 bytes / (2 s * 125).
    ASSERT_EQ(OpenBytes(SimpleWav(1, 2, 16, Bytes(80000))), 1);
    EXPECT_EQ(source_.GetLength(), 80000u);
    EXPECT_EQ(source_.GetDuration(), 2);
    EXPECT_EQ(source_.GetBitrate(), 320);
    // Under a second: bits * channels * rate / 1000.
    ASSERT_EQ(OpenBytes(SimpleWav(1, 2, 16, Bytes(8000))), 1);
    EXPECT_EQ(source_.GetBitrate(), 256);
    // 100 IMA blocks of 505 samples: 6 s.
    ASSERT_EQ(OpenBytes(RiffWave({Fmt(17, 1, 8000, 256, 4, {2, 505}), Chunk("data", Bytes(25600))})), 1);
    EXPECT_EQ(source_.GetDuration(), 6);

    // A size of 0 (streamed files) runs to the end of the file.
    Bytes streamed = SimpleWav(1, 1, 16, Bytes(6));
    std::memset(&streamed[streamed.size() - 10], 0, 4);
    ASSERT_EQ(OpenBytes(streamed), 1);
    EXPECT_EQ(source_.GetLength(), 6u);
    EXPECT_EQ(Drain(source_).samples.size(), 3u);

    source_.Close();
    EXPECT_EQ(source_.GetLength(), 0u);
    EXPECT_EQ(source_.GetSampleRate(), 0);
    EXPECT_EQ(source_.GetChannels(), 0);
    EXPECT_EQ(source_.GetChannelMode(), tonewright::kModeUnknown);
}

TEST_F(WavSourceTest, ADataSizeBeyondTheFileIsReadUntilTheFileEnds) {
    Bytes file = SimpleWav(1, 1, 16, Bytes(6000));
    file[file.size() - 6000 - 1] = 0x7F;
    ASSERT_EQ(OpenBytes(file), 1);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples.size(), 3000u);
    EXPECT_LT(source_.GetPosition(), source_.GetLength());
}

TEST_F(WavSourceTest, BlockCodedStreamsDropACutBlockAndStopAtAMissingPredictor) {
    ASSERT_EQ(OpenBytes(RiffWave({Fmt(17, 1, 8000, 256, 4, {2, 505}), Chunk("data", Bytes(2 * 256 + 100))})), 1);
    EXPECT_EQ(Drain(source_).samples.size(), 2u * 505);
    Bytes block(256);
    block[0] = 7;  // predictors 0..6 are declared
    ASSERT_EQ(OpenBytes(RiffWave({MsFmt(1, 256, 500), Chunk("data", block)})), 1);
    int16_t left[kBlockSamples];
    EXPECT_EQ(source_.ReadBlock(left, nullptr), 0);
}

class WavSourceRefusalTest : public WavSourceTest,
                             public ::testing::WithParamInterface<std::pair<const char*, Bytes>> {};

TEST_P(WavSourceRefusalTest, OpenFails) { EXPECT_EQ(OpenBytes(GetParam().second), 0); }

std::vector<std::pair<const char*, Bytes>> RefusedFiles() {
    const Bytes data = Chunk("data", Bytes(1300));
    const Bytes pcm = Fmt(1, 1, 8000, 2, 16);
    Bytes notWave = RiffWave({pcm, data});
    std::memcpy(&notWave[8], "AVI ", 4);
    Bytes fmtTooShort = Fmt(1, 1, 8000, 2, 16);
    fmtTooShort[4] = 14;
    const Bytes hugeChunk{'L', 'I', 'S', 'T', 0xFF, 0xFF, 0xFF, 0xFF};
    return {
        {"NotWave", notWave},
        {"DataBeforeFmt", RiffWave({data, pcm})},
        {"FmtTooShort", RiffWave({fmtTooShort, data})},
        {"ChunkSizePastTheEnd", RiffWave({pcm, hugeChunk, data})},
        {"OnlyFillerAfterAChunk", RiffWave({pcm, Bytes(16, 0)})},
        {"UnknownTag", RiffWave({Fmt(0x55, 1, 8000, 1, 0), data})},
        {"Pcm12Bits", RiffWave({Fmt(1, 1, 8000, 2, 12), data})},
        {"PcmNineChannels", RiffWave({Fmt(1, 9, 8000, 18, 16), data})},
        {"SampleRateZero", RiffWave({Fmt(1, 1, 0, 2, 16), data})},
        {"AlawNoChannels", RiffWave({Fmt(6, 0, 8000, 1, 8), data})},
        {"GsmSamplesPerBlockNot320", RiffWave({Fmt(49, 1, 8000, 65, 0, {2, 319}), data})},
        {"GsmThreeChannels", RiffWave({Fmt(49, 3, 8000, 65, 0, {2, 320}), data})},
        {"ImaBlockAlignZero", RiffWave({Fmt(17, 1, 8000, 0, 4, {2, 1}), data})},
        {"ImaBlockTooSmallForHeaders", RiffWave({Fmt(17, 2, 8000, 7, 4, {2, 1}), data})},
        {"ImaMoreSamplesThanABlockHolds", RiffWave({Fmt(17, 1, 8000, 256, 4, {2, 506}), data})},
        {"MsAdpcmThreeChannels", RiffWave({MsFmt(3, 1024, 100), data})},
        {"MsAdpcmNoPredictors", RiffWave({MsFmt(1, 256, 500, 0), data})},
        {"MsAdpcmPredictorsPastTheChunk", RiffWave({MsFmt(1, 256, 500, 65535), data})},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, WavSourceRefusalTest, ::testing::ValuesIn(RefusedFiles()),
                         [](const auto& info) { return std::string(info.param.first); });

// The three header shapes: plain, with samples per block, with predictors. Every cut
// inside the header fails; garbage samples and mutated headers open or fail but always
// end their stream (the sanitizer run reports any out-of-bounds access).
TEST_F(WavSourceTest, DamagedFilesFailOrEndCleanly) {
    std::mt19937 random(7);
    Bytes noise(3000);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    const Bytes data = Chunk("data", noise);
    for (const Bytes& file : {RiffWave({Fmt(1, 2, 44100, 4, 16), data}), RiffWave({Fmt(6, 3, 8000, 3, 8), data}),
                              RiffWave({Fmt(3, 1, 8000, 8, 64), data}), RiffWave({MsFmt(2, 512, 500), data}),
                              RiffWave({Fmt(17, 2, 8000, 2048, 4, {2, 2041}), data}),
                              RiffWave({Fmt(49, 2, 8000, 65, 0, {2, 320}), data})}) {
        const size_t headerBytes = file.size() - noise.size();
        for (size_t cut = 0; cut < headerBytes; ++cut) ASSERT_EQ(OpenBytes(Bytes(file.begin(), file.begin() + cut)), 0);
        ASSERT_EQ(OpenBytes(file), 1);
        EXPECT_TRUE(Drain(source_).ended);
        for (int round = 0; round < 60; ++round) {
            Bytes mutated = file;
            for (int n = 0; n < 3; ++n) mutated[random() % headerBytes] = static_cast<uint8_t>(random());
            if (OpenBytes(mutated) == 0) continue;
            ASSERT_TRUE(Drain(source_, 10000).ended);
        }
    }
}

}  // namespace
