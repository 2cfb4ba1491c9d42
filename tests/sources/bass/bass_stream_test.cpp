// Streams through the decoder layer: the samples, lengths and file positions of files that
// the ffmpeg program makes and decodes, the raw ID3 blocks and tag text of MP3 files, and
// the layer's behaviour with several threads and with files it must refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "sources/bass/bass.h"
#include "sources/bass/bassfixtures.h"
#include "sources/bass/tagblocks.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace testutil;

namespace {

// Every byte a channel gives until its end.
std::vector<uint8_t> DecodeAll(uint32_t handle) {
    std::vector<uint8_t> all, buffer(6000);
    for (;;) {
        const uint32_t got = BASS_ChannelGetData(handle, buffer.data(), static_cast<uint32_t>(buffer.size()));
        if (got == BASS_DATA_END) return all;
        all.insert(all.end(), buffer.begin(), buffer.begin() + got);
    }
}

std::vector<int16_t> AsSamples(const std::vector<uint8_t>& bytes) {
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

struct StreamKind {
    const char* name;
    const char* input;  // the ffmpeg program's inputs and filters
    const char* codec;
    int channels;
    int bits;
    int maxDifference;  // per sample against the ffmpeg program's decode
    // Frames by which the decoded length may pass the stated one: FFmpeg decodes the
    // padding of the last AAC frame that the MP4 edit list cuts off.
    int lengthSlack;
};

class BassStreamTest : public ::testing::TestWithParam<StreamKind> {
protected:
    TempDir dir;
};

// Sines of 1.3 seconds, a different one in each channel.
const char* const kStereoTone =
    "-f lavfi -i sine=frequency=440:duration=1.3 -f lavfi -i sine=frequency=1000:duration=1.3 "
    "-filter_complex amerge=inputs=2";
const char* const kSurroundTone =
    "-f lavfi -i 'aevalsrc=sin(300*2*PI*t)|sin(400*2*PI*t)|sin(500*2*PI*t)|0|sin(700*2*PI*t)|sin(800*2*PI*t):c=5.1:d=1.3'";

std::string MakeWithFfmpeg(const TempDir& dir, const std::string& name, const std::string& input = kStereoTone,
                           const std::string& codec = "") {
    const std::string path = dir.file(name);
    Shell("ffmpeg -v error " + input + " " + codec + " " + Quote(path));
    return path;
}

}  // namespace

TEST_P(BassStreamTest, DeliversWhatFfmpegDecodes) {
    const StreamKind& kind = GetParam();
    const std::string path = MakeWithFfmpeg(dir, kind.name, kind.input, kind.codec);
    const HSTREAM stream = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
    ASSERT_NE(stream, 0u);
    BASS_CHANNELINFO info{};
    ASSERT_EQ(BASS_ChannelGetInfo(stream, &info), 1);
    EXPECT_EQ(info.freq, 44100u);
    EXPECT_EQ(static_cast<int>(info.chans), kind.channels);
    EXPECT_EQ((info.flags & BASS_SAMPLE_8BITS) ? 8 : 16, kind.bits);

    const uint64_t length = BASS_ChannelGetLength(stream, BASS_POS_BYTE);
    const std::vector<uint8_t> decoded = DecodeAll(stream);
    const uint64_t frameBytes = kind.channels * kind.bits / 8;
    EXPECT_GE(decoded.size(), length);
    EXPECT_LE(decoded.size(), length + kind.lengthSlack * frameBytes);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), decoded.size());
    if (kind.bits == 8) {
        EXPECT_EQ(decoded, DecodeWithFfmpegU8(path, kind.channels));
    } else {
        const Pcm16 expected = DecodeWithFfmpeg(path);
        ASSERT_EQ(expected.channels, kind.channels);
        EXPECT_LE(MaxAbsDiff(AsSamples(decoded), expected.samples), kind.maxDifference);
    }
    EXPECT_EQ(BASS_MusicFree(stream), 0) << "a stream is not freed as music";
    EXPECT_EQ(BASS_StreamFree(stream), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BassStreamTest,
    ::testing::Values(StreamKind{"tone.mp3", kStereoTone, "-c:a libmp3lame -b:a 128k", 2, 16, 1, 0},
                      StreamKind{"tone.flac", kStereoTone, "-c:a flac", 2, 16, 0, 0},
                      StreamKind{"tone.wv", kStereoTone, "-c:a wavpack", 2, 16, 0, 0},
                      StreamKind{"tone.m4a", kStereoTone, "-c:a aac -b:a 128k", 2, 16, 1, 1024},
                      StreamKind{"u8.wav", kStereoTone, "-c:a pcm_u8", 2, 8, 0, 0},
                      StreamKind{"surround.flac", kSurroundTone, "-c:a flac", 6, 16, 0, 0},
                      StreamKind{"mono.ogg", kStereoTone, "-ac 1 -c:a libvorbis", 1, 16, 1, 0}),
    [](const ::testing::TestParamInfo<StreamKind>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '.') c = '_';
        return name;
    });

namespace {

class BassMp3TagTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("tagged.mp3");
    void SetUp() override {
        const auto r = testutil::Run({"ffmpeg", "-v", "error", "-f", "lavfi", "-i", "sine=duration=0.5", "-c:a", "libmp3lame",
                            "-id3v2_version", "3", "-write_id3v1", "1", "-metadata", "title=Grüße aus 東京",
                            "-metadata", "artist=Björk", "-metadata", "album=Album", "-metadata", "genre=Jazz",
                            "-metadata", "date=1999", "-metadata", "comment=first\r\nsecond\nthird", "-metadata",
                            "track=3/12", "-metadata", "composer=Composer", "-metadata", "copyright=(c) Someone",
                            path});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
};

}  // namespace

TEST_F(BassMp3TagTest, HandsOutTheRawTagBlocksAndWhereTheAudioLies) {
    const std::vector<uint8_t> file = ReadBytes(path);
    const HSTREAM stream = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
    ASSERT_NE(stream, 0u);

    const uint64_t tagBytes = Id3v2TagSize(file.data());
    ASSERT_GT(tagBytes, 10u);
    const uint8_t* id3v2 = BASS_ChannelGetTags(stream, BASS_TAG_ID3V2);
    ASSERT_NE(id3v2, nullptr);
    EXPECT_TRUE(std::equal(id3v2, id3v2 + tagBytes, file.begin()));
    const uint8_t* id3v1 = BASS_ChannelGetTags(stream, BASS_TAG_ID3);
    ASSERT_NE(id3v1, nullptr);
    EXPECT_TRUE(std::equal(id3v1, id3v1 + 128, file.end() - 128));

    // The Info frame right after the tag holds no sound: the audio starts at the frame after it.
    const uint64_t start = BASS_StreamGetFilePosition(stream, BASS_FILEPOS_START);
    const std::string infoFrame(file.begin() + tagBytes, file.begin() + tagBytes + 40);
    EXPECT_NE(infoFrame.find("Info"), std::string::npos);
    EXPECT_GT(start, tagBytes + 100);
    EXPECT_EQ(file[start], 0xFF);
    EXPECT_EQ(file[start + 1] & 0xE0, 0xE0);
    EXPECT_EQ(BASS_StreamGetFilePosition(stream, BASS_FILEPOS_END), file.size() - 128);
    BASS_StreamFree(stream);
}

TEST_F(BassMp3TagTest, ReadsTagTextThroughAFormat) {
    const HSTREAM stream = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
    ASSERT_NE(stream, 0u);
    EXPECT_STREQ(TAGS_Read(stream, "%TITL|%ARTI|%ALBM|%GNRE|%YEAR|%TRCK|%COMP|%COPY"),
                 "Grüße aus 東京|Björk|Album|Jazz|1999|3/12|Composer|(c) Someone");
    EXPECT_STREQ(TAGS_Read(stream, "[%CMNT]"), "[first second third]") << "line breaks become spaces";
    EXPECT_STREQ(TAGS_Read(stream, "100%% %NONE %"), "") << "no field named: nothing to show";
    EXPECT_STREQ(TAGS_Read(stream, "%% %NONE %ALBM%"), "% %NONE Album%");
    BASS_StreamFree(stream);

    const std::string plain = dir.file("plain.flac");
    Shell("ffmpeg -v error -f lavfi -i sine=duration=0.2 " + Quote(plain));
    const HSTREAM untagged = BASS_StreamCreateFile(plain.c_str(), BASS_STREAM_DECODE);
    EXPECT_STREQ(TAGS_Read(untagged, "%TITL\n%ARTI"), "");
    EXPECT_EQ(BASS_ChannelGetTags(untagged, BASS_TAG_ID3), nullptr);
    EXPECT_EQ(BASS_ChannelGetTags(untagged, BASS_TAG_ID3V2), nullptr);
    BASS_StreamFree(untagged);
}

TEST(BassLayerTest, AnswersTheSetUpCalls) {
    EXPECT_EQ(BASS_GetVersion() >> 16, 0x0204u);
    EXPECT_EQ(BASS_Init(0, 44100, 0), 1);
    EXPECT_EQ(BASS_Init(1, 44100, 0), 0) << "there is no sound device";
    for (const char* addOn : {"/opt/tw/addons/basscd.dll", "addons/BASSFLAC.DLL", "bass_tta.dll"})
        EXPECT_NE(BASS_PluginLoad(addOn, 0), 0u) << addOn;
    EXPECT_EQ(BASS_PluginLoad("addons/other.dll", 0), 0u);
    EXPECT_EQ(BASS_PluginFree(0), 1);
    EXPECT_EQ(BASS_Free(), 1);
}

TEST(BassLayerTest, RefusesFilesNoLoaderReads) {
    TempDir dir;
    std::vector<uint8_t> noise(20000);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7919 >> 3);
    WriteBytes(dir.file("noise.bin"), noise);
    const std::string path = dir.file("noise.bin");
    EXPECT_EQ(BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE), 0u);
    EXPECT_EQ(BASS_MusicLoad(path.c_str(), BASS_MUSIC_DECODE, 44100), 0u);
    EXPECT_EQ(BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(dir.file("missing.mp3").c_str(), BASS_STREAM_DECODE), 0u);
}

TEST(BassLayerTest, CutShortStreamsEndEarly) {
    TempDir dir;
    for (const char* name : {"cut.mp3", "cut.flac", "cut.m4a"}) {
        const std::string path = MakeWithFfmpeg(dir, name);
        std::vector<uint8_t> bytes = ReadBytes(path);
        bytes.resize(bytes.size() / 2);
        WriteBytes(path, bytes);
        const HSTREAM stream = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
        if (!stream) continue;
        EXPECT_LT(DecodeAll(stream).size(), 44100u * 4 * 13 / 10) << name;
        BASS_StreamFree(stream);
    }
}

// Channels on several threads at once give what each gives alone.
TEST(BassLayerTest, DecodesOnSeveralThreadsAtOnce) {
    TempDir dir;
    const std::vector<std::string> streams = {MakeWithFfmpeg(dir, "a.mp3"), MakeWithFfmpeg(dir, "b.flac"),
                                              MakeWithFfmpeg(dir, "c.wv")};
    WriteBytes(dir.file("d.it"), basstest::MakeItFile(32));
    WriteBytes(dir.file("e.mid"), basstest::MakeTempoChangeSong());
    const BASS_MIDI_FONT font{BASS_MIDI_FontInit("/usr/share/sounds/sf2/default-GM.sf2", 0), -1, 0};
    auto decode = [&](size_t i) {
        uint32_t handle = 0;
        if (i < streams.size()) handle = BASS_StreamCreateFile(streams[i].c_str(), BASS_STREAM_DECODE);
        if (i == 3) handle = BASS_MusicLoad(dir.file("d.it").c_str(), BASS_MUSIC_DECODE, 44100);
        if (i >= 4) {
            handle = BASS_MIDI_StreamCreateFile(dir.file("e.mid").c_str(), BASS_STREAM_DECODE, 44100);
            BASS_MIDI_StreamSetFonts(handle, &font, 1);
        }
        std::vector<uint8_t> bytes = DecodeAll(handle);
        if (i == 3) BASS_MusicFree(handle);
        else BASS_StreamFree(handle);
        return bytes;
    };
    std::vector<std::vector<uint8_t>> alone(6), together(6);
    for (size_t i = 0; i < alone.size(); ++i) alone[i] = decode(i);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < together.size(); ++i) threads.emplace_back([&, i] { together[i] = decode(i); });
    for (std::thread& thread : threads) thread.join();
    for (size_t i = 0; i < alone.size(); ++i) {
        EXPECT_FALSE(alone[i].empty()) << i;
        EXPECT_TRUE(together[i] == alone[i]) << i;
    }
}
