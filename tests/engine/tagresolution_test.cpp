// ResolveTags: the template, the transfer from the source (MP4 metadata first for MP4
// inputs) and no tag; TrackNumber's reading of track texts.
#include "engine/tagresolution.h"

#include <gtest/gtest.h>

#include <climits>

#include "base/inputtype.h"
#include "settings/settings.h"
#include "sources/ffmpeg/ffmpegsource.h"
#include "sources/vorbis/vorbissource.h"
#include "support/testutil.h"

using namespace testutil;
using namespace tonewright;

namespace {

struct TitleCase {
    const char* sourcePath;
    const char* title;
};

class TemplateTitle : public ::testing::TestWithParam<TitleCase> {};

}  // namespace

TEST_P(TemplateTitle, IsTheFileNameWithoutExtension) {
    TagTemplate tagTemplate;
    tagTemplate.Title = "unused";
    VorbisSource closed;
    TagInfo tags;
    ASSERT_TRUE(ResolveTags(kTagFromTemplate, tagTemplate, 1, GetParam().sourcePath, kInputWav, closed, tags));
    EXPECT_EQ(tags.title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Names, TemplateTitle,
                         ::testing::Values(TitleCase{"/music/song.live.wav", "song.live"},
                                           TitleCase{"/music/README", "README"},
                                           TitleCase{"/music/.hidden", ".hidden"},
                                           TitleCase{"/music/bad\xFFname.mp3", "bad\xEF\xBF\xBDname"}));

TEST(TagResolution, TemplateCarriesItsTextsAndTheChosenTrack) {
    TagTemplate tagTemplate;
    tagTemplate.TitleAsFileName = 0;
    tagTemplate.Title = "T";
    tagTemplate.Artist = "Ar";
    tagTemplate.Album = "Al";
    tagTemplate.Year = "1999";
    tagTemplate.Genre = "Folk";
    tagTemplate.Comment = "Co";
    tagTemplate.Composer = "Cm";
    tagTemplate.Copyright = "Cr";
    tagTemplate.CustomTrackNum = 9;
    VorbisSource closed;
    TagInfo tags;
    const struct {
        int type;
        const char* track;
    } tracks[] = {{0, "0"}, {1, "4"}, {2, "9"}, {3, "0"}};
    for (const auto& t : tracks) {
        tagTemplate.TrackNumType = t.type;
        ASSERT_TRUE(ResolveTags(kTagFromTemplate, tagTemplate, 4, "/a/b.wav", kInputWav, closed, tags));
        EXPECT_EQ(tags.track, t.track) << t.type;
    }
    EXPECT_EQ(tags.title, "T");
    EXPECT_EQ(tags.artist, "Ar");
    EXPECT_EQ(tags.album, "Al");
    EXPECT_EQ(tags.year, "1999");
    EXPECT_EQ(tags.genre, "Folk");
    EXPECT_EQ(tags.comment, "Co");
    EXPECT_EQ(tags.composer, "Cm");
    EXPECT_EQ(tags.copyright, "Cr");
}

TEST(TagResolution, TransferTakesTheSourcesTags) {
    TempDir dir;
    MakeToneWithSox(dir.file("tone.wav"), 22050, 1, 0.3, "");
    Shell("sox " + Quote(dir.file("tone.wav")) + " --add-comment ARTIST=Someone " + Quote(dir.file("a.ogg")));
    VorbisSource source;
    ASSERT_EQ(source.Open(dir.file("a.ogg"), 0), 1);
    TagInfo tags;
    ASSERT_TRUE(ResolveTags(kTagFromSource, TagTemplate(), 1, dir.file("a.ogg"), kInputOgg, source, tags));
    EXPECT_EQ(tags.artist, "Someone");
}

TEST(TagResolution, MpegFourInputsAreReadAsMp4MetadataFirst) {
    TempDir dir;
    MakeToneWithSox(dir.file("tone.wav"), 44100, 2, 0.3, "");
    const std::string path = dir.file("a.m4a");
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -c:a aac -metadata date=2004-05-06 " + Quote(path));
    FfmpegSource source;
    ASSERT_EQ(source.Open(path, 0), 1);
    TagInfo tags;
    // The MP4 item keeps the full date; the container reading keeps the year number.
    ASSERT_TRUE(ResolveTags(kTagFromSource, TagTemplate(), 1, path, kInputM4a, source, tags));
    EXPECT_EQ(tags.year, "2004-05-06");
    ASSERT_TRUE(ResolveTags(kTagFromSource, TagTemplate(), 1, path, kInputOther, source, tags));
    EXPECT_EQ(tags.year, "2004");
}

TEST(TagResolution, NoTagWhenTheSourceHasNoneOrTheModeSaysNone) {
    TempDir dir;
    MakeToneWithSox(dir.file("tone.wav"), 8000, 1, 0.2, "");
    Shell("ffmpeg -v error -i " + Quote(dir.file("tone.wav")) + " -fflags +bitexact " + Quote(dir.file("a.flac")));
    FfmpegSource source;
    ASSERT_EQ(source.Open(dir.file("a.flac"), 0), 1);
    TagInfo tags;
    tags.title = "kept";
    EXPECT_FALSE(ResolveTags(kTagFromSource, TagTemplate(), 1, dir.file("a.flac"), kInputFlac, source, tags));
    EXPECT_FALSE(ResolveTags(kTagNone, TagTemplate(), 1, dir.file("a.flac"), kInputFlac, source, tags));
    EXPECT_FALSE(ResolveTags(7, TagTemplate(), 1, dir.file("a.flac"), kInputFlac, source, tags));
    EXPECT_EQ(tags.title, "kept");
}

TEST(TrackNumber, IsTheLeadingDecimalInteger) {
    const struct {
        const char* text;
        int number;
    } cases[] = {{"7/12", 7}, {"12", 12}, {" 3", 3}, {"", 0}, {"x5", 0}, {"-2", 0}, {"99999999999", INT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(TrackNumber(c.text), c.number) << c.text;
}
