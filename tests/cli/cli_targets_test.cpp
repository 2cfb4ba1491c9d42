// Where tonewright-cli puts its output, and what it does when a target already exists.
#include <gtest/gtest.h>

#include "cli/clitest.h"

using namespace testutil;

namespace {

class CliTargetTest : public ::testing::Test, protected CliFixture {
protected:
    std::string source;

    void SetUp() override {
        Shell("mkdir -p " + Quote(dir.file("music/pop")));
        source = dir.file("music/pop/a.wav");
        MakeToneWithSox(source, 22050, 2, 1.0, "-b 16");
    }

    std::string Line(const std::string& status) const { return source + "\t" + status + "\n"; }
};

}  // namespace

TEST_F(CliTargetTest, NextToTheSourceExistingNamesAreNumbered) {
    auto r = Cli({"-q", "-f", "wav", "--next-to-source", source});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, Line("a_1.wav"));
    r = Cli({"-q", "-f", "wav", "--next-to-source", source});
    EXPECT_EQ(r.out, Line("a_2.wav"));
    EXPECT_TRUE(Exists(dir.file("music/pop/a_2.wav")));
}

TEST_F(CliTargetTest, SkipAndOverwriteOfTheSourceAreRefused) {
    auto r = Cli({"-q", "-f", "wav", "--next-to-source", "--if-exists", "skip", source});
    EXPECT_EQ(r.exitCode, 0) << "skipped by the rule is done";
    EXPECT_EQ(r.out, Line("Target exists and skipped"));
    const auto before = ReadBytes(source);
    r = Cli({"-q", "-f", "wav", "--next-to-source", "--if-exists", "overwrite", source});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Line("Target file name is same as original file that can't be overwritten. Please output "
                          "files to a custom folder."));
    EXPECT_EQ(ReadBytes(source), before);
}

TEST_F(CliTargetTest, OverwriteWithAFailingConversionKeepsTheOldFile) {
    Shell("mkdir -p " + Quote(dir.file("out")));
    const std::vector<uint8_t> old(300000, 'x');
    WriteBytes(dir.file("out/a.wav"), old);
    // A file-size limit of 20 KiB makes the new file's writes fail part way.
    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), "--if-exists", "overwrite", source}, "ulimit -f 20");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.rfind(source + "\tConversion Failure (", 0), 0u) << r.out;
    EXPECT_EQ(ReadBytes(dir.file("out/a.wav")), old);
    const auto listing = testutil::Run({"ls", "-A", dir.file("out")});
    EXPECT_EQ(listing.out, "a.wav\n") << "no partial file is left behind";
}

TEST_F(CliTargetTest, MirrorRebuildsTheSourceFoldersBelowTheOutputFolder) {
    const auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), "--mirror", source});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(Exists(dir.file("out") + dir.path() + "/music/pop/a.wav"));
}

TEST_F(CliTargetTest, UnusableOutputFolderFallsBackToTheDocumentsFolder) {
    auto r = Cli({"-q", "-f", "wav", "-o", "/proc/no-such-folder", source});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(Exists(dir.file("home/Documents/a.wav")));
    EXPECT_EQ(r.err, "tonewright-cli: /proc/no-such-folder cannot be used; writing to " + dir.file("home/Documents") +
                         " instead (--no-fallback refuses)\n");
    for (const char* refuse : {"--set=OutputFiles2MyDocuments=0", "--no-fallback"}) {
        r = Cli({"-q", "-f", "wav", "-o", "/proc/no-such-folder", refuse, source});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, Line("Failed to create folder \"/proc/no-such-folder\""));
        EXPECT_EQ(r.err, "");
    }
}
