// AiffSource on small files built byte by byte: sample conversions, the chunk walk, the
// channel mapping, the reported measures, and the files it refuses or survives.
#include "sources/aiff/aiffsource.h"

#include <gtest/gtest.h>

#include <random>

#include "sources/aifftestutil.h"
#include "sources/codecs/extendedfloat.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

using namespace aifftest;
using tonewright::kBlockSamples;
using wavtest::Drain;
using wavtest::Drained;

Bytes Be16(std::initializer_list<int> values) {
    Bytes bytes;
    for (int v : values) PutBe(bytes, static_cast<uint16_t>(v), 2);
    return bytes;
}

Bytes SimpleAiff(uint16_t channels, uint16_t bits, const Bytes& data) {
    return Form("AIFF", {Comm(channels, 1, bits, 8000), Ssnd(data)});
}

Bytes SimpleAifc(const std::string& type, uint16_t channels, uint16_t bits, const Bytes& data) {
    return Form("AIFC", {CommC(channels, 1, bits, 8000, type), Ssnd(data)});
}

class AiffSourceTest : public ::testing::Test {
protected:
    int OpenBytes(const Bytes& bytes) {
        testutil::WriteBytes(path_, bytes);
        return source_.Open(path_, 0);
    }

    testutil::TempDir dir_;
    const std::string path_ = dir_.file("input.aiff");
    tonewright::AiffSource source_;
};

struct Conversion {
    const char* name;
    Bytes file;
    std::vector<int> delivered;  // interleaved over the delivered channels
};

class AiffSourceConversionTest : public AiffSourceTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(AiffSourceConversionTest, DeliversTheConvertedSamples) {
    ASSERT_EQ(OpenBytes(GetParam().file), 1);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples, GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, AiffSourceConversionTest,
    ::testing::Values(
        Conversion{"Signed8IsDeliveredUnsigned", SimpleAiff(1, 8, {0x80, 0x00, 0x7F}), {0, 128, 255}},
        Conversion{"Pcm16BigEndianStereo", SimpleAiff(2, 16, Be16({1, -1, -32768, 32767})), {1, -1, -32768, 32767}},
        Conversion{"Pcm12InTwoBytes", SimpleAiff(1, 12, Be16({0x7FF0})), {0x7FF0}},
        Conversion{"Pcm24TopBytes", SimpleAiff(1, 24, {0xFF, 0x80, 0x00, 0x12, 0x34, 0x56}), {-128, 0x1234}},
        Conversion{"Pcm32TopBits", SimpleAiff(1, 32, {0x7F, 0xFF, 0xFF, 0xFF, 0x80, 0, 0, 1}), {32767, -32768}},
        Conversion{"SowtInLowerCase", SimpleAifc("sowt", 1, 16, {0x34, 0x12}), {0x1234}},
        Conversion{"Sowt24", SimpleAifc("SOWT", 1, 24, {0x00, 0x80, 0xFF}), {-128}},
        Conversion{"Twos", SimpleAifc("twos", 1, 16, {0x12, 0x34}), {0x1234}},
        Conversion{"In32", SimpleAifc("in32", 1, 32, {0x80, 0, 0, 0}), {-32768}},
        Conversion{"Float32", SimpleAifc("fl32", 1, 32, {0x3F, 0x80, 0, 0, 0xBF, 0, 0, 0}), {32767, -16384}},
        Conversion{"Float64", SimpleAifc("FL64", 1, 64, {0x3F, 0xE0, 0, 0, 0, 0, 0, 0}), {16383}},
        Conversion{"Mulaw", SimpleAifc("ulaw", 1, 16, {0xFF, 0x00}), {0, -32124}},
        Conversion{"Alaw", SimpleAifc("alaw", 1, 16, {0xD5, 0x2A}), {8, -32256}},
        Conversion{"RawIsOffsetBinary", SimpleAifc("raw ", 1, 8, {0x00, 0x80, 0xFF}), {0, 128, 255}},
        // SSND before COMM, an odd-sized unknown chunk with its pad byte, an SSND offset.
        Conversion{"ChunksInAnyOrder",
                   Form("AIFF", {Ssnd(Be16({0x0102}), 3), Chunk("NAME", {'x'}), Comm(1, 1, 16, 8000)}),
                   {0x0102}},
        // An AIFF-C COMM chunk with a compression name (24 bytes and more) is read whole.
        Conversion{"AifcCommWithName",
                   Form("AIFC", {CommC(1, 1, 16, 8000, "NONE", "not compressed"), Ssnd(Be16({7}))}),
                   {7}}),
    [](const ::testing::TestParamInfo<Conversion>& info) { return info.param.name; });

}  // namespace

namespace {

// One IMA4 packet: the 16-bit header (predictor in the upper 9 bits, step index in the low
// 7), then 32 bytes of codes, low nibble first.
Bytes Ima4Packet(uint16_t header, std::initializer_list<uint8_t> codeBytes) {
    Bytes packet;
    PutBe(packet, header, 2);
    packet.insert(packet.end(), codeBytes);
    packet.resize(34, 0x00);
    return packet;
}

TEST_F(AiffSourceTest, Ima4PacketsOfEachChannelInTurn) {
    // Left: from 256 at step index 0, codes 7, 0, 15, 0: +11 (step 7), +2 (step 16), -25
    // (step 14), +3 (step 31), then zeros; it ends at 270, step index 0. Right: from -512
    // (header bits below 0x80 are the step index) at index 0, code 8: -(7 / 8) = -0.
    auto block = [](uint16_t leftHeader) {
        Bytes group = Ima4Packet(leftHeader, {0x07, 0x0F});
        const Bytes right = Ima4Packet(0xFE00, {0x08});
        group.insert(group.end(), right.begin(), right.end());
        return group;
    };
    Bytes data;
    // The second group's header agrees with the state (same step index, 270 within the 7
    // bits the header cannot hold), so decoding runs on; the third's does not: it restarts.
    for (uint16_t leftHeader : {0x0100, 0x0100, 0x4000}) {
        const Bytes group = block(leftHeader);
        data.insert(data.end(), group.begin(), group.end());
    }
    data.resize(data.size() + 67);  // a packet group cut short at the end is dropped
    ASSERT_EQ(OpenBytes(SimpleAifc("ima4", 2, 16, data)), 1);
    EXPECT_EQ(source_.GetBitsPerSample(), 16);
    const Drained drained = Drain(source_);
    ASSERT_EQ(drained.samples.size(), 3u * 2 * 64);
    EXPECT_EQ(std::vector<int>(drained.samples.begin(), drained.samples.begin() + 8),
              (std::vector<int>{267, -512, 269, -512, 244, -512, 247, -512}));
    EXPECT_EQ(drained.samples[126], 270);
    EXPECT_EQ(drained.samples[128], 281);
    EXPECT_EQ(drained.samples[256], 0x4000 + 11);
    EXPECT_EQ(drained.samples[257], -512);
}

TEST_F(AiffSourceTest, SixChannelsDeliverTheFirstAndTheFourth) {
    const int frames = kBlockSamples + 10;
    Bytes data;
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < 6; ++c) PutBe(data, c * 1000 + f % 500, 2);
    ASSERT_EQ(OpenBytes(SimpleAiff(6, 16, data)), 1);
    EXPECT_EQ(source_.GetSourceChannels(), 6);
    ASSERT_EQ(source_.GetChannels(), 2);
    int16_t left[kBlockSamples], right[kBlockSamples];
    ASSERT_EQ(source_.ReadBlock(left, right), kBlockSamples);
    for (int i = 0; i < kBlockSamples; ++i) ASSERT_TRUE(left[i] == i % 500 && right[i] == 3000 + i % 500) << i;
    ASSERT_EQ(source_.ReadBlock(left, right), 10);
    EXPECT_EQ(right[9], 3000 + (frames - 1) % 500);
}

TEST_F(AiffSourceTest, ThreeAndFourChannelsDeliverTheFirstTwo) {
    for (uint16_t count : {3, 4}) {
        Bytes data;
        for (int c = 0; c < count; ++c) PutBe(data, 100 + c, 2);
        ASSERT_EQ(OpenBytes(SimpleAiff(count, 16, data)), 1);
        EXPECT_EQ(Drain(source_).samples, (std::vector<int>{100, 101}));
    }
}

TEST_F(AiffSourceTest, MeasuresFollowTheCommChunkAndTheFile) {
    // 2.5 s of 16-bit stereo at 8 kHz: 20000 frames.
    const Bytes file = Form("AIFF", {Comm(2, 20000, 16, 8000), Ssnd(Bytes(80000))});
    ASSERT_EQ(OpenBytes(file), 1);
    EXPECT_EQ(source_.GetLength(), file.size());
    EXPECT_EQ(source_.GetPosition(), file.size() - 80000);
    EXPECT_EQ(source_.GetSampleRate(), 8000);
    EXPECT_EQ(source_.GetDuration(), 2);
    EXPECT_EQ(source_.GetBitrate(), static_cast<int>(file.size() / 250));
    Drain(source_);
    EXPECT_EQ(source_.GetPosition(), source_.GetLength());

    // A frame count of 0 counts as one frame: no duration; the bit rate of the format.
    ASSERT_EQ(OpenBytes(Form("AIFF", {Comm(2, 0, 16, 8000), Ssnd(Bytes(80000))})), 1);
    EXPECT_EQ(source_.GetDuration(), 0);
    EXPECT_EQ(source_.GetBitrate(), 256);
    // IMA4 and GSM durations come from the data size: 250 stereo packet groups of 64 frames,
    // 300 GSM frames of 160 samples.
    ASSERT_EQ(OpenBytes(Form("AIFC", {CommC(2, 1, 16, 8000, "ima4"), Ssnd(Bytes(250 * 68))})), 1);
    EXPECT_EQ(source_.GetDuration(), 2);
    ASSERT_EQ(OpenBytes(Form("AIFC", {CommC(1, 1, 16, 8000, "GSM "), Ssnd(Bytes(300 * 33))})), 1);
    EXPECT_EQ(source_.GetDuration(), 6);

    source_.Close();
    EXPECT_EQ(source_.GetLength(), 0u);
    EXPECT_EQ(source_.GetSampleRate(), 0);
    EXPECT_EQ(source_.GetChannelMode(), tonewright::kModeUnknown);
}

TEST_F(AiffSourceTest, AnSsndChunkBeyondTheFileIsReadUntilTheFileEnds) {
    Bytes file = SimpleAiff(1, 16, Bytes(6000));
    file.resize(file.size() - 2000);
    ASSERT_EQ(OpenBytes(file), 1);
    const Drained drained = Drain(source_);
    EXPECT_TRUE(drained.ended);
    EXPECT_EQ(drained.samples.size(), 2000u);
}

// A COMM chunk is read field by field and the rest stepped over, whatever its size.
TEST_F(AiffSourceTest, AHugeAifcCommChunkIsSteppedOver) {
    Bytes comm = CommC(1, 1, 16, 8000, "NONE");
    const uint32_t size = 20u << 20;
    comm[4] = size >> 24;
    comm[5] = (size >> 16) & 0xFF;
    comm[6] = (size >> 8) & 0xFF;
    comm[7] = size & 0xFF;
    comm.resize(8 + size, 0);
    ASSERT_EQ(OpenBytes(Form("AIFC", {comm, Ssnd(Be16({42}))})), 1);
    EXPECT_EQ(Drain(source_).samples, std::vector<int>{42});
}

TEST(ExtendedFloatTest, TruncatesToAnInteger) {
    const std::pair<Bytes, int64_t> cases[] = {
        {Extended(44100), 44100},
        {Extended(22050.75), 22050},
        {Extended(0.5), 0},
        {Extended(-8000), -8000},
        {Bytes(10, 0), 0},
        {Extended(1e30), INT64_MAX},
        {Bytes{0x7F, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, INT64_MAX},   // exponent all ones
        {Bytes{0xFF, 0xFF, 0xC0, 0, 0, 0, 0, 0, 0, 0}, INT64_MIN},  // a negative NaN
        {Bytes{0x40, 0x0D, 0x56, 0x22, 0, 0, 0, 0, 0, 0}, 11025},  // unnormalized: 0x5622 × 2^(14 − 15)
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(tonewright::TruncateExtendedFloat(bytes.data()), expected);
}

class AiffSourceRefusalTest : public AiffSourceTest,
                              public ::testing::WithParamInterface<std::pair<const char*, Bytes>> {};

TEST_P(AiffSourceRefusalTest, OpenFails) { EXPECT_EQ(OpenBytes(GetParam().second), 0); }

std::vector<std::pair<const char*, Bytes>> RefusedFiles() {
    const Bytes ssnd = Ssnd(Bytes(1000));
    Bytes comm20 = Comm(1, 1, 16, 8000);
    comm20[7] = 20;
    comm20.insert(comm20.end(), {0, 0});
    Bytes aifcComm20 = CommC(1, 1, 16, 8000, "NONE");
    aifcComm20[7] = 20;
    Bytes ssndOffsetPastChunk = Ssnd(Bytes(8));
    ssndOffsetPastChunk[11] = 9;
    const Bytes ssndTooSmall = Chunk("SSND", {0, 0, 0, 0});
    Bytes dataBeyondTheFile = Ssnd(Bytes(8), 0);
    dataBeyondTheFile[4] = 0x7F;  // the chunk claims 2 GiB
    dataBeyondTheFile[11] = 0x80;  // and its data starts 128 bytes in
    auto aifc = [&](const std::string& type, uint16_t channels, uint16_t bits) {
        return Form("AIFC", {CommC(channels, 1, bits, 8000, type), ssnd});
    };
    return {
        {"NotForm", Chunk("RIFF", {'A', 'I', 'F', 'F'})},
        {"NotAiff", Form("8SVX", {Comm(1, 1, 16, 8000), ssnd})},
        {"NoSsnd", Form("AIFF", {Comm(1, 1, 16, 8000)})},
        {"NoComm", Form("AIFF", {ssnd})},
        {"AiffComm20Bytes", Form("AIFF", {comm20, ssnd})},
        {"AifcCommWithoutType", Form("AIFC", {aifcComm20, ssnd})},
        {"SsndOffsetPastTheChunk", Form("AIFF", {Comm(1, 1, 16, 8000), ssndOffsetPastChunk})},
        {"SsndTooSmall", Form("AIFF", {Comm(1, 1, 16, 8000), ssndTooSmall})},
        {"SoundDataBeyondTheFile", Form("AIFF", {Comm(1, 1, 16, 8000), dataBeyondTheFile})},
        {"FiveChannels", Form("AIFF", {Comm(5, 1, 16, 8000), ssnd})},
        {"NoChannels", Form("AIFF", {Comm(0, 1, 16, 8000), ssnd})},
        {"SampleRateZero", Form("AIFF", {Comm(1, 1, 16, 0), ssnd})},
        {"SampleRateBelowOne", Form("AIFF", {Comm(1, 1, 16, 0.5), ssnd})},
        {"SampleRateNegative", Form("AIFF", {Comm(1, 1, 16, -44100), ssnd})},
        {"SampleRateBeyondInt", Form("AIFF", {Comm(1, 1, 16, 3e9), ssnd})},
        {"PcmZeroBits", Form("AIFF", {Comm(1, 1, 0, 8000), ssnd})},
        {"Pcm33Bits", Form("AIFF", {Comm(1, 1, 33, 8000), ssnd})},
        {"UnknownType", aifc("MAC3", 1, 8)},
        {"Dwvw7Bits", aifc("DWVW", 1, 7)},
        {"Dwvw25Bits", aifc("DWVW", 1, 25)},
        {"GsmThreeChannels", aifc("GSM ", 3, 16)},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, AiffSourceRefusalTest, ::testing::ValuesIn(RefusedFiles()),
                         [](const auto& info) { return std::string(info.param.first); });

// Every cut inside the header fails; garbage sound data and mutated headers open or fail
// but always end their stream (the sanitizer run reports any out-of-bounds access).
TEST_F(AiffSourceTest, DamagedFilesFailOrEndCleanly) {
    std::mt19937 random(11);
    Bytes noise(3000);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    for (const Bytes& file :
         {SimpleAiff(2, 24, noise), SimpleAiff(6, 8, noise), SimpleAifc("fl64", 3, 64, noise),
          SimpleAifc("ima4", 6, 16, noise), SimpleAifc("GSM ", 2, 16, noise), SimpleAifc("dwvw", 2, 13, noise),
          SimpleAifc("ulaw", 4, 16, noise)}) {
        const size_t headerBytes = file.size() - noise.size();
        for (size_t cut = 0; cut < headerBytes; ++cut) ASSERT_EQ(OpenBytes(Bytes(file.begin(), file.begin() + cut)), 0);
        ASSERT_EQ(OpenBytes(file), 1);
        EXPECT_TRUE(Drain(source_).ended);
        for (int round = 0; round < 25; ++round) {
            Bytes mutated = file;
            for (int n = 0; n < 3; ++n) mutated[random() % headerBytes] = static_cast<uint8_t>(random());
            if (OpenBytes(mutated) == 0) continue;
            ASSERT_TRUE(Drain(source_, 10000).ended);
        }
    }
}

}  // namespace
