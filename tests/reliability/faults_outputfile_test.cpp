// The planned write faults themselves, and that OutputFile and MuxerOutput write correct
// files when the disk takes a few bytes at a time.
#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avio.h>
}

#include <string>
#include <vector>

#include "encoders/muxeroutput.h"
#include "encoders/outputfault.h"
#include "encoders/outputfile.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Plans the fault written in the environment variable's notation.
void Plan(const std::string& notation) {
    OutputFault fault;
    ASSERT_TRUE(ParseOutputFault(notation, fault)) << notation;
    PlanOutputFault(fault);
}

class FaultsOutputFileTest : public ::testing::Test {
protected:
    testutil::TempDir dir;
    void TearDown() override { PlanOutputFault(OutputFault{}); }
};

struct NotationCase {
    const char* text;
    bool failOpen, failClose;
    int64_t failAfterBytes;
    size_t writeLimit, bufferSize;
    int files;
    bool failSync;
    int pauseDescriptor;
};

}  // namespace

TEST(FaultsNotationTest, ReadsWellFormedPlansAndRefusesEverythingElse) {
    const NotationCase cases[] = {
        {"open", true, false, -1, 0, 0, 1, false, -1},
        {"close", false, true, -1, 0, 0, 1, false, -1},
        {"after=0", false, false, 0, 0, 0, 1, false, -1},
        {"short=7,after=4000,files=3", false, false, 4000, 7, 0, 3, false, -1},
        {"buffer=512,after=9", false, false, 9, 0, 512, 1, false, -1},
        {"fsync,files=2", false, false, -1, 0, 0, 2, true, -1},
        {"pause=3,close", false, true, -1, 0, 0, 1, false, 3},
    };
    for (const NotationCase& c : cases) {
        OutputFault fault;
        ASSERT_TRUE(ParseOutputFault(c.text, fault)) << c.text;
        EXPECT_EQ(fault.failOpen, c.failOpen) << c.text;
        EXPECT_EQ(fault.failClose, c.failClose) << c.text;
        EXPECT_EQ(fault.failAfterBytes, c.failAfterBytes) << c.text;
        EXPECT_EQ(fault.writeLimit, c.writeLimit) << c.text;
        EXPECT_EQ(fault.bufferSize, c.bufferSize) << c.text;
        EXPECT_EQ(fault.files, c.files) << c.text;
        EXPECT_EQ(fault.failSync, c.failSync) << c.text;
        EXPECT_EQ(fault.pauseDescriptor, c.pauseDescriptor) << c.text;
    }
    for (const char* text : {"", "files=2", "garbage", "after=", "after=-1", "after=12x", "short=0", "buffer=0",
                             "files=0,open", "open,,close", "open,bogus", "after=99999999999999999999",
                             "pause=", "pause=x", "pause=99999999999"}) {
        OutputFault fault;
        fault.failAfterBytes = 123;
        EXPECT_FALSE(ParseOutputFault(text, fault)) << text;
        EXPECT_EQ(fault.failAfterBytes, 123) << "left untouched: " << text;
    }
}

// Appends, patches inside the file and a patch past its end, three bytes per write.
TEST_F(FaultsOutputFileTest, ShortWritesStillGiveEveryByteInItsPlace) {
    Plan("short=3");
    OutputFile file;
    ASSERT_TRUE(file.Create(dir.file("f")));
    ASSERT_TRUE(file.Write("header-", 7));
    ASSERT_TRUE(file.Write("0123456789", 10));
    ASSERT_TRUE(file.WriteAt(0, "HEAD", 4));
    ASSERT_TRUE(file.WriteAt(20, "xyz", 3));  // three bytes past the end: a hole, then these
    EXPECT_EQ(file.Length(), 23u);
    ASSERT_TRUE(file.Write("!", 1));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(testutil::ReadBytes(dir.file("f")), Bytes(std::string("HEADer-0123456789\0\0\0xyz!", 24)));
}

TEST_F(FaultsOutputFileTest, EachPlannedFaultFailsTheFileWithItsReason) {
    struct Case {
        const char* plan;
        const char* reason;
        bool writeFails;     // the failure shows at the write, not only at Close
        uint64_t bytesLeft;  // what reaches the disk
    };
    const Case cases[] = {
        {"open", "Permission denied", true, 0},
        {"after=10", "No space left on device", false, 10},
        {"after=10,short=4", "No space left on device", false, 10},
        {"after=10,buffer=8", "No space left on device", true, 10},
        {"close", "Input/output error", false, 16},
    };
    for (const Case& c : cases) {
        Plan(c.plan);
        const std::string path = dir.file("f" + std::to_string(&c - cases));
        OutputFile file;
        const bool created = file.Create(path);
        EXPECT_EQ(testutil::Exists(path), created) << "a refused file is not created";
        EXPECT_EQ(file.Write("0123456789abcdef", 16), !c.writeFails) << c.plan;
        EXPECT_FALSE(file.Close()) << c.reason;
        EXPECT_TRUE(file.Failed());
        EXPECT_EQ(file.ErrorText(), c.reason);
        if (created) {
            EXPECT_EQ(testutil::FileSize(path), c.bytesLeft) << c.reason;
        }
    }
}

// FFmpeg's buffered stream over an OutputFile: seeking back to patch, asking the size,
// and carrying on at the end, with the disk taking five bytes per write.
TEST_F(FaultsOutputFileTest, MuxerStreamSeeksAndPatchesThroughShortWrites) {
    Plan("short=5");
    MuxerOutput output;
    ASSERT_TRUE(output.Create(dir.file("m")));
    AVIOContext* io = output.Context();
    avio_write(io, reinterpret_cast<const unsigned char*>("abcdefghij"), 10);
    avio_flush(io);
    EXPECT_EQ(avio_seek(io, 2, SEEK_SET), 2);
    avio_write(io, reinterpret_cast<const unsigned char*>("XYZ"), 3);
    EXPECT_EQ(avio_size(io), 10);
    EXPECT_EQ(avio_seek(io, 10, SEEK_SET), 10);
    avio_write(io, reinterpret_cast<const unsigned char*>("++"), 2);
    EXPECT_TRUE(output.Close());
    EXPECT_FALSE(output.Failed());
    EXPECT_EQ(testutil::ReadBytes(dir.file("m")), Bytes("abXYZfghij++"));
}
