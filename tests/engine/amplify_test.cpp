#include <gtest/gtest.h>

#include "engine/amplify.h"

using namespace tonewright;

TEST(AmplifyTest, SixteenBitTruncatesAndClipsSymmetrically) {
    int16_t left[] = {-20000, 20000, 3, -3, -32768};
    int16_t right[] = {1000, 1000, 1000, 1000, 1000};
    AmplifySamples16(left, right, 2, 2, 2.0f);
    EXPECT_EQ(left[0], -32767);
    EXPECT_EQ(left[1], 32767);
    EXPECT_EQ(right[0], 2000);
    AmplifySamples16(left + 2, nullptr, 3, 1, 0.5f);
    EXPECT_EQ(left[2], 1);
    EXPECT_EQ(left[3], -1);
    EXPECT_EQ(left[4], -16384);
}

TEST(AmplifyTest, EightBitWorksAroundTheSilenceValue) {
    uint8_t left[] = {0, 255, 128, 130};
    uint8_t right[] = {0, 0, 0, 0};
    AmplifySamples8(left, right, 4, 1, 2.0f);  // mono: the right buffer stays as it was
    EXPECT_EQ(left[0], 0);
    EXPECT_EQ(left[1], 255);
    EXPECT_EQ(left[2], 128);
    EXPECT_EQ(left[3], 132);
    EXPECT_EQ(right[0], 0);
}

TEST(AmplifyTest, GainIsOffUnlessFlagSetAndCoefficientNotHundred) {
    EXPECT_EQ(GainFromSettings(0, 200), 0.0f);
    EXPECT_EQ(GainFromSettings(1, 100), 0.0f);
    EXPECT_FLOAT_EQ(GainFromSettings(1, 250), 2.5f);
}
