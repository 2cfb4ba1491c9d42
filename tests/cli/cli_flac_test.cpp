// FLAC output of tonewright-cli end to end, checked with independent readers: the ffmpeg
// program for the samples, the flac and metaflac programs for the stream, TagLib for the
// tags.
#include <gtest/gtest.h>

#include <taglib/flacfile.h>
#include <taglib/xiphcomment.h>

#include <string>
#include <vector>

#include "cli/clitest.h"
#include "cli/taggedsource.h"

using namespace testutil;

namespace {

class CliFlacTest : public ::testing::Test, protected CliFixture {
protected:
    std::string Metaflac(const std::vector<std::string>& options, const std::string& path) {
        std::vector<std::string> command = {"metaflac"};
        command.insert(command.end(), options.begin(), options.end());
        command.push_back(path);
        const auto r = testutil::Run(command);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }
};

// One source, the compression level asked for and what the stream must show.
struct LosslessCase {
    const char* label;
    int rate, channels;
    const char* soxFormat;  // the source's sample form
    double seconds;
    const char* level;      // FLACCompression, or empty for the default
    const char* blockSize;  // libFLAC's block size at that level
    int seekPoints;         // one every ten seconds
};

class CliFlacLosslessTest : public CliFlacTest, public ::testing::WithParamInterface<LosslessCase> {};

}  // namespace

// The samples come back exactly (8-bit ones widened, as the ffmpeg program widens them),
// the stream passes the flac program's test (which checks the MD5 signature), and the
// header holds 16 bits, the level's block size, the seek points and a signature.
TEST_P(CliFlacLosslessTest, DecodesToTheSourceExactly) {
    const LosslessCase& c = GetParam();
    const std::string source = dir.file("sweep.wav");
    Shell("sox -n -r " + std::to_string(c.rate) + " -c " + std::to_string(c.channels) + " " + c.soxFormat + " " +
          Quote(source) + " synth " + std::to_string(c.seconds) + " sine 100-4000 sine 3000-200 vol 0.5");
    std::vector<std::string> settings;
    if (*c.level) settings.push_back(std::string("FLACCompression=") + c.level);
    const std::string target = Convert("flac", source, settings);

    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 got = DecodeWithFfmpeg(target);
    EXPECT_EQ(got.sampleRate, c.rate);
    EXPECT_EQ(got.channels, c.channels);
    EXPECT_EQ(got.samples, expected.samples);

    const auto test = testutil::Run({"flac", "-t", "-s", target});
    EXPECT_EQ(test.exitCode, 0) << test.err;
    EXPECT_EQ(Metaflac({"--show-bps"}, target), "16\n");
    EXPECT_EQ(Metaflac({"--show-min-blocksize"}, target), std::string(c.blockSize) + "\n");
    EXPECT_NE(Metaflac({"--show-md5sum"}, target), "00000000000000000000000000000000\n");
    const std::string seekTable = Metaflac({"--list", "--block-type=SEEKTABLE"}, target);
    EXPECT_NE(seekTable.find("seek points: " + std::to_string(c.seekPoints) + "\n"), std::string::npos) << seekTable;
    EXPECT_EQ(seekTable.find("PLACEHOLDER"), std::string::npos) << seekTable;
}

INSTANTIATE_TEST_SUITE_P(
    Flac, CliFlacLosslessTest,
    ::testing::Values(LosslessCase{"StereoDefaultLevel", 44100, 2, "-b 16", 12.0, "", "4096", 2},
                      LosslessCase{"EightBitMonoFastest", 22050, 1, "-b 8", 1.0, "0", "1152", 1},
                      LosslessCase{"Stereo48kSmallest", 48000, 2, "-b 16", 1.0, "8", "4096", 1}),
    [](const ::testing::TestParamInfo<LosslessCase>& info) { return std::string(info.param.label); });

// Transfer mode gives the source's tags, template mode the template's, as Vorbis comments
// that TagLib and metaflac both read.
TEST_F(CliFlacTest, TagsAreVorbisCommentsFromTheSourceOrTheTemplate) {
    const std::string source = dir.file("tagged.flac");
    WriteTaggedFlac(source);
    const std::string copied = dir.file("copied.flac");
    Shell("cp " + Quote(source) + " " + Quote(copied));

    const std::string transferred = Convert("flac", source);
    {
        TagLib::FLAC::File file(transferred.c_str());
        ASSERT_TRUE(file.hasXiphComment());
        const auto fields = file.xiphComment()->fieldListMap();
        ExpectTaggedFlacComments(fields);
    }
    EXPECT_NE(Metaflac({"--export-tags-to=-"}, transferred).find("ARTIST=Артист\n"), std::string::npos);

    const std::string templated =
        Convert("flac", copied, {"FLACID3TagType=0", "FLACTag/Album=Албом", "FLACTag/TrackNumType=2",
                         "FLACTag/CustomTrackNum=9"});
    EXPECT_EQ(Metaflac({"--export-tags-to=-"}, templated), "TITLE=copied\nALBUM=Албом\nTRACKNUMBER=9\n");

    const std::string untagged = Convert("flac", copied, {"FLACID3TagType=2"});
    EXPECT_EQ(Metaflac({"--export-tags-to=-"}, untagged), "");
}

// Seek points are placed from the playing time the source states; an MP3 without an Info
// frame that starts quiet states more than it holds, and the points past its end must
// become placeholders rather than point at the start of the audio.
TEST_F(CliFlacTest, SeekPointsPastTheEndOfAnOverstatedSourceArePlaceholders) {
    const std::string source = dir.file("quiet-start.mp3");
    Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=3,volume=0.001 -f lavfi -i anoisesrc=d=15:a=0.5 -filter_complex " +
          Quote("[0:a][1:a]concat=n=2:v=0:a=1,aformat=channel_layouts=stereo") +
          " -c:a libmp3lame -q:a 9 -write_xing 0 " + Quote(source));
    const auto info = Cli({"--info", source});
    ASSERT_NE(info.out.find("\t00:2"), std::string::npos) << "the premise: 20 s or more stated for 18 s" << info.out;

    const std::string target = Convert("flac", source);
    const auto test = testutil::Run({"flac", "-t", "-s", target});
    EXPECT_EQ(test.exitCode, 0) << test.err;
    const std::string seekTable = Metaflac({"--list", "--block-type=SEEKTABLE"}, target);
    EXPECT_NE(seekTable.find("point 1: sample_number=4"), std::string::npos) << seekTable;
    EXPECT_NE(seekTable.find("point 2: PLACEHOLDER\n"), std::string::npos) << seekTable;
}
