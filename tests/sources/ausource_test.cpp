// AuSource on small files built byte by byte: both byte orders, every sample conversion,
// the header rules (shifted headers, replaced rates and channel counts, unknown sizes), the
// reported measures, and the files it refuses or survives.
#include "sources/au/ausource.h"

#include <gtest/gtest.h>

#include <random>

#include "sources/aifftestutil.h"
#include "sources/au/auheader.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

using namespace aifftest;
using wavtest::Drain;
using wavtest::Drained;

constexpr bool kBig = true, kLittle = false;

class AuSourceTest : public ::testing::Test {
protected:
    int OpenBytes(const Bytes& bytes) {
        testutil::WriteBytes(path_, bytes);
        return source_.Open(path_, 0);
    }

    testutil::TempDir dir_;
    const std::string path_ = dir_.file("input.au");
    tonewright::AuSource source_;
};

struct Conversion {
    const char* name;
    Bytes file;
    std::vector<int> delivered;  // interleaved over the delivered channels
};

class AuSourceConversionTest : public AuSourceTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(AuSourceConversionTest, DeliversTheConvertedSamples) {
    ASSERT_EQ(OpenBytes(GetParam().file), 1);
    EXPECT_EQ(source_.GetBitsPerSample(), 16);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples, GetParam().delivered);
}

// A header whose encoding field holds no encoding; the search finds encoding 3 at byte 13,
// followed by the rate and the channel count. The data follows at byte 28.
Bytes ShiftedHeaderFile() {
    Bytes file = {'.', 's', 'n', 'd'};
    PutBe(file, 28, 4);
    PutBe(file, 2, 4);
    file.push_back(0x41);
    PutBe(file, 3, 4);
    PutBe(file, 8000, 4);
    PutBe(file, 1, 4);
    file.resize(28, 0);
    file.insert(file.end(), {0x12, 0x34});
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, AuSourceConversionTest,
    ::testing::Values(
        Conversion{"Mulaw", AuFile(kBig, 1, 8000, 1, {0x00, 0xFF}), {-32124, 0}},
        Conversion{"Linear8", AuFile(kBig, 2, 8000, 1, {0x81, 0x7F, 0x00}), {-32512, 32512, 0}},
        Conversion{"Linear16BigEndian", AuFile(kBig, 3, 8000, 1, {0x12, 0x34}), {0x1234}},
        Conversion{"Linear16LittleEndianAsStored", AuFile(kLittle, 3, 8000, 1, {0x34, 0x12}), {0x1234}},
        Conversion{"Linear24", AuFile(kBig, 4, 8000, 1, {0xFF, 0x80, 0x00}), {-128}},
        Conversion{"Linear24LittleEndian", AuFile(kLittle, 4, 8000, 1, {0x00, 0x80, 0xFF}), {-128}},
        Conversion{"Linear32", AuFile(kBig, 5, 8000, 1, {0x7F, 0xFF, 0xFF, 0xFF}), {32767}},
        Conversion{"Linear32LittleEndian", AuFile(kLittle, 5, 8000, 1, {0xFF, 0xFF, 0x00, 0x80}), {-32768}},
        Conversion{"Float32", AuFile(kBig, 6, 8000, 1, {0x3F, 0x80, 0, 0}), {32767}},
        Conversion{"Float32LittleEndian", AuFile(kLittle, 6, 8000, 1, {0, 0, 0, 0xBF}), {-16384}},
        Conversion{"Float64", AuFile(kBig, 7, 8000, 1, {0x3F, 0xE0, 0, 0, 0, 0, 0, 0}), {16383}},
        Conversion{"Alaw", AuFile(kBig, 27, 8000, 1, {0xD5, 0x2A}), {8, -32256}},
        Conversion{"Stereo", AuFile(kBig, 3, 8000, 2, {0, 1, 0, 2, 0, 3, 0, 4}), {1, 2, 3, 4}},
        // Wider files deliver their first two channels.
        Conversion{"FourChannels", AuFile(kBig, 3, 8000, 4, {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}),
                   {1, 2, 5, 6}},
        Conversion{"ShiftedHeader", ShiftedHeaderFile(), {0x1234}},
        // A sample cut short by the end of the data is dropped.
        Conversion{"CutSample", AuFile(kBig, 3, 8000, 1, {0, 9, 0}), {9}}),
    [](const ::testing::TestParamInfo<Conversion>& info) { return info.param.name; });

TEST_F(AuSourceTest, MagicVariantsSelectTheByteOrder) {
    for (const auto& [magic, delivered] : {std::make_pair(Bytes{'.', 's', 'd', 0}, 0x1234),
                                           std::make_pair(Bytes{0, 'd', 's', '.'}, 0x3412)}) {
        Bytes file = AuFile(magic[0] == '.', 3, 8000, 1, {0x12, 0x34});
        std::copy(magic.begin(), magic.end(), file.begin());
        ASSERT_EQ(OpenBytes(file), 1);
        EXPECT_EQ(Drain(source_).samples, std::vector<int>{delivered});
    }
}

TEST_F(AuSourceTest, OutOfRangeRatesAndChannelCountsAreReplaced) {
    const std::tuple<uint32_t, uint32_t, int, int> cases[] = {
        // rate, channels → delivered rate, source channels
        {500, 1, 8000, 1},       {0, 2, 8000, 2},       {192000, 1, 192000, 1}, {900000, 1, 8000, 1},
        {44100, 0, 44100, 1},    {44100, 6, 44100, 6},  {44100, 70000, 44100, 1},
    };
    for (const auto& [rate, channels, expectedRate, expectedChannels] : cases) {
        ASSERT_EQ(OpenBytes(AuFile(kBig, 3, rate, channels, Bytes(24))), 1);
        EXPECT_EQ(source_.GetSampleRate(), expectedRate) << rate;
        EXPECT_EQ(source_.GetSourceChannels(), expectedChannels) << channels;
        EXPECT_EQ(source_.GetChannels(), std::min(expectedChannels, 2));
    }
}

TEST_F(AuSourceTest, MeasuresFollowTheDataSize) {
    // 2.5 s of 16-bit mono at 8 kHz: bit rate 40000 bytes / (2 s × 125).
    ASSERT_EQ(OpenBytes(AuFile(kBig, 3, 8000, 1, Bytes(40000))), 1);
    EXPECT_EQ(source_.GetLength(), 40000u);
    EXPECT_EQ(source_.GetPosition(), 0u);
    EXPECT_EQ(source_.GetDuration(), 2);
    EXPECT_EQ(source_.GetBitrate(), 160);
    Drain(source_);
    EXPECT_EQ(source_.GetPosition(), 40000u);
    // Under a second: bits × channels × rate / 1000; G.721 counts 4 bits a sample.
    ASSERT_EQ(OpenBytes(AuFile(kBig, 23, 8000, 2, Bytes(100))), 1);
    EXPECT_EQ(source_.GetBitrate(), 64);

    // An unknown size runs to the end of the file.
    ASSERT_EQ(OpenBytes(AuFile(kBig, 3, 8000, 1, Bytes(6), tonewright::kAuUnknownDataSize)), 1);
    EXPECT_EQ(source_.GetLength(), 6u);
    EXPECT_EQ(Drain(source_).samples.size(), 3u);

    // A size beyond the file is read until the file ends.
    ASSERT_EQ(OpenBytes(AuFile(kBig, 3, 8000, 1, Bytes(6), 6000)), 1);
    EXPECT_EQ(source_.GetLength(), 6000u);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples.size(), 3u);
    EXPECT_LT(source_.GetPosition(), source_.GetLength());

    source_.Close();
    EXPECT_EQ(source_.GetLength(), 0u);
    EXPECT_EQ(source_.GetChannels(), 0);
    EXPECT_EQ(source_.GetChannelMode(), tonewright::kModeUnknown);
}

TEST_F(AuSourceTest, TheDataStartsAtTheDataOffset) {
    Bytes file = AuFile(kBig, 3, 8000, 1, {'n', 'o', 't', 'e', 0x00, 0x2A});
    file[7] = 28;  // data offset: the four annotation bytes are not sound
    file[11] = 2;
    ASSERT_EQ(OpenBytes(file), 1);
    EXPECT_EQ(Drain(source_).samples, std::vector<int>{42});
    // An offset beyond the file leaves nothing to read.
    file[6] = 0x10;
    ASSERT_EQ(OpenBytes(file), 1);
    EXPECT_TRUE(Drain(source_).samples.empty());
}

class AuSourceRefusalTest : public AuSourceTest,
                            public ::testing::WithParamInterface<std::pair<const char*, Bytes>> {};

TEST_P(AuSourceRefusalTest, OpenFails) { EXPECT_EQ(OpenBytes(GetParam().second), 0); }

std::vector<std::pair<const char*, Bytes>> RefusedFiles() {
    const Bytes data(100);
    Bytes badMagic = AuFile(kBig, 3, 8000, 1, data);
    badMagic[1] = 'S';
    Bytes smallOffset = AuFile(kBig, 3, 8000, 1, data);
    smallOffset[7] = 23;
    Bytes noEncodingFound = AuFile(kBig, 99, 8000, 1, Bytes(40, 0xFF));
    std::fill(noEncodingFound.begin() + 12, noEncodingFound.begin() + 44, 0x40);
    Bytes shiftedInAShortFile = ShiftedHeaderFile();
    shiftedInAShortFile.resize(24);
    Bytes shorterThanTheHeader = AuFile(kBig, 3, 8000, 1, {});
    shorterThanTheHeader.pop_back();
    return {
        {"BadMagic", badMagic},
        {"DataOffsetBelow24", smallOffset},
        {"ShorterThanTheHeader", shorterThanTheHeader},
        {"EncodingZero", AuFile(kBig, 0, 8000, 1, data)},
        {"Encoding8", AuFile(kBig, 8, 8000, 1, data)},
        {"G722", AuFile(kBig, 24, 8000, 1, data)},
        {"NoEncodingInAShiftedHeader", noEncodingFound},
        {"ShiftedHeaderCutShort", shiftedInAShortFile},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, AuSourceRefusalTest, ::testing::ValuesIn(RefusedFiles()),
                         [](const auto& info) { return std::string(info.param.first); });

// Garbage sound data and mutated headers open or fail but always end their stream (the
// sanitizer run reports any out-of-bounds access).
TEST_F(AuSourceTest, DamagedFilesFailOrEndCleanly) {
    std::mt19937 random(5);
    Bytes noise(3000);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    for (const Bytes& file : {AuFile(kBig, 7, 44100, 2, noise), AuFile(kLittle, 4, 8000, 3, noise),
                              AuFile(kBig, 23, 8000, 1, noise), AuFile(kBig, 25, 8000, 2, noise),
                              AuFile(kLittle, 26, 8000, 5, noise)}) {
        ASSERT_EQ(OpenBytes(file), 1);
        EXPECT_TRUE(Drain(source_).ended);
        for (int round = 0; round < 40; ++round) {
            Bytes mutated = file;
            for (int n = 0; n < 3; ++n) mutated[random() % 24] = static_cast<uint8_t>(random());
            if (OpenBytes(mutated) == 0) continue;
            ASSERT_TRUE(Drain(source_, 10000).ended);
        }
    }
}

}  // namespace
