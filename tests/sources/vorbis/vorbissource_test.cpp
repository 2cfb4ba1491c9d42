// VorbisSource over Ogg Vorbis files made by sox and ffmpeg: samples, properties,
// comments, surround and chained streams.
#include "sources/vorbis/vorbissource.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/testutil.h"

using namespace testutil;
using tonewright::kBlockSamples;
using tonewright::TagInfo;
using tonewright::VorbisSource;

namespace {

struct Planar {
    std::vector<int16_t> left, right;
    int largestBlock = 0;
};

Planar ReadAllBlocks(VorbisSource& source) {
    Planar all;
    std::vector<int16_t> left(kBlockSamples), right(kBlockSamples);
    const bool stereo = source.GetChannels() == 2;
    int count;
    while ((count = source.ReadBlock(left.data(), stereo ? right.data() : nullptr)) > 0) {
        all.largestBlock = std::max(all.largestBlock, count);
        all.left.insert(all.left.end(), left.begin(), left.begin() + count);
        if (stereo) all.right.insert(all.right.end(), right.begin(), right.begin() + count);
    }
    return all;
}

// Frames that sox (on libvorbisfile, which honours the final granule position) decodes.
size_t FramesDecodedBySox(const TempDir& dir, const std::string& path, int channels) {
    Shell("sox " + Quote(path) + " -t s16 " + Quote(dir.file("sox.raw")));
    return FileSize(dir.file("sox.raw")) / (2 * channels);
}

// FFmpeg's Ogg reader does not always end the stream at the final granule position (it
// may stop short or run on by part of a block); the samples both give must agree.
void ExpectSameStart(const std::vector<int16_t>& got, const std::vector<int16_t>& expected) {
    const size_t common = std::min(got.size(), expected.size());
    EXPECT_NEAR(static_cast<double>(got.size()), static_cast<double>(expected.size()), 2048);
    EXPECT_LE(MaxAbsDiff(std::vector<int16_t>(got.begin(), got.begin() + common),
                         std::vector<int16_t>(expected.begin(), expected.begin() + common)),
              1);
}

// Channel `channel` of an interleaved decode.
std::vector<int16_t> ChannelOf(const Pcm16& pcm, int channel) {
    std::vector<int16_t> out;
    for (size_t f = 0; f < pcm.frames(); ++f) out.push_back(pcm.samples[f * pcm.channels + channel]);
    return out;
}

class VorbisSourceTest : public ::testing::Test {
protected:
    TempDir dir;
    // An Ogg Vorbis file written by sox with the given comments ("KEY=value").
    std::string MakeWithComments(const std::string& name, const std::vector<std::string>& comments, int channels = 2) {
        MakeToneWithSox(dir.file("tone.wav"), 44100, channels, 1.5, "");
        std::string command = "sox " + Quote(dir.file("tone.wav"));
        for (const auto& c : comments) command += " --add-comment " + Quote(c);
        Shell(command + " " + Quote(dir.file(name)));
        return dir.file(name);
    }
};

}  // namespace

TEST_F(VorbisSourceTest, DecodesLikeAnIndependentDecoder) {
    const std::string path = MakeWithComments("tone.ogg", {});
    VorbisSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetSampleRate(), 44100);
    EXPECT_EQ(source.GetSourceChannels(), 2);
    EXPECT_EQ(source.GetBitsPerSample(), 16);
    EXPECT_EQ(source.GetDuration(), 1);
    EXPECT_GT(source.GetBitrate(), 32);
    EXPECT_GT(source.GetLength(), 0u);
    EXPECT_LE(source.GetLength(), FileSize(path));

    const Planar got = ReadAllBlocks(source);
    const Pcm16 expected = DecodeWithFfmpeg(path);
    EXPECT_LE(got.largestBlock, 1024);
    EXPECT_EQ(got.left.size(), FramesDecodedBySox(dir, path, 2));
    ExpectSameStart(got.left, ChannelOf(expected, 0));
    ExpectSameStart(got.right, ChannelOf(expected, 1));
    EXPECT_GE(source.GetPosition(), source.GetLength());
    EXPECT_EQ(source.ReadBlock(nullptr, nullptr), 0);
}

TEST_F(VorbisSourceTest, MonoFillsOnlyTheLeftBuffer) {
    const std::string path = MakeWithComments("mono.ogg", {}, 1);
    VorbisSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    EXPECT_EQ(source.GetChannels(), 1);
    const Planar got = ReadAllBlocks(source);
    EXPECT_LE(got.largestBlock, kBlockSamples);
    EXPECT_EQ(got.left.size(), FramesDecodedBySox(dir, path, 1));
    ExpectSameStart(got.left, DecodeWithFfmpeg(path).samples);
}

TEST_F(VorbisSourceTest, SurroundDeliversFrontLeftAndFrontRight) {
    // Six different tones; the WAV order is FL FR FC LFE BL BR, the Vorbis order FL FC FR
    // BL BR LFE.
    Shell("sox -n -r 44100 -c 6 " + Quote(dir.file("six.wav")) +
          " synth 1 sine 300 sine 500 sine 700 sine 900 sine 1100 sine 1300 vol 0.5");
    Shell("ffmpeg -v error -i " + Quote(dir.file("six.wav")) + " -c:a libvorbis " + Quote(dir.file("six.ogg")));
    VorbisSource source;
    ASSERT_EQ(source.Open(dir.file("six.ogg"), 0), 1);
    EXPECT_EQ(source.GetSourceChannels(), 6);
    EXPECT_EQ(source.GetChannels(), 2);
    const Planar got = ReadAllBlocks(source);
    EXPECT_LE(got.largestBlock, 341);
    const Pcm16 expected = DecodeWithFfmpeg(dir.file("six.ogg"));  // FFmpeg order: FL FR ...
    ExpectSameStart(got.left, ChannelOf(expected, 0));
    ExpectSameStart(got.right, ChannelOf(expected, 1));
}

TEST_F(VorbisSourceTest, CommentsGiveTheNineValues) {
    const std::string unicode = "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xB5";
    const std::string path = MakeWithComments(
        "tagged.ogg", {"title=" + unicode, "ARTIST=first", "Artist=second", "ALBUM=Al", "DATE=1999", "GENRE=Jazz",
                       "COMMENT=Co", "TRACKNUMBER=3/12", "COMPOSER=Cm", "COPYRIGHT=Cr", "TITLEX=not a title"});
    VorbisSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    TagInfo tags;
    ASSERT_EQ(source.GetTags(tags), 1);
    EXPECT_EQ(tags.title, unicode);
    EXPECT_EQ(tags.artist, "second");
    EXPECT_EQ(tags.album, "Al");
    EXPECT_EQ(tags.year, "1999");
    EXPECT_EQ(tags.genre, "Jazz");
    EXPECT_EQ(tags.comment, "Co");
    EXPECT_EQ(tags.track, "3/12");
    EXPECT_EQ(tags.composer, "Cm");
    EXPECT_EQ(tags.copyright, "Cr");

    // The comment kept as DESCRIPTION (so the ffmpeg program writes it) stands in for COMMENT.
    const struct {
        std::vector<std::string> comments;
        const char* comment;
    } described[] = {{{"description=Described"}, "Described"}, {{"COMMENT=Co", "DESCRIPTION=Described"}, "Co"}};
    for (const auto& d : described) {
        ASSERT_EQ(source.Open(MakeWithComments("described.ogg", d.comments), 0), 1);
        ASSERT_EQ(source.GetTags(tags), 1);
        EXPECT_EQ(tags.comment, d.comment);
    }
}

TEST_F(VorbisSourceTest, AHugeCommentIsHandledWhole) {
    MakeToneWithSox(dir.file("tone.wav"), 22050, 1, 0.5, "");
    {
        std::ofstream comments(dir.file("comments.txt"));
        comments << "METADATA_BLOCK_PICTURE=" << std::string(400000, 'A') << "\nTITLE=after the picture\n";
    }
    Shell("sox " + Quote(dir.file("tone.wav")) + " --comment-file " + Quote(dir.file("comments.txt")) + " " +
          Quote(dir.file("big.ogg")));
    VorbisSource source;
    ASSERT_EQ(source.Open(dir.file("big.ogg"), 0), 1);
    TagInfo tags;
    source.GetTags(tags);
    EXPECT_EQ(tags.title, "after the picture");
}

TEST_F(VorbisSourceTest, ChainedFilesReadOnWhileTheFormatStays) {
    const std::string first = MakeWithComments("first.ogg", {"TITLE=first link"});
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -c:a libvorbis " + Quote(dir.file("second.ogg")));
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -ac 1 -c:a libvorbis " + Quote(dir.file("mono.ogg")));
    const auto chain = [&](const std::string& name, const std::string& second) {
        std::vector<uint8_t> bytes = ReadBytes(first);
        const std::vector<uint8_t> more = ReadBytes(dir.file(second));
        bytes.insert(bytes.end(), more.begin(), more.end());
        WriteBytes(dir.file(name), bytes);
    };
    chain("chain.ogg", "second.ogg");
    chain("mixed.ogg", "mono.ogg");
    const size_t linkFrames = FramesDecodedBySox(dir, first, 2);

    VorbisSource source;
    ASSERT_EQ(source.Open(first, 0), 1);
    const uint64_t firstLength = source.GetLength();
    ASSERT_EQ(source.Open(dir.file("chain.ogg"), 0), 1);
    EXPECT_GT(source.GetLength(), firstLength + FileSize(dir.file("second.ogg")) / 2);
    EXPECT_LE(source.GetLength(), FileSize(dir.file("chain.ogg")));
    TagInfo tags;
    source.GetTags(tags);
    EXPECT_EQ(tags.title, "first link");
    EXPECT_EQ(ReadAllBlocks(source).left.size(), 2 * linkFrames);

    // A mono link after a stereo one would be read as stereo: the stream ends before it.
    ASSERT_EQ(source.Open(dir.file("mixed.ogg"), 0), 1);
    EXPECT_EQ(ReadAllBlocks(source).left.size(), linkFrames);
}

TEST_F(VorbisSourceTest, RefusesWhatIsNotOggVorbis) {
    MakeToneWithSox(dir.file("tone.wav"), 48000, 2, 0.3, "");
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -c:a libopus " + Quote(dir.file("opus.ogg")));
    VorbisSource source;
    EXPECT_EQ(source.Open(dir.file("opus.ogg"), 0), 0);
    EXPECT_EQ(source.Open(dir.file("tone.wav"), 0), 0);
    EXPECT_EQ(source.Open(dir.file("missing.ogg"), 0), 0);
    EXPECT_EQ(source.GetSampleRate(), 0);
    EXPECT_EQ(source.GetChannelMode(), tonewright::kModeUnknown);
}
