#include <gtest/gtest.h>

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

    // Resolves and returns the target, or "!" followed by the message.
    std::string Resolve(const std::string& source, int format = kOutputMp3) {
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
        return paths.target;
    }
};

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

TEST_F(TargetPathTest, NamesWithoutOrWithSeveralDots) {
    EXPECT_EQ(Resolve(Source("noext"), kOutputWav), dir.file("noext.wav"));
    EXPECT_EQ(Resolve(Source("x.tar.gz"), kOutputWav), dir.file("x.tar.wav"));
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
    EXPECT_TRUE(paths.lock.IsHeld());
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 0);
    paths.lock.Release();
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
}

// A batch clears a folder of leftovers once, when its first target there is chosen; a
// single resolution outside a batch leaves them.
TEST_F(TargetPathTest, EachBatchClearsAFolderOfLeftoversOnce) {
    const std::string source = Source("e.wav");
    auto leftover = [&] {
        TemporaryLock unheld;
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
