// Sources whose reads fail part-way (a failing disk, a dropped network share): every source
// family converted by tonewright-cli from a FUSE file system that fails reads past the middle
// of the file. The row fails with the system's reason, the exit status says so and nothing
// is left in the output folder; the program's own WAV reader, which it falls back to,
// reports the same failure.
#include <gtest/gtest.h>

#include <vector>

#include "cli/clitest.h"
#include "reliability/failingdrive.h"
#include "sources/wav/wavsource.h"

using namespace testutil;

namespace {

struct ReadErrorCase {
    const char* name;
    const char* extension;
    const char* ffmpegArgs;  // how the ffmpeg program makes the source from a stereo tone
    bool wav;                // also read by the program's own WAV reader
};

std::string CaseName(const ::testing::TestParamInfo<ReadErrorCase>& info) { return info.param.name; }

class ReadErrorCliTest : public ::testing::TestWithParam<ReadErrorCase>, protected CliFixture {};

}  // namespace

TEST_P(ReadErrorCliTest, ReadFailurePartWayFailsTheRowAndLeavesNoTarget) {
    const ReadErrorCase& c = GetParam();
    Shell("mkdir -p " + Quote(dir.file("files")) + " " + Quote(dir.file("mount")) + " " + Quote(dir.file("out")));
    const std::string tone = dir.file("tone.wav");
    MakeToneWithSox(tone, 44100, 2, 10.0, "-b 16");
    const std::string name = std::string("source") + c.extension;
    Shell("ffmpeg -v error -y -i " + Quote(tone) + " " + c.ffmpegArgs + " " + Quote(dir.file("files/" + name)));

    FailingDrive drive(dir.file("files"), dir.file("mount"));
    if (!drive.Mounted()) GTEST_SKIP() << "no FUSE file system to fail reads on: " << drive.Problem();
    drive.FailReadsFrom(name, FileSize(dir.file("files/" + name)) / 2);

    const std::string source = dir.file("mount/" + name);
    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), source});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, source + "\tConversion Failure (Input/output error)\n");
    EXPECT_EQ(testutil::Run({"ls", "-A", dir.file("out")}).out, "");

    if (!c.wav) return;
    tonewright::WavSource reader;
    ASSERT_EQ(reader.Open(source, 0), 1);
    std::vector<int16_t> left(tonewright::kBlockSamples), right(tonewright::kBlockSamples);
    int count = 0;
    while ((count = reader.ReadBlock(left.data(), right.data())) > 0) {
    }
    EXPECT_LT(count, 0);
    EXPECT_EQ(reader.ReadError(), "Input/output error");
}

INSTANTIATE_TEST_SUITE_P(
    Families, ReadErrorCliTest,
    ::testing::Values(ReadErrorCase{"WavU8", ".wav", "-c:a pcm_u8", true},
                      ReadErrorCase{"Wav16", ".wav", "-c:a pcm_s16le", true},
                      ReadErrorCase{"Wav24", ".wav", "-c:a pcm_s24le", true},
                      ReadErrorCase{"Wav32", ".wav", "-c:a pcm_s32le", true},
                      ReadErrorCase{"WavFloat", ".wav", "-c:a pcm_f32le", true},
                      ReadErrorCase{"WavDouble", ".wav", "-c:a pcm_f64le", true},
                      ReadErrorCase{"WavAlaw", ".wav", "-c:a pcm_alaw", true},
                      ReadErrorCase{"WavMulaw", ".wav", "-c:a pcm_mulaw", true},
                      ReadErrorCase{"WavMsAdpcm", ".wav", "-c:a adpcm_ms", true},
                      ReadErrorCase{"WavImaAdpcm", ".wav", "-c:a adpcm_ima_wav", true},
                      ReadErrorCase{"WavGsm", ".wav", "-ar 8000 -ac 1 -c:a libgsm_ms", true},
                      ReadErrorCase{"Aiff", ".aiff", "-c:a pcm_s16be", false},
                      ReadErrorCase{"AifcFloat", ".aifc", "-c:a pcm_f32be", false},
                      ReadErrorCase{"AifcIma4", ".aifc", "-c:a adpcm_ima_qt", false},
                      ReadErrorCase{"Au", ".au", "-c:a pcm_s16be", false},
                      ReadErrorCase{"AuMulaw", ".au", "-c:a pcm_mulaw", false},
                      ReadErrorCase{"Flac", ".flac", "-c:a flac", false},
                      ReadErrorCase{"Mp3", ".mp3", "-c:a libmp3lame -b:a 128k", false},
                      ReadErrorCase{"Mp2", ".mp2", "-c:a mp2 -b:a 192k", false},
                      ReadErrorCase{"Ac3", ".ac3", "-c:a ac3 -b:a 192k", false},
                      ReadErrorCase{"Wma", ".wma", "-c:a wmav2 -b:a 128k", false}),
    CaseName);
