// ID3 blocks built for MP3 targets: the ID3v1 layout byte by byte, the ID3v2.3 frames in their
// order (read by the test itself) and their values (read back with TagLib).
#include <gtest/gtest.h>

#include <taglib/commentsframe.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>

#include <cstring>

#include "metadata/id3tagbuilder.h"

using namespace tonewright;

namespace {

TagInfo SampleValues() {
    TagInfo v;
    v.title = "Title";
    v.artist = "Artist";
    v.album = "Album";
    v.year = "1999";
    v.genre = "hip-hop";
    v.comment = "Comment";
    v.composer = "Composer";
    v.copyright = "(c) Someone";
    return v;
}

std::string Field(const std::vector<uint8_t>& v1, size_t offset, size_t size) {
    std::string text(reinterpret_cast<const char*>(v1.data()) + offset, size);
    return text.substr(0, text.find('\0'));
}

// The frame identifiers of an ID3v2.3 block, in the order they are stored.
std::vector<std::string> FrameIds(const std::vector<uint8_t>& tag) {
    std::vector<std::string> ids;
    size_t at = 10;
    while (at + 10 <= tag.size() && tag[at] != 0) {
        ids.emplace_back(reinterpret_cast<const char*>(&tag[at]), 4);
        // ID3v2.3 frame sizes are plain 32-bit big-endian numbers.
        const size_t size = static_cast<size_t>(tag[at + 4]) << 24 | tag[at + 5] << 16 | tag[at + 6] << 8 | tag[at + 7];
        at += 10 + size;
    }
    return ids;
}

// Reads an ID3v2 block with TagLib, as the front of an MP3 stream.
class ParsedId3v2 {
public:
    explicit ParsedId3v2(const std::vector<uint8_t>& block)
        : stream_(TagLib::ByteVector(reinterpret_cast<const char*>(block.data()), static_cast<unsigned>(block.size()))),
          file_(&stream_, TagLib::ID3v2::FrameFactory::instance()) {}
    TagLib::ID3v2::Tag* tag() { return file_.ID3v2Tag(); }
    std::string Text(const char* id) {
        const auto frames = tag()->frameListMap()[id];
        return frames.isEmpty() ? "-" : frames.front()->toString().to8Bit(true);
    }

private:
    TagLib::ByteVectorStream stream_;
    TagLib::MPEG::File file_;
};

}  // namespace

TEST(Id3TagBuilderTest, Id3v1IsTheFixed128ByteLayout) {
    TagInfo v = SampleValues();
    v.title = "A title that is longer than thirty characters";
    const auto v1 = BuildId3Tag(kId3v1, v, 5, 0);
    ASSERT_EQ(v1.size(), 128u);
    EXPECT_EQ(Field(v1, 0, 3), "TAG");
    EXPECT_EQ(Field(v1, 3, 30), v.title.substr(0, 30));
    EXPECT_EQ(Field(v1, 33, 30), "Artist");
    EXPECT_EQ(Field(v1, 63, 30), "Album");
    EXPECT_EQ(Field(v1, 93, 4), "1999");
    EXPECT_EQ(Field(v1, 97, 28), "Comment");
    EXPECT_EQ(v1[125], 0);
    EXPECT_EQ(v1[126], 5) << "track";
    EXPECT_EQ(v1[127], 7) << "hip-hop is Hip-Hop";
}

TEST(Id3TagBuilderTest, Id3v1GenreTrackYearAndText) {
    const struct {
        const char* genre;
        int track;
        const char* year;
        const char* title;
        int expectedGenre, expectedTrack;
        const char* expectedYear;
        const char* expectedTitle;
    } cases[] = {
        {"", 0, "", "", 12, 0, "", ""},
        {"No Such Genre", 256, "2004-05-01", "Café", 12, 0, "2004", "Caf\xE9"},
        {"BLUES", 300, "abc", "Жук é", 0, 44, "", "??? \xE9"},
        {"Synthpop", 255, "1", "x", 147, 255, "1", "x"},
        {"Jazz", 1, "c.1999", "t", 8, 1, "1999", "t"},
        {"Jazz", 1, "05/01/2004", "t", 8, 1, "2004", "t"},
    };
    for (const auto& c : cases) {
        TagInfo v;
        v.genre = c.genre;
        v.year = c.year;
        v.title = c.title;
        const auto v1 = BuildId3Tag(kId3v1, v, c.track, 0);
        ASSERT_EQ(v1.size(), 128u);
        EXPECT_EQ(v1[127], c.expectedGenre) << c.genre;
        EXPECT_EQ(v1[126], c.expectedTrack) << c.track;
        EXPECT_EQ(Field(v1, 93, 4), c.expectedYear) << c.year;
        EXPECT_EQ(Field(v1, 3, 30), c.expectedTitle);
    }
}

TEST(Id3TagBuilderTest, Id3v2FramesInOrder) {
    const auto block = BuildId3Tag(kId3v2, SampleValues(), 3, 0);
    ASSERT_GT(block.size(), 10u);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 4), std::string("ID3\x03", 4)) << "readers of 2.3 see it";
    // TagLib writes the genre in its ID3v2.3 form, as the last frame.
    EXPECT_EQ(FrameIds(block),
              (std::vector<std::string>{"TIT2", "TPE1", "TALB", "TYER", "TCOM", "TCOP", "COMM", "TRCK", "TCON"}));
    ParsedId3v2 parsed(block);
    ASSERT_TRUE(parsed.tag());
    EXPECT_EQ(parsed.tag()->header()->majorVersion(), 3u);
    EXPECT_EQ(parsed.tag()->year(), 1999u);
    EXPECT_EQ(parsed.Text("TIT2"), "Title");
    EXPECT_EQ(parsed.Text("TCON"), "hip-hop") << "ID3v2 keeps the genre text";
    EXPECT_EQ(parsed.Text("TCOP"), "(c) Someone");
    EXPECT_EQ(parsed.Text("TRCK"), "3");
    auto* comment = dynamic_cast<TagLib::ID3v2::CommentsFrame*>(parsed.tag()->frameListMap()["COMM"].front());
    ASSERT_TRUE(comment);
    EXPECT_EQ(comment->language(), TagLib::ByteVector("XXX"));
    EXPECT_TRUE(comment->description().isEmpty());
    EXPECT_EQ(comment->text(), "Comment");
}

TEST(Id3TagBuilderTest, Id3v2OptionalFramesAndTrackRules) {
    const struct {
        int track, total;
        const char* expected;  // TRCK text, or "-" for no frame
    } cases[] = {{0, 0, "-"}, {256, 0, "-"}, {300, 0, "44"}, {7, 12, "7/12"}, {7, 256, "7"}};
    for (const auto& c : cases) {
        TagInfo v = SampleValues();
        v.composer.clear();
        v.copyright.clear();
        const auto block = BuildId3Tag(kId3v2, v, c.track, c.total);
        ParsedId3v2 parsed(block);
        EXPECT_EQ(parsed.Text("TRCK"), c.expected) << c.track << "/" << c.total;
        const auto ids = FrameIds(block);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), "TCOM"), 0);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), "TCOP"), 0);
    }
}

TEST(Id3TagBuilderTest, Id3v2KeepsEveryCharacter) {
    TagInfo v;
    v.title = "Жук 🎵 ÄÖÜ";
    v.artist = "日本語";
    ParsedId3v2 parsed(BuildId3Tag(kId3v2, v, 0, 0));
    EXPECT_EQ(parsed.Text("TIT2"), v.title);
    EXPECT_EQ(parsed.Text("TPE1"), v.artist);
    EXPECT_EQ(parsed.Text("TCON"), "") << "the frame is there, empty";
}
