// AIFF, AIFF-C and AU files made by sox and ffmpeg, converted to WAV by tonewright-cli and
// compared with the ffmpeg program's decode of the same source.
#include <gtest/gtest.h>

#include "cli/clitest.h"

using namespace testutil;

namespace {

struct SourceKind {
    const char* name;
    const char* extension;
    const char* ffmpegArgs;  // codec and container options of the source made with ffmpeg
    int maxDifference;       // per sample, in 16-bit steps (1: rounding of the lower bits)
};

class CliAiffAuTest : public ::testing::TestWithParam<SourceKind>, protected CliFixture {};

}  // namespace

TEST_P(CliAiffAuTest, MatchesAnIndependentDecoder) {
    const SourceKind& kind = GetParam();
    MakeToneWithSox(dir.file("tone.wav"), 22050, 2, 0.5, "-b 24");
    const std::string name = std::string(kind.name) + "." + kind.extension;
    const std::string source = dir.file(name);
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " " + kind.ffmpegArgs + " " + Quote(source));

    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), source});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.out, source + "\t" + kind.name + ".wav\n");
    const Pcm16 expected = DecodeWithFfmpeg(source, 0);
    const Pcm16 got = DecodeWithFfmpeg(dir.file(std::string("out/") + kind.name + ".wav"), 0);
    EXPECT_EQ(got.sampleRate, expected.sampleRate);
    ASSERT_EQ(got.channels, expected.channels);
    ASSERT_EQ(got.frames(), expected.frames());
    EXPECT_LE(MaxAbsDiff(got.samples, expected.samples), kind.maxDifference);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, CliAiffAuTest,
    ::testing::Values(SourceKind{"aiff16", "aiff", "-c:a pcm_s16be", 0},
                      SourceKind{"aiff24", "aiff", "-c:a pcm_s24be", 1},
                      SourceKind{"aifcSowt", "aifc", "-c:a pcm_s16le", 0},
                      SourceKind{"aifcFloat", "aifc", "-c:a pcm_f32be", 1},
                      SourceKind{"aifcUlaw", "aifc", "-c:a pcm_mulaw", 0},
                      SourceKind{"aifcIma4", "aifc", "-c:a adpcm_ima_qt", 0},
                      SourceKind{"au16", "au", "-c:a pcm_s16be", 0},
                      SourceKind{"auAlaw", "au", "-c:a pcm_alaw", 0},
                      SourceKind{"auFloat64Mono", "au", "-ac 1 -c:a pcm_f64be", 1}),
    [](const ::testing::TestParamInfo<SourceKind>& info) { return std::string(info.param.name); });
