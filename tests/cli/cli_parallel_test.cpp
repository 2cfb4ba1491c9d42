// Rows converted at once share the decoder layer, the settings, the encoders' libraries and
// the target names. A mixed batch converted with -j 4 must give the same sound as the same
// batch one row after the other, for every output format. The thread-sanitizer build
// (scripts/test.sh --threads) runs these tests to find data races between rows.
#include <gtest/gtest.h>

#include "cli/clitest.h"
#include "sources/bass/bassfixtures.h"

using namespace testutil;

namespace {

struct OutputCase {
    const char* format;
    const char* extension;
};

const OutputCase kOutputs[] = {{"wav", ".wav"}, {"mp3", ".mp3"}, {"ogg", ".ogg"}, {"m4a", ".m4a"},
                               {"wma", ".wma"}, {"amr", ".amr"}, {"flac", ".flac"},
                               {"opus", ".opus"}};

class CliParallelTest : public ::testing::TestWithParam<OutputCase>, protected CliFixture {
protected:
    std::vector<std::string> inputs;

    // One file of each decoder family: the in-house readers, FFmpeg streams, Vorbis, a
    // tracker module rendered by libopenmpt and a MIDI song rendered by FluidSynth.
    void SetUp() override {
        extraEnv = {"TONEWRIGHT_SYSTEM_SOUNDFONT=/usr/share/sounds/sf2/default-GM.sf2"};
        const std::string in = dir.file("in");
        Shell("mkdir -p " + Quote(in));
        MakeToneWithSox(in + "/pcm.wav", 44100, 2, 0.6, "-b 16");
        MakeToneWithSox(in + "/adpcm.wav", 22050, 1, 0.5, "-e ima-adpcm");
        MakeToneWithSox(in + "/tone.aiff", 48000, 2, 0.5, "-b 24");
        MakeToneWithSox(in + "/tone.au", 8000, 1, 0.5, "-e mu-law");
        MakeToneWithSox(in + "/tone.flac", 32000, 2, 0.5, "-b 16");
        MakeToneWithSox(in + "/tone.ogg", 44100, 2, 0.5, "");
        Shell("ffmpeg -v error -i " + Quote(in + "/pcm.wav") + " -c:a libmp3lame -b:a 96k " + Quote(in + "/tone.mp3"));
        WriteBytes(in + "/song.mod", basstest::MakeModFile(8));
        WriteBytes(in + "/song.mid", basstest::MakeTempoChangeSong());
        for (const char* name : {"pcm.wav", "adpcm.wav", "tone.aiff", "tone.au", "tone.flac", "tone.ogg", "tone.mp3",
                                 "song.mod", "song.mid"})
            inputs.push_back(in + "/" + name);
    }

    std::string Convert(const OutputCase& output, const char* jobs) {
        const std::string out = dir.file(std::string("out-") + jobs);
        std::vector<std::string> args = {"-q", "-j", jobs, "-f", output.format, "-o", out};
        args.insert(args.end(), inputs.begin(), inputs.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        return out;
    }
};

}  // namespace

TEST_P(CliParallelTest, MixedBatchSoundsAsWhenConvertedOneAfterTheOther) {
    const OutputCase& output = GetParam();
    const std::string sequential = Convert(output, "1");
    const std::string parallel = Convert(output, "4");
    for (const char* name : {"pcm", "adpcm", "tone", "tone_1", "tone_2", "tone_3", "tone_4", "song", "song_1"}) {
        const std::string file = std::string("/") + name + output.extension;
        const Pcm16 one = DecodeWithFfmpeg(sequential + file);
        const Pcm16 four = DecodeWithFfmpeg(parallel + file);
        EXPECT_GT(one.frames(), 0u) << name;
        EXPECT_EQ(one.sampleRate, four.sampleRate) << name;
        EXPECT_EQ(MaxAbsDiff(one.samples, four.samples), 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CliParallelTest, ::testing::ValuesIn(kOutputs),
                         [](const ::testing::TestParamInfo<OutputCase>& info) { return info.param.format; });
