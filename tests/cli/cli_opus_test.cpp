// Opus output of tonewright-cli end to end, checked with independent readers: the opusdec
// program (which decodes at the stream's original rate) and the ffmpeg program (which decodes
// at 48000 Hz) for the samples, the opusinfo program for the stream and its header, TagLib
// for the tags.
#include <gtest/gtest.h>

#include <taglib/opusfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cli/clitest.h"
#include "cli/taggedsource.h"

using namespace testutil;

namespace {

class CliOpusTest : public ::testing::Test, protected CliFixture {
protected:
    // What opusinfo tells of the stream; a stream it finds fault with fails the test.
    std::string OpusInfo(const std::string& path) {
        const auto r = testutil::Run({"opusinfo", path});
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        EXPECT_EQ(r.out.find("WARNING"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("ERROR"), std::string::npos) << r.out;
        return r.out;
    }

    // The samples as opusdec decodes them, at the stream's original rate.
    Pcm16 DecodeWithOpusdec(const std::string& path) {
        const std::string wav = dir.file("opusdec.wav");
        const auto r = testutil::Run({"opusdec", "--quiet", path, wav});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return DecodeWithFfmpeg(wav);
    }
};

// Signal to error in dB over the whole file, sample against sample: no shift is allowed, so
// a wrong pre-skip (one sample is enough) shows as a low ratio.
double AlignedSnrDb(const std::vector<int16_t>& reference, const std::vector<int16_t>& decoded) {
    double signal = 0, error = 0;
    for (size_t i = 0; i < reference.size() && i < decoded.size(); ++i) {
        const double d = double(decoded[i]) - reference[i];
        signal += double(reference[i]) * reference[i];
        error += d * d;
    }
    return 10 * std::log10(signal / std::max(error, 1.0));
}

// One source and the settings it is converted with.
struct LengthCase {
    const char* label;
    int rate, channels;
    double seconds;  // whole 48 kHz samples at every rate here, so ffmpeg's count is exact too
    std::vector<std::string> settings;
    int constantKbps;  // the bit rate opusinfo must find with constant bit rate, else 0
};

class CliOpusLengthTest : public CliOpusTest, public ::testing::WithParamInterface<LengthCase> {};

}  // namespace

// libopusenc resamples to 48000 Hz and back is the decoders' business: opusdec gives the
// source's samples at its rate, exactly as many and in place; ffmpeg gives the same length
// at 48000 Hz; the header keeps the source's rate and channels.
TEST_P(CliOpusLengthTest, DecodesToTheSourcesExactLengthInPlace) {
    const LengthCase& c = GetParam();
    const std::string source = dir.file("sweep.wav");
    Shell("sox -n -r " + std::to_string(c.rate) + " -c " + std::to_string(c.channels) + " -b 16 " + Quote(source) +
          " synth " + std::to_string(c.seconds) + " sine 100-4000 sine 3000-200 vol 0.5");
    const std::string target = Convert("opus", source, c.settings);
    const Pcm16 expected = DecodeWithFfmpeg(source);
    ASSERT_EQ(expected.frames(), static_cast<size_t>(std::lround(c.seconds * c.rate)));

    const Pcm16 opusdec = DecodeWithOpusdec(target);
    EXPECT_EQ(opusdec.sampleRate, c.rate);
    EXPECT_EQ(opusdec.channels, c.channels);
    EXPECT_EQ(opusdec.frames(), expected.frames());
    EXPECT_GT(AlignedSnrDb(expected.samples, opusdec.samples), 20);  // one sample off gives 15 dB at most

    const Pcm16 ffmpeg = DecodeWithFfmpeg(target);
    EXPECT_EQ(ffmpeg.sampleRate, 48000);
    EXPECT_EQ(ffmpeg.frames(), static_cast<size_t>(std::lround(c.seconds * 48000)));

    const std::string info = OpusInfo(target);
    EXPECT_NE(info.find("Original sample rate: " + std::to_string(c.rate) + " Hz\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Channels: " + std::to_string(c.channels) + "\n"), std::string::npos) << info;
    if (c.constantKbps) {
        const auto at = info.find("w/o overhead: ");
        ASSERT_NE(at, std::string::npos) << info;
        EXPECT_NEAR(std::stod(info.substr(at + 14)), c.constantKbps, 1.0) << info;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Opus, CliOpusLengthTest,
    ::testing::Values(LengthCase{"Stereo44k", 44100, 2, 3.0, {}, 0},
                      LengthCase{"Stereo48k", 48000, 2, 2.0, {}, 0},
                      LengthCase{"Mono48kConstant64", 48000, 1, 1.5, {"OpusMode=2", "OpusBitRate=64"}, 64},
                      LengthCase{"Mono22kConstrainedFastest", 22050, 1, 2.0,
                                 {"OpusMode=1", "OpusComplexity=0", "OpusBitRate=48"}, 0}),
    [](const ::testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.label); });

// Transfer mode gives the source's tags, template mode the template's, as the stream's
// Vorbis comments that TagLib and opusinfo both read.
TEST_F(CliOpusTest, TagsAreVorbisCommentsFromTheSourceOrTheTemplate) {
    const std::string source = dir.file("tagged.flac");
    WriteTaggedFlac(source);
    const std::string copied = dir.file("copied.flac");
    Shell("cp " + Quote(source) + " " + Quote(copied));

    const std::string transferred = Convert("opus", source);
    {
        TagLib::Ogg::Opus::File file(transferred.c_str());
        ASSERT_TRUE(file.isValid());
        EXPECT_EQ(file.audioProperties()->inputSampleRate(), 44100);
        const auto fields = file.tag()->fieldListMap();
        ExpectTaggedFlacComments(fields);
    }
    EXPECT_NE(OpusInfo(transferred).find("\tARTIST=Артист\n"), std::string::npos);

    const std::string templated =
        Convert("opus", copied, {"OpusID3TagType=0", "OpusTag/Album=Албом", "OpusTag/TrackNumType=2",
                         "OpusTag/CustomTrackNum=9"});
    {
        TagLib::Ogg::Opus::File file(templated.c_str());
        ASSERT_TRUE(file.isValid());
        const auto fields = file.tag()->fieldListMap();
        EXPECT_EQ(fields.size(), 3u);
        EXPECT_EQ(fields["TITLE"].toString().to8Bit(true), "copied");
        EXPECT_EQ(fields["ALBUM"].toString().to8Bit(true), "Албом");
        EXPECT_EQ(fields["TRACKNUMBER"].toString().to8Bit(true), "9");
    }
    EXPECT_NE(OpusInfo(templated).find("\tALBUM=Албом\n"), std::string::npos);

    const std::string untagged = Convert("opus", copied, {"OpusID3TagType=2"});
    TagLib::Ogg::Opus::File file(untagged.c_str());
    ASSERT_TRUE(file.isValid());
    EXPECT_TRUE(file.tag()->fieldListMap().isEmpty());
}
