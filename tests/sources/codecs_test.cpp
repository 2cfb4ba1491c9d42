// The shared sample decoders where the WAV tests do not reach: every G.711 code, the IMA
// step rounding, and Microsoft ADPCM at its limits.
#include <gtest/gtest.h>

#include "sources/codecs/g711.h"
#include "sources/codecs/imaadpcm.h"
#include "sources/codecs/msadpcm.h"
#include "support/testutil.h"

namespace {

using namespace tonewright;

class G711CodecTest : public ::testing::TestWithParam<std::pair<const char*, int16_t (*)(uint8_t)>> {};

TEST_P(G711CodecTest, EveryCodeExpandsLikeFfmpeg) {
    testutil::TempDir dir;
    std::vector<uint8_t> codes(256);
    for (int i = 0; i < 256; ++i) codes[i] = static_cast<uint8_t>(i);
    testutil::WriteBytes(dir.file("codes.raw"), codes);
    testutil::Shell("ffmpeg -v error -f " + std::string(GetParam().first) + " -ar 8000 -ac 1 -i " +
                    testutil::Quote(dir.file("codes.raw")) + " -f s16le " + testutil::Quote(dir.file("linear.raw")));
    const std::vector<uint8_t> linear = testutil::ReadBytes(dir.file("linear.raw"));
    ASSERT_EQ(linear.size(), 512u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(GetParam().second(static_cast<uint8_t>(i)), int16_t(linear[2 * i] | linear[2 * i + 1] << 8)) << i;
}

INSTANTIATE_TEST_SUITE_P(Laws, G711CodecTest,
                         ::testing::Values(std::make_pair("alaw", ExpandAlaw), std::make_pair("mulaw", ExpandMulaw)),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(ImaAdpcmCodecTest, StepAddsTheStepFractionsBitByBit) {
    ImaAdpcmChannel channel;
    channel.Start(0, 0);
    EXPECT_EQ(channel.Expand(0x7), 11);   // step 7: 0 + 1 + 3 + 7 (a one-step rounding gives 13)
    EXPECT_EQ(channel.Expand(0xF), -19);  // step 16: -(2 + 4 + 8 + 16)
    EXPECT_EQ(channel.Expand(0x0), -15);  // step 34: 34 / 8
    channel.Start(32767, 200);            // an index above 88 counts as 88
    EXPECT_EQ(channel.Expand(0x7), 32767);
    EXPECT_EQ(channel.Expand(0xF), 32767 - (4095 + 8191 + 16383 + 32767));
}

// Full-scale codes through a long block from the largest delta: the predictor saturates
// and delta stays bounded (the sanitizer run reports any overflow).
TEST(MsAdpcmCodecTest, ExtremeCodesSaturate) {
    const auto decoder = CreateMsAdpcmDecoder(2, 4096, 4084, {{256, 0}, {512, -256}});
    ASSERT_NE(decoder, nullptr);
    std::vector<uint8_t> block(4096, 0x77);
    block[0] = block[1] = 1;  // predictor 2 * sample1 - sample2
    block[4] = block[5] = 0;  // right delta 0; left delta 0x7777
    std::vector<int16_t> samples(4084 * 2);
    ASSERT_TRUE(decoder->DecodeBlock(block.data(), samples.data()));
    EXPECT_EQ(samples.end()[-2], 32767);
    EXPECT_EQ(samples.end()[-1], 32767);
}

}  // namespace
