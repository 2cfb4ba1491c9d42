#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/speakerlayout.h"
#include "encoders/aac/aacencoder.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/aac/samplegatherer.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

struct AdtsFrame {
    int mpegVersion;  // 0 MPEG-4, 1 MPEG-2
    int profile;      // object type - 1
    int frequencyIndex;
    int channels;
    size_t length;
};

// Walks the file frame by frame; fails the test when a frame is not where the previous
// frame's length says.
std::vector<AdtsFrame> ReadAdtsFrames(const std::vector<uint8_t>& b) {
    std::vector<AdtsFrame> frames;
    size_t at = 0;
    while (at + 7 <= b.size()) {
        EXPECT_TRUE(b[at] == 0xFF && (b[at + 1] & 0xF6) == 0xF0) << "no sync word at " << at;
        if (b[at] != 0xFF) break;
        AdtsFrame f;
        f.mpegVersion = b[at + 1] >> 3 & 1;
        f.profile = b[at + 2] >> 6;
        f.frequencyIndex = b[at + 2] >> 2 & 0xF;
        f.channels = (b[at + 2] & 1) << 2 | b[at + 3] >> 6;
        f.length = (b[at + 3] & 3) << 11 | b[at + 4] << 3 | b[at + 5] >> 5;
        if (f.length < 7) break;
        frames.push_back(f);
        at += f.length;
    }
    EXPECT_EQ(at, b.size());
    return frames;
}

std::vector<int16_t> Noise(size_t count, unsigned seed) {
    std::vector<int16_t> samples(count);
    for (auto& s : samples) {
        seed = seed * 1103515245u + 12345u;
        s = static_cast<int16_t>((seed >> 16) % 16000 - 8000);
    }
    return samples;
}

struct EncodeResult {
    std::vector<AdtsFrame> frames;
    double kbps = 0;
    size_t decodedFrames = 0;
};

// Encodes `seconds` of noise in blocks of 1000 through the encoder as configured by `edit`.
EncodeResult Encode(int rate, int channels, double seconds, void (*edit)(AacConfiguration&)) {
    testutil::TempDir dir;
    const std::string path = dir.file("t.aac");
    const size_t total = static_cast<size_t>(rate * seconds);
    const auto left = Noise(total, 1), right = Noise(total, 2);
    {
        AacEncoder encoder;
        EXPECT_EQ(encoder.Open(path, rate, channels, 0), 1);
        if (edit) edit(*encoder.Configuration());
        EXPECT_EQ(encoder.Start(), 1);
        for (size_t at = 0; at < total; at += 1000)
            encoder.WriteSamples16(left.data() + at, right.data() + at, static_cast<int>(std::min<size_t>(1000, total - at)));
        EXPECT_EQ(encoder.Close(), 1);
    }
    EncodeResult r;
    r.frames = ReadAdtsFrames(testutil::ReadBytes(path));
    r.kbps = testutil::FileSize(path) * 8 / seconds / 1000;
    r.decodedFrames = testutil::DecodeWithFfmpeg(path).frames();
    return r;
}

}  // namespace

TEST(AacEncoderTest, WritesAdtsFramesCoveringTheWholeInput) {
    const EncodeResult r = Encode(22050, 2, 0.5, nullptr);
    ASSERT_FALSE(r.frames.empty());
    EXPECT_EQ(r.frames[0].mpegVersion, 0);
    EXPECT_EQ(r.frames[0].profile, 1);  // low complexity
    EXPECT_EQ(r.frames[0].frequencyIndex, 7);
    EXPECT_EQ(r.frames[0].channels, 2);
    // 11025 samples: the encoder's 1024-sample delay plus the input, in whole frames.
    EXPECT_EQ(r.frames.size(), (11025 + 1024 + 1023) / 1024);
    EXPECT_GE(r.decodedFrames, 11025u);
}

TEST(AacEncoderTest, HonoursMpegVersionAndBitRate) {
    const EncodeResult r = Encode(44100, 1, 1.0, [](AacConfiguration& c) {
        c.mpegVersion = 1;
        c.bitRate = 64000;
    });
    ASSERT_FALSE(r.frames.empty());
    EXPECT_EQ(r.frames[0].mpegVersion, 1);
    EXPECT_EQ(r.frames[0].channels, 1);
    EXPECT_NEAR(r.kbps, 64, 12);
}

// The preset quality 100 gives about 128 kbit/s for 44100 Hz stereo; a higher quality more.
TEST(AacEncoderTest, QualityScalesTheBitRate) {
    const double standard = Encode(44100, 2, 1.0, nullptr).kbps;
    EXPECT_GT(standard, 90);
    EXPECT_LT(standard, 180);
    const double high = Encode(44100, 2, 1.0, [](AacConfiguration& c) { c.quantqual = 200; }).kbps;
    EXPECT_GT(high, standard * 1.3);
}

TEST(AacEncoderTest, RefusesWhatAacCannotCarry) {
    testutil::TempDir dir;
    AacEncoder encoder;
    EXPECT_EQ(encoder.Open(dir.file("a.aac"), 44056, 2, 0), 0);
    EXPECT_EQ(encoder.Open(dir.file("b.aac"), 44100, 7, 0), 0);
    EXPECT_EQ(encoder.Open(dir.file("q.aac"), 44100, 4, kFrontLeft | kFrontRight | kBackLeft | kBackRight), 0);
    ASSERT_EQ(encoder.Open(dir.file("c.aac"), 44100, 2, 0), 1);
    encoder.Configuration()->shortctl = 3;
    EXPECT_EQ(encoder.Start(), 0);
    AacEncoder full;
    ASSERT_EQ(full.Open("/dev/full", 8000, 1, 0), 1);
    ASSERT_EQ(full.Start(), 1);
    const auto tone = Noise(4000, 3);
    full.WriteSamples16(tone.data(), nullptr, 4000);
    EXPECT_EQ(full.Close(), 0);
    EXPECT_FALSE(full.ErrorText().empty());
}

TEST(SampleGathererTest, HandsOnExactlyOneCallWidensEightBitsAndOrdersFrames) {
    SampleGatherer gatherer;
    std::vector<std::vector<float>> calls;
    auto consume = [&](const float* s, unsigned n) {
        calls.emplace_back(s, s + n);
        return 1;
    };
    auto scaled = [](std::vector<float> values) {
        for (float& v : values) v /= 32768.0f;
        return values;
    };
    gatherer.Reset(2, 6);
    const int16_t left[] = {1, 2, 3, 4}, right[] = {-1, -2, -3, -4};
    gatherer.Add16(left, right, 2, consume);
    EXPECT_TRUE(calls.empty());
    gatherer.Add16(left + 2, right + 2, 2, consume);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], scaled({1, -1, 2, -2, 3, -3}));
    const uint8_t eight[] = {0, 128, 255};
    gatherer.Add8(eight, eight, 1, consume);
    gatherer.Drain(consume);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], scaled({4, -4, -32768, -32768}));
    gatherer.Reset(1, 3);
    gatherer.Add8(eight, nullptr, 3, consume);
    EXPECT_EQ(calls.back(), scaled({-32768, 0, 32512}));
    gatherer.Reset(3, 6);
    const float frames[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
    gatherer.AddFrames(frames, 2, {2, 0, 1}, consume);
    EXPECT_EQ(calls.back(), (std::vector<float>{0.3f, 0.1f, 0.2f, 0.6f, 0.4f, 0.5f}));
}

TEST(AacChoicesTest, FollowTheUserSettings) {
    const struct {
        AacChoices choices;
        int channels;
        unsigned long bitRate, quantqual;
    } cases[] = {
        {{0, 100, 128, 0, 1, 0}, 2, 64000, 100},  {{0, 100, 128, 0, 1, 0}, 1, 128000, 100},
        {{1, 9, 128, 0, 1, 0}, 2, 0, 100},        {{1, 501, 128, 0, 1, 0}, 2, 0, 100},
        {{1, 10, 128, 0, 1, 0}, 2, 0, 10},        {{1, 500, 128, 0, 1, 0}, 2, 0, 500},
    };
    for (const auto& c : cases) {
        AacConfiguration config;
        ApplyAacChoices(c.choices, c.channels, config);
        EXPECT_EQ(config.bitRate, c.bitRate);
        EXPECT_EQ(config.quantqual, c.quantqual);
    }
    AacConfiguration config;
    ApplyAacChoices({1, 100, 0, 1, 0, 2}, 2, config);
    EXPECT_EQ(config.useTns, 1);
    EXPECT_EQ(config.allowMidside, 0);
    EXPECT_EQ(config.shortctl, 2);
}
