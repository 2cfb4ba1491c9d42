// Mp3Encoder on its own: the file layout around the frames, the encoder's clamps and the
// failures it reports.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "encoders/mp3/mp3encoder.h"
#include "encoders/mp3frames.h"
#include "support/testutil.h"

using namespace testutil;
using tonewright::Mp3Encoder;

namespace {

struct Mp3Setup {
    int channels = 2;
    int mode = -1;
    int rate = 44100;
    int bitrate = 128;
};

// Half a second of a 440 Hz sine on both channels.
void EncodeTone(Mp3Encoder& encoder, int rate) {
    std::vector<int16_t> block(1152);
    for (int done = 0; done < rate / 2; done += 1152) {
        for (size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * (done + i) / rate));
        ASSERT_EQ(encoder.WriteSamples16(block.data(), block.data(), 1152), 1);
    }
}

class Mp3EncoderTest : public ::testing::Test {
protected:
    TempDir dir;

    std::vector<uint8_t> Encode(const Mp3Setup& setup, const std::vector<uint8_t>& id3v2 = {},
                                const std::vector<uint8_t>& id3v1 = {}) {
        const std::string path = dir.file("out.mp3");
        Mp3Encoder encoder;
        EXPECT_EQ(encoder.Open(path), 1);
        if (!id3v2.empty()) encoder.SetId3v2Tag(id3v2.data(), static_cast<uint32_t>(id3v2.size()));
        if (!id3v1.empty()) encoder.SetId3v1Tag(id3v1.data());
        encoder.SetInSampleRate(setup.rate);
        encoder.SetChannels(setup.channels);
        if (setup.mode >= 0) encoder.SetMode(setup.mode);
        encoder.SetOutSampleRate(setup.rate);
        encoder.SetBitrate(setup.bitrate);
        EXPECT_EQ(encoder.Start(), 1);
        EncodeTone(encoder, setup.rate);
        EXPECT_EQ(encoder.Close(), 1);
        return ReadBytes(path);
    }
};

}  // namespace

TEST_F(Mp3EncoderTest, TagBlocksFramePlainConstantBitRateAudio) {
    std::vector<uint8_t> id3v2 = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 5, 1, 2, 3, 4, 5};
    std::vector<uint8_t> id3v1(128, 'v');
    std::memcpy(id3v1.data(), "TAG", 3);
    const auto bytes = Encode({}, id3v2, id3v1);

    ASSERT_GT(bytes.size(), id3v2.size() + id3v1.size());
    EXPECT_TRUE(std::equal(id3v2.begin(), id3v2.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(id3v1.begin(), id3v1.end(), bytes.end() - 128));
    // Every frame between the blocks is an audio frame at the one bit rate.
    size_t offset = id3v2.size(), frames = 0;
    while (offset < bytes.size() - 128) {
        const Mp3Frame frame = ReadMp3Frame(bytes, offset);
        ASSERT_EQ(frame.sampleRate, 44100) << "at " << offset;
        EXPECT_EQ(frame.bitrateKbps, 128);
        EXPECT_FALSE(frame.isInfoFrame);
        offset += frame.length;
        ++frames;
    }
    EXPECT_EQ(offset, bytes.size() - 128);
    EXPECT_GE(frames, 19u);  // half a second is 19.1 frames of 1152 samples
}

TEST_F(Mp3EncoderTest, ClampsChannelsModeAndBitRate) {
    struct Case {
        Mp3Setup setup;
        int expectedMode;
        int expectedKbps;
    };
    const Case cases[] = {
        {{6, -1, 44100, 128}, -1, 128},  // 6 channels are 2: not mono
        {{0, -1, 44100, 128}, 3, 128},   // 0 channels are 1
        {{2, 2, 44100, 128}, 0, 128},    // dual channel becomes stereo
        {{2, 4, 44100, 128}, 0, 128},    // "as the source" becomes stereo
        {{2, 1, 44100, 128}, 1, 128},
        {{2, 3, 44100, 128}, 3, 128},
        {{2, 0, 44100, 400}, 0, 320},
        {{1, 3, 8000, 4}, 3, 8},
    };
    for (const Case& c : cases) {
        const Mp3Frame frame = ReadMp3Frame(Encode(c.setup), 0);
        EXPECT_EQ(frame.bitrateKbps, c.expectedKbps) << c.setup.channels << "/" << c.setup.mode;
        if (c.expectedMode >= 0) EXPECT_EQ(frame.mode, c.expectedMode) << c.setup.channels << "/" << c.setup.mode;
        else EXPECT_NE(frame.mode, 3) << c.setup.channels;
    }
}

TEST_F(Mp3EncoderTest, AFullDiskFailsTheFile) {
    Mp3Encoder encoder;
    ASSERT_EQ(encoder.Open("/dev/full"), 1);
    encoder.SetInSampleRate(44100);
    ASSERT_EQ(encoder.Start(), 1);
    EncodeTone(encoder, 44100);
    EXPECT_EQ(encoder.Close(), 0);
    EXPECT_EQ(encoder.ErrorText(), "No space left on device");
}

TEST_F(Mp3EncoderTest, CloseIsHarmlessWhenNothingIsOpen) {
    Mp3Encoder never;
    EXPECT_EQ(never.Close(), 1);
    EXPECT_EQ(never.Close(), 1);
    Mp3Encoder unwritable;
    EXPECT_EQ(unwritable.Open(dir.file("no/such/folder/x.mp3")), 0);
    EXPECT_EQ(unwritable.Close(), 0);
}
