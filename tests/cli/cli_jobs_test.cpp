// tonewright-cli -j: several files at once, reported in input order, never sharing a target.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "cli/clitest.h"

using namespace testutil;

namespace {

class CliJobsTest : public ::testing::Test, protected CliFixture {};

}  // namespace

TEST_F(CliJobsTest, FiftyFilesForOneTargetNameLandUnderDistinctNames) {
    MakeToneWithSox(dir.file("tone.wav"), 8000, 1, 0.05, "-b 16");
    std::vector<std::string> args = {"-q", "-j", "4", "-f", "wav", "-o", dir.file("out")};
    std::string expected;
    for (int i = 0; i < 50; ++i) {
        const std::string folder = dir.file("in/" + std::to_string(100 + i));
        Shell("mkdir -p " + Quote(folder) + " && cp " + Quote(dir.file("tone.wav")) + " " + Quote(folder + "/a.wav"));
        args.push_back(folder + "/a.wav");
    }
    const auto r = Cli(args);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;

    std::set<std::string> names;
    size_t lineStart = 0;
    for (int i = 0; i < 50; ++i) {
        const size_t end = r.out.find('\n', lineStart);
        ASSERT_NE(end, std::string::npos);
        const std::string line = r.out.substr(lineStart, end - lineStart);
        lineStart = end + 1;
        EXPECT_EQ(line.rfind(dir.file("in/" + std::to_string(100 + i)) + "/a.wav\t", 0), 0u) << "input order";
        names.insert(line.substr(line.find('\t') + 1));
    }
    EXPECT_EQ(names.size(), 50u);
    // Each a complete file: the 44-byte header and 400 samples of 16 bits.
    for (const std::string& name : names) EXPECT_EQ(FileSize(dir.file("out/" + name)), 844u) << name;
    EXPECT_EQ(DecodeWithFfmpeg(dir.file("out/a_49.wav")).frames(), 400u);
    const auto listing = testutil::Run({"ls", "-A", dir.file("out")});
    EXPECT_EQ(std::count(listing.out.begin(), listing.out.end(), '\n'), 50) << "no temporary file is left";
}

TEST_F(CliJobsTest, OverwriteNeverReplacesAnotherRowsOutput) {
    Shell("mkdir -p " + Quote(dir.file("one")) + " " + Quote(dir.file("two")));
    MakeToneWithSox(dir.file("one/a.wav"), 8000, 1, 0.2, "-b 16");
    MakeToneWithSox(dir.file("two/a.wav"), 16000, 1, 0.2, "-b 16");
    for (const char* jobs : {"1", "2"}) {
        const std::string out = dir.file(std::string("out") + jobs);
        const auto r = Cli({"-q", "-j", jobs, "-f", "wav", "-o", out, "--if-exists", "overwrite",
                            dir.file("one/a.wav"), dir.file("two/a.wav")});
        EXPECT_EQ(r.exitCode, 0) << r.out;
        EXPECT_EQ(r.out, dir.file("one/a.wav") + "\ta.wav\n" + dir.file("two/a.wav") + "\ta_1.wav\n");
        EXPECT_EQ(DecodeWithFfmpeg(out + "/a.wav").sampleRate, 8000);
        EXPECT_EQ(DecodeWithFfmpeg(out + "/a_1.wav").sampleRate, 16000);
    }
}

TEST_F(CliJobsTest, JobsMustBeAWholeNumber) {
    MakeToneWithSox(dir.file("a.wav"), 8000, 1, 0.05, "-b 16");
    for (const char* bad : {"0", "x", "-3", "1000"}) EXPECT_EQ(Cli({"-j", bad, dir.file("a.wav")}).exitCode, 2) << bad;
}

// Four processes under GNU parallel, one shard each, over one list of 200 files into one
// output folder: 50 sources share each target name, so the processes race for the same
// names. Every source lands exactly once (each has its own length), and a second run
// finds every target there.
TEST_F(CliJobsTest, FourShardsUnderGnuParallelConvertEachFileOnce) {
    std::string list;
    std::multiset<uint64_t> expectedSizes;
    for (int i = 0; i < 200; ++i) {
        const std::string path = dir.file("in/d" + std::to_string(i / 4) + "/t" + std::to_string(i % 4) + ".wav");
        if (i % 4 == 0) Shell("mkdir -p " + Quote(path.substr(0, path.rfind('/'))));
        WriteTinyWav(path, 100 + i);
        list += path + "\n";
        expectedSizes.insert(44 + 2 * (100 + i));
    }
    WriteBytes(dir.file("list.txt"), std::vector<uint8_t>(list.begin(), list.end()));
    const std::string out = dir.file("out");
    auto run = [&](const std::string& rule) {
        std::string line = "parallel --will-cite -j 4 " + Quote(CliPath()) + " -q -j 1 -f wav -o " + Quote(out) +
                           " --if-exists " + rule + " --files-from " + Quote(dir.file("list.txt")) +
                           " --shard {}/4 ::: 1 2 3 4";
        return testutil::Run({"/bin/sh", "-c", line}, Environment());
    };
    auto r = run("rename");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 200);
    std::multiset<uint64_t> sizes;
    const auto listing = testutil::Run({"ls", "-A", out});
    for (size_t start = 0, end; (end = listing.out.find('\n', start)) != std::string::npos; start = end + 1)
        sizes.insert(FileSize(out + "/" + listing.out.substr(start, end - start)));
    EXPECT_EQ(sizes, expectedSizes) << "every source once, no temporary file left";

    r = run("skip");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    size_t skipped = 0;
    for (size_t at = 0; (at = r.out.find("\tTarget exists and skipped\n", at)) != std::string::npos; ++at) ++skipped;
    EXPECT_EQ(skipped, 200u);
    EXPECT_EQ(testutil::Run({"ls", "-A", out}).out, listing.out) << "the second run converts nothing";
}
