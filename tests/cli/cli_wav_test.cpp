// WAV files of every kind the reader accepts, converted to PCM WAV by tonewright-cli and
// compared with the ffmpeg program's decode of the same source.
#include <gtest/gtest.h>

#include "cli/clitest.h"

using namespace testutil;

namespace {

struct WavKind {
    const char* name;
    const char* ffmpegArgs;  // codec and layout of the source made with ffmpeg
    // Largest allowed difference per sample, in 16-bit steps: 1 for PCM and float (rounding
    // of the lower bits), more for the ADPCM and GSM kinds, whose decoders differ in how
    // they round each step (the IMA step is the published shift-and-add form).
    int maxDifference;
};

class CliWavTest : public ::testing::TestWithParam<WavKind>, protected CliFixture {};

}  // namespace

TEST_P(CliWavTest, MatchesAnIndependentDecoder) {
    const WavKind& kind = GetParam();
    MakeToneWithSox(dir.file("tone.wav"), 44100, 2, 1.5, "-b 24");
    const std::string source = dir.file(std::string(kind.name) + ".wav");
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " " + kind.ffmpegArgs + " " + Quote(source));

    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), source});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.out, source + "\t" + kind.name + ".wav\n");
    const std::string target = dir.file(std::string("out/") + kind.name + ".wav");

    const Pcm16 expected = DecodeWithFfmpeg(source, 0);
    const Pcm16 got = DecodeWithFfmpeg(target, 0);
    EXPECT_EQ(got.sampleRate, expected.sampleRate);
    // Auto keeps every channel of the source, surround included.
    const int channels = expected.channels;
    ASSERT_EQ(got.channels, channels);
    ASSERT_EQ(got.frames(), expected.frames());
    int worst = 0;
    for (size_t f = 0; f < got.frames(); ++f)
        for (int c = 0; c < channels; ++c)
            worst = std::max(worst, std::abs(got.samples[f * channels + c] - expected.samples[f * channels + c]));
    EXPECT_LE(worst, kind.maxDifference);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAcceptedKind, CliWavTest,
    ::testing::Values(WavKind{"u8", "-c:a pcm_u8", 0}, WavKind{"s16", "-c:a pcm_s16le", 0},
                      WavKind{"s24", "-c:a pcm_s24le", 1}, WavKind{"s32", "-c:a pcm_s32le", 1},
                      WavKind{"f32", "-c:a pcm_f32le", 1}, WavKind{"f64", "-c:a pcm_f64le", 1},
                      WavKind{"alaw", "-c:a pcm_alaw", 0}, WavKind{"mulaw", "-c:a pcm_mulaw", 0},
                      WavKind{"msadpcm", "-c:a adpcm_ms", 1}, WavKind{"imaadpcm", "-c:a adpcm_ima_wav", 64},
                      WavKind{"gsm", "-ar 8000 -ac 1 -c:a libgsm_ms", 64},
                      WavKind{"mono16", "-ac 1 -c:a pcm_s16le", 0},
                      WavKind{"surround", "-af aformat=channel_layouts=5.1 -c:a pcm_s16le", 0},
                      WavKind{"extensible24", "-af aformat=channel_layouts=quad -c:a pcm_s24le", 1}),
    [](const ::testing::TestParamInfo<WavKind>& info) { return std::string(info.param.name); });
