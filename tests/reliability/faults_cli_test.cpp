// The write-fault hook of tonewright-cli end to end: TONEWRIGHT_FAULT fails the first
// file's writes, the row says why, the file it was to overwrite stays, the next file
// converts; a malformed value plans nothing.
#include <gtest/gtest.h>

#include "cli/clitest.h"

using namespace testutil;

namespace {

class FaultsCliTest : public ::testing::Test, protected CliFixture {
protected:
    std::string first, second;

    void SetUp() override {
        first = dir.file("first.wav");
        second = dir.file("second.wav");
        MakeToneWithSox(first, 22050, 2, 0.5, "-b 16");
        MakeToneWithSox(second, 22050, 2, 0.5, "-b 16");
        Shell("mkdir -p " + Quote(dir.file("out")));
    }

    CommandResult Convert(const std::string& fault) {
        extraEnv = {"TONEWRIGHT_FAULT=" + fault};
        return Cli({"-q", "-j", "1", "-f", "mp3", "-o", dir.file("out"), "--if-exists", "overwrite", first, second});
    }

    std::string Listing() const { return testutil::Run({"ls", "-A", dir.file("out")}).out; }
};

}  // namespace

TEST_F(FaultsCliTest, FailingFirstFileLeavesTheOldTargetAndConvertsTheNext) {
    const std::vector<uint8_t> old(4000, 'o');
    WriteBytes(dir.file("out/first.mp3"), old);
    const auto r = Convert("after=300");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, first + "\tConversion Failure (No space left on device)\n" + second + "\tsecond.mp3\n");
    EXPECT_EQ(ReadBytes(dir.file("out/first.mp3")), old);
    EXPECT_EQ(Listing(), "first.mp3\nsecond.mp3\n");
}

TEST_F(FaultsCliTest, MalformedPlansPlanNothing) {
    for (const char* fault : {"garbage", "after=-5,open"}) {
        const auto r = Convert(fault);
        EXPECT_EQ(r.exitCode, 0) << fault << r.out << r.err;
        EXPECT_EQ(r.out, first + "\tfirst.mp3\n" + second + "\tsecond.mp3\n") << fault;
    }
}
