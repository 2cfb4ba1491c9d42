// FfmpegDecoder over files made by the ffmpeg program: the samples equal the program's
// own decode, the length is exact where the container states it, and 8-bit, wide and
// surround streams come out as promised.
#include "sources/ffmpeg/ffmpegdecoder.h"

#include <gtest/gtest.h>

#include "sources/ffmpeg/mediafixtures.h"

using namespace testutil;
using tonewright::FfmpegDecoder;

namespace {

template <typename Sample>
std::vector<Sample> DecodeAll(FfmpegDecoder& decoder) {
    std::vector<Sample> all;
    std::vector<Sample> chunk(1000 * static_cast<size_t>(decoder.Channels()));
    int frames;
    while ((frames = decoder.Read(chunk.data(), 1000)) > 0)
        all.insert(all.end(), chunk.begin(), chunk.begin() + static_cast<long>(frames) * decoder.Channels());
    EXPECT_EQ(frames, 0);
    return all;
}

class FfmpegDecoderKinds : public ::testing::TestWithParam<MediaKind> {
protected:
    TempDir dir;
};

}  // namespace

TEST_P(FfmpegDecoderKinds, MatchesTheFfmpegProgram) {
    const std::string path = MakeMedia(dir, GetParam());
    const Pcm16 expected = DecodeWithFfmpeg(path);
    FfmpegDecoder decoder;
    ASSERT_TRUE(decoder.Open(path));
    EXPECT_EQ(decoder.Channels(), expected.channels);
    EXPECT_EQ(decoder.SampleRate(), expected.sampleRate);
    EXPECT_EQ(decoder.BitsPerSample(), 16);
    EXPECT_EQ(decoder.FileSize(), static_cast<int64_t>(FileSize(path)));

    const std::vector<int16_t> got = DecodeAll<int16_t>(decoder);
    ASSERT_EQ(got.size(), expected.samples.size());
    EXPECT_EQ(MaxAbsDiff(got, expected.samples), 0);
    if (GetParam().exactLength)
        EXPECT_EQ(decoder.TotalFrames(), static_cast<int64_t>(expected.frames()));
    else
        EXPECT_NEAR(decoder.TotalFrames(), static_cast<double>(expected.frames()), expected.sampleRate / 10.0);
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, FfmpegDecoderKinds, ::testing::ValuesIn(MediaKinds()),
                         [](const auto& info) { return MediaKindName(info.param); });

TEST(FfmpegDecoder, DeliversEightBitPcmAsUnsignedBytes) {
    TempDir dir;
    MakeToneWithSox(dir.file("u8.wav"), 22050, 2, 0.5, "-b 8 -e unsigned");
    FfmpegDecoder decoder;
    ASSERT_TRUE(decoder.Open(dir.file("u8.wav")));
    EXPECT_EQ(decoder.BitsPerSample(), 8);
    EXPECT_EQ(DecodeAll<uint8_t>(decoder), DecodeWithFfmpegU8(dir.file("u8.wav"), 2));
}

TEST(FfmpegDecoder, ConvertsDoubleAndWideIntegerSamples) {
    TempDir dir;
    MakeToneWithSox(dir.file("tone.wav"), 48000, 2, 0.2, "-b 24");
    for (const char* codec : {"pcm_f64le", "pcm_s32le", "pcm_f32le"}) {
        SCOPED_TRACE(codec);
        const std::string path = dir.file(std::string(codec) + ".wav");
        Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -c:a " + codec + " " + Quote(path));
        FfmpegDecoder decoder;
        ASSERT_TRUE(decoder.Open(path));
        EXPECT_EQ(MaxAbsDiff(DecodeAll<int16_t>(decoder), DecodeWithFfmpeg(path).samples), 0);
    }
}

TEST(FfmpegDecoder, KeepsEverySurroundChannelOrMixesThemDownOnRequest) {
    TempDir dir;
    const std::string path = dir.file("surround.flac");
    MakeToneWithSox(dir.file("tone.wav"), 48000, 2, 0.3, "");
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) +
          " -af \"pan=5.1|FL=c0|FR=c1|FC=0.5*c0|LFE=0.2*c1|BL=0.3*c0|BR=0.3*c1\" -c:a flac " + Quote(path));
    FfmpegDecoder decoder;
    ASSERT_TRUE(decoder.Open(path));
    EXPECT_EQ(decoder.Channels(), 6);
    EXPECT_EQ(MaxAbsDiff(DecodeAll<int16_t>(decoder), DecodeWithFfmpeg(path).samples), 0);

    ASSERT_TRUE(decoder.Open(path, tonewright::DecodedForm::kStereoSamples));
    EXPECT_EQ(decoder.Channels(), 2);
    EXPECT_EQ(decoder.StoredChannels(), 6);
    EXPECT_EQ(MaxAbsDiff(DecodeAll<int16_t>(decoder), DecodeWithFfmpeg(path, 2).samples), 0);
}

TEST(FfmpegDecoder, RefusesFilesWithoutAudio) {
    TempDir dir;
    Shell("ffmpeg -v error -f lavfi -i testsrc=size=64x48:rate=10 -t 0.5 -c:v mpeg4 " + Quote(dir.file("video.mp4")));
    WriteBytes(dir.file("text.mp3"), std::vector<uint8_t>(4000, 'x'));
    FfmpegDecoder decoder;
    EXPECT_FALSE(decoder.Open(dir.file("video.mp4")));
    EXPECT_FALSE(decoder.Open(dir.file("text.mp3")));
    EXPECT_FALSE(decoder.Open(dir.file("missing.flac")));
    EXPECT_EQ(decoder.Format(), nullptr);
    EXPECT_EQ(decoder.Read(nullptr, 10), 0);
}
