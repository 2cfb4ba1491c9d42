// Compressed files of every family FFmpeg and vorbisfile decode, end to end through
// tonewright-cli: --info shows their properties, and -f wav gives the samples of the
// ffmpeg program's decode, of the same length.
#include <gtest/gtest.h>

#include "cli/clitest.h"
#include "sources/ffmpeg/mediafixtures.h"

using namespace testutil;

namespace {

struct DecodeCase {
    const char* kind;  // a MediaKind name
    const char* rate;  // as --info shows it
    const char* channels;
    int kbpsLow, kbpsHigh;
    // Frames by which the length may differ from the ffmpeg program's: its Ogg reader does
    // not always end a Vorbis stream at the final granule position, as libvorbisfile does.
    size_t lengthSlack;
};

class CliDecodeTest : public ::testing::TestWithParam<DecodeCase>, protected CliFixture {};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start, line.find('\n', start) - start));
    return fields;
}

}  // namespace

TEST_P(CliDecodeTest, InfoShowsThePropertiesAndWavHoldsTheSamples) {
    const DecodeCase& c = GetParam();
    const std::string source = MakeMedia(dir, MediaKindNamed(c.kind), 2.5);

    const auto info = Cli({"--info", source});
    ASSERT_EQ(info.exitCode, 0) << info.out << info.err;
    const auto fields = Fields(info.out);
    ASSERT_EQ(fields.size(), 5u) << info.out;
    EXPECT_EQ(fields[1], "00:02");
    const int kbps = std::atoi(fields[2].c_str());
    EXPECT_GE(kbps, c.kbpsLow) << fields[2];
    EXPECT_LE(kbps, c.kbpsHigh) << fields[2];
    EXPECT_EQ(fields[3], std::string(c.rate) + " Hz");
    EXPECT_EQ(fields[4], c.channels);

    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), source});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::string target = dir.file(std::string("out/") + c.kind + ".wav");
    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 got = DecodeWithFfmpeg(target);
    EXPECT_EQ(got.sampleRate, expected.sampleRate);
    ASSERT_EQ(got.channels, expected.channels);
    EXPECT_NEAR(static_cast<double>(got.frames()), static_cast<double>(expected.frames()),
                static_cast<double>(c.lengthSlack));
    const size_t common = std::min(got.samples.size(), expected.samples.size());
    EXPECT_LE(MaxAbsDiff(std::vector<int16_t>(got.samples.begin(), got.samples.begin() + common),
                         std::vector<int16_t>(expected.samples.begin(), expected.samples.begin() + common)),
              1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, CliDecodeTest,
    ::testing::Values(DecodeCase{"mp3", "44100", "J-Stereo", 126, 132, 0},
                      DecodeCase{"mp3mono22k", "22050", "Mono", 8, 64, 0},
                      DecodeCase{"vorbis", "44100", "Stereo", 64, 200, 2048},
                      DecodeCase{"flac", "44100", "Stereo", 200, 1411, 0},
                      DecodeCase{"wavpack", "44100", "Stereo", 200, 1411, 0},
                      DecodeCase{"tta", "44100", "Stereo", 200, 1411, 0},
                      DecodeCase{"speex", "16000", "Mono", 8, 48, 0},
                      DecodeCase{"wma", "44100", "Stereo", 128, 128, 0},
                      DecodeCase{"aac", "44100", "Stereo", 96, 160, 0},
                      DecodeCase{"m4a", "44100", "Stereo", 96, 160, 0},
                      DecodeCase{"alac", "44100", "Stereo", 200, 1411, 0},
                      DecodeCase{"opus", "48000", "Stereo", 80, 200, 0},
                      DecodeCase{"adx", "44100", "Stereo", 300, 450, 0},
                      DecodeCase{"mkvvideo", "44100", "Stereo", 96, 160, 0}),
    [](const auto& info) { return std::string(info.param.kind); });
