// The two FFmpeg sources: the decoding variant's blocks, properties and tags, and the
// probing variant's properties of audio and video streams.
#include "sources/ffmpeg/ffmpegsource.h"

#include <gtest/gtest.h>

#include "sources/ffmpeg/ffmpegprobesource.h"
#include "sources/ffmpeg/mediafixtures.h"

using namespace testutil;
using tonewright::FfmpegProbeSource;
using tonewright::FfmpegSource;
using tonewright::kBlockSamples;
using tonewright::TagInfo;

namespace {

// Reads the source to its end, interleaving its blocks again; checks the block contract.
std::vector<int16_t> ReadAllBlocks(FfmpegSource& source) {
    std::vector<int16_t> all;
    std::vector<int16_t> left(kBlockSamples), right(kBlockSamples);
    const bool stereo = source.GetChannels() == 2;
    uint64_t lastPosition = 0;
    int count;
    while ((count = source.ReadBlock(left.data(), stereo ? right.data() : nullptr)) > 0) {
        EXPECT_LE(count, kBlockSamples);
        EXPECT_GE(source.GetPosition(), lastPosition);
        lastPosition = source.GetPosition();
        for (int i = 0; i < count; ++i) {
            all.push_back(left[i]);
            if (stereo) all.push_back(right[i]);
        }
    }
    // MP4 files keep their index after the audio, so the end may stop short of the length.
    EXPECT_LE(source.GetPosition(), source.GetLength());
    EXPECT_GT(source.GetPosition(), source.GetLength() * 9 / 10);
    return all;
}

class FfmpegSourceTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string Make(const char* name, const std::string& args) {
        MakeToneWithSox(dir.file("tone.wav"), 44100, 2, 2.5, "");
        const std::string path = dir.file(name);
        Shell("ffmpeg -v error -y -i " + Quote(dir.file("tone.wav")) + " " + args + " " + Quote(path));
        return path;
    }
};

}  // namespace

TEST_F(FfmpegSourceTest, DeliversPlanarBlocksOfTheFirstTwoChannels) {
    const std::string path = Make("stereo.m4a", "-c:a aac -b:a 96k");
    FfmpegSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetSampleRate(), 44100);
    EXPECT_EQ(source.GetSourceChannels(), 2);
    EXPECT_EQ(source.GetChannels(), 2);
    EXPECT_EQ(source.GetChannelMode(), tonewright::kModeStereo);
    EXPECT_EQ(source.GetBitsPerSample(), 16);
    EXPECT_EQ(source.GetDuration(), 2);
    EXPECT_NEAR(source.GetBitrate(), 96, 10);
    EXPECT_EQ(source.GetLength(), FileSize(path));
    EXPECT_EQ(MaxAbsDiff(ReadAllBlocks(source), DecodeWithFfmpeg(path).samples), 0);
}

TEST_F(FfmpegSourceTest, MonoFillsOnlyTheLeftBuffer) {
    const std::string path = Make("mono.spx", "-ar 16000 -ac 1 -c:a libspeex");
    FfmpegSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetChannels(), 1);
    EXPECT_EQ(source.GetChannelMode(), tonewright::kModeMono);
    EXPECT_EQ(MaxAbsDiff(ReadAllBlocks(source), DecodeWithFfmpeg(path).samples), 0);
}

TEST_F(FfmpegSourceTest, MixesASurroundStreamDownToTwoChannels) {
    const std::string path = Make("surround.m4a", "-af aformat=channel_layouts=5.1 -c:a aac");
    FfmpegSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetSourceChannels(), 6);
    EXPECT_EQ(source.GetChannels(), 2);
    EXPECT_EQ(MaxAbsDiff(ReadAllBlocks(source), DecodeWithFfmpeg(path, 2).samples), 0);
}

TEST_F(FfmpegSourceTest, CloseResetsEveryProperty) {
    FfmpegSource source;
    ASSERT_EQ(source.Open(Make("a.flac", ""), 0), 1);
    source.Close();
    EXPECT_EQ(source.GetSampleRate(), 0);
    EXPECT_EQ(source.GetChannels(), 0);
    EXPECT_EQ(source.GetLength(), 0u);
    EXPECT_EQ(source.GetChannelMode(), tonewright::kModeUnknown);
    int left[kBlockSamples];
    EXPECT_LE(source.ReadBlock(left, left), 0);
}

TEST_F(FfmpegSourceTest, ProbingReadsAudioAndVideoPropertiesOnly) {
    MakeToneWithSox(dir.file("tone.wav"), 48000, 1, 2.5, "");
    const std::string path = dir.file("clip.mp4");
    Shell("ffmpeg -v error -f lavfi -i testsrc=size=176x144:rate=25 -i " + Quote(dir.file("tone.wav")) +
          " -shortest -c:v mpeg4 -c:a aac -b:a 64k " + Quote(path));
    FfmpegProbeSource probe;
    ASSERT_EQ(probe.Open(path, 0), 1);
    EXPECT_EQ(probe.GetSampleRate(), 48000);
    EXPECT_EQ(probe.GetSourceChannels(), 1);
    EXPECT_EQ(probe.GetChannelMode(), tonewright::kModeMono);
    EXPECT_EQ(probe.GetDuration(), 2);
    EXPECT_NEAR(probe.GetBitrate(), 64, 8);
    int width = 0, height = 0;
    probe.GetVideoSize(width, height);
    EXPECT_EQ(width, 176);
    EXPECT_EQ(height, 144);
    EXPECT_DOUBLE_EQ(probe.GetFrameRate(), 25.0);
    int16_t left[kBlockSamples];
    EXPECT_EQ(probe.ReadBlock(left, nullptr), 0);
    EXPECT_EQ(probe.GetLength(), 0u);
}

TEST_F(FfmpegSourceTest, AVideoWithoutAudioIsProbedButNotDecoded) {
    const std::string path = dir.file("silent.mkv");
    Shell("ffmpeg -v error -f lavfi -i testsrc=size=64x48:rate=10 -t 1 -c:v mpeg4 " + Quote(path));
    FfmpegProbeSource probe;
    ASSERT_EQ(probe.Open(path, 0), 1);
    EXPECT_EQ(probe.GetSampleRate(), 0);
    int width = 0, height = 0;
    probe.GetVideoSize(width, height);
    EXPECT_EQ(width, 64);
    FfmpegSource source;
    EXPECT_EQ(source.Open(path, 0), 0);
}

TEST_F(FfmpegSourceTest, ProbingTellsEightBitPcm) {
    MakeToneWithSox(dir.file("u8.wav"), 8000, 1, 0.5, "-b 8 -e unsigned");
    FfmpegProbeSource probe;
    ASSERT_EQ(probe.Open(dir.file("u8.wav"), 0), 1);
    EXPECT_EQ(probe.GetBitsPerSample(), 8);
}

namespace {

struct TaggedKind {
    const char* label;
    const char* file;
    const char* args;
};

class FfmpegSourceTags : public ::testing::TestWithParam<TaggedKind> {
protected:
    TempDir dir;
};

const char kUnicode[] = "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xB5";

}  // namespace

TEST_P(FfmpegSourceTags, ReadsTheNineValuesFromTheContainer) {
    MakeToneWithSox(dir.file("tone.wav"), 44100, 2, 0.3, "");
    const std::string path = dir.file(GetParam().file);
    std::string metadata = " -metadata " + Quote(std::string("title=T ") + kUnicode);
    for (const char* pair : {"artist=Ar", "album=Al", "date=c.2021", "genre=Jazz", "comment=Co", "track=7/12",
                             "composer=Cm", "copyright=Cr"})
        metadata += " -metadata " + Quote(pair);
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " " + GetParam().args + metadata + " " + Quote(path));
    FfmpegSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    TagInfo tags;
    ASSERT_EQ(source.GetTags(tags), 1);
    EXPECT_EQ(tags.title, std::string("T ") + kUnicode);
    EXPECT_EQ(tags.artist, "Ar");
    EXPECT_EQ(tags.album, "Al");
    EXPECT_EQ(tags.year, "2021");
    EXPECT_EQ(tags.genre, "Jazz");
    EXPECT_EQ(tags.comment, "Co");
    EXPECT_EQ(tags.track, "7");
    EXPECT_EQ(tags.composer, "Cm");
    EXPECT_EQ(tags.copyright, "Cr");
}

INSTANTIATE_TEST_SUITE_P(TaggedFamilies, FfmpegSourceTags,
                         ::testing::Values(TaggedKind{"mp3", "id3v2.mp3", "-c:a libmp3lame"},
                                           TaggedKind{"flac", "a.flac", ""}, TaggedKind{"m4a", "a.m4a", "-c:a aac"},
                                           TaggedKind{"opus", "a.opus", "-c:a libopus"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FfmpegSourceTagsAbsent, LeavesTheRecordUntouched) {
    TempDir dir;
    MakeToneWithSox(dir.file("plain.wav"), 8000, 1, 0.2, "");
    Shell("ffmpeg -v error -i " + Quote(dir.file("plain.wav")) + " -fflags +bitexact " + Quote(dir.file("plain.flac")));
    FfmpegSource source;
    ASSERT_EQ(source.Open(dir.file("plain.flac"), 0), 1);
    TagInfo tags;
    tags.title = "kept";
    EXPECT_EQ(source.GetTags(tags), 0);
    EXPECT_EQ(tags.title, "kept");
}

namespace {

constexpr int kHeavyTagCount = 100000;

void AppendBigEndian(std::vector<uint8_t>& bytes, uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendText(std::vector<uint8_t>& bytes, const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// An ID3v2.3 frame of text encoding 0 with the body `text`.
void AppendId3Frame(std::vector<uint8_t>& tag, const char* id, const std::string& text) {
    AppendText(tag, id);
    AppendBigEndian(tag, static_cast<uint32_t>(text.size() + 1), 4);
    AppendBigEndian(tag, 0, 2);
    tag.push_back(0);
    AppendText(tag, text);
}

// The MP3 file with an ID3v2 tag of a title and kHeavyTagCount TXXX frames put before it.
void AddHeavyId3v2Tag(const std::string& path) {
    std::vector<uint8_t> body;
    AppendId3Frame(body, "TIT2", "Heavy");
    for (int i = 0; i < kHeavyTagCount; ++i) AppendId3Frame(body, "TXXX", "K" + std::to_string(i) + '\0' + "v");
    std::vector<uint8_t> file = {'I', 'D', '3', 3, 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7) file.push_back(static_cast<uint8_t>((body.size() >> shift) & 0x7F));
    file.insert(file.end(), body.begin(), body.end());
    const std::vector<uint8_t> audio = ReadBytes(path);
    file.insert(file.end(), audio.begin(), audio.end());
    WriteBytes(path, file);
}

void AppendLittleEndian32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// The FLAC file with its Vorbis comment block replaced by one of a title and
// kHeavyTagCount comments.
void AddHeavyVorbisComments(const std::string& path) {
    const std::vector<uint8_t> flac = ReadBytes(path);
    std::vector<uint8_t> comments;
    AppendLittleEndian32(comments, 0);  // no vendor text
    AppendLittleEndian32(comments, kHeavyTagCount + 1);
    for (int i = 0; i <= kHeavyTagCount; ++i) {
        const std::string comment = i == 0 ? "TITLE=Heavy" : "K" + std::to_string(i) + "=v";
        AppendLittleEndian32(comments, static_cast<uint32_t>(comment.size()));
        AppendText(comments, comment);
    }
    std::vector<uint8_t> file(flac.begin(), flac.begin() + 4);
    size_t at = 4;
    for (bool last = false; !last && at + 4 <= flac.size();) {
        last = (flac[at] & 0x80) != 0;
        const size_t length = size_t{flac[at + 1]} << 16 | size_t{flac[at + 2]} << 8 | flac[at + 3];
        if ((flac[at] & 0x7F) != 4) {
            const auto block = flac.begin() + static_cast<long>(at);
            file.insert(file.end(), block, block + static_cast<long>(4 + length));
            file[file.size() - 4 - length] &= 0x7F;  // the comment block ends the metadata
        }
        at += 4 + length;
    }
    file.push_back(0x80 | 4);
    AppendBigEndian(file, static_cast<uint32_t>(comments.size()), 3);
    file.insert(file.end(), comments.begin(), comments.end());
    file.insert(file.end(), flac.begin() + static_cast<long>(at), flac.end());
    WriteBytes(path, file);
}

struct TagHeavyKind {
    const char* label;
    const char* file;
    const char* args;
    void (*addTags)(const std::string& path);
};

class FfmpegSourceTagHeavy : public FfmpegSourceTest, public ::testing::WithParamInterface<TagHeavyKind> {};

}  // namespace

// FFmpeg files every tag in a dictionary that searches all earlier ones, so 100,000 tags took
// minutes: it is kept off the tag blocks (its metadata stays small), the samples are those of
// the same audio without the tags, and the tags still come from the file.
TEST_P(FfmpegSourceTagHeavy, KeepsFfmpegOffTheTagsAndStillReadsThem) {
    const TagHeavyKind& kind = GetParam();
    const std::string plain = Make(kind.file, kind.args);
    const std::string heavy = dir.file(std::string("heavy-") + kind.file);
    Shell("cp " + Quote(plain) + " " + Quote(heavy));
    kind.addTags(heavy);

    tonewright::FfmpegDecoder decoder;
    ASSERT_TRUE(decoder.Open(heavy));
    EXPECT_LT(av_dict_count(decoder.Format()->metadata), 10);

    FfmpegSource plainSource, heavySource;
    ASSERT_EQ(plainSource.Open(plain, 0), 1);
    ASSERT_EQ(heavySource.Open(heavy, 0), 1);
    TagInfo tags;
    ASSERT_EQ(heavySource.GetTags(tags), 1);
    EXPECT_EQ(tags.title, "Heavy");
    EXPECT_EQ(ReadAllBlocks(heavySource), ReadAllBlocks(plainSource));
}

INSTANTIATE_TEST_SUITE_P(Families, FfmpegSourceTagHeavy,
                         ::testing::Values(TagHeavyKind{"mp3", "a.mp3", "-c:a libmp3lame", AddHeavyId3v2Tag},
                                           TagHeavyKind{"flac", "a.flac", "", AddHeavyVorbisComments}),
                         [](const auto& info) { return std::string(info.param.label); });
