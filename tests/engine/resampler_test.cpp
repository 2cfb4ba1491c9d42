#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/conversionstage.h"
#include "engine/resampler.h"

using namespace tonewright;

namespace {

void Configure(Resampler& r, int rateIn, int chIn, int bitsIn, int rateOut, int chOut, int bitsOut) {
    r.sourceRate = rateIn;
    r.sourceChannels = chIn;
    r.sourceBits = bitsIn;
    r.targetRate = rateOut;
    r.targetChannels = chOut;
    r.targetBits = bitsOut;
    ASSERT_EQ(r.Setup(), 1);
}

const int16_t* Left16(Resampler& r) { return reinterpret_cast<const int16_t*>(r.OutputLeft()); }
const int16_t* Right16(Resampler& r) { return reinterpret_cast<const int16_t*>(r.OutputRight()); }

std::vector<int16_t> Sine(int rate, double hz, int count) {
    std::vector<int16_t> s(count);
    for (int i = 0; i < count; ++i) s[i] = static_cast<int16_t>(16000 * std::sin(2 * M_PI * hz * i / rate));
    return s;
}

// Frequency estimated from the positive-going zero crossings.
double Frequency(const std::vector<int16_t>& s, int rate) {
    int crossings = 0, first = -1, last = -1;
    for (size_t i = 1; i < s.size(); ++i) {
        if (s[i - 1] < 0 && s[i] >= 0) {
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * double(rate) / (last - first) : 0;
}

}  // namespace

TEST(ResamplerTest, EqualRatesMixStereoToMonoWithArithmeticShift) {
    Resampler r;
    Configure(r, 44100, 2, 16, 44100, 1, 16);
    const int16_t left[] = {3, 100, -32768};
    const int16_t right[] = {-4, 101, -32768};
    ASSERT_EQ(r.Convert(left, right, 3), 3);
    EXPECT_EQ(Left16(r)[0], -1);
    EXPECT_EQ(Left16(r)[1], 100);
    EXPECT_EQ(Left16(r)[2], -32768);
    EXPECT_EQ(r.OutputRight(), nullptr);
}

TEST(ResamplerTest, EqualRatesWidenMonoEightBitToBothChannels) {
    Resampler r;
    Configure(r, 8000, 1, 8, 8000, 2, 16);
    const uint8_t mono[] = {0, 128, 255};
    ASSERT_EQ(r.Convert(mono, nullptr, 3), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Left16(r)[i], (mono[i] - 128) * 256);
        EXPECT_EQ(Right16(r)[i], Left16(r)[i]);
    }
}

TEST(ResamplerTest, EqualRatesNarrowSixteenToEightBit) {
    Resampler r;
    Configure(r, 8000, 1, 16, 8000, 1, 8);
    const int16_t mono[] = {-32768, -1, 0, 32767};
    ASSERT_EQ(r.Convert(mono, nullptr, 4), 4);
    const uint8_t expected[] = {0, 127, 128, 255};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r.OutputLeft()[i], expected[i]);
}

// Rate conversion keeps the pitch and, with the held tail emitted at the end, the length.
TEST(ResamplerTest, RateChangeKeepsPitchAndLengthOverManyBlocks) {
    const struct {
        int from, to, channelsIn, channelsOut;
    } cases[] = {{44100, 22050, 2, 2}, {22050, 48000, 1, 2}, {48000, 8000, 2, 1}, {8000, 44100, 1, 1},
                 {44100, 8000, 1, 2}};  // the last: the first block gives nothing, to copy to both channels
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        Resampler r;
        Configure(r, c.from, c.channelsIn, 16, c.to, c.channelsOut, 16);
        const int total = c.from * 2;  // two seconds
        const std::vector<int16_t> input = Sine(c.from, 440.0, total);
        std::vector<int16_t> left, right;
        auto collect = [&](int made) {
            left.insert(left.end(), Left16(r), Left16(r) + made);
            if (c.channelsOut == 2) right.insert(right.end(), Right16(r), Right16(r) + made);
        };
        for (int done = 0; done < total; done += 1152) {
            const int n = std::min(1152, total - done);
            collect(r.Convert(input.data() + done, input.data() + done, n));
        }
        collect(r.Flush());
        const double expectedLength = double(total) * c.to / c.from;
        EXPECT_NEAR(double(left.size()), expectedLength, 2.0);
        EXPECT_NEAR(Frequency(left, c.to), 440.0, 1.0);
        if (c.channelsOut == 2) {
            EXPECT_EQ(left, right);
        }
    }
}

TEST(ConversionStageTest, MonoModePicksOneChannelWithoutResampling) {
    const int16_t left[] = {1, 2, 3};
    const int16_t right[] = {-1, -2, -3};
    for (int monoType : {1, 2}) {
        ConversionStage stage;
        ASSERT_EQ(stage.Setup({44100, 2, 16}, {44100, 1, 16}, monoType), 1);
        EXPECT_FALSE(stage.UsesResampler());
        uint8_t *outLeft = nullptr, *outRight = nullptr;
        ASSERT_EQ(stage.Process((uint8_t*)left, (uint8_t*)right, 3, outLeft, outRight), 3);
        EXPECT_EQ(outRight, nullptr);
        EXPECT_EQ(reinterpret_cast<int16_t*>(outLeft)[2], monoType == 1 ? 3 : -3);
    }
}

TEST(ConversionStageTest, MixingOrWideningNeedsTheResampler) {
    ConversionStage mix, widen, same;
    ASSERT_EQ(mix.Setup({44100, 2, 16}, {44100, 1, 16}, 0), 1);
    ASSERT_EQ(widen.Setup({44100, 1, 8}, {44100, 1, 16}, 0), 1);
    ASSERT_EQ(same.Setup({22050, 1, 8}, {22050, 1, 8}, 0), 1);
    EXPECT_TRUE(mix.UsesResampler());
    EXPECT_TRUE(widen.UsesResampler());
    EXPECT_FALSE(same.UsesResampler());
}

TEST(ConversionStageTest, RefusesFormatsItCannotConvert) {
    ConversionStage stage;
    EXPECT_EQ(stage.Setup({0, 2, 16}, {44100, 2, 16}, 0), 0);
}
