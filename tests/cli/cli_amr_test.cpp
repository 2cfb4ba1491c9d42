// AMR and AWB output of tonewright-cli end to end, checked with the ffprobe and ffmpeg
// programs: always mono, 8000 Hz narrowband or 16000 Hz wideband, whatever the source.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/clitest.h"
#include "cli/streamprobe.h"

using namespace testutil;

namespace {

struct AmrCase {
    const char* label;
    const char* format;
    std::vector<std::string> settings;
    int sourceRate, sourceChannels, sourceBits;
    const char* codec;
    int rate;
};

class CliAmrTest : public ::testing::TestWithParam<AmrCase>, protected CliFixture {};

}  // namespace

TEST_P(CliAmrTest, WritesMonoSpeechAtTheCodecRate) {
    const AmrCase& c = GetParam();
    const std::string source = dir.file("sweep.wav");
    Shell("sox -n -r " + std::to_string(c.sourceRate) + " -c " + std::to_string(c.sourceChannels) + " -b " +
          std::to_string(c.sourceBits) + " " + Quote(source) + " synth 0.5 sine 200-1500 vol 0.5");
    std::vector<std::string> args = {"-q", "-f", c.format, "-o", dir.file("out")};
    for (const auto& s : c.settings) args.insert(args.end(), {"--set", s});
    args.push_back(source);
    const auto r = Cli(args);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::string target = dir.file(std::string("out/sweep.") + c.format);
    auto facts = ProbeFile(target);
    EXPECT_EQ(facts["codec_name"], c.codec);
    EXPECT_EQ(facts["format.format_name"], "amr");
    EXPECT_EQ(facts["sample_rate"], std::to_string(c.rate));
    EXPECT_EQ(facts["channels"], "1");
    EXPECT_NEAR(std::atof(facts["format.duration"].c_str()), 0.5, 0.03);

    const std::string reference = dir.file("reference.wav");
    Shell("sox " + Quote(source) + " -b 16 -c 1 " + Quote(reference) + " rate " + std::to_string(c.rate) +
          " remix -");
    const Pcm16 expected = DecodeWithFfmpeg(reference, 1), decoded = DecodeWithFfmpeg(target, 1);
    EXPECT_GT(BestCorrelation(expected.samples, decoded.samples, c.rate / 50), 0.8);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliAmrTest,
    ::testing::Values(AmrCase{"NarrowbandFromStereo", "amr", {}, 44100, 2, 16, "amr_nb", 8000},
                      AmrCase{"NarrowbandLowMode", "amr", {"AMRMode=0", "AMRDTX=1"}, 22050, 1, 16, "amr_nb", 8000},
                      AmrCase{"WidebandByType", "amr", {"AMRType=1", "AMRWBMode=8"}, 48000, 2, 16, "amr_wb", 16000},
                      AmrCase{"AwbFromEightBit", "awb", {"AWBMode=2"}, 11025, 1, 8, "amr_wb", 16000},
                      AmrCase{"AmrFromEightBit", "amr", {}, 8000, 2, 8, "amr_nb", 8000}),
    [](const auto& info) { return std::string(info.param.label); });
