// AiffSource's decode of AIFF and AIFF-C files made by the ffmpeg and sox programs (and, for
// GSM and DWVW, which neither writes into AIFF-C, wrapped or coded by the test), compared
// with an independent decode: ffmpeg's, or libsndfile's through sox for DWVW, which ffmpeg
// does not decode.
#include <gtest/gtest.h>

#include "sources/aiff/aiffsource.h"
#include "sources/aiffreference.h"
#include "sources/aifftestutil.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

using namespace aifftest;
using testutil::Quote;

// Two different tones, so swapped channels show. "{out}" stands for the file to make.
const std::string kFfStereo =
    "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t)|0.5*sin(2*PI*1000*t):s=22050:d=0.3'";
const std::string kFfMono = "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t):s=8000:d=0.3'";
const std::string kFfSix =
    "ffmpeg -v error -f lavfi -i "
    "'aevalsrc=0.7*sin(2*PI*440*t)|0.1|0.2|0.5*sin(2*PI*1000*t)|0.3|0.4:s=22050:d=0.3'";
const std::string kSoxStereo = "sox -n -r 22050 -c 2 ";
const std::string kSoxMono = "sox -n -r 8000 -c 1 ";
const std::string kSoxSynth = " {out} synth 0.3 sine 440 sine 1000 vol 0.7";

struct FileCase {
    const char* name;
    std::string command;
    const char* compression;  // the type the tool must have written ("" for plain AIFF)
    int maxDiff;              // largest sample difference allowed against ffmpeg's decode
    size_t right = 1;         // the stored channel delivered as right
};

class AiffSourceFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(AiffSourceFileTest, DecodesLikeFfmpeg) {
    const FileCase& c = GetParam();
    testutil::TempDir dir;
    const std::string path = dir.file(std::string(c.name) + ".aif");
    std::string command = c.command;
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(command.replace(command.find("{out}"), 5, Quote(path))));
    // Guards against a tool writing another kind than the case is about.
    const std::vector<uint8_t> bytes = testutil::ReadBytes(path);
    const std::string all(bytes.begin(), bytes.end());
    ASSERT_EQ(all.substr(8, 4), *c.compression ? "AIFC" : "AIFF");
    if (*c.compression) {
        ASSERT_NE(all.find(c.compression), std::string::npos);
    }

    tonewright::AiffSource source;
    EXPECT_LE(WorstDifference(source, path, Reference::Ffmpeg, 0, c.right), c.maxDiff);
}

INSTANTIATE_TEST_SUITE_P(
    Made, AiffSourceFileTest,
    ::testing::Values(FileCase{"FfS8", kFfStereo + " -c:a pcm_s8 {out}", "", 0},
                      FileCase{"FfS16", kFfStereo + " -c:a pcm_s16be {out}", "", 0},
                      FileCase{"FfS24", kFfStereo + " -c:a pcm_s24be {out}", "", 0},
                      FileCase{"FfS32", kFfStereo + " -c:a pcm_s32be {out}", "", 0},
                      FileCase{"FfSowt", kFfStereo + " -c:a pcm_s16le {out}", "sowt", 0},
                      FileCase{"FfRaw", kFfStereo + " -c:a pcm_u8 {out}", "raw ", 0},
                      // ffmpeg rounds float samples where the reader truncates: one step.
                      FileCase{"FfFloat32", kFfStereo + " -c:a pcm_f32be {out}", "fl32", 1},
                      FileCase{"FfFloat64", kFfStereo + " -c:a pcm_f64be {out}", "fl64", 1},
                      FileCase{"FfAlaw", kFfStereo + " -c:a pcm_alaw {out}", "alaw", 0},
                      FileCase{"FfMulawMono", kFfMono + " -c:a pcm_mulaw {out}", "ulaw", 0},
                      FileCase{"FfIma4Stereo", kFfStereo + " -c:a adpcm_ima_qt {out}", "ima4", 0},
                      FileCase{"FfIma4Mono", kFfMono + " -c:a adpcm_ima_qt {out}", "ima4", 0},
                      FileCase{"FfSixChannels", kFfSix + " -c:a pcm_s16be {out}", "", 0, 3},
                      FileCase{"SoxS8", kSoxStereo + "-b 8 -t aiff" + kSoxSynth, "", 0},
                      FileCase{"SoxS24Mono", kSoxMono + "-b 24 -t aiff" + kSoxSynth, "", 0},
                      FileCase{"SoxS32", kSoxStereo + "-b 32 -t aiff" + kSoxSynth, "", 0},
                      FileCase{"SoxAifcNone", kSoxStereo + "-b 16 -t aifc" + kSoxSynth, "NONE", 0},
                      FileCase{"SoxFloat32", kSoxStereo + "-e floating-point -b 32 -t aifc" + kSoxSynth, "fl32", 1},
                      // sox writes these through libsndfile.
                      FileCase{"SndfileIma4Mono", kSoxMono + "-e ima-adpcm -t sndfile" + kSoxSynth, "ima4", 0},
                      FileCase{"SndfileMulaw", kSoxStereo + "-e u-law -t sndfile" + kSoxSynth, "ulaw", 0},
                      FileCase{"SndfileAlaw", kSoxStereo + "-e a-law -t sndfile" + kSoxSynth, "alaw", 0}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

// GSM frames made by ffmpeg's libgsm encoder, in an AIFF-C "GSM " file built around them.
TEST(AiffSourceGsmTest, DecodesLikeFfmpeg) {
    testutil::TempDir dir;
    const std::string frames = dir.file("tone.gsm"), path = dir.file("gsm.aifc");
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(kFfMono + " -c:a libgsm -f gsm " + Quote(frames)));
    const Bytes data = testutil::ReadBytes(frames);
    ASSERT_EQ(data.size() % 33, 0u);
    testutil::WriteBytes(path, Form("AIFC", {CommC(1, static_cast<uint32_t>(data.size() / 33 * 160), 16, 8000, "GSM "),
                                             Ssnd(data)}));
    tonewright::AiffSource source;
    EXPECT_EQ(WorstDifference(source, path, Reference::Ffmpeg), 0);
}

// DWVW of a tone made by sox, coded by the test and decoded by libsndfile as the reference;
// the coding is lossless, so the reader must also give back the tone's top 16 bits.
// (libsndfile 1.2 reads no samples of 12-bit DWVW; 20 bits takes its path for any width.)
class AiffSourceDwvwTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(AiffSourceDwvwTest, DecodesLikeLibsndfile) {
    const auto [bits, channels] = GetParam();
    testutil::TempDir dir;
    const std::string tone = dir.file("tone.raw"), path = dir.file("dwvw.aifc");
    ASSERT_NO_FATAL_FAILURE(testutil::Shell("sox -n -r 8000 -c " + std::to_string(channels) +
                                            " -e signed -b 32 -B " + Quote(tone) +
                                            " synth 0.3 sine 440 sine 1000 square 50 vol 0.99"));
    const Bytes raw = testutil::ReadBytes(tone);
    std::vector<int32_t> samples;
    std::vector<int> expected;
    for (size_t i = 0; i + 3 < raw.size(); i += 4) {
        const auto full = static_cast<int32_t>(raw[i] << 24 | raw[i + 1] << 16 | raw[i + 2] << 8 | raw[i + 3]);
        samples.push_back(full >> (32 - bits));
        expected.push_back(static_cast<int32_t>(static_cast<uint32_t>(samples.back()) << (32 - bits)) >> 16);
    }
    testutil::WriteBytes(path, Form("AIFC", {CommC(static_cast<uint16_t>(channels),
                                                   static_cast<uint32_t>(samples.size() / channels),
                                                   static_cast<uint16_t>(bits), 8000, "DWVW"),
                                             Ssnd(EncodeDwvw(samples, bits))}));
    tonewright::AiffSource source;
    EXPECT_EQ(WorstDifference(source, path, Reference::Sox), 0);
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(wavtest::Drain(source).samples, expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, AiffSourceDwvwTest,
                         ::testing::Values(std::make_pair(8, 1), std::make_pair(16, 1), std::make_pair(16, 2),
                                           std::make_pair(20, 2), std::make_pair(24, 2)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "Bits" +
                                    std::to_string(info.param.second) + "Channels";
                         });

}  // namespace
