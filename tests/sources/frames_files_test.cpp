// Frame delivery of the sources over files made by the ffmpeg program from a different
// sine in each channel: the reported form, each delivered channel's tone (so the order),
// and the samples against the ffmpeg program's own decoding where the form is lossless.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "sources/aiff/aiffsource.h"
#include "sources/au/ausource.h"
#include "sources/bass/basssource.h"
#include "sources/ffmpeg/ffmpegsource.h"
#include "sources/vorbis/vorbissource.h"
#include "sources/wav/wavsource.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace testutil;

namespace {

constexpr int kSeconds = 1;
// Tones of the stored channels, in the order of FFmpeg's layouts (FL FR FC LFE BL BR).
const char* const kSixTones = "400|600|800|100|1000|1200";
const char* const kSixLayout = "FL+FR+FC+LFE+BL+BR";

struct Row {
    const char* file;
    const char* tones;   // hertz of the stored channels, '|'-separated
    const char* layout;  // FFmpeg's layout of the stored channels
    int rate;
    const char* encode;  // the ffmpeg program's output options
    std::unique_ptr<AudioSource> (*create)();
    FrameFormat expected;
    std::vector<int> hertz;  // of the delivered channels
    const char* raw;         // the ffmpeg program's raw format the frames equal ("" when lossy or reordered)
};

template <typename Source>
std::unique_ptr<AudioSource> Create() {
    return std::make_unique<Source>();
}

std::string Signal(const Row& row) {
    std::string expression;
    for (const char* tone = row.tones; *tone;) {
        const char* end = std::strchr(tone, '|');
        const std::string hertz = end ? std::string(tone, end) : std::string(tone);
        if (!expression.empty()) expression += '|';
        expression += "0.5*sin(2*PI*" + hertz + "*t)";
        tone = end ? end + 1 : tone + hertz.size();
    }
    return "aevalsrc=" + expression + ":s=" + std::to_string(row.rate) + ":c=" + row.layout +
           ":d=" + std::to_string(kSeconds);
}

// Every frame value of the source, interleaved.
std::vector<float> ReadAllFrames(AudioSource& source, int channels) {
    std::vector<float> all, block(static_cast<size_t>(kBlockSamples) * kMaxRoadChannels);
    EXPECT_TRUE(source.BeginFrames());
    int count;
    while ((count = source.ReadFrames(block.data())) > 0)
        all.insert(all.end(), block.begin(), block.begin() + static_cast<long>(count) * channels);
    EXPECT_EQ(count, 0);
    return all;
}

// The tone of one channel by its sign changes.
double Hertz(const std::vector<float>& frames, int channels, int channel, int rate) {
    int changes = 0;
    for (size_t i = channel + channels; i < frames.size(); i += channels)
        if ((frames[i] < 0) != (frames[i - channels] < 0)) ++changes;
    return changes / 2.0 / (static_cast<double>(frames.size() / channels) / rate);
}

// The frames as the ffmpeg program decodes the file to 32-bit integers (24-bit frames) or
// floats.
std::vector<float> FfmpegFrames(const std::string& path, const std::string& raw, const TempDir& dir) {
    const std::string out = dir.file("frames.raw");
    Shell("ffmpeg -v error -y -i " + Quote(path) + " -f " + raw + " " + Quote(out));
    const std::vector<uint8_t> bytes = ReadBytes(out);
    std::vector<float> frames(bytes.size() / 4);
    for (size_t i = 0; i < frames.size(); ++i) {
        int32_t integer;
        std::memcpy(&integer, &bytes[i * 4], 4);
        if (raw == "f32le") std::memcpy(&frames[i], &integer, 4);
        else frames[i] = static_cast<float>(integer >> 8) / 8388608.0f;
    }
    return frames;
}

}  // namespace

TEST(SourceFramesTest, DeliverEveryChannelInSpeakerOrderAtTheStoredWidth) {
    const uint32_t fiveOne = kFrontLeft | kFrontRight | kFrontCenter | kLowFrequency | kBackLeft | kBackRight;
    const uint32_t aiffSix = kFrontLeft | kFrontRight | kFrontCenter | kFrontLeftOfCenter | kFrontRightOfCenter |
                             kBackCenter;
    const std::vector<int> sixTones = {400, 600, 800, 100, 1000, 1200};
    const Row rows[] = {
        {"s24.wav", kSixTones, kSixLayout, 48000, "-c:a pcm_s24le", Create<WavSource>, {6, fiveOne, 24}, sixTones,
         "s32le"},
        {"f32.wav", "400|600", "stereo", 48000, "-c:a pcm_f32le", Create<WavSource>, {2, 0x3, kFloatBits},
         {400, 600}, "f32le"},
        // AIFF's six channels: left, left centre, centre, right, right centre, surround.
        {"s24.aiff", kSixTones, kSixLayout, 48000, "-c:a pcm_s24be", Create<AiffSource>, {6, aiffSix, 24},
         {400, 100, 800, 600, 1000, 1200}, ""},
        // 32-bit integers as 24 bits; AU names no speakers.
        {"s32.au", "400|600|800|1000", "quad", 48000, "-c:a pcm_s32be", Create<AuSource>, {4, 0x33, 24},
         {400, 600, 800, 1000}, "s32le"},
        {"bass.flac", kSixTones, kSixLayout, 96000, "-c:a flac -sample_fmt s32", Create<BassSource>,
         {6, fiveOne, 24}, sixTones, "s32le"},
        {"ffmpeg.flac", kSixTones, kSixLayout, 96000, "-c:a flac -sample_fmt s32", Create<FfmpegSource>,
         {6, fiveOne, 24}, sixTones, "s32le"},
        {"six.ogg", kSixTones, kSixLayout, 48000, "-c:a libvorbis", Create<VorbisSource>, {6, fiveOne, 16}, sixTones,
         ""},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const std::string path = dir.file(row.file);
        Shell("ffmpeg -v error -y -f lavfi -i " + Quote(Signal(row)) + " " + row.encode + " " + Quote(path));
        const std::unique_ptr<AudioSource> source = row.create();
        ASSERT_EQ(source->Open(path, 0), 1);
        const FrameFormat format = source->GetFrameFormat();
        EXPECT_EQ(format.channels, row.expected.channels);
        EXPECT_EQ(format.mask, row.expected.mask);
        EXPECT_EQ(format.bits, row.expected.bits);
        const std::vector<float> frames = ReadAllFrames(*source, format.channels);
        ASSERT_EQ(frames.size(), static_cast<size_t>(row.rate) * kSeconds * row.hertz.size());
        for (size_t c = 0; c < row.hertz.size(); ++c)
            EXPECT_NEAR(Hertz(frames, format.channels, static_cast<int>(c), row.rate), row.hertz[c], 4) << c;
        if (*row.raw) {
            EXPECT_EQ(frames, FfmpegFrames(path, row.raw, dir));
        }
    }
}
