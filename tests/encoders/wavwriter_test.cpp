#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "encoders/wav/wavwriter.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

}  // namespace

TEST(WavWriterTest, EmptyFileHasConsistentHeader) {
    testutil::TempDir dir;
    {
        WavWriter w;
        ASSERT_EQ(w.Open(dir.file("e.wav"), 0, 8, 8000), 1);
        EXPECT_EQ(w.WriteSamples8(nullptr, nullptr, 0), 1);
        EXPECT_EQ(w.Close(), 1);
        EXPECT_EQ(w.Close(), 1);  // closing twice does nothing further
    }
    const auto b = testutil::ReadBytes(dir.file("e.wav"));
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(b, 4), 36u);
    EXPECT_EQ(Le32(b, 40), 0u);
    EXPECT_EQ(Le32(b, 28), 8000u);  // byte rate of mono 8-bit 8000 Hz
    EXPECT_EQ(Le16(b, 32), 1u);     // block align
}

TEST(WavWriterTest, InterleavesStereoAndPatchesSizesOnDestruction) {
    testutil::TempDir dir;
    const std::string path = dir.file("s.wav");
    testutil::WriteBytes(path, std::vector<uint8_t>(1000, 0xEE));  // replaced, never appended to
    const int16_t left[] = {1, -2, 3};
    const int16_t right[] = {-1, 2, -32768};
    {
        WavWriter w;
        ASSERT_EQ(w.Open(path, 1, 16, 44100), 1);
        ASSERT_EQ(w.WriteSamples16(left, right, 3), 1);
    }
    const auto b = testutil::ReadBytes(path);
    ASSERT_EQ(b.size(), 44u + 12);
    EXPECT_EQ(Le32(b, 4), 36u + 12);
    EXPECT_EQ(Le32(b, 40), 12u);
    EXPECT_EQ(Le32(b, 28), 176400u);
    EXPECT_EQ(Le16(b, 32), 4u);
    const int16_t expected[] = {1, -1, -2, 2, 3, -32768};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(static_cast<int16_t>(Le16(b, 44 + 2 * i)), expected[i]);
}

TEST(WavWriterTest, OddDataLengthGetsThePadByteTheRiffSizeCounts) {
    testutil::TempDir dir;
    const uint8_t samples[] = {10, 20, 30};
    {
        WavWriter w;
        ASSERT_EQ(w.Open(dir.file("o.wav"), 0, 8, 8000), 1);
        ASSERT_EQ(w.WriteSamples8(samples, nullptr, 3), 1);
        ASSERT_EQ(w.Close(), 1);
    }
    const auto b = testutil::ReadBytes(dir.file("o.wav"));
    ASSERT_EQ(b.size(), 44u + 4);
    EXPECT_EQ(Le32(b, 4), 36u + 4);
    EXPECT_EQ(Le32(b, 40), 3u);
    EXPECT_EQ(b[46], 30);
    EXPECT_EQ(b[47], 0);
    EXPECT_EQ(testutil::DecodeWithFfmpegU8(dir.file("o.wav"), 1), std::vector<uint8_t>({10, 20, 30}));
}

TEST(WavWriterTest, ReportsWritesThatDoNotReachTheDisk) {
    WavWriter w;
    ASSERT_EQ(w.Open("/dev/full", 1, 16, 44100), 1);
    std::vector<int16_t> block(1152 * 200, 7);
    int writes = 1;
    for (int i = 0; i < 10 && writes; ++i) writes = w.WriteSamples16(block.data(), block.data(), 1152 * 200);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(w.Close(), 0);
    EXPECT_FALSE(w.ErrorText().empty());
}

TEST(WavWriterTest, CannotBeCreatedInAMissingFolder) {
    WavWriter w;
    EXPECT_EQ(w.Open("/nonexistent-folder/x.wav", 1, 16, 44100), 0);
}

// A WAV header's 32-bit sizes cannot describe more than 4 GiB; the writer refuses to go
// past that instead of writing a file whose header lies.
TEST(WavWriterTest, RefusesToGrowBeyondWhatTheHeaderCanDescribe) {
    WavWriter w;
    ASSERT_EQ(w.Open("/dev/null", 0, 8, 44100), 1);
    std::vector<uint8_t> block(64 << 20, 128);
    const int count = static_cast<int>(block.size());
    int accepted = 0;
    while (w.WriteSamples8(block.data(), nullptr, count)) ++accepted;
    EXPECT_EQ(accepted, 63);  // 63 blocks of 64 MiB fit, the 64th would pass 4 GiB
    EXPECT_EQ(w.Close(), 0);
    EXPECT_NE(w.ErrorText().find("4 GiB"), std::string::npos);
}
