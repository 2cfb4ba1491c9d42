// Tracker modules, MIDI files, MP3 files and CD track records through tonewright-cli: the
// properties --info shows and the WAV files a conversion writes.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/clitest.h"
#include "sources/bass/bassfixtures.h"

using namespace testutil;

namespace {

struct RenderedFile {
    const char* name;
    basstest::Bytes (*make)();
    double seconds;
    const char* duration;
};

const RenderedFile kRenderedFiles[] = {
    {"song.mod", [] { return basstest::MakeModFile(48); }, 48 * basstest::kSecondsPerRow, "00:05"},
    {"song.xm", [] { return basstest::MakeXmFile(24); }, 24 * basstest::kSecondsPerRow, "00:02"},
    {"song.it", [] { return basstest::MakeItFile(64); }, 64 * basstest::kSecondsPerRow, "00:07"},
    {"song.mid", basstest::MakeTempoChangeSong, basstest::kTempoChangeSongSeconds, "00:02"},
    {"song.rmi", [] { return basstest::WrapInRmid(basstest::MakeTempoChangeSong()); },
     basstest::kTempoChangeSongSeconds, "00:02"},
};

class CliBassTest : public ::testing::Test, protected CliFixture {};

class CliBassRenderedTest : public ::testing::TestWithParam<RenderedFile>, protected CliFixture {
protected:
    std::string Write(const RenderedFile& file) {
        WriteBytes(dir.file(file.name), file.make());
        return dir.file(file.name);
    }
};

struct Mp3Mode {
    const char* name;
    const char* ffmpegArgs;
};

class CliBassMp3Test : public ::testing::TestWithParam<Mp3Mode>, protected CliFixture {};

int Peak(const Pcm16& pcm) {
    int peak = 0;
    for (int16_t s : pcm.samples) peak = std::max(peak, std::abs(int{s}));
    return peak;
}

}  // namespace

TEST_P(CliBassRenderedTest, InfoShowsTheSong) {
    const RenderedFile& file = GetParam();
    const std::string path = Write(file);
    const auto r = Cli({"--info", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, path + "\t" + file.duration + "\t1411 kbps\t44100 Hz\tStereo\n");
}

TEST_P(CliBassRenderedTest, ConvertsToItsLengthWithTheSystemSoundFont) {
    const RenderedFile& file = GetParam();
    extraEnv = {"TONEWRIGHT_SYSTEM_SOUNDFONT=/usr/share/sounds/sf2/default-GM.sf2"};
    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), Write(file)});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const Pcm16 wav = DecodeWithFfmpeg(dir.file("out/" + std::string(file.name).substr(0, 4) + ".wav"));
    EXPECT_EQ(wav.sampleRate, 44100);
    EXPECT_EQ(wav.frames(), static_cast<size_t>(std::llround(file.seconds * 44100)));
    EXPECT_GT(Peak(wav), 300) << "the song is heard";
}

INSTANTIATE_TEST_SUITE_P(Songs, CliBassRenderedTest, ::testing::ValuesIn(kRenderedFiles),
                         [](const ::testing::TestParamInfo<RenderedFile>& info) {
                             return std::string(info.param.name).substr(5);
                         });

TEST_P(CliBassMp3Test, ShowsTheModeAndConvertsAsFfmpegDecodes) {
    const Mp3Mode& mode = GetParam();
    const std::string source = dir.file(std::string(mode.name) + ".mp3");
    Shell("ffmpeg -v error -f lavfi -i sine=frequency=440:duration=2.2 -f lavfi -i sine=frequency=700:duration=2.2 "
          "-filter_complex amerge=inputs=2 -c:a libmp3lame -b:a 128k " + std::string(mode.ffmpegArgs) + " " +
          Quote(source));

    const auto info = Cli({"--info", source});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    int kbps = 0;
    char shown[32] = {};
    ASSERT_EQ(std::sscanf(info.out.c_str() + source.size(), "\t00:02\t%d kbps\t44100 Hz\t%31s", &kbps, shown), 2)
        << info.out;
    EXPECT_NEAR(kbps, 128, 3);
    EXPECT_STREQ(shown, mode.name);

    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), source});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 got = DecodeWithFfmpeg(dir.file("out/" + std::string(mode.name) + ".wav"));
    ASSERT_EQ(got.channels, expected.channels);
    EXPECT_EQ(got.frames(), expected.frames()) << "the Info frame gives the exact length";
    EXPECT_LE(MaxAbsDiff(got.samples, expected.samples), 1);
}

INSTANTIATE_TEST_SUITE_P(ChannelModes, CliBassMp3Test,
                         ::testing::Values(Mp3Mode{"Stereo", "-joint_stereo 0"}, Mp3Mode{"J-Stereo", "-joint_stereo 1"},
                                           Mp3Mode{"Mono", "-ac 1"}),
                         [](const ::testing::TestParamInfo<Mp3Mode>& info) {
                             return std::string(info.param.name == std::string("J-Stereo") ? "JointStereo"
                                                                                           : info.param.name);
                         });

TEST_F(CliBassTest, CdTrackRecordCopiedToDiskIsRefused) {
    extraEnv = {"TONEWRIGHT_CD_DEVICES="};
    WriteBytes(dir.file("Track01.cda"), basstest::MakeCdaRecord(1, 0, 15000));
    const auto r = Cli({"--info", dir.file("Track01.cda")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, dir.file("Track01.cda") +
                         "\tFailed to load (IMPORTANT: please DO NOT add CDA file from hard drive, but add CDA file "
                         "from CD drive.)\n");
}
