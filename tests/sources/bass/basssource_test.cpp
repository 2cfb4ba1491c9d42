// BassSource over the decoder layer: kinds by extension, the MPEG channel mode, the bit
// rate, de-interleaving, the ID3 copies and the split of the tag text.
#include <gtest/gtest.h>

#include "sources/bass/bassfixtures.h"
#include "sources/bass/basssource.h"
#include "sources/bass/mpegframeheader.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace testutil;

namespace {

class BassSourceTest : public ::testing::Test {
protected:
    TempDir dir;
    BassSource source;

    // A file of two sines, one a channel, made by the ffmpeg program.
    std::string Make(const std::string& name, const std::string& ffmpegArgs, double seconds = 1.0) {
        const std::string path = dir.file(name);
        Shell("ffmpeg -v error -f lavfi -i 'sine=frequency=440:duration=" + std::to_string(seconds) +
              "' -f lavfi -i 'sine=frequency=1000:duration=" + std::to_string(seconds) +
              "' -filter_complex amerge=inputs=2 " + ffmpegArgs + " " + Quote(path));
        return path;
    }
};

struct ModeCase {
    const char* ffmpegArgs;
    int channelMode;
};

}  // namespace

TEST_F(BassSourceTest, ReportsTheChannelModeOfTheMpegHeader) {
    const ModeCase cases[] = {{"-joint_stereo 0", kModeStereo}, {"-joint_stereo 1", kModeJointStereo},
                              {"-ac 1", kModeMono}};
    for (const ModeCase& c : cases) {
        const std::string path =
            Make(std::to_string(c.channelMode) + ".mp3", std::string("-c:a libmp3lame -b:a 128k ") + c.ffmpegArgs, 3.0);
        ASSERT_EQ(source.Open(path, 0), 1) << c.ffmpegArgs;
        EXPECT_EQ(source.GetChannelMode(), c.channelMode) << c.ffmpegArgs;
        EXPECT_NEAR(source.GetBitrate(), 128, 2) << c.ffmpegArgs;
    }
}

// Tags and headers are no part of the stored audio: a 64 KiB ID3v2 tag (cover art) leaves
// an MP3 file's rate alone, and a WAV file's header does not count.
TEST_F(BassSourceTest, BitRateCountsOnlyTheAudioData) {
    const std::string bare = Make("bare.mp3", "-c:a libmp3lame -b:a 128k -id3v2_version 0", 3.0);
    std::vector<uint8_t> file = {'I', 'D', '3', 3, 0, 0, 0, 4, 0, 0};  // 65536 bytes after the header
    file.resize(10 + 65536, 0);
    const std::vector<uint8_t> audio = ReadBytes(bare);
    file.insert(file.end(), audio.begin(), audio.end());
    WriteBytes(dir.file("cover.mp3"), file);
    ASSERT_EQ(source.Open(dir.file("cover.mp3"), 0), 1);
    EXPECT_NEAR(source.GetBitrate(), 128, 2);
    EXPECT_EQ(source.GetChannelMode(), kModeJointStereo);

    MakeToneWithSox(dir.file("short.wav"), 8000, 1, 0.2, "-b 16");
    ASSERT_EQ(source.Open(dir.file("short.wav"), 0), 1);
    EXPECT_EQ(source.GetBitrate(), 128);
}

TEST_F(BassSourceTest, DeliversTheFirstTwoOfManyChannels) {
    const std::string path = dir.file("surround.flac");
    Shell("ffmpeg -v error -f lavfi -i "
          "'aevalsrc=sin(300*2*PI*t)|sin(400*2*PI*t)|sin(500*2*PI*t)|0|sin(700*2*PI*t)|sin(800*2*PI*t):c=5.1:d=1' "
          "-c:a flac " + Quote(path));
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetSourceChannels(), 6);
    EXPECT_EQ(source.GetChannels(), 2);
    int16_t left[kBlockSamples], right[kBlockSamples];
    EXPECT_EQ(source.ReadBlock(left, right), 384) << "the read is sized for two channels";
    source.Close();

    ASSERT_EQ(source.Open(path, 0), 1);
    const Pcm16 expected = DecodeWithFfmpeg(path);
    const wavtest::Drained drained = wavtest::Drain(source);
    ASSERT_EQ(drained.samples.size(), expected.frames() * 2);
    for (size_t f = 0; f < expected.frames(); ++f) {
        ASSERT_EQ(drained.samples[2 * f], expected.samples[6 * f]) << f;
        ASSERT_EQ(drained.samples[2 * f + 1], expected.samples[6 * f + 1]) << f;
    }
}

TEST_F(BassSourceTest, DeliversEightBitSourcesAsEightBits) {
    const std::string path = Make("u8.wav", "-c:a pcm_u8");
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetBitsPerSample(), 8);
    const wavtest::Drained drained = wavtest::Drain(source);
    const std::vector<uint8_t> expected = DecodeWithFfmpegU8(path, 2);
    ASSERT_EQ(drained.samples.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(drained.samples[i], expected[i]) << i;
}

TEST_F(BassSourceTest, CopiesTheRawId3BlocksOfMp3FilesOnly) {
    const std::string bare = Make("bare.mp3", "-c:a libmp3lame -write_xing 0 -id3v2_version 0");
    const std::vector<uint8_t> audio = ReadBytes(bare);
    std::vector<uint8_t> id3v1 = {'T', 'A', 'G', 'T', 'i', 't', 'l', 'e'};
    id3v1.resize(128, 0);
    // Size bytes 00 00 02 01: 257 bytes after the header; with the footer flag of ID3v2.4, a
    // 10-byte footer after them.
    const struct {
        const char* name;
        uint8_t version, flags;
        int length;
    } tags[] = {{"Id3v23", 3, 0, 267}, {"Id3v24WithFooter", 4, 0x10, 277}};
    std::vector<uint8_t> file;
    for (const auto& t : tags) {
        file = {'I', 'D', '3', t.version, 0, t.flags, 0, 0, 2, 1};
        file.resize(267, 0);
        if (t.flags) file.insert(file.end(), {'3', 'D', 'I', t.version, 0, t.flags, 0, 0, 2, 1});
        file.insert(file.end(), audio.begin(), audio.end());
        file.insert(file.end(), id3v1.begin(), id3v1.end());
        WriteBytes(dir.file("SONG.MP3"), file);

        ASSERT_EQ(source.Open(dir.file("SONG.MP3"), 0), 1) << "the extension is compared without case";
        int length = 0;
        const uint8_t* id3v2 = source.GetId3v2Tag(length);
        ASSERT_EQ(length, t.length) << t.name;
        EXPECT_TRUE(std::equal(id3v2, id3v2 + length, file.begin())) << t.name;
        const uint8_t* v1 = source.GetId3v1Tag();
        ASSERT_NE(v1, nullptr);
        EXPECT_TRUE(std::equal(v1, v1 + 128, id3v1.begin()));
        EXPECT_NE(source.GetChannelMode(), kModeUnknown);
    }

    WriteBytes(dir.file("song.mpeg"), file);
    int length = 0;
    ASSERT_EQ(source.Open(dir.file("song.mpeg"), 0), 1);
    EXPECT_EQ(source.GetId3v1Tag(), nullptr);
    EXPECT_EQ(source.GetId3v2Tag(length), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(source.GetChannelMode(), kModeUnknown);
}

TEST_F(BassSourceTest, SplitsTheTagText) {
    for (const char* name : {"tagged.mp3", "tagged.flac"}) {
        const std::string path = dir.file(name);
        const auto r = testutil::Run({"ffmpeg", "-v", "error", "-f", "lavfi", "-i", "sine=duration=0.3", "-metadata",
                            "title=Überschrift ☃", "-metadata", "artist=Sigur Rós", "-metadata", "album=Ágætis byrjun",
                            "-metadata", "date=1999", "-metadata", "genre=Post-Rock", "-metadata", "comment=nice",
                            "-metadata", "track=7/12", "-metadata", "composer=Jónsi", "-metadata",
                            "copyright=(c) 1999", path});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        ASSERT_EQ(source.Open(path, 0), 1);
        TagInfo tags;
        ASSERT_EQ(source.GetTags(tags), 1) << name;
        EXPECT_EQ(tags.title, "Überschrift ☃");
        EXPECT_EQ(tags.artist, "Sigur Rós");
        EXPECT_EQ(tags.album, "Ágætis byrjun");
        EXPECT_EQ(tags.year, "1999");
        EXPECT_EQ(tags.genre, "Post-Rock");
        EXPECT_EQ(tags.comment, "nice");
        EXPECT_EQ(tags.track, "7/12");
        EXPECT_EQ(tags.composer, "Jónsi");
        EXPECT_EQ(tags.copyright, "(c) 1999");
    }

    const std::string plain = Make("plain.flac", "-c:a flac", 0.3);
    ASSERT_EQ(source.Open(plain, 0), 1);
    TagInfo untouched;
    untouched.title = "kept";
    EXPECT_EQ(source.GetTags(untouched), 0);
    EXPECT_EQ(untouched.title, "kept");
}

TEST_F(BassSourceTest, RendersModulesAndMidiAtTheRenderRate) {
    WriteBytes(dir.file("module.mp3"), basstest::MakeItFile(40));
    ASSERT_EQ(source.Open(dir.file("module.mp3"), 22050), 1) << "the module loader takes what no stream opens";
    EXPECT_EQ(source.GetSampleRate(), 22050);
    EXPECT_EQ(source.GetDuration(), 4);
    EXPECT_EQ(source.GetBitrate(), 16 * 22050 * 2 / 1000);
    EXPECT_EQ(source.GetChannelMode(), kModeUnknown);
    EXPECT_EQ(source.GetId3v1Tag(), nullptr);

    WriteBytes(dir.file("song.mid"), basstest::MakeTempoChangeSong());
    ASSERT_EQ(source.Open(dir.file("song.mid"), 0), 1);
    EXPECT_EQ(source.GetSampleRate(), 44100);
    EXPECT_EQ(source.GetDuration(), 2);
    EXPECT_EQ(source.GetSourceChannels(), 2);
    EXPECT_EQ(source.GetLength(), 110250u * 4);

    // A MIDI file is only ever a MIDI file: an MP3 named ".mid" is refused.
    const std::string mp3 = Make("tone.mp3", "-c:a libmp3lame", 0.3);
    WriteBytes(dir.file("tone.mid"), ReadBytes(mp3));
    EXPECT_EQ(source.Open(dir.file("tone.mid"), 0), 0);
}

TEST(MpegFrameHeaderTest, ProbesTheChannelModeOfValidHeadersOnly) {
    struct Case {
        const char* name;
        uint8_t bytes[4];
        bool valid;
        int mode;
    };
    const Case cases[] = {
        {"Mpeg1Layer3JointStereo", {0xFF, 0xFB, 0x90, 0x64}, true, 1},
        {"Mpeg1Layer3Mono", {0xFF, 0xFB, 0x50, 0xC4}, true, 3},
        {"Mpeg2Layer3DualChannel", {0xFF, 0xF3, 0x80, 0x80}, true, 2},
        {"Mpeg25Layer2Stereo", {0xFF, 0xE5, 0x10, 0x00}, true, 0},
        {"FreeFormat", {0xFF, 0xFB, 0x00, 0x64}, false, 0},
        {"InvalidBitrate", {0xFF, 0xFB, 0xF0, 0x64}, false, 0},
        {"ReservedVersion", {0xFF, 0xEB, 0x90, 0x64}, false, 0},
        {"ReservedLayer", {0xFF, 0xF9, 0x90, 0x64}, false, 0},
        {"NoSync", {0xFF, 0x1B, 0x90, 0x64}, false, 0},
    };
    for (const Case& c : cases) {
        int mode = kModeUnknown;
        EXPECT_EQ(ProbeMpegChannelMode(c.bytes, mode), c.valid) << c.name;
        EXPECT_EQ(mode, c.valid ? c.mode : kModeUnknown) << c.name;
    }
}
