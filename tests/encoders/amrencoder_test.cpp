#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "encoders/amr/amrencoder.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

constexpr size_t kNarrowbandMagic = 6, kWidebandMagic = 9;
constexpr size_t kFrameBytes122 = 32;   // narrowband 12.2 kbit/s: header byte + 244 bits
constexpr size_t kFrameBytes102 = 27;   // narrowband 10.2 kbit/s (mode 6)
constexpr size_t kFrameBytes1985 = 51;  // wideband 19.85 kbit/s (mode 6)

std::vector<int16_t> Tone(int count, int rate) {
    std::vector<int16_t> samples(count);
    for (int i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
    return samples;
}

}  // namespace

// 400 samples give two whole frames and keep 80, which Close pads to a third frame.
TEST(AmrEncoderTest, NarrowbandCutsFramesAndPadsTheLastOne) {
    testutil::TempDir dir;
    const std::string path = dir.file("n.amr");
    AmrEncoder encoder;
    encoder.SetNarrowband(path, 1);
    encoder.SetNarrowbandMode(7);
    ASSERT_EQ(encoder.Open(path), 1);
    const auto tone = Tone(400, 8000);
    EXPECT_EQ(encoder.WriteSamples16(tone.data(), 400), 1);
    EXPECT_EQ(testutil::FileSize(path), 0u);  // still buffered
    EXPECT_EQ(encoder.Close(), 1);
    const auto bytes = testutil::ReadBytes(path);
    ASSERT_EQ(bytes.size(), kNarrowbandMagic + 3 * kFrameBytes122);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + kNarrowbandMagic), "#!AMR\n");
    EXPECT_EQ(bytes[kNarrowbandMagic], 7 << 3 | 4);  // frame type 7, quality bit set
    EXPECT_EQ(testutil::DecodeWithFfmpeg(path).frames(), 480u);
}

// Blocks of 100 to a wideband encoder: the fourth block completes the first frame and
// leaves 80 samples, which Close pads. SetNarrowband resets a mode set before it.
TEST(AmrEncoderTest, WidebandGathersSmallBlocks) {
    testutil::TempDir dir;
    const std::string path = dir.file("w.awb");
    AmrEncoder encoder;
    encoder.SetWidebandMode(0);
    encoder.SetNarrowband(path, 0);
    ASSERT_EQ(encoder.Open(path), 1);
    const auto tone = Tone(400, 16000);
    for (int block = 0; block < 4; ++block) encoder.WriteSamples16(tone.data() + 100 * block, 100);
    EXPECT_EQ(encoder.Close(), 1);
    const auto bytes = testutil::ReadBytes(path);
    ASSERT_EQ(bytes.size(), kWidebandMagic + 2 * kFrameBytes1985);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + kWidebandMagic), "#!AMR-WB\n");
    const auto decoded = testutil::DecodeWithFfmpeg(path);
    EXPECT_EQ(decoded.sampleRate, 16000);
    EXPECT_EQ(decoded.frames(), 640u);
}

// An exact multiple of the frame size leaves nothing to pad; mode 6 is the default.
TEST(AmrEncoderTest, ExactFramesNeedNoPadding) {
    testutil::TempDir dir;
    const std::string path = dir.file("x.amr");
    AmrEncoder encoder;
    encoder.SetNarrowband(path, 1);
    ASSERT_EQ(encoder.Open(path), 1);
    const auto tone = Tone(320, 8000);
    encoder.WriteSamples16(tone.data(), 320);
    EXPECT_EQ(encoder.Close(), 1);
    EXPECT_EQ(testutil::FileSize(path), kNarrowbandMagic + 2 * kFrameBytes102);
}

TEST(AmrEncoderTest, ReportsFailures) {
    AmrEncoder unopened;
    EXPECT_EQ(unopened.Open("/dev/null"), 0);  // no codec chosen yet
    AmrEncoder missing;
    missing.SetNarrowband("", 1);
    EXPECT_EQ(missing.Open("/nonexistent-folder/x.amr"), 0);
    AmrEncoder full;
    full.SetNarrowband("", 0);
    ASSERT_EQ(full.Open("/dev/full"), 1);
    const auto tone = Tone(640, 16000);
    full.WriteSamples16(tone.data(), 640);
    EXPECT_EQ(full.Close(), 0);
    EXPECT_FALSE(full.ErrorText().empty());
}
