// CD tracks: a ".cda" record is read from the drive whose disc holds its track. A disc
// image (cue sheet and raw sectors) written by the test stands in for the drive.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/filelist.h"
#include "sources/bass/bass.h"
#include "sources/bass/bassfixtures.h"
#include "sources/bass/basssource.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace testutil;

namespace {

constexpr size_t kSectorBytes = 2352;
constexpr uint32_t kTrack1Sectors = 150;
constexpr uint32_t kTrack2Sectors = 75;

class BassCdTest : public ::testing::Test {
protected:
    TempDir dir;
    std::vector<uint8_t> disc;  // the sectors of the image: tracks 1 and 2

    void SetUp() override {
        Shell("sox -n -r 44100 -c 2 -b 16 -e signed -L " + Quote(dir.file("t1.raw")) + " synth 2 sine 440 sine 660");
        Shell("sox -n -r 44100 -c 2 -b 16 -e signed -L " + Quote(dir.file("t2.raw")) + " synth 1 sine 880 sine 330");
        disc = ReadBytes(dir.file("t1.raw"));
        const std::vector<uint8_t> second = ReadBytes(dir.file("t2.raw"));
        ASSERT_EQ(disc.size(), kTrack1Sectors * kSectorBytes);
        ASSERT_EQ(second.size(), kTrack2Sectors * kSectorBytes);
        disc.insert(disc.end(), second.begin(), second.end());
        WriteBytes(dir.file("disc.bin"), disc);
        WriteBytes(dir.file("disc.cue"), Text("FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                              "  TRACK 02 AUDIO\n    INDEX 01 00:02:00\n"));
        setenv("TONEWRIGHT_CD_DEVICES", (dir.file("none.cue") + ":" + dir.file("disc.cue")).c_str(), 1);
    }
    void TearDown() override { unsetenv("TONEWRIGHT_CD_DEVICES"); }

    static std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }
    std::string Record(const std::string& name, int track, uint32_t first, uint32_t sectors) {
        WriteBytes(dir.file(name), basstest::MakeCdaRecord(track, first, sectors));
        return dir.file(name);
    }
};

}  // namespace

TEST_F(BassCdTest, ReadsTheTrackFromTheDiscThatHoldsIt) {
    const std::string path = Record("Track02.cda", 2, kTrack1Sectors, kTrack2Sectors);
    const HSTREAM stream = BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE);
    ASSERT_NE(stream, 0u);
    BASS_CHANNELINFO info{};
    ASSERT_EQ(BASS_ChannelGetInfo(stream, &info), 1);
    EXPECT_EQ(info.freq, 44100u);
    EXPECT_EQ(info.chans, 2u);
    EXPECT_EQ(info.flags, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), kTrack2Sectors * kSectorBytes);

    std::vector<uint8_t> read, buffer(5000);
    for (uint32_t got; (got = BASS_ChannelGetData(stream, buffer.data(), 5000)) != BASS_DATA_END;)
        read.insert(read.end(), buffer.begin(), buffer.begin() + got);
    EXPECT_TRUE(read == std::vector<uint8_t>(disc.begin() + kTrack1Sectors * kSectorBytes, disc.end()));
    BASS_StreamFree(stream);
}

TEST_F(BassCdTest, OpensAsAStreamOfCdAudio) {
    BassSource source;
    ASSERT_EQ(source.Open(Record("Track01.cda", 1, 0, kTrack1Sectors), 0), 1);
    EXPECT_EQ(source.GetDuration(), 2);
    EXPECT_EQ(source.GetBitrate(), 1411);
    EXPECT_EQ(source.GetSourceChannels(), 2);
}

TEST_F(BassCdTest, RefusesTracksNoDiscHolds) {
    const std::string records[] = {
        Record("wrongstart.cda", 2, kTrack1Sectors + 1, kTrack2Sectors),
        Record("wronglength.cda", 2, kTrack1Sectors, kTrack2Sectors - 1),
        Record("notrack.cda", 3, kTrack1Sectors + kTrack2Sectors, 10),
    };
    for (const std::string& path : records)
        EXPECT_EQ(BASS_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE), 0u) << path;

    // Copied to a disk, with no disc in any drive, a record is refused with the CD note.
    const std::string copied = Record("Track02.cda", 2, kTrack1Sectors, kTrack2Sectors);
    setenv("TONEWRIGHT_CD_DEVICES", "", 1);
    FileList list;
    std::string reason;
    EXPECT_EQ(list.AddFile(copied, reason), FileList::AddResult::Failed);
    EXPECT_EQ(reason, "IMPORTANT: please DO NOT add CDA file from hard drive, but add CDA file from CD drive.");
}
