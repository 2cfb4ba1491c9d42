// The last step of a row through the real tonewright-cli: the finished temporary file gets
// its target's name. The program is held at a known step (TONEWRIGHT_FAULT's "pause") while
// the test changes the folder the way another user, another run or a failing machine
// would: a file made under the target's name is never replaced but with "Overwrite", a
// symbolic link swapped in for the temporary file is never written through, a failing last
// step says why, and a replaced file keeps its permission bits.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <set>

#include "cli/clitest.h"
#include "reliability/kill_spawn.h"
#include "reliability/nfslikedrive.h"

using namespace testutil;

namespace {

// The test's end of the descriptor a held program stops on: each step it reports is a
// line "STEP PATH"; one byte back lets it go on.
class HeldSteps {
public:
    HeldSteps() {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
        ours_ = ends[0];
        theirs_ = ends[1];
    }
    ~HeldSteps() {
        CloseTheirs();
        if (ours_ >= 0) close(ours_);
    }
    HeldSteps(const HeldSteps&) = delete;
    HeldSteps& operator=(const HeldSteps&) = delete;

    int Theirs() const { return theirs_; }
    // Once the program has its copy.
    void CloseTheirs() {
        if (theirs_ >= 0) close(theirs_);
        theirs_ = -1;
    }
    // The next step's line without its newline; "" once the program has ended.
    std::string Next() {
        std::string line;
        char c;
        while (read(ours_, &c, 1) == 1) {
            if (c == '\n') return line;
            line += c;
        }
        return {};
    }
    void Go() {
        const char go = 'g';
        EXPECT_EQ(write(ours_, &go, 1), 1);
    }

private:
    int ours_ = -1;
    int theirs_ = -1;
};

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) names.insert(e.path().filename().string());
    return names;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::vector<uint8_t> kUsersBytes = {'u', 's', 'e', 'r'};

class CommitCliTest : public ::testing::Test, protected CliFixture {
protected:
    std::string out;

    void SetUp() override {
        out = dir.file("out");
        std::filesystem::create_directory(out);
    }

    std::string Source(const std::string& name) {
        const std::string path = dir.file(name);
        if (!Exists(path)) MakeToneWithSox(path, 8000, 1, 0.2, "-b 16");
        return path;
    }

    // Converts `sources` to WAV in `out` with the rule `ifExists`, held at every step:
    // `act` runs at each step with the step's name and the temporary file's path. The
    // program's standard output.
    std::string ConvertHeld(const std::vector<std::string>& sources, const std::string& ifExists,
                            const std::function<void(const std::string&, const std::string&)>& act) {
        HeldSteps steps;
        extraEnv = {"TONEWRIGHT_FAULT=pause=3"};
        std::vector<std::string> args = {"-q", "-j", "1", "-f", "wav", "-o", out, "--if-exists", ifExists};
        args.insert(args.end(), sources.begin(), sources.end());
        BackgroundCli program(*this, args, dir.file("rows.txt"), steps.Theirs());
        steps.CloseTheirs();
        for (std::string line = steps.Next(); !line.empty(); line = steps.Next()) {
            const size_t space = line.find(' ');
            act(line.substr(0, space), line.substr(space + 1));
            steps.Go();
        }
        program.Wait();
        return ReadText(dir.file("rows.txt"));
    }
};

struct HeldCase {
    const char* label;
    const char* ifExists;
    const char* step;     // where the folder changes
    // What changes there, given the fixture's paths; the status the row must end with.
    std::function<void(const std::string& out, const std::string& temporary, const std::string& victim)> change;
    const char* status;
    std::set<std::string> names;  // what the output folder holds after the run
    bool usersFileStays;
};

void MakeUsersFile(const std::string& out, const std::string&, const std::string&) {
    WriteBytes(out + "/song.wav", kUsersBytes);
}

const HeldCase kHeldCases[] = {
    {"RenameKeepsAFileMadeUnderTheName", "rename", "created", MakeUsersFile, "song_1.wav",
     {"song.wav", "song_1.wav"}, true},
    {"SkipKeepsAFileMadeUnderTheName", "skip", "created", MakeUsersFile, "Target exists and skipped",
     {"song.wav"}, true},
    {"SymbolicLinkSwappedInIsNotWrittenThrough", "rename", "created",
     [](const std::string&, const std::string& temporary, const std::string& victim) {
         std::filesystem::remove(temporary);
         std::filesystem::create_symlink(victim, temporary);
     },
     "Conversion Failure (the temporary file was replaced by another file)", {}, false},
    {"FolderDeletedBeforeTheLastStep", "rename", "committing",
     [](const std::string& out, const std::string&, const std::string&) { std::filesystem::remove_all(out); },
     "Conversion Failure (No such file or directory)", {}, false},
    {"FolderStandingAtTheNameIsNotReplaced", "overwrite", "created",
     [](const std::string& out, const std::string&, const std::string&) {
         std::filesystem::create_directory(out + "/song.wav");
     },
     "Conversion Failure (Is a directory)", {"song.wav"}, false},
};

void PrintTo(const HeldCase& c, std::ostream* out) { *out << c.label; }

class CommitHeldTest : public CommitCliTest, public ::testing::WithParamInterface<HeldCase> {};

}  // namespace

TEST_P(CommitHeldTest, TheFolderChangesWhileARowConverts) {
    const HeldCase& c = GetParam();
    const std::string source = Source("song.wav");
    const std::string victim = dir.file("victim.txt");
    WriteBytes(victim, kUsersBytes);
    const std::string rows = ConvertHeld(
        {source}, c.ifExists,
        [&](const std::string& step, const std::string& temporary) {
            if (step == c.step) c.change(out, temporary, victim);
        });
    EXPECT_EQ(rows, source + "\t" + c.status + "\n");
    EXPECT_EQ(Names(out), c.names) << "the temporary file is gone";
    EXPECT_EQ(ReadBytes(victim), kUsersBytes);
    if (c.usersFileStays) {
        EXPECT_EQ(ReadBytes(out + "/song.wav"), kUsersBytes) << "the user's file stays";
    }
}

INSTANTIATE_TEST_SUITE_P(Commit, CommitHeldTest, ::testing::ValuesIn(kHeldCases),
                         [](const auto& info) { return std::string(info.param.label); });

// A second run into the same folder, with the same names, finishes while the first one is
// held before its first file gets its name: the first takes the next numbered names.
TEST_F(CommitCliTest, TwoRunsIntoOneFolderKeepEveryFile) {
    const std::vector<std::string> sources = {Source("a.wav"), Source("b.wav"), Source("c.wav")};
    bool secondRan = false;
    std::string second;
    const std::string first = ConvertHeld(sources, "rename", [&](const std::string& step, const std::string&) {
        if (step != "committing" || secondRan) return;
        secondRan = true;
        extraEnv.clear();
        second = Cli({"-q", "-f", "wav", "-o", out, "--if-exists", "rename", sources[0], sources[1], sources[2]}).out;
    });
    EXPECT_EQ(second, sources[0] + "\ta.wav\n" + sources[1] + "\tb.wav\n" + sources[2] + "\tc.wav\n");
    EXPECT_EQ(first, sources[0] + "\ta_1.wav\n" + sources[1] + "\tb_1.wav\n" + sources[2] + "\tc_1.wav\n");
    EXPECT_EQ(Names(out), (std::set<std::string>{"a.wav", "a_1.wav", "b.wav", "b_1.wav", "c.wav", "c_1.wav"}));
}

// "Overwrite" gives the new file the replaced file's permission bits, a private file's
// included; a new file gets the usual ones.
TEST_F(CommitCliTest, OverwriteKeepsTheReplacedFilesPermissions) {
    const std::string source = Source("song.wav");
    WriteBytes(out + "/song.wav", kUsersBytes);
    ASSERT_EQ(chmod((out + "/song.wav").c_str(), 0600), 0);
    const auto r = Cli({"-q", "-f", "wav", "-o", out, "--if-exists", "overwrite", source, Source("new.wav")});
    EXPECT_EQ(r.out, source + "\tsong.wav\n" + dir.file("new.wav") + "\tnew.wav\n");
    struct stat replaced, created;
    ASSERT_EQ(stat((out + "/song.wav").c_str(), &replaced), 0);
    ASSERT_EQ(stat((out + "/new.wav").c_str(), &created), 0);
    EXPECT_EQ(replaced.st_mode & 07777, 0600u);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(created.st_mode & 07777, 0666u & ~mask);
    EXPECT_NE(ReadBytes(out + "/song.wav"), kUsersBytes);
}

// Two runs at once convert different sources whose name pattern gives the same target name
// into one folder, 50 times. Each is held until both have chosen the name and finished
// their files, then both claim it together: never fewer files than sources.
TEST_F(CommitCliTest, TwoRunsClaimingOneNameAtOnceKeepBothFiles) {
    Shell("mkdir -p " + Quote(dir.file("one")) + " " + Quote(dir.file("two")));
    const std::string one = dir.file("one/a.flac"), two = dir.file("two/b.flac");
    MakeToneWithSox(one, 8000, 1, 0.05, "-b 16");
    MakeToneWithSox(two, 8000, 1, 0.1, "-b 16");
    for (const std::string& source : {one, two})
        Shell("ffmpeg -v error -i " + Quote(source) + " -metadata title=Same -c copy " + Quote(source + ".flac") +
              " && mv " + Quote(source + ".flac") + " " + Quote(source));
    extraEnv = {"TONEWRIGHT_FAULT=pause=3"};
    const CliFixture& fixture = *this;
    for (int round = 0; round < 50; ++round) {
        const std::string folder = out + "/" + std::to_string(round);
        HeldSteps firstSteps, secondSteps;
        auto start = [&](const std::string& source, HeldSteps& steps) {
            return std::make_unique<BackgroundCli>(
                fixture, std::vector<std::string>{"-q", "-f", "wav", "-o", folder, "--name-pattern", "%title%", source},
                "", steps.Theirs());
        };
        auto first = start(one, firstSteps);
        auto second = start(two, secondSteps);
        firstSteps.CloseTheirs();
        secondSteps.CloseTheirs();
        for (const char* step : {"created", "committing"}) {
            for (HeldSteps* steps : {&firstSteps, &secondSteps})
                ASSERT_EQ(steps->Next().rfind(std::string(step) + " " + folder + "/.Same.wav.part-", 0), 0u) << round;
            firstSteps.Go();
            secondSteps.Go();
        }
        EXPECT_EQ(first->Wait(), 0);
        EXPECT_EQ(second->Wait(), 0);
        ASSERT_EQ(Names(folder), (std::set<std::string>{"Same.wav", "Same_1.wav"})) << round;
        EXPECT_NE(FileSize(folder + "/Same.wav"), FileSize(folder + "/Same_1.wav")) << "one file of each source";
    }
}

// On a file system that refuses RENAME_NOREPLACE (an NFS mount) the name is claimed with a
// link: a name taken by a user's file moves on to the next number, and a link whose reply was
// lost (made, but answered EEXIST) keeps the name it made instead of taking a second one.
TEST_F(CommitCliTest, WithoutNoReplaceALinkClaimsTheNameEvenWhenItsReplyIsLost) {
    Shell("mkdir -p " + Quote(dir.file("backing/out")) + " " + Quote(dir.file("mnt")) + " " + Quote(dir.file("two")));
    NfsLikeDrive drive(dir.file("backing"), dir.file("mnt"));
    if (!drive.Mounted()) GTEST_SKIP() << drive.Problem();
    WriteBytes(dir.file("backing/out/song.wav"), kUsersBytes);
    const std::string one = Source("song.wav");
    const std::string two = dir.file("two/song.wav");
    MakeToneWithSox(two, 8000, 1, 0.3, "-b 16");
    drive.LoseLinkReplies(1);
    const auto r = Cli({"-q", "-j", "1", "-f", "wav", "-o", dir.file("mnt/out"), one, two});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, one + "\tsong_1.wav\n" + two + "\tsong_2.wav\n");
    EXPECT_EQ(Names(dir.file("backing/out")), (std::set<std::string>{"song.wav", "song_1.wav", "song_2.wav"}));
    EXPECT_EQ(ReadBytes(dir.file("backing/out/song.wav")), kUsersBytes);
    EXPECT_NE(FileSize(dir.file("backing/out/song_1.wav")), FileSize(dir.file("backing/out/song_2.wav")));
}
