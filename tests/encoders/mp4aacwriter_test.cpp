#include <gtest/gtest.h>

#include <taglib/mp4file.h>
#include <taglib/tpropertymap.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "encoders/mp4/mp4aacwriter.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

struct Packet {
    long pts, duration;
};

std::vector<Packet> ProbePackets(const std::string& path) {
    const auto r = testutil::Run(
        {"ffprobe", "-v", "error", "-show_entries", "packet=pts,duration", "-of", "csv=p=0:nk=1", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<Packet> packets;
    for (size_t at = 0; at < r.out.size();) {
        const size_t end = std::min(r.out.find('\n', at), r.out.size());
        const std::string line = r.out.substr(at, end - at);
        if (line.find(',') != std::string::npos)
            packets.push_back({std::atol(line.c_str()), std::atol(line.c_str() + line.find(',') + 1)});
        at = end + 1;
    }
    return packets;
}

std::string Probe(const std::string& path, const std::string& entry) {
    const auto r = testutil::Run({"ffprobe", "-v", "error", "-show_entries", entry, "-of", "csv=p=0:nk=1", path});
    return r.out.substr(0, r.out.find('\n'));
}

// Writes `count` samples of a 440 Hz tone per channel in blocks of 700.
void WriteTone(const std::string& path, int rate, int channels, int count, int track) {
    Mp4AacWriter writer(Mp4Brand::M4a);
    ASSERT_EQ(writer.Open(path, rate, channels, 0), 1);
    ASSERT_EQ(writer.Start(), 1);
    writer.SetTags(
        {"Tïtle", "Artist", "Album", "1999", "Jazz", "Words", std::to_string(track), "Compo", "CopyR", {}, {}});
    std::vector<int16_t> tone(count);
    for (int i = 0; i < count; ++i) tone[i] = static_cast<int16_t>(9000 * std::sin(2 * M_PI * 440.0 * i / rate));
    for (int at = 0; at < count; at += 700)
        EXPECT_EQ(writer.WriteSamples16(tone.data() + at, tone.data() + at, std::min(700, count - at)), 1);
    EXPECT_EQ(writer.Close(), 1);
}

}  // namespace

// Every sample lasts at most one frame, the first one starts a frame early (the encoder
// delay, hidden by the edit list), and the presented length is exactly the input's.
TEST(Mp4AacWriterTest, SampleDurationsCoverExactlyTheInput) {
    testutil::TempDir dir;
    const std::string path = dir.file("t.m4a");
    WriteTone(path, 44100, 2, 10000, 5);
    const auto packets = ProbePackets(path);
    ASSERT_FALSE(packets.empty());
    EXPECT_EQ(packets.front().pts, -1024);
    long total = 0;
    for (const auto& p : packets) {
        EXPECT_LE(p.duration, 1024);
        total += p.duration;
    }
    EXPECT_LE(total, 10000 + 1024);
    EXPECT_EQ(Probe(path, "stream=duration_ts"), "10000");
    // Decoding starts at the first real sample: the tone lines up without delay.
    const auto decoded = testutil::DecodeWithFfmpeg(path, 1).samples;
    ASSERT_GE(decoded.size(), 10000u);
    double signal = 0, error = 0;
    for (int i = 0; i < 10000; ++i) {
        const double expected = 9000 * std::sin(2 * M_PI * 440.0 * i / 44100);
        signal += expected * expected;
        error += (decoded[i] - expected) * (decoded[i] - expected);
    }
    EXPECT_GT(10 * std::log10(signal / error), 15);
}

TEST(Mp4AacWriterTest, StoresTagsAsItunesItemsWithoutCopyright) {
    testutil::TempDir dir;
    const std::string path = dir.file("t.m4a"), untracked = dir.file("u.m4a");
    WriteTone(path, 22050, 1, 3000, 5);
    WriteTone(untracked, 22050, 1, 3000, 0);
    TagLib::MP4::File file(path.c_str());
    ASSERT_TRUE(file.isValid());
    const TagLib::PropertyMap tags = file.properties();
    EXPECT_EQ(tags["TITLE"].toString().to8Bit(true), "Tïtle");
    EXPECT_EQ(tags["ARTIST"].toString().to8Bit(true), "Artist");
    EXPECT_EQ(tags["ALBUM"].toString().to8Bit(true), "Album");
    EXPECT_EQ(tags["GENRE"].toString().to8Bit(true), "Jazz");
    EXPECT_EQ(tags["DATE"].toString().to8Bit(true), "1999");
    EXPECT_EQ(tags["COMMENT"].toString().to8Bit(true), "Words");
    EXPECT_EQ(tags["COMPOSER"].toString().to8Bit(true), "Compo");
    EXPECT_EQ(tags["TRACKNUMBER"].toString().to8Bit(true), "5");
    EXPECT_FALSE(tags.contains("COPYRIGHT"));
    EXPECT_FALSE(TagLib::MP4::File(untracked.c_str()).properties().contains("TRACKNUMBER"));
}

TEST(Mp4AacWriterTest, EmptyInputGivesAReadableFileWithoutSamples) {
    testutil::TempDir dir;
    const std::string path = dir.file("e.mp4");
    {
        Mp4AacWriter writer;
        ASSERT_EQ(writer.Open(path, 8000, 1, 0), 1);
        ASSERT_EQ(writer.Start(), 1);
        EXPECT_EQ(writer.Close(), 1);
    }
    // libavformat leaves a track without samples out of the index.
    EXPECT_TRUE(ProbePackets(path).empty());
    EXPECT_EQ(testutil::Run({"ffprobe", "-v", "error", path}).exitCode, 0);
}

TEST(Mp4AacWriterTest, ReportsFailures) {
    testutil::TempDir dir;
    Mp4AacWriter missing;
    EXPECT_EQ(missing.Open("/nonexistent-folder/x.m4a", 44100, 2, 0), 0);
    EXPECT_FALSE(missing.ErrorText().empty());
    Mp4AacWriter odd;
    EXPECT_EQ(odd.Open(dir.file("o.m4a"), 44056, 2, 0), 0);
    Mp4AacWriter full;
    ASSERT_EQ(full.Open("/dev/full", 8000, 1, 0), 1);
    ASSERT_EQ(full.Start(), 1);
    std::vector<int16_t> tone(8000, 1000);
    full.WriteSamples16(tone.data(), nullptr, 8000);
    EXPECT_EQ(full.Close(), 0);
    EXPECT_FALSE(full.ErrorText().empty());
}
