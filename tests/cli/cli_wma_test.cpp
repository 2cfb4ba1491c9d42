// WMA output of tonewright-cli end to end, checked with the ffprobe and ffmpeg programs
// and TagLib: the codec format chosen from the list, the sound kept, the tags carried.
#include <gtest/gtest.h>

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/tpropertymap.h>

#include <cmath>
#include <cstdlib>

#include "cli/clitest.h"
#include "cli/streamprobe.h"

using namespace testutil;

namespace {

class CliWmaTest : public CliFixture {
public:
    std::string Convert(const std::string& source, const std::vector<std::string>& settings = {}) {
        std::vector<std::string> args = {"-q", "-f", "wma", "-o", dir.file("out"), "--if-exists", "overwrite"};
        for (const auto& s : settings) args.insert(args.end(), {"--set", s});
        args.push_back(source);
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        const std::string name = source.substr(source.rfind('/') + 1);
        return dir.file("out/" + name.substr(0, name.rfind('.')) + ".wma");
    }
};

struct WmaCase {
    const char* label;
    int sourceRate, sourceChannels, sourceBits;
    std::vector<std::string> settings;
    int rate, channels, bitRate;
    const char* remix;  // how sox makes the reference's channels from the source's
    const char* sound = "sine 200-2000 sine 1500-300 vol 0.5";
};

double Rms(const std::vector<int16_t>& samples) {
    double sum = 0;
    for (const int16_t s : samples) sum += static_cast<double>(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

class CliWmaStreamTest : public ::testing::TestWithParam<WmaCase>, protected CliWmaTest {};

class CliWmaTagTest : public ::testing::Test, protected CliWmaTest {};

std::string Text(const TagLib::PropertyMap& tags, const char* key) { return tags[key].toString().to8Bit(true); }

}  // namespace

TEST_P(CliWmaStreamTest, EncodesTheChosenFormat) {
    const WmaCase& c = GetParam();
    const std::string source = dir.file("sweep.wav");
    Shell("sox -n -r " + std::to_string(c.sourceRate) + " -c " + std::to_string(c.sourceChannels) + " -b " +
          std::to_string(c.sourceBits) + " " + Quote(source) + " synth 0.5 " + c.sound);
    const std::string target = Convert(source, c.settings);
    auto facts = ProbeFile(target);
    EXPECT_EQ(facts["codec_name"], "wmav2");
    EXPECT_EQ(facts["format.format_name"], "asf");
    EXPECT_EQ(facts["sample_rate"], std::to_string(c.rate));
    EXPECT_EQ(facts["channels"], std::to_string(c.channels));
    // The whole sound, with the encoder's delay and the last frame's rounding after it.
    const double duration = std::atof(facts["format.duration"].c_str());
    EXPECT_GE(duration, 0.5);
    EXPECT_LE(duration, 0.65);
    EXPECT_EQ(facts["bit_rate"], std::to_string(c.bitRate));

    const std::string reference = dir.file("reference.wav");
    Shell("sox " + Quote(source) + " -b 16 " + Quote(reference) + " rate " + std::to_string(c.rate) + " " + c.remix);
    const Pcm16 expected = DecodeWithFfmpeg(reference, 1), decoded = DecodeWithFfmpeg(target, 1);
    EXPECT_GT(BestCorrelation(expected.samples, decoded.samples, 2500), 0.9);
    // Channels are mixed and spread at the level of every other format: no clipping of a
    // loud centred mix, no 3 dB loss of a mono source spread to stereo.
    EXPECT_NEAR(Rms(decoded.samples) / Rms(expected.samples), 1.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliWmaStreamTest,
    ::testing::Values(WmaCase{"AutomaticStereo", 44100, 2, 16, {}, 44100, 2, 128000, "remix -"},
                      WmaCase{"AutomaticMonoEightBit", 11025, 1, 8, {}, 22050, 1, 24000, "remix -"},
                      WmaCase{"AutomaticHighRate", 48000, 2, 8, {}, 48000, 2, 192000, "remix -"},
                      WmaCase{"ManualRightChannel", 44100, 2, 16,
                              {"AutoDestWMAEncodingParam=0", "WMASampleRate=32000", "WMABitRate=64000",
                               "WMAChannels=1", "MonoType=2"},
                              32000, 1, 64000, "remix 2"},
                      WmaCase{"ManualMixOfLoudCentredSound", 44100, 2, 16,
                              {"AutoDestWMAEncodingParam=0", "WMASampleRate=32000", "WMABitRate=64000",
                               "WMAChannels=1", "MonoType=0"},
                              32000, 1, 64000, "remix 1v0.5,2v0.5", "sine 300 vol 0.9"},
                      WmaCase{"ManualMonoSpreadToStereo", 22050, 1, 16,
                              {"AutoDestWMAEncodingParam=0", "WMASampleRate=44100", "WMABitRate=128000",
                               "WMAChannels=2"},
                              44100, 2, 128000, "remix 1 1"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CliWmaTagTest, SourceAndTemplateTags) {
    const std::string source = dir.file("tagged.flac");
    Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=0.3 -ac 2 -metadata " + Quote("title=Tïtle ✓") + " -metadata " +
          Quote("artist=Артист") + " -metadata album=Album -metadata date=2003 -metadata genre=Jazz" +
          " -metadata track=3/12 -metadata composer=Compo -metadata comment=Words -metadata copyright=CopyR " +
          Quote(source));
    const std::string target = Convert(source, {"WMAID3TagType=1"});
    auto facts = ProbeFile(target);
    EXPECT_EQ(facts["tag:title"], "Tïtle ✓");
    EXPECT_EQ(facts["tag:artist"], "Артист");
    EXPECT_EQ(facts["tag:copyright"], "CopyR");
    EXPECT_EQ(facts["tag:comment"], "Words");
    TagLib::ASF::File file(target.c_str());
    ASSERT_TRUE(file.isValid());
    // Title, artist, comment and copyright sit in the content description, and nowhere else.
    EXPECT_EQ(file.tag()->title().to8Bit(true), "Tïtle ✓");
    EXPECT_EQ(file.tag()->comment().to8Bit(true), "Words");
    EXPECT_EQ(file.tag()->copyright().to8Bit(true), "CopyR");
    for (const auto& [name, attributes] : file.tag()->attributeListMap()) {
        EXPECT_EQ(attributes.size(), 1u) << name.to8Bit(true);
        for (const char* described : {"TITLE", "AUTHOR", "DESCRIPTION", "COMMENT", "COPYRIGHT"})
            EXPECT_NE(name.upper(), described);
    }
    ASSERT_TRUE(file.tag()->contains("WM/TrackNumber"));
    EXPECT_EQ(file.tag()->attribute("WM/TrackNumber").front().type(), TagLib::ASF::Attribute::DWordType);
    const TagLib::PropertyMap tags = file.properties();
    EXPECT_EQ(Text(tags, "ALBUM"), "Album");
    EXPECT_EQ(Text(tags, "ALBUMARTIST"), "Артист");
    EXPECT_EQ(Text(tags, "DATE"), "2003");
    EXPECT_EQ(Text(tags, "GENRE"), "Jazz");
    EXPECT_EQ(Text(tags, "COMPOSER"), "Compo");
    EXPECT_EQ(Text(tags, "TRACKNUMBER"), "3");

    const std::string plain = dir.file("Sóng.wav");
    MakeToneWithSox(plain, 22050, 1, 0.2, "");
    TagLib::ASF::File templated(
        Convert(plain, {"WMAID3TagType=0", "WMATag/Artist=Ärtist", "WMATag/TrackNumType=2", "WMATag/CustomTrackNum=7"})
            .c_str());
    EXPECT_EQ(templated.tag()->title().to8Bit(true), "Sóng");
    EXPECT_EQ(templated.tag()->artist().to8Bit(true), "Ärtist");
    EXPECT_EQ(templated.tag()->track(), 7u);
}
