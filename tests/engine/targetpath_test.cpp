#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "base/pathutil.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "engine/fileentry.h"
#include "engine/outputformat.h"
#include "engine/targetpath.h"
#include "engine/targetreservations.h"
#include "settings/settings.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

class TargetPathTest : public ::testing::Test {
protected:
    testutil::TempDir dir;
    Settings settings = DefaultSettings("");

    void SetUp() override {
        settings.DestOutputFolderOpt = 199;
        settings.OutputFiles2MyDocuments = 0;
        setenv("HOME", dir.file("home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }

    std::string Source(const std::string& name) {
        testutil::WriteBytes(dir.file(name), {1, 2, 3});
        return dir.file(name);
    }

    // Resolves and returns the target, or "!" followed by the message. The temporary file's
    // name goes to `temporaryName` when asked for.
    std::string Resolve(const std::string& source, int format = kOutputMp3, std::string* temporaryName = nullptr) {
        FileEntry entry;
        entry.sourcePath = source;
        TargetPaths paths;
        std::string message;
        if (!ResolveTargetPath(entry, settings, format, paths, message)) {
            EXPECT_TRUE(entry.targetPath.empty());
            return "!" + message;
        }
        EXPECT_EQ(entry.targetPath, paths.target);
        EXPECT_TRUE(testutil::Exists(paths.temporary));
        std::remove(paths.temporary.c_str());
        if (temporaryName) *temporaryName = LastPathComponent(paths.temporary);
        return paths.target;
    }
};

// What `run` returns when run in a child process as the user "nobody" (65534).
std::string AsOtherUser(const std::function<std::string()>& run) {
    int out[2];
    if (pipe(out) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
        const std::string text = run();
        const bool written = write(out[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "child failed";
}

}  // namespace

TEST_F(TargetPathTest, ExistingTargetIsRenamedSkippedOrRefusedAsTheSource) {
    const std::string a = Source("a.mp3");
    EXPECT_EQ(Resolve(a), dir.file("a_1.mp3"));
    testutil::WriteBytes(dir.file("a_1.mp3"), {1});
    EXPECT_EQ(Resolve(a), dir.file("a_2.mp3"));
    settings.TargetExistsOpt = 33;
    EXPECT_EQ(Resolve(a), "!Target exists and skipped");
    settings.TargetExistsOpt = 22;
    EXPECT_EQ(Resolve(a),
              "!Target file name is same as original file that can't be overwritten. Please output files to a custom "
              "folder.");
    EXPECT_EQ(Resolve(Source("b.wav")), dir.file("b.mp3"));
    testutil::WriteBytes(dir.file("b.mp3"), {9});
    EXPECT_EQ(Resolve(dir.file("b.wav")), dir.file("b.mp3")) << "overwrite keeps the name of another file";
    EXPECT_EQ(testutil::ReadBytes(dir.file("b.mp3")), std::vector<uint8_t>{9}) << "the old file stays until replaced";
}

TEST_F(TargetPathTest, NamesWithoutOrWithSeveralDotsOrOfTheLongestLength) {
    EXPECT_EQ(Resolve(Source("noext"), kOutputWav), dir.file("noext.wav"));
    EXPECT_EQ(Resolve(Source("x.tar.gz"), kOutputWav), dir.file("x.tar.wav"));

    // Names up to the longest a folder takes (255 bytes): the temporary file carries as
    // much of the name as fits, cut between characters, in the form the cleaner knows.
    std::string cjk;
    for (int i = 0; i < 78; ++i) cjk += "\u540D";  // 78 characters of 3 bytes
    const struct {
        std::string stem;
        size_t kept;  // bytes of the target's name inside the temporary's name
    } cases[] = {{std::string(251, 'x'), 232}, {cjk, 231}, {std::string(228, 'y'), 232}};
    for (const auto& c : cases) {
        std::string temporary;
        const std::string name = c.stem + ".mp3";
        EXPECT_EQ(Resolve(Source(c.stem + ".wav"), kOutputMp3, &temporary), dir.file(name));
        EXPECT_LE(temporary.size(), 255u);
        EXPECT_TRUE(IsTemporaryFileName(temporary)) << temporary;
        EXPECT_EQ(temporary.substr(0, 1 + c.kept + 6), "." + name.substr(0, c.kept) + ".part-") << temporary;
    }
}

// "Overwrite" never replaces what it may not: found before converting, like a target that
// cannot be created, and the documents folder is tried instead.
TEST_F(TargetPathTest, OverwriteFindsATargetThatCannotBeReplaced) {
    settings.TargetExistsOpt = 22;
    ASSERT_EQ(mkdir(dir.file("folder.mp3").c_str(), 0755), 0);
    testutil::WriteBytes(dir.file("protected.mp3"), {7});
    ASSERT_EQ(chmod(dir.file("protected.mp3").c_str(), 0444), 0);
    for (const std::string name : {"folder", "protected"}) {
        const std::string source = Source(name + ".wav");
        settings.OutputFiles2MyDocuments = 0;
        EXPECT_EQ(Resolve(source), "!Failed to create file \"" + dir.file(name + ".mp3") + "\"");
        settings.OutputFiles2MyDocuments = 1;
        EXPECT_EQ(Resolve(source), dir.file("home/Documents/" + name + ".mp3"));
    }
    EXPECT_EQ(testutil::ReadBytes(dir.file("protected.mp3")), std::vector<uint8_t>{7});
    EXPECT_TRUE(IsFolder(dir.file("folder.mp3")));

    // Another user's file in a folder with the sticky bit: made as the superuser, resolved
    // as a user who may write that file but not replace it, and who may replace their own.
    if (geteuid() != 0) {
        std::printf("[   NOTE   ] not run as the superuser: no other user's file to try\n");
        return;
    }
    const std::string sticky = dir.file("sticky");
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir(sticky.c_str(), 0755), 0);
    ASSERT_EQ(chmod(sticky.c_str(), 01777), 0);
    for (const std::string name : {"shared", "own"}) {
        testutil::WriteBytes(sticky + "/" + name + ".mp3", {7});
        ASSERT_EQ(chmod((sticky + "/" + name + ".mp3").c_str(), 0666), 0);
        Source("sticky/" + name + ".wav");
    }
    ASSERT_EQ(chown((sticky + "/own.mp3").c_str(), 65534, 65534), 0);
    settings.OutputFiles2MyDocuments = 0;
    EXPECT_EQ(AsOtherUser([&] { return Resolve(sticky + "/shared.wav") + "|" + Resolve(sticky + "/own.wav"); }),
              "!Failed to create file \"" + sticky + "/shared.mp3\"|" + sticky + "/own.mp3");
    EXPECT_EQ(testutil::ReadBytes(sticky + "/shared.mp3"), std::vector<uint8_t>{7});
}

TEST_F(TargetPathTest, CustomFolderWithMirroredSourceFolders) {
    settings.DestOutputFolderOpt = 399;
    settings.DestSpecifiedFolder = dir.file("out/");
    const std::string source = Source("c.flac");
    EXPECT_EQ(Resolve(source, kOutputOgg), dir.file("out/c.ogg"));
    EXPECT_FALSE(testutil::Exists(dir.file("out/c.ogg"))) << "the target itself is never created early";
    settings.CreateDirs = 1;
    const std::string mirrored = dir.file("out") + dir.path() + "/c.ogg";
    EXPECT_EQ(Resolve(source, kOutputOgg), mirrored);
    settings.DestSpecifiedFolder = "";
    EXPECT_EQ(Resolve(source), "!Failed to create folder \"\"");
    settings.DestSpecifiedFolder = dir.file("c.flac/sub");
    EXPECT_EQ(Resolve(source), "!Failed to create folder \"" + dir.file("c.flac/sub") + "\"");
}

TEST_F(TargetPathTest, FallsBackToTheDocumentsFolderOnce) {
    settings.DestOutputFolderOpt = 399;
    settings.DestSpecifiedFolder = "/proc/no-such-folder";
    settings.CreateDirs = 1;
    const std::string source = Source("d.wav");
    EXPECT_EQ(Resolve(source), "!Failed to create folder \"/proc/no-such-folder\"");
    settings.OutputFiles2MyDocuments = 1;
    const std::string documents = dir.file("home/Documents");
    EXPECT_EQ(Resolve(source), documents + dir.path() + "/d.mp3") << "the mirror rule holds for a custom folder";
    settings.DestOutputFolderOpt = 199;
    EXPECT_EQ(Resolve("/proc/version"), documents + "/version.mp3") << "no mirror for targets beside the source";
}

TEST_F(TargetPathTest, TheTemporaryFileIsHeldUntilTheRowReleasesIt) {
    FileEntry entry;
    entry.sourcePath = Source("t.wav");
    TargetPaths paths;
    std::string message;
    ASSERT_TRUE(ResolveTargetPath(entry, settings, kOutputMp3, paths, message));
    EXPECT_EQ(paths.temporary.rfind(dir.path() + "/.t.mp3.part-", 0), 0u) << paths.temporary;
    EXPECT_TRUE(paths.file.IsHeld());
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 0);
    paths.file.Release();
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
}

// A batch clears a folder of leftovers once, when its first target there is chosen; a
// single resolution outside a batch leaves them.
TEST_F(TargetPathTest, EachBatchClearsAFolderOfLeftoversOnce) {
    const std::string source = Source("e.wav");
    auto leftover = [&] {
        OutputTarget unheld;
        return CreateTemporaryBeside(dir.file("old.mp3"), unheld);
    };
    auto resolve = [&](TargetReservations* batch) {
        FileEntry entry;
        entry.sourcePath = source;
        TargetPaths paths;
        std::string message;
        EXPECT_TRUE(ResolveTargetPath(entry, settings, kOutputMp3, paths, message, batch)) << message;
        std::remove(paths.temporary.c_str());
    };
    const std::string first = leftover();
    resolve(nullptr);
    EXPECT_TRUE(testutil::Exists(first));

    TargetReservations batch;
    resolve(&batch);
    EXPECT_FALSE(testutil::Exists(first));
    const std::string second = leftover();
    resolve(&batch);
    EXPECT_TRUE(testutil::Exists(second)) << "the folder was cleared for this batch already";

    TargetReservations nextBatch;
    resolve(&nextBatch);
    EXPECT_FALSE(testutil::Exists(second));
}
