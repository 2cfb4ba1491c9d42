// WavSource's decode of files made by the ffmpeg and sox programs, compared with ffmpeg's
// (or sox's) decode of the same files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "sources/wav/wavsource.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace {

// Two different tones, so swapped channels show. "{out}" stands for the file to make.
const std::string kFfStereo =
    "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t)|0.5*sin(2*PI*1000*t):s=22050:d=0.3'";
const std::string kFfMono = "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t):s=8000:d=0.3'";
const std::string kFfSix =
    "ffmpeg -v error -f lavfi -i 'aevalsrc=0.7*sin(2*PI*440*t)|0.5*sin(2*PI*1000*t)|0.1|0.2|0.3|0.4:s=22050:d=0.3'";
const std::string kSoxStereo = "sox -n -r 22050 -c 2 ";
const std::string kSoxMono = "sox -n -r 8000 -c 1 ";
const std::string kSoxSynth = " {out} synth 0.3 sine 440 sine 1000 vol 0.7";

// ffmpeg expands an IMA code as (2 * magnitude + 1) * step / 8 in one go where the IMA
// reference (and sox) adds the step fractions bit by bit; the roundings drift apart within
// a block by up to 24 on these tones. Against sox the decode is exact.
constexpr int kImaVsFfmpeg = 48;

struct FileCase {
    const char* name;
    std::string command;
    uint16_t tag;               // guards against a tool writing another format than the case is about
    int maxDiff;                // largest sample difference allowed against the reference decode
    bool soxReference = false;  // decode with sox instead of ffmpeg
};

class WavSourceFileTest : public ::testing::TestWithParam<FileCase> {};

std::vector<int> FirstTwoChannels(const std::vector<uint8_t>& bytes, size_t sampleBytes, size_t channels) {
    std::vector<int> kept;
    for (size_t i = 0; i * sampleBytes < bytes.size(); ++i)
        if (i % channels < 2)
            kept.push_back(sampleBytes == 1 ? bytes[i] : int16_t(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return kept;
}

TEST_P(WavSourceFileTest, DecodesLikeTheReference) {
    const FileCase& c = GetParam();
    testutil::TempDir dir;
    const std::string path = dir.file("tone.wav"), raw = dir.file("reference.raw");
    std::string command = c.command;
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(command.replace(command.find("{out}"), 5, testutil::Quote(path))));
    const wavtest::Bytes header = testutil::ReadBytes(path);
    ASSERT_EQ(header.at(20) | header.at(21) << 8, c.tag);

    tonewright::WavSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    const wavtest::Drained decoded = wavtest::Drain(source);
    ASSERT_TRUE(decoded.ended);
    EXPECT_EQ(source.GetPosition(), source.GetLength());

    const size_t sampleBytes = source.GetBitsPerSample() / 8;
    const std::string format = sampleBytes == 1 ? "u8" : "s16le";
    ASSERT_NO_FATAL_FAILURE(testutil::Shell(c.soxReference
                                                ? "sox " + testutil::Quote(path) + " -t s16 " + testutil::Quote(raw)
                                                : "ffmpeg -v error -i " + testutil::Quote(path) + " -f " + format +
                                                      " -c:a pcm_" + format + " " + testutil::Quote(raw)));
    const std::vector<int> reference =
        FirstTwoChannels(testutil::ReadBytes(raw), sampleBytes, source.GetSourceChannels());
    ASSERT_EQ(decoded.samples.size(), reference.size());
    int maxDiff = 0;
    for (size_t i = 0; i < reference.size(); ++i)
        maxDiff = std::max(maxDiff, std::abs(decoded.samples[i] - reference[i]));
    EXPECT_LE(maxDiff, c.maxDiff);
}

INSTANTIATE_TEST_SUITE_P(
    Made, WavSourceFileTest,
    ::testing::Values(FileCase{"PcmU8Stereo", kFfStereo + " -c:a pcm_u8 {out}", 1, 0},
                      FileCase{"PcmS24Stereo", kFfStereo + " -c:a pcm_s24le {out}", 0xFFFE, 0},
                      FileCase{"PcmS32Stereo", kFfStereo + " -c:a pcm_s32le {out}", 0xFFFE, 0},
                      FileCase{"SixChannelExtensible", kFfSix + " -c:a pcm_s16le {out}", 0xFFFE, 0},
                      FileCase{"AlawStereo", kFfStereo + " -c:a pcm_alaw {out}", 6, 0},
                      FileCase{"MulawMono", kFfMono + " -c:a pcm_mulaw {out}", 7, 0},
                      FileCase{"MsAdpcmStereo", kFfStereo + " -c:a adpcm_ms {out}", 2, 0},
                      FileCase{"MsAdpcmMono", kFfMono + " -c:a adpcm_ms {out}", 2, 0},
                      FileCase{"ImaAdpcmStereo", kFfStereo + " -c:a adpcm_ima_wav {out}", 17, kImaVsFfmpeg},
                      FileCase{"ImaAdpcmStereoVsSox", kFfStereo + " -c:a adpcm_ima_wav {out}", 17, 0, true},
                      FileCase{"GsmMono", kFfMono + " -c:a libgsm_ms {out}", 49, 0},
                      // ffmpeg writes float as extensible with a float sub-format; sox writes the float
                      // tag. ffmpeg rounds where Tonewright truncates: 1 step.
                      FileCase{"ExtensibleFloat32Stereo", kFfStereo + " -c:a pcm_f32le {out}", 0xFFFE, 1},
                      FileCase{"ExtensibleFloat64Stereo", kFfStereo + " -c:a pcm_f64le {out}", 0xFFFE, 1},
                      FileCase{"SoxFloat32Stereo", kSoxStereo + "-e floating-point -b 32 -t wavpcm" + kSoxSynth, 3, 1},
                      FileCase{"SoxFloat64Mono", kSoxMono + "-e floating-point -b 64 -t wavpcm" + kSoxSynth, 3, 1},
                      FileCase{"SoxMsAdpcmStereo", kSoxStereo + "-e ms-adpcm" + kSoxSynth, 2, 0},
                      FileCase{"SoxImaAdpcmMonoVsSox", kSoxMono + "-e ima-adpcm" + kSoxSynth, 17, 0, true},
                      FileCase{"SoxGsmMono", kSoxMono + "-e gsm-full-rate" + kSoxSynth, 49, 0}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

}  // namespace
