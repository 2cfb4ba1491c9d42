// VorbisEncoder on its own: page layout, comments, serial numbers and reported failures,
// read back with the tests' own page reader and with TagLib.
#include <gtest/gtest.h>

#include <taglib/vorbisfile.h>

#include <cmath>

#include "encoders/vorbis/vorbisencoder.h"
#include "encoders/vorbispages.h"
#include "support/testutil.h"

using namespace testutil;
using tonewright::TagInfo;
using tonewright::VorbisEncoder;

namespace {

constexpr int kRate = 44100;

// A second of a 440 Hz sine; mono encoders are given no right buffer.
int EncodeTone(VorbisEncoder& encoder, int channels) {
    std::vector<int16_t> block(1152);
    for (int done = 0; done < kRate; done += 1152) {
        const int count = std::min(1152, kRate - done);
        for (int i = 0; i < count; ++i)
            block[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * (done + i) / kRate));
        if (!encoder.WriteSamples16(block.data(), channels == 2 ? block.data() : nullptr, count)) return 0;
    }
    return encoder.WriteSamples16(nullptr, nullptr, 0);
}

class VorbisEncoderTest : public ::testing::Test {
protected:
    TempDir dir;

    std::string Encode(const std::string& name, int channels, const TagInfo* tags = nullptr) {
        const std::string path = dir.file(name);
        VorbisEncoder encoder;
        EXPECT_EQ(encoder.Open(path), 1);
        EXPECT_EQ(encoder.Setup(kRate, channels, 128000), 1);
        if (tags) encoder.SetTags(*tags);
        EXPECT_EQ(encoder.WriteHeaders(), 1);
        EXPECT_EQ(EncodeTone(encoder, channels), 1);
        EXPECT_EQ(encoder.Close(), 1);
        return path;
    }
};

}  // namespace

TEST_F(VorbisEncoderTest, HeadersStandAloneAndTheEndOfStreamPageIsLast) {
    const auto bytes = ReadBytes(Encode("a.ogg", 2));
    const auto pages = ReadOggPages(bytes);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages.back().offset + pages.back().length, bytes.size());

    EXPECT_EQ(pages[0].flags, 0x02);
    EXPECT_EQ(pages[0].body.substr(0, 7), std::string("\x01vorbis"));
    EXPECT_EQ(pages[0].body.size(), 30u) << "the identification header alone";
    EXPECT_EQ(pages[1].body.substr(0, 7), std::string("\x03vorbis"));
    size_t firstAudio = 1;
    while (firstAudio < pages.size() && pages[firstAudio].granule == 0) ++firstAudio;
    ASSERT_LT(firstAudio, pages.size());
    EXPECT_TRUE(pages[firstAudio - 1].endsPacket);
    EXPECT_EQ(pages[firstAudio].flags & 0x01, 0) << "the first audio page starts a fresh packet";
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].serial, pages[0].serial);
        EXPECT_EQ((pages[i].flags & 0x04) != 0, i + 1 == pages.size()) << "page " << i;
    }
    EXPECT_EQ(pages.back().granule, kRate) << "the last page ends at the last sample";
}

TEST_F(VorbisEncoderTest, WithoutTagsTheCommentHeaderHoldsTheVendorOnly) {
    TagLib::Ogg::Vorbis::File file(Encode("a.ogg", 2).c_str());
    ASSERT_TRUE(file.isValid());
    EXPECT_FALSE(file.tag()->vendorID().isEmpty());
    EXPECT_TRUE(file.tag()->fieldListMap().isEmpty());
}

TEST_F(VorbisEncoderTest, NonEmptyValuesBecomeComments) {
    TagInfo tags;
    tags.title = "Ünïcødé title";
    tags.artist = "Артист";
    tags.year = "2001";
    tags.genre = "Jazz";
    tags.comment = "c";
    tags.composer = "Comp";
    tags.track = "3/12";
    TagLib::Ogg::Vorbis::File file(Encode("a.ogg", 2, &tags).c_str());
    const auto fields = file.tag()->fieldListMap();
    auto value = [&](const char* key) { return fields.contains(key) ? fields[key].toString().to8Bit(true) : "-"; };
    EXPECT_EQ(value("TITLE"), tags.title);
    EXPECT_EQ(value("ARTIST"), tags.artist);
    EXPECT_EQ(value("DATE"), "2001");
    EXPECT_EQ(value("GENRE"), "Jazz");
    EXPECT_EQ(value("COMMENT"), "c");
    EXPECT_EQ(value("COMPOSER"), "Comp");
    EXPECT_EQ(value("TRACKNUMBER"), "3/12");
    EXPECT_EQ(value("ALBUM"), "-");
    EXPECT_EQ(value("COPYRIGHT"), "-");
}

TEST_F(VorbisEncoderTest, MalformedTextIsRepairedToUtf8) {
    TagInfo tags;
    tags.title = "Bad \xFF byte";
    TagLib::Ogg::Vorbis::File file(Encode("a.ogg", 1, &tags).c_str());
    EXPECT_EQ(file.tag()->fieldListMap()["TITLE"].toString().to8Bit(true), "Bad \xEF\xBF\xBD byte");
}

TEST_F(VorbisEncoderTest, TrackNumberIsWrittenOnlyWhenAbove0) {
    const std::pair<const char*, const char*> cases[] = {{"0", nullptr}, {"", nullptr}, {"x", nullptr}, {"7", "7"}};
    for (const auto& [track, expected] : cases) {
        TagInfo tags;
        tags.track = track;
        TagLib::Ogg::Vorbis::File file(Encode("t.ogg", 1, &tags).c_str());
        const auto fields = file.tag()->fieldListMap();
        if (expected) EXPECT_EQ(fields["TRACKNUMBER"].toString(), expected);
        else EXPECT_FALSE(fields.contains("TRACKNUMBER")) << track;
    }
}

TEST_F(VorbisEncoderTest, AFullDiskFailsTheFile) {
    VorbisEncoder encoder;
    ASSERT_EQ(encoder.Open("/dev/full"), 1);
    ASSERT_EQ(encoder.Setup(kRate, 2, 128000), 1);
    encoder.WriteHeaders();
    EncodeTone(encoder, 2);
    EXPECT_EQ(encoder.Close(), 0);
    EXPECT_EQ(encoder.ErrorText(), "No space left on device");
}

TEST_F(VorbisEncoderTest, ImpossibleModesAreRefused) {
    VorbisEncoder encoder;
    ASSERT_EQ(encoder.Open(dir.file("x.ogg")), 1);
    EXPECT_EQ(encoder.Setup(kRate, 2, 5000000), 0);
    EXPECT_EQ(encoder.WriteHeaders(), 0);
    EXPECT_EQ(encoder.WriteSamples16(nullptr, nullptr, 0), 0);
}
