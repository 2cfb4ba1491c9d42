// AAC and MP4-family (M4A, MP4, M4B) output of tonewright-cli end to end, checked with the
// ffprobe and ffmpeg programs and TagLib: the source's rate (or, where AAC has no such rate,
// the nearest one that keeps its band) and channels kept, the audio close to the source and
// its length kept, tags carried.
#include <gtest/gtest.h>

#include <taglib/mp4file.h>
#include <taglib/tpropertymap.h>

#include <cstdlib>

#include "cli/clitest.h"
#include "cli/streamprobe.h"

using namespace testutil;

namespace {

struct StreamCase {
    const char* label;
    const char* format;
    int rate, channels, bits;
    std::vector<std::string> settings;
    int outputRate = 0;  // 0: the source's
};

class CliAacMp4StreamTest : public ::testing::TestWithParam<StreamCase>, protected CliFixture {};

class CliAacMp4TagTest : public ::testing::Test, protected CliFixture {};

std::string Text(const TagLib::PropertyMap& tags, const char* key) { return tags[key].toString().to8Bit(true); }

}  // namespace

TEST_P(CliAacMp4StreamTest, KeepsRateChannelsLengthAndSound) {
    const StreamCase& c = GetParam();
    constexpr double kSeconds = 0.5;
    auto sweep = [&](int rate, const std::string& path) {
        Shell("sox -n -r " + std::to_string(rate) + " -c " + std::to_string(c.channels) + " -b " +
              std::to_string(c.bits) + " " + Quote(path) + " synth 0.5 sine 200-3000 sine 2500-300 vol 0.5");
    };
    const std::string source = dir.file("sweep.wav");
    sweep(c.rate, source);
    // The same sweep made at the output's rate is what the output should sound like.
    const int outputRate = c.outputRate ? c.outputRate : c.rate;
    const std::string reference = outputRate == c.rate ? source : dir.file("reference.wav");
    if (outputRate != c.rate) sweep(outputRate, reference);
    const std::string target = Convert(c.format, source, c.settings);
    auto facts = ProbeFile(target);
    const bool adts = std::string(c.format) == "aac";
    EXPECT_EQ(facts["codec_name"], "aac");
    EXPECT_EQ(facts["format.format_name"], adts ? "aac" : "mov,mp4,m4a,3gp,3g2,mj2");
    EXPECT_EQ(facts["sample_rate"], std::to_string(outputRate));
    EXPECT_EQ(facts["channels"], std::to_string(c.channels));
    if (!adts) {
        EXPECT_NEAR(std::atof(facts["format.duration"].c_str()), kSeconds, 0.001);
    }

    const Pcm16 expected = DecodeWithFfmpeg(reference), decoded = DecodeWithFfmpeg(target);
    ASSERT_EQ(decoded.channels, c.channels);
    EXPECT_GE(decoded.frames(), expected.frames());
    EXPECT_LE(decoded.frames(), expected.frames() + 2048);
    std::vector<int16_t> left(expected.frames()), got(decoded.frames());
    for (size_t i = 0; i < left.size(); ++i) left[i] = expected.samples[i * c.channels];
    for (size_t i = 0; i < got.size(); ++i) got[i] = decoded.samples[i * c.channels];
    // An MP4 track starts at the first real sample; raw AAC keeps the encoder's delay.
    EXPECT_GT(BestCorrelation(left, got, adts ? 1100 : 0), 0.95);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliAacMp4StreamTest,
    ::testing::Values(StreamCase{"AacStereo", "aac", 44100, 2, 16, {}},
                      StreamCase{"AacMonoEightBit", "aac", 22050, 1, 8,
                                 {"AutoDestAACEncodingParam=0", "AACVBR=0", "AACABRBitRate=64", "AACMpegVersion=1"}},
                      StreamCase{"M4aStereo", "m4a", 48000, 2, 16, {}},
                      StreamCase{"M4aEightBit", "m4a", 11025, 2, 8, {"AutoDestM4AEncodingParam=0", "M4AVBRQuality=200"}},
                      StreamCase{"Mp4MonoEightBit", "mp4", 32000, 1, 8, {}},
                      StreamCase{"M4bEightBit", "m4b", 16000, 1, 8, {}},
                      // Rates AAC has no sampling frequency for.
                      StreamCase{"AacHiRes192k", "aac", 192000, 2, 16, {}, 96000},
                      StreamCase{"M4aHiRes176k", "m4a", 176400, 2, 16,
                                 {"AutoDestM4AEncodingParam=0", "M4AVBR=0", "M4AABRBitRate=256"}, 88200},
                      StreamCase{"Mp4Odd37800", "mp4", 37800, 1, 16, {}, 44100},
                      // Stored choices the encoder does not know are read as the defaults.
                      StreamCase{"AacUnknownVersionAndBlockType", "aac", 44100, 2, 16,
                                 {"AutoDestAACEncodingParam=0", "AACMpegVersion=2", "AACBlockType=3"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CliAacMp4TagTest, SourceTagsReachEveryMp4Kind) {
    const std::string source = dir.file("tagged.flac");
    Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=0.3 -ac 2 -metadata " + Quote("title=Tïtle ✓") + " -metadata " +
          Quote("artist=Артист") + " -metadata album=Album -metadata date=2003 -metadata genre=Jazz" +
          " -metadata track=3/12 -metadata composer=Compo -metadata comment=Words -metadata copyright=CopyR " +
          Quote(source));
    for (const std::string format : {"m4a", "mp4", "m4b"}) {
        const std::string target = Convert(format, source, {"M4AID3TagType=1"});
        auto facts = ProbeFile(target);
        EXPECT_EQ(facts["tag:title"], "Tïtle ✓") << format;
        EXPECT_EQ(facts["tag:artist"], "Артист") << format;
        EXPECT_EQ(facts["tag:track"], "3/12") << format;  // the total is kept too
        TagLib::MP4::File file(target.c_str());
        const TagLib::PropertyMap tags = file.properties();
        EXPECT_EQ(Text(tags, "ALBUM"), "Album") << format;
        EXPECT_EQ(Text(tags, "DATE"), "2003") << format;
        EXPECT_EQ(Text(tags, "GENRE"), "Jazz") << format;
        EXPECT_EQ(Text(tags, "COMPOSER"), "Compo") << format;
        EXPECT_EQ(Text(tags, "COMMENT"), "Words") << format;
        EXPECT_EQ(Text(tags, "TRACKNUMBER"), "3/12") << format;
        EXPECT_FALSE(tags.contains("COPYRIGHT")) << format;
    }
}

TEST_F(CliAacMp4TagTest, TemplateTagsAndNoneAtAll) {
    const std::string source = dir.file("Sóng.wav");
    MakeToneWithSox(source, 22050, 1, 0.2, "");
    const std::string target = Convert("m4a", source,
                                       {"M4AID3TagType=0", "M4ATag/Artist=Ärtist", "M4ATag/Year=1999",
                                        "M4ATag/Genre=Blues", "M4ATag/TrackNumType=2", "M4ATag/CustomTrackNum=7"});
    auto facts = ProbeFile(target);
    EXPECT_EQ(facts["tag:title"], "Sóng");
    EXPECT_EQ(facts["tag:artist"], "Ärtist");
    EXPECT_EQ(facts["tag:genre"], "Blues");
    TagLib::MP4::File file(target.c_str());
    EXPECT_EQ(file.tag()->year(), 1999u);
    EXPECT_EQ(file.tag()->track(), 7u);
    TagLib::MP4::File plain(Convert("m4a", source, {"M4AID3TagType=2"}).c_str());
    EXPECT_TRUE(plain.tag()->title().isEmpty());
}
