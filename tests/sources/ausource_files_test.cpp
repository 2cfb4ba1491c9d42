// AuSource's decode of AU files made by the sox and ffmpeg programs, compared with an
// independent decode: ffmpeg's, or sox's for what ffmpeg does not read (little-endian
// files) or does not decode by the standard (G.723 at 40 kbit/s).
#include <gtest/gtest.h>

#include <cmath>

#include "sources/aiffreference.h"
#include "sources/au/ausource.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

using aifftest::Reference;
using testutil::Quote;

const std::string kSoxStereo = "sox -n -r 22050 -c 2 ";
const std::string kSoxMono = "sox -n -r 8000 -c 1 ";
const std::string kSoxSynth = " -t au {out} synth 0.3 sine 440 sine 1000 vol 0.7";
const std::string kFfStereo =
    "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t)|0.5*sin(2*PI*1000*t):s=22050:d=0.3'";

struct FileCase {
    const char* name;
    std::string command;  // "{out}" stands for the file to make
    uint32_t encoding;    // the encoding the tool must have written
    int maxDiff;
    Reference reference = Reference::Ffmpeg;
};

class AuSourceFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(AuSourceFileTest, DecodesLikeTheReference) {
    const FileCase& c = GetParam();
    testutil::TempDir dir;
    const std::string path = dir.file(std::string(c.name) + ".au");
    std::string command = c.command;
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(command.replace(command.find("{out}"), 5, Quote(path))));
    const std::vector<uint8_t> header = testutil::ReadBytes(path);
    ASSERT_EQ(header.at(0) == '.' ? header.at(15) : header.at(12), c.encoding);

    tonewright::AuSource source;
    EXPECT_LE(aifftest::WorstDifference(source, path, c.reference), c.maxDiff);
}

INSTANTIATE_TEST_SUITE_P(
    Made, AuSourceFileTest,
    ::testing::Values(FileCase{"SoxMulaw", kSoxStereo + "-e u-law" + kSoxSynth, 1, 0},
                      FileCase{"SoxLinear8", kSoxStereo + "-e signed -b 8" + kSoxSynth, 2, 0},
                      FileCase{"SoxLinear16", kSoxMono + "-e signed -b 16" + kSoxSynth, 3, 0},
                      FileCase{"SoxLinear24", kSoxStereo + "-e signed -b 24" + kSoxSynth, 4, 0},
                      FileCase{"SoxLinear32", kSoxStereo + "-e signed -b 32" + kSoxSynth, 5, 0},
                      // ffmpeg rounds float samples where the reader truncates: one step.
                      FileCase{"SoxFloat32", kSoxStereo + "-e floating-point -b 32" + kSoxSynth, 6, 1},
                      FileCase{"SoxFloat64", kSoxMono + "-e floating-point -b 64" + kSoxSynth, 7, 1},
                      FileCase{"SoxAlaw", kSoxStereo + "-e a-law" + kSoxSynth, 27, 0},
                      FileCase{"SoxLittleEndian16", kSoxStereo + "-e signed -b 16 -L" + kSoxSynth, 3, 0, Reference::Sox},
                      FileCase{"SoxLittleEndian24", kSoxMono + "-e signed -b 24 -L" + kSoxSynth, 4, 0, Reference::Sox},
                      FileCase{"SoxLittleEndianFloat", kSoxStereo + "-e floating-point -b 64 -L" + kSoxSynth, 7, 1,
                               Reference::Sox},
                      FileCase{"FfLinear16", kFfStereo + " -c:a pcm_s16be {out}", 3, 0},
                      FileCase{"FfFloat64", kFfStereo + " -c:a pcm_f64be {out}", 7, 1},
                      // Written through a pipe: the data size is unknown.
                      FileCase{"FfStreamed", kFfStereo + " -c:a pcm_s16be -f au - | tee {out}", 3, 0}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

// G.721 and G.723 streams from ffmpeg's G.726 encoder (two tones kept clear of the 14-bit
// limit). ffmpeg tags every code width with encoding 23; the test puts the encoding of the
// width into the header. The reference is sox, whose AU reader runs the standard's published
// reference decoder; sox's 40 kbit/s decoder is one 14-bit step off on rare samples.
// ffmpeg's own G.726 decoder is a simplification of the standard; against it the decode is
// close at 24 and 32 kbit/s, and departs at 40 kbit/s, where it leaks the zero predictor
// coefficients faster than the standard.
struct G72xCase {
    const char* bitRate;
    uint8_t encoding;
    int maxDiffVsSox;
    double minSnrVsFfmpeg;  // dB; 0 when not compared
};

class AuSourceG72xTest : public ::testing::TestWithParam<G72xCase> {};

TEST_P(AuSourceG72xTest, DecodesLikeTheReferenceDecoder) {
    const G72xCase& c = GetParam();
    testutil::TempDir dir;
    const std::string path = dir.file("adpcm.au");
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(
        "ffmpeg -v error -f lavfi -i 'aevalsrc=0.3*sin(2*PI*440*t)+0.2*sin(2*PI*1200*t):s=8000:d=0.3' -c:a g726le "
        "-b:a " +
        std::string(c.bitRate) + " " + Quote(path)));
    std::vector<uint8_t> file = testutil::ReadBytes(path);
    ASSERT_EQ(file.at(15), 23);
    file[15] = c.encoding;
    testutil::WriteBytes(path, file);

    tonewright::AuSource source;
    EXPECT_LE(aifftest::WorstDifference(source, path, Reference::Sox), c.maxDiffVsSox);
    if (c.minSnrVsFfmpeg == 0) return;
    ASSERT_EQ(source.Open(path, 0), 1);
    const std::vector<int> ours = wavtest::Drain(source).samples;
    const std::vector<int> ffmpeg = aifftest::ReferenceDecode(path, false, Reference::Ffmpeg);
    ASSERT_EQ(ours.size(), ffmpeg.size());
    double signal = 0, noise = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        signal += double(ffmpeg[i]) * ffmpeg[i];
        noise += double(ours[i] - ffmpeg[i]) * (ours[i] - ffmpeg[i]);
    }
    EXPECT_GE(10 * std::log10(signal / noise), c.minSnrVsFfmpeg);
}

INSTANTIATE_TEST_SUITE_P(Rates, AuSourceG72xTest,
                         ::testing::Values(G72xCase{"24k", 25, 0, 25}, G72xCase{"32k", 23, 0, 40},
                                           G72xCase{"40k", 26, 4, 0}),
                         [](const auto& info) { return std::string("Rate") + info.param.bitRate; });

// The codes of a two-channel G.72x file alternate between the channels through one
// predictor: the left and right samples are the mono decode's even and odd ones.
TEST(AuSourceG72xStereoTest, ChannelsShareOnePredictor) {
    testutil::TempDir dir;
    const std::string mono = dir.file("mono.au"), stereo = dir.file("stereo.au");
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(
        "ffmpeg -v error -f lavfi -i 'aevalsrc=0.3*sin(2*PI*440*t):s=8000:d=0.3' -c:a g726le -b:a 32k " +
        Quote(mono)));
    std::vector<uint8_t> file = testutil::ReadBytes(mono);
    file.at(23) = 2;
    testutil::WriteBytes(stereo, file);
    tonewright::AuSource source;
    ASSERT_EQ(source.Open(mono, 0), 1);
    const std::vector<int> alone = wavtest::Drain(source).samples;
    ASSERT_EQ(source.Open(stereo, 0), 1);
    ASSERT_EQ(source.GetChannels(), 2);
    EXPECT_EQ(wavtest::Drain(source).samples, alone);
}

}  // namespace
