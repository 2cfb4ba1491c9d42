// Where the tag blocks at the two ends of a file stop the audio data.
#include <gtest/gtest.h>

#include "sources/bass/tagblocks.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Id3v2(uint8_t version, uint8_t flags, const Bytes& sizeBytes, size_t bodyBytes) {
    Bytes tag = {'I', 'D', '3', version, 0, flags};
    for (uint8_t b : sizeBytes) tag.push_back(b);
    tag.resize(tag.size() + bodyBytes, 0);
    return tag;
}

// The 32-byte footer of an APEv2 tag whose size (items and footer) is `size`.
Bytes ApeFooter(uint32_t size, bool withHeader) {
    Bytes footer = {'A', 'P', 'E', 'T', 'A', 'G', 'E', 'X', 0xD0, 0x07, 0, 0};
    for (int i = 0; i < 4; ++i) footer.push_back(static_cast<uint8_t>(size >> (8 * i)));
    footer.insert(footer.end(), {0, 0, 0, 0, 0, 0, 0, withHeader ? uint8_t{0x80} : uint8_t{0}});
    footer.resize(32, 0);
    return footer;
}

Bytes Ape(uint32_t size, bool withHeader) {
    const Bytes footer = ApeFooter(size, withHeader);
    Bytes tag(size - 32 + (withHeader ? 32 : 0), 0);
    tag.insert(tag.end(), footer.begin(), footer.end());
    return tag;
}

Bytes Id3v1() {
    Bytes tag = {'T', 'A', 'G'};
    tag.resize(128, ' ');
    return tag;
}

struct LayoutCase {
    const char* name;
    std::vector<Bytes> parts;  // joined with 1000 bytes of audio after the first part
    uint64_t start;
    uint64_t trailing;  // bytes after the audio
};

const Bytes kNone;

}  // namespace

TEST(TagBlocksTest, AudioLiesBetweenTheTags) {
    const LayoutCase cases[] = {
        {"Untagged", {kNone}, 0, 0},
        {"Id3v2", {Id3v2(3, 0, {0, 0, 2, 1}, 257)}, 267, 0},
        {"Id3v24Footer", {Id3v2(4, 0x10, {0, 0, 0, 100}, 110)}, 120, 0},
        {"Id3v1", {kNone, Id3v1()}, 0, 128},
        {"ApeAndId3v1", {Id3v2(3, 0, {0, 0, 0, 20}, 20), Ape(96, true), Id3v1()}, 30, 128 + 128},
        {"ApeWithoutHeader", {kNone, Ape(64, false)}, 0, 64},
        {"Id3v2PastTheEnd", {Id3v2(3, 0, {0, 0x7F, 0, 0}, 0)}, 0, 0},
        {"Id3v2SizeNotSynchsafe", {Id3v2(3, 0, {0, 0, 0x80, 0}, 0)}, 0, 0},
        {"ApePastTheStart", {kNone, ApeFooter(5000, false)}, 0, 0},
    };
    testutil::TempDir dir;
    for (const LayoutCase& c : cases) {
        Bytes file = c.parts[0];
        file.resize(file.size() + 1000, 0x55);
        for (size_t i = 1; i < c.parts.size(); ++i) file.insert(file.end(), c.parts[i].begin(), c.parts[i].end());
        testutil::WriteBytes(dir.file("file"), file);

        FileTagLayout layout;
        ASSERT_TRUE(ReadFileTagLayout(dir.file("file"), layout)) << c.name;
        EXPECT_EQ(layout.fileSize, file.size()) << c.name;
        EXPECT_EQ(layout.AudioStart(), c.start) << c.name;
        EXPECT_EQ(layout.AudioEnd(), file.size() - c.trailing) << c.name;
    }
}
