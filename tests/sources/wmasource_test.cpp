#include <gtest/gtest.h>

#include <memory>

#include "base/inputtype.h"
#include "engine/sourcefactory.h"
#include "sources/wma/wmasource.h"
#include "support/testutil.h"

using namespace tonewright;

// A WMA file made by the ffmpeg program decodes to the samples the ffmpeg program gives,
// with its attributes as tags.
TEST(WmaSourceTest, DecodesAFileMadeByFfmpegWithItsTags) {
    testutil::TempDir dir;
    const std::string path = dir.file("t.wma");
    testutil::Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=0.5:r=22050 -ac 2 -c:a wmav2 -b:a 64k -metadata " +
                    testutil::Quote("title=Tïtle") + " -metadata artist=Artist -metadata album=Album" +
                    " -metadata genre=Jazz -metadata date=2001 -metadata track=07 -metadata composer=Compo" +
                    " -metadata copyright=CopyR -metadata comment=Words " + testutil::Quote(path));
    std::string reason;
    auto source = OpenSource(path, kInputWindowsMedia, 44100, SourceUse::Conversion, reason);
    ASSERT_TRUE(source);
    ASSERT_NE(dynamic_cast<WmaSource*>(source.get()), nullptr);
    EXPECT_EQ(source->GetSampleRate(), 22050);
    EXPECT_EQ(source->GetChannels(), 2);
    EXPECT_EQ(source->GetBitsPerSample(), 16);
    EXPECT_NEAR(static_cast<double>(source->GetLength()), 5000000, 500000);  // 100-ns units
    EXPECT_EQ(source->GetBitrate(), 64);

    TagInfo tags;
    ASSERT_EQ(source->GetTags(tags), 1);
    EXPECT_EQ(tags.title, "Tïtle");
    EXPECT_EQ(tags.artist, "Artist");
    EXPECT_EQ(tags.album, "Album");
    EXPECT_EQ(tags.genre, "Jazz");
    EXPECT_EQ(tags.year, "2001");
    EXPECT_EQ(tags.track, "7");
    EXPECT_EQ(tags.composer, "Compo");
    EXPECT_EQ(tags.copyright, "CopyR");
    EXPECT_EQ(tags.comment, "Words");

    const testutil::Pcm16 reference = testutil::DecodeWithFfmpeg(path);
    std::vector<int16_t> left(kBlockSamples), right(kBlockSamples), decoded;
    for (int n; (n = source->ReadBlock(left.data(), right.data())) > 0;)
        for (int i = 0; i < n; ++i) decoded.insert(decoded.end(), {left[i], right[i]});
    EXPECT_EQ(decoded, reference.samples);
    EXPECT_NEAR(static_cast<double>(source->GetPosition()), 5000000, 1000000);
}

TEST(WmaSourceTest, RefusesOtherFilesAndGivesTrackZeroWithoutTags) {
    testutil::TempDir dir;
    const std::string wav = dir.file("t.wav"), wma = dir.file("plain.wma");
    testutil::MakeToneWithSox(wav, 8000, 1, 0.1, "");
    testutil::Shell("ffmpeg -v error -f lavfi -i sine=d=0.2 -c:a wmav2 -fflags +bitexact " + testutil::Quote(wma));
    WmaSource source;
    EXPECT_EQ(source.Open(wav, 44100), 0);
    ASSERT_EQ(source.Open(wma, 44100), 1);
    EXPECT_EQ(source.GetChannels(), 1);
    TagInfo tags;
    EXPECT_EQ(source.GetTags(tags), 1);
    EXPECT_EQ(tags.track, "0");
    EXPECT_TRUE(tags.title.empty());
}
