// Leftover temporary files: only the exact name form counts, and the cleaner removes a
// leftover but never a file a running conversion still writes, whether that conversion
// runs in this process, in another process or in another tonewright-cli.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "base/pathutil.h"
#include "encoders/outputfile.h"
#include "engine/temporaryfile.h"
#include "reliability/kill_spawn.h"

using namespace testutil;
using tonewright::CreateTemporaryBeside;
using tonewright::IsTemporaryFileName;
using tonewright::OutputTarget;
using tonewright::RemoveStaleTemporaries;

namespace {

constexpr char kHex[] = "0123456789abcdef";

// A process that holds an exclusive flock on `path` until it is destroyed.
class LockingProcess {
public:
    explicit LockingProcess(const std::string& path) {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release[1]);
            const int fd = open(path.c_str(), O_RDONLY);
            const char ok = fd >= 0 && flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
            if (write(ready[1], &ok, 1) != 1) _exit(1);
            char ignored;
            while (read(release[0], &ignored, 1) > 0) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        char ok = 'n';
        locked_ = read(ready[0], &ok, 1) == 1 && ok == 'y';
        close(ready[0]);
    }
    ~LockingProcess() {
        if (release_ >= 0) close(release_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool Locked() const { return locked_; }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool locked_ = false;
};

// A file the way a run that died leaves it: the name form, no lock.
std::string Leftover(const std::string& target) {
    OutputTarget lock;
    return CreateTemporaryBeside(target, lock);
}

// True when process `pid` has a file whose name starts with `prefix` open for writing: a
// conversion's temporary file, from its creation to its end.
bool WritesFileStartingWith(pid_t pid, const std::string& prefix) {
    const std::string process = "/proc/" + std::to_string(pid);
    std::error_code ec;
    for (const auto& fd : std::filesystem::directory_iterator(process + "/fd", ec)) {
        const std::string target = std::filesystem::read_symlink(fd.path(), ec).string();
        if (ec || target.rfind(prefix, 0) != 0) continue;
        std::ifstream info(process + "/fdinfo/" + fd.path().filename().string());
        std::string key;
        int flags = 0;
        while (info >> key)
            if (key == "flags:" && info >> std::oct >> flags) break;
        if ((flags & O_ACCMODE) != O_RDONLY) return true;
    }
    return false;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(TemporariesTest, OnlyTheExactNameFormCounts) {
    const std::string digits = std::string(kHex);
    const struct {
        std::string name;
        bool temporary;
    } cases[] = {
        {".a.wav.part-" + digits, true},
        {".x.part-" + digits, true},
        {".a.wav.part-" + digits.substr(1), false},       // 15 digits
        {".a.wav.part-" + digits + "0", false},           // 17 digits
        {".a.wav.part-0123456789ABCDEF", false},          // upper case
        {".a.wav.part-0123456789abcdeg", false},
        {"a.wav.part-" + digits, false},                  // not hidden
        {"..part-" + digits, false},                      // no target name
        {".a.wav.part_" + digits, false},
        {".notes.part-1", false},
        {".a.wav.part-" + digits + ".bak", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsTemporaryFileName(c.name), c.temporary) << c.name;
}

TEST(TemporariesTest, CreatedFilesHaveTheFormAndAreHeldUntilReleased) {
    TempDir dir;
    OutputTarget first, second;
    const std::string a = CreateTemporaryBeside(dir.file("song.mp3"), first);
    const std::string b = CreateTemporaryBeside(dir.file("song.mp3"), second);
    ASSERT_NE(a, b);
    for (const std::string& path : {a, b}) {
        EXPECT_EQ(tonewright::FolderOf(path), dir.path() + "/");
        EXPECT_EQ(tonewright::LastPathComponent(path).rfind(".song.mp3.part-", 0), 0u) << path;
        EXPECT_TRUE(IsTemporaryFileName(tonewright::LastPathComponent(path))) << path;
    }
    EXPECT_TRUE(first.IsHeld());
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 0) << "both are held";
    second.Release();
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
    EXPECT_TRUE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(CreateTemporaryBeside("/proc/x.wav", first).empty());
}

// The encoder writes the temporary through its own duplicate of the descriptor, and
// closes it when done; the writer's own lock must outlast that.
TEST(TemporariesTest, TheLockOutlastsTheEncodersOwnDescriptor) {
    TempDir dir;
    OutputTarget lock;
    const std::string path = CreateTemporaryBeside(dir.file("a.wav"), lock);
    tonewright::OutputFile encoder;
    ASSERT_TRUE(encoder.Create(path));
    ASSERT_TRUE(encoder.Write("RIFF", 4));
    ASSERT_TRUE(encoder.Close());
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 0);
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'R', 'I', 'F', 'F'}));
}

TEST(TemporariesTest, CleanerRemovesLeftoversOnlyAndKeepsEverythingElse) {
    TempDir dir;
    const std::string stale = Leftover(dir.file("a.mp3"));
    const std::string heldHere = Leftover(dir.file("b.mp3"));
    const std::string heldElsewhere = Leftover(dir.file("c.mp3"));
    LockingProcess other(heldElsewhere);
    ASSERT_TRUE(other.Locked());
    // Opened after the fork, so the other process does not share this lock.
    const int here = open(heldHere.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(here, LOCK_EX), 0);

    const std::vector<std::string> keep = {".notes.part-1", "a.mp3.part-" + std::string(kHex),
                                           ".a.mp3.part-0123456789ABCDEF", "song.mp3"};
    for (const std::string& name : keep) WriteBytes(dir.file(name), {7});
    const std::string folderLike = dir.file(".d.mp3.part-" + std::string(kHex));
    const std::string linkLike = dir.file(".e.mp3.part-" + std::string(kHex));
    std::filesystem::create_directory(folderLike);
    std::filesystem::create_symlink(dir.file("song.mp3"), linkLike);

    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
    EXPECT_FALSE(Exists(stale));
    for (const std::string& path : {heldHere, heldElsewhere, folderLike, linkLike}) EXPECT_TRUE(Exists(path)) << path;
    for (const std::string& name : keep) EXPECT_EQ(ReadBytes(dir.file(name)), std::vector<uint8_t>{7}) << name;
    close(here);
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1) << "released, the file is a leftover";
    EXPECT_FALSE(Exists(heldHere));
    EXPECT_EQ(RemoveStaleTemporaries(dir.path() + "/no-such-folder"), 0);
}

// One tonewright-cli is paused in the middle of its file (Linux: /proc shows its open
// files) while a second one writes into the
// same folder. The second removes a leftover but not the first one's temporary file.
TEST(TemporariesTest, SecondProgramLeavesTheFirstOnesFileAlone) {
    CliFixture fixture;
    const std::string out = fixture.dir.file("out");
    std::filesystem::create_directory(out);
    MakeToneWithSox(fixture.dir.file("long.wav"), 44100, 2, 5, "-b 16");
    MakeToneWithSox(fixture.dir.file("short.wav"), 8000, 1, 0.1, "-b 16");

    BackgroundCli first(fixture, {"-q", "-f", "ogg", "-o", out, fixture.dir.file("long.wav")});
    ASSERT_TRUE(first.Started());
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    // Paused while the encoder has the file open.
    bool writing = false;
    while (!writing && first.Running() && std::chrono::steady_clock::now() < giveUp) {
        first.Pause();
        writing = WritesFileStartingWith(first.Pid(), out + "/.long.ogg.part-");
        if (writing) break;
        first.Resume();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_TRUE(writing) << "the first program was never seen writing its file";
    const std::string stale = Leftover(out + "/old.ogg");

    const auto second = fixture.Cli({"-q", "-f", "ogg", "-o", out, fixture.dir.file("short.wav")});
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_FALSE(Exists(stale));
    first.Resume();
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(Names(out), (std::vector<std::string>{"long.ogg", "short.ogg"}));
}
