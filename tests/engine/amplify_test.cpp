#include <gtest/gtest.h>

#include "engine/amplify.h"

using namespace tonewright;

TEST(AmplifyTest, SixteenBitTruncatesAndClipsSymmetrically) {
    int16_t left[] = {-20000, 20000, 3, -3, -32768};
    int16_t right[] = {1000, 1000, 1000, 1000, 1000};
    AmplifySamples16(left, right, 2, 2, 200);
    EXPECT_EQ(left[0], -32767);
    EXPECT_EQ(left[1], 32767);
    EXPECT_EQ(right[0], 2000);
    AmplifySamples16(left + 2, nullptr, 3, 1, 50);
    EXPECT_EQ(left[2], 1);
    EXPECT_EQ(left[3], -1);
    EXPECT_EQ(left[4], -16384);
}

// Every coefficient the pages allow gives the exact product when it is whole: a float gain
// of coefficient × 0.01 came out one step low for hundreds of them (20 % of 100 gave 19).
TEST(AmplifyTest, WholeProductsComeOutWholeForEveryCoefficient) {
    for (int percent = 10; percent <= 3000; ++percent) {
        int16_t samples[] = {100, -100, 20000, 7};
        AmplifySamples16(samples, nullptr, 4, 1, percent);
        EXPECT_EQ(samples[0], std::min(100 * percent / 100, 32767)) << percent;
        EXPECT_EQ(samples[1], std::max(-100 * percent / 100, -32767)) << percent;
        EXPECT_EQ(samples[2], std::min(20000 * percent / 100, 32767)) << percent;
        EXPECT_EQ(samples[3], 7 * percent / 100) << percent;
    }
}

TEST(AmplifyTest, EightBitWorksAroundTheSilenceValue) {
    uint8_t left[] = {0, 255, 128, 130};
    uint8_t right[] = {0, 0, 0, 0};
    AmplifySamples8(left, right, 4, 1, 200);  // mono: the right buffer stays as it was
    EXPECT_EQ(left[0], 0);
    EXPECT_EQ(left[1], 255);
    EXPECT_EQ(left[2], 128);
    EXPECT_EQ(left[3], 132);
    EXPECT_EQ(right[0], 0);
}

TEST(AmplifyTest, GainIsOffUnlessFlagSetAndCoefficientNotHundred) {
    EXPECT_EQ(GainFromSettings(0, 200), std::nullopt);
    EXPECT_EQ(GainFromSettings(1, 100), std::nullopt);
    EXPECT_EQ(GainFromSettings(1, 250), 250);
    // A coefficient of 0 (the AAC, M4A and AMR coefficients are stored unclamped) silences.
    ASSERT_EQ(GainFromSettings(1, 0), 0);
    int16_t loud[] = {32767, -32767};
    uint8_t loud8[] = {255, 0};
    AmplifySamples16(loud, nullptr, 2, 1, 0);
    AmplifySamples8(loud8, nullptr, 2, 1, 0);
    EXPECT_EQ(loud[0], 0);
    EXPECT_EQ(loud[1], 0);
    EXPECT_EQ(loud8[0], 128);
    EXPECT_EQ(loud8[1], 128);
}
