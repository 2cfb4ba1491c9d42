// tonewright-cli for scripts: the summary, exit statuses and escaped or JSON report lines,
// folder searches that take audio only (and copy the rest), the folder tree and name
// pattern of the targets, file lists and shards.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cli/clitest.h"

using namespace testutil;

namespace {

class CliScriptTest : public ::testing::Test, protected CliFixture {
protected:
    std::string Wav(const std::string& name, uint32_t frames = 400) {
        const std::string path = dir.file(name);
        Shell("mkdir -p " + Quote(path.substr(0, path.rfind('/'))));
        WriteTinyWav(path, frames);
        return path;
    }

    // The summary line without its time ("…, in 0.1 s; output in DIR" becomes "…; output in DIR").
    static std::string Summary(const std::string& err) {
        const size_t in = err.rfind(", in ");
        const size_t semicolon = err.find(';', in);
        if (in == std::string::npos || semicolon == std::string::npos) return err;
        return err.substr(0, in) + err.substr(semicolon);
    }

    std::set<std::string> Tree(const std::string& folder) {
        const auto r = testutil::Run({"sh", "-c", "cd " + Quote(folder) + " && find . -type f | sort"});
        std::set<std::string> files;
        for (size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
            files.insert(r.out.substr(start + 2, end - start - 2));
        return files;
    }
};

}  // namespace

TEST_F(CliScriptTest, SummaryAndExitStatusCountEveryOutcome) {
    const std::string a = Wav("in/a.wav"), b = Wav("in/b.wav");
    WriteBytes(dir.file("in/bad.wav"), {'R', 'I', 'F', 'F'});
    WriteBytes(dir.file("in/cover.jpg"), {0xff, 0xd8});
    WriteBytes(dir.file("in/notes.txt"), {'h', 'i'});
    const std::string out = dir.file("out");
    auto r = Cli({"-f", "wav", "-o", out, dir.file("in")});
    EXPECT_EQ(r.exitCode, 1) << "a failed row";
    EXPECT_EQ(r.out, a + "\ta.wav\n" + b + "\tb.wav\n" + dir.file("in/bad.wav") + "\tFailed to load\n")
        << "files that are not audio are passed over";
    EXPECT_EQ(Summary(r.err), "2 converted, 0 skipped, 1 failed, 2 not audio; output in " + out + "\n");

    // Skipped by the rule "skip" counts as done; with -q there is no summary.
    r = Cli({"-q", "-f", "wav", "-o", out, "--if-exists", "skip", a, b});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, a + "\tTarget exists and skipped\n" + b + "\tTarget exists and skipped\n");
    EXPECT_EQ(r.err, "");

    Shell("mkdir -p " + Quote(dir.file("empty")));
    r = Cli({"-f", "wav", "-o", out, dir.file("empty")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Summary(r.err), "tonewright-cli: no audio files found in " + dir.file("empty") +
                                  "\n0 converted, 0 skipped, 0 failed; output in " + out + "\n");
}

// A path with TAB, newline or backslash stays one line of two fields; --json gives the
// same rows as JSON objects.
TEST_F(CliScriptTest, ReportLinesEscapePathsAndJsonNamesEachOutcome) {
    const std::string odd = Wav("in/t\tab\\n\nl.wav");
    const std::string missing = dir.file("in/missing.wav");
    const std::string out = dir.file("out");
    auto r = Cli({"-q", "-f", "wav", "-o", out, odd, missing});
    EXPECT_EQ(r.out, dir.file("in/t\\tab\\\\n\\nl.wav") + "\tt\\tab\\\\n\\nl.wav\n" + missing +
                         "\tFailed to load (no such file)\n");
    EXPECT_TRUE(Exists(out + "/t\tab\\n\nl.wav"));

    r = Cli({"-q", "--json", "-f", "wav", "-o", out, "--if-exists", "rename", odd, missing});
    EXPECT_EQ(r.exitCode, 1);
    const size_t split = r.out.find('\n');
    ASSERT_NE(split, std::string::npos);
    const std::string first = r.out.substr(0, split + 1), second = r.out.substr(split + 1);
    const std::string jsonOdd = dir.file("in/t\\tab\\\\n\\nl");
    EXPECT_EQ(first.substr(0, first.find(",\"seconds\":")),
              "{\"source\":\"" + jsonOdd + ".wav\",\"target\":\"" + out +
                  "/t\\tab\\\\n\\nl_1.wav\",\"status\":\"t\\tab\\\\n\\nl_1.wav\","
              "\"reason\":\"\",\"outcome\":\"converted\"");
    EXPECT_EQ(second.substr(0, second.find(",\"seconds\":")),
              "{\"source\":\"" + missing + "\",\"target\":null,\"status\":\"Failed to load (no such file)\","
              "\"reason\":\"no such file\",\"outcome\":\"failed\"");
    EXPECT_EQ(second.substr(second.size() - 2), "}\n");

    r = Cli({"-q", "--json", "-f", "wav", "-o", out, "--if-exists", "skip", odd});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"reason\":\"the target exists\",\"outcome\":\"skipped\""), std::string::npos) << r.out;
}

// --keep-tree rebuilds the folders below the folder argument; --copy-other copies what is
// not audio into the folder its neighbours' targets go to (an empty one too), with the
// existing-target rule.
TEST_F(CliScriptTest, KeepTreeAndCopyOtherRebuildTheAlbumFolders) {
    Wav("music/Artist/Album/01.wav");
    WriteBytes(dir.file("music/Artist/Album/cover.jpg"), {0xff, 0xd8, 0xff});
    WriteBytes(dir.file("music/readme.txt"), {});
    const std::string single = Wav("other/single.wav");
    const std::string out = dir.file("out");
    // The folder given twice: each file once.
    auto r = Cli({"-f", "wav", "-o", out, "--keep-tree", "--copy-other", dir.file("music"), single, dir.file("music")});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(Tree(out), (std::set<std::string>{"Artist/Album/01.wav", "Artist/Album/cover.jpg", "readme.txt",
                                                  "single.wav"}));
    EXPECT_EQ(ReadBytes(out + "/Artist/Album/cover.jpg"), (std::vector<uint8_t>{0xff, 0xd8, 0xff}));
    EXPECT_EQ(Summary(r.err), "2 converted, 2 copied, 0 skipped, 0 failed, 2 not audio; output in " + out + "\n");

    WriteBytes(out + "/Artist/Album/cover.jpg", {'o', 'l', 'd'});
    r = Cli({"-q", "-f", "wav", "-o", out, "--keep-tree", "--copy-other", "--if-exists", "skip", dir.file("music")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, dir.file("music/Artist/Album/01.wav") + "\tTarget exists and skipped\n" +
                         dir.file("music/readme.txt") + "\tTarget exists and skipped\n" +
                         dir.file("music/Artist/Album/cover.jpg") + "\tTarget exists and skipped\n")
        << "a folder's audio files first, then the others";
    EXPECT_EQ(ReadBytes(out + "/Artist/Album/cover.jpg"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    r = Cli({"-q", "-f", "wav", "-o", out, "--keep-tree", "--copy-other", dir.file("music/Artist")});
    EXPECT_EQ(r.out, dir.file("music/Artist/Album/01.wav") + "\t01.wav\n" + dir.file("music/Artist/Album/cover.jpg") +
                         "\tcover.jpg\n")
        << "the tree starts at the folder argument";
    EXPECT_TRUE(Exists(out + "/Album/cover.jpg"));
}

// The target's path from tags: fallbacks, zero-padding, refused characters replaced, a
// long title cut to the longest name, and the existing-target rule on the result.
TEST_F(CliScriptTest, NamePatternBuildsThePathFromTags) {
    const std::string tagged = dir.file("in/x.flac"), longTitle = dir.file("in/long.flac");
    Shell("mkdir -p " + Quote(dir.file("in")));
    MakeToneWithSox(dir.file("in/plain.wav"), 8000, 1, 0.05, "-b 16");
    Shell("ffmpeg -v error -i " + Quote(dir.file("in/plain.wav")) +
          " -metadata artist=Ann -metadata album_artist=Band -metadata album=First -metadata 'title=Intro: A/B?'"
          " -metadata track=3/12 " +
          Quote(tagged));
    Shell("ffmpeg -v error -i " + Quote(dir.file("in/plain.wav")) + " -metadata title=" + std::string(300, 'x') +
          " " + Quote(longTitle));
    const std::string out = dir.file("out");
    const std::string pattern = "%albumartist|artist%/%album%/%track:2% %title%";
    auto r = Cli({"-q", "-f", "wav", "-o", out, "--name-pattern", pattern, tagged, dir.file("in/plain.wav"),
                  longTitle});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.out, tagged + "\t03 Intro_ A_B_.wav\n" + dir.file("in/plain.wav") + "\tplain.wav\n" + longTitle +
                         "\t" + std::string(255 - 12, 'x') + ".wav\n");
    EXPECT_EQ(Tree(out), (std::set<std::string>{"Band/First/03 Intro_ A_B_.wav", "_/_/plain.wav",
                                                  "_/_/" + std::string(255 - 12, 'x') + ".wav"}));
    // The stored setting does the same; the rule "rename" numbers the second target.
    r = Cli({"-q", "-f", "wav", "-o", out, "--set", "NamePattern=" + pattern, tagged});
    EXPECT_EQ(r.out, tagged + "\t03 Intro_ A_B__1.wav\n");
}

// Paths from a list file (lines) or standard input (NUL-separated); shards split the files
// so that every file is in exactly one.
TEST_F(CliScriptTest, FilesFromAndShardsSplitTheWorkExactlyOnce) {
    std::string lines, nuls;
    std::set<std::string> all;
    for (int i = 0; i < 12; ++i) {
        const std::string path = Wav("in/f" + std::to_string(i) + ".wav");
        all.insert(path);
        (i < 6 ? lines : nuls) += path + (i < 6 ? '\n' : '\0');
    }
    WriteBytes(dir.file("list.txt"), std::vector<uint8_t>(lines.begin(), lines.end()));
    WriteBytes(dir.file("list.nul"), std::vector<uint8_t>(nuls.begin(), nuls.end()));
    auto r = Cli({"--info", "--files-from", dir.file("list.txt")});
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 6) << r.out << r.err;
    r = Cli({"--info", "--files-from", "-"}, "exec < " + Quote(dir.file("list.nul")));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 6) << r.out << r.err;
    EXPECT_EQ(r.out.rfind(dir.file("in/f6.wav") + "\t", 0), 0u);

    std::multiset<std::string> seen;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        r = Cli({"--info", "--shard", shard, "--files-from", dir.file("list.txt"), dir.file("in")});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        for (size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
            seen.insert(r.out.substr(start, r.out.find('\t', start) - start));
    }
    EXPECT_EQ(seen, std::multiset<std::string>(all.begin(), all.end()))
        << "each file in one shard, however it was named";
}
