// ReadMp4Tags over M4A files tagged by the ffmpeg program.
#include "metadata/mp4tags.h"

#include <gtest/gtest.h>

#include "support/testutil.h"

using namespace testutil;
using tonewright::ReadMp4Tags;
using tonewright::TagInfo;

namespace {

class Mp4Tags : public ::testing::Test {
protected:
    TempDir dir;
    std::string MakeM4a(const std::string& name, const std::string& metadata) {
        MakeToneWithSox(dir.file("tone.wav"), 44100, 2, 0.3, "");
        Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -c:a aac " + metadata + " " +
              Quote(dir.file(name)));
        return dir.file(name);
    }
};

}  // namespace

TEST_F(Mp4Tags, ReadsTheTextItemsAndTheTrackNumber) {
    const std::string unicode = "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xB5";
    std::string metadata = "-metadata " + Quote("title=" + unicode);
    for (const char* pair : {"artist=Ar", "album=Al", "date=2004", "genre=Jazz", "comment=Co", "composer=Cm",
                             "copyright=Cr", "track=7/12"})
        metadata += std::string(" -metadata ") + Quote(pair);
    TagInfo tags;
    ASSERT_EQ(ReadMp4Tags(MakeM4a("tagged.m4a", metadata), tags), 1);
    EXPECT_EQ(tags.title, unicode);
    EXPECT_EQ(tags.artist, "Ar");
    EXPECT_EQ(tags.album, "Al");
    EXPECT_EQ(tags.year, "2004");
    EXPECT_EQ(tags.genre, "Jazz");
    EXPECT_EQ(tags.comment, "Co");
    EXPECT_EQ(tags.composer, "Cm");
    EXPECT_EQ(tags.copyright, "Cr");
    EXPECT_EQ(tags.track, "7");
}

TEST_F(Mp4Tags, ATrackAloneIsNoTag) {
    TagInfo tags;
    EXPECT_EQ(ReadMp4Tags(MakeM4a("track.m4a", "-fflags +bitexact -metadata track=3"), tags), 0);
    EXPECT_EQ(ReadMp4Tags(MakeM4a("bare.m4a", "-fflags +bitexact"), tags), 0);
}

TEST_F(Mp4Tags, OtherFilesYieldNothing) {
    MakeToneWithSox(dir.file("tone.wav"), 8000, 1, 0.2, "");
    TagInfo tags;
    EXPECT_EQ(ReadMp4Tags(dir.file("tone.wav"), tags), 0);
    EXPECT_EQ(ReadMp4Tags(dir.file("missing.m4a"), tags), 0);
}
