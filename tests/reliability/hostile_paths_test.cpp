// Hostile paths given to the decoder chain: names that look like options, protocols, shell
// code or format strings, names that are not UTF-8, folders named like audio files, missing
// and unreadable files. A name never changes what is read; what cannot be read fails with
// a failure text.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "reliability/hostiledrive.h"
#include "reliability/hostileseeds.h"
#include "support/testutil.h"

using namespace hostile;

namespace {

const char* const kHostileStems[] = {
    "-rf",          "--help",     "a\"b'c d",   "\xff\xfe",    "file:x",   "pipe:1", "concat:a|b",
    "$(touch pwned)", "`touch pwned`", "new\nline", "%s%n%x", " leading space", "\xc3\xbc\xe2\x9c\x93",
};

// One family per reader: Tonewright's own, FFmpeg's, vorbisfile, libopenmpt, the MIDI reader.
const char* const kSlugsToRename[] = {"wav16", "mp3", "vorbis", "mod", "midi"};

const Family& FamilyWithSlug(const std::string& slug) {
    for (const Family& family : Families())
        if (family.slug == slug) return family;
    ADD_FAILURE() << "no family " << slug;
    return Families().front();
}

void ExpectFailureRow(const std::string& path, const std::string& what) {
    const DriveResult result = DriveThroughOpenSource(path, what);
    EXPECT_FALSE(result.opened) << what;
    EXPECT_FALSE(result.failureReason.empty()) << what;
}

}  // namespace

TEST(HostilePaths, AHostileNameReadsLikeAnyOtherName) {
    testutil::TempDir dir;
    for (const char* slug : kSlugsToRename) {
        const Family& family = FamilyWithSlug(slug);
        const std::string seedPath = dir.file(family.slug + family.extension);
        family.makeSeed(seedPath);
        const DriveResult seed = DriveThroughOpenSource(seedPath, family.name);
        ASSERT_TRUE(seed.opened) << family.name;
        const auto bytes = testutil::ReadBytes(seedPath);
        for (const char* stem : kHostileStems) {
            const std::string path = dir.file(stem + family.extension);
            testutil::WriteBytes(path, bytes);
            const DriveResult renamed = DriveThroughOpenSource(path, family.name + " named " + stem);
            EXPECT_TRUE(renamed.opened) << family.name << " named " << stem;
            EXPECT_EQ(renamed.frames, seed.frames) << family.name << " named " << stem;
            std::remove(path.c_str());
        }
    }
    EXPECT_FALSE(testutil::Exists(dir.file("pwned")));
    EXPECT_FALSE(testutil::Exists("pwned"));
}

TEST(HostilePaths, FoldersAndMissingFilesGiveFailureRows) {
    testutil::TempDir dir;
    for (const Family& family : Families()) {
        const std::string folder = dir.file(family.slug + family.extension);
        ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
        ExpectFailureRow(folder, family.name + " folder");
        ExpectFailureRow(dir.file("missing" + family.extension), family.name + " missing");
    }
}

// A device never ends and a named pipe blocks its opening until someone writes to it.
TEST(HostilePaths, DevicesAndPipesGiveFailureRowsAtOnce) {
    testutil::TempDir dir;
    ASSERT_EQ(symlink("/dev/zero", dir.file("zero.mp3").c_str()), 0);
    ASSERT_EQ(symlink("/dev/urandom", dir.file("noise.mp3").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", dir.file("zero.wav").c_str()), 0);
    ASSERT_EQ(mkfifo(dir.file("pipe.wav").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo(dir.file("pipe.ogg").c_str(), 0644), 0);
    Watchdog watchdog(std::chrono::seconds(10));
    for (const char* name : {"zero.mp3", "noise.mp3", "zero.wav", "pipe.wav", "pipe.ogg"}) {
        watchdog.Watch(name);
        ExpectFailureRow(dir.file(name), name);
        watchdog.Done();
    }
}

TEST(HostilePaths, AnUnreadableFileGivesAFailureRow) {
    testutil::TempDir dir;
    const Family& family = FamilyWithSlug("wav16");
    const std::string path = dir.file("locked.wav");
    family.makeSeed(path);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    if (access(path.c_str(), R_OK) == 0) GTEST_SKIP() << "the file stays readable (running as root)";
    ExpectFailureRow(path, "unreadable WAV");
}

// The extension picks the decoders tried (the fallback table), so every family's content is
// also given under every other family's extension: it is read or refused, never more.
TEST(HostilePaths, EverySeedUnderEveryExtensionIsReadOrRefused) {
    testutil::TempDir dir;
    const CdDevices devices(dir.path());
    std::vector<std::string> extensions;
    for (const Family& family : Families())
        if (std::find(extensions.begin(), extensions.end(), family.extension) == extensions.end())
            extensions.push_back(family.extension);
    Watchdog watchdog(std::chrono::seconds(10));
    for (const Family& family : Families()) {
        const std::string seedPath = dir.file(family.slug + ".seed" + family.extension);
        family.makeSeed(seedPath);
        const auto bytes = testutil::ReadBytes(seedPath);
        for (const std::string& extension : extensions) {
            if (extension == family.extension) continue;
            const std::string path = dir.file(family.slug + ".as" + extension);
            testutil::WriteBytes(path, bytes);
            const std::string label = family.name + " named " + extension;
            watchdog.Watch(label);
            const DriveResult result = DriveThroughOpenSource(path, label);
            if (!result.opened) {
                EXPECT_FALSE(result.failureReason.empty()) << label;
            }
            watchdog.Done();
        }
    }
}
