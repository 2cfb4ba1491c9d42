#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "settings/savedvalues.h"
#include "settings/settings.h"
#include "support/testutil.h"

namespace tonewright {
namespace {

std::string ReadText(const std::string& path) {
    const auto bytes = testutil::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

Settings LoadFrom(const std::string& path) {
    Settings settings = DefaultSettings("");
    LoadSettings(settings, *OpenSettingsFile(path));
    return settings;
}

class SettingsFileStore : public testing::Test {
protected:
    testutil::TempDir dir;
    const std::string path = dir.file("Tonecraft.conf");
};

TEST_F(SettingsFileStore, RoundTripKeepsEveryValue) {
    Settings saved = DefaultSettings("/docs");
    saved.Folder = "/home/u/Müsic, old";
    saved.FilterExts = "wav,mp3";
    saved.MP3BitRate = 192;
    saved.WMABitRate = -1;
    saved.MP3Tag.Title = "@at start";
    saved.MP3Tag.Comment = "two\nlines; #not a comment";
    saved.M4ATag.Artist = "= [section] \\ \"q\" 𝄞";
    const auto store = OpenSettingsFile(path);
    EXPECT_EQ(SaveSettings(saved, *store, kSaveAll), 1);

    // The save reached the disk while the store is still open. A copy is read, so the text is
    // parsed from the file rather than taken from QSettings' cache.
    const std::string copy = dir.file("copy.conf");
    std::filesystem::copy_file(path, copy);
    EXPECT_EQ(SavedValues(LoadFrom(copy)), SavedValues(saved));
    EXPECT_NE(ReadText(path).find("\nMP3BitRate=192\n"), std::string::npos) << ReadText(path);
}

TEST_F(SettingsFileStore, HandEditedValues) {
    std::ofstream(path) << "[Options]\nFilterExts=WAV, Mp3\nEnableExtFilter=1\nMP3BitRate=abc\n"
                           "OGGBitRate=160000\nFolder=\"/a,b\"\nMP3Tag\\Artist=Hand\n";
    const Settings loaded = LoadFrom(path);
    EXPECT_EQ(loaded.extensionFilter, (std::vector<std::string>{"wav", "mp3"}));
    EXPECT_EQ(loaded.MP3BitRate, 128);
    EXPECT_EQ(loaded.OGGBitRate, 160);
    EXPECT_EQ(loaded.Folder, "/a,b");
    EXPECT_EQ(loaded.MP3Tag.Artist, "Hand");
    TagTemplate absent;
    EXPECT_FALSE(LoadTagTemplate(*OpenSettingsFile(path), "OGG", absent));
}

TEST_F(SettingsFileStore, GarbageGivesDefaultsAndIsReplacedOnSave) {
    std::vector<uint8_t> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 7919 % 251);
    testutil::WriteBytes(path, garbage);
    EXPECT_EQ(SavedValues(LoadFrom(path)), SavedValues(DefaultSettings("")));

    Settings saved = DefaultSettings("");
    saved.OutputFormat = 1003;
    EXPECT_EQ(SaveSettings(saved, *OpenSettingsFile(path), kSaveAll), 1);
    EXPECT_EQ(LoadFrom(path).OutputFormat, 1003);
}

TEST_F(SettingsFileStore, FolderInPlaceOfTheFileGivesDefaults) {
    std::filesystem::create_directory(path);
    const auto store = OpenSettingsFile(path);
    Settings settings = DefaultSettings("");
    LoadSettings(settings, *store);
    EXPECT_EQ(SavedValues(settings), SavedValues(DefaultSettings("")));
    EXPECT_EQ(SaveSettings(settings, *store, kSaveAll), 1);
    EXPECT_TRUE(CheckFirstRun(*store));
    EXPECT_FALSE(store->readable());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SettingsFileStore, UnreadableFileIsNeitherReadNorOverwritten) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    const std::string text = "[Options]\nMP3BitRate=320\n";
    std::ofstream(path) << text;
    chmod(path.c_str(), 0200);
    const Settings loaded = LoadFrom(path);
    EXPECT_EQ(loaded.MP3BitRate, 128);
    EXPECT_EQ(SaveSettings(loaded, *OpenSettingsFile(path), kSaveWindowState), 1);
    chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadText(path), text);
}

// QSettings fixes the user store's folder on first use in a process, so the store is opened
// in a child run of this test with its own XDG_CONFIG_HOME.
TEST(SettingsUserStore, LivesBelowXdgConfigHome) {
    constexpr const char* kChildMarker = "TONEWRIGHT_SETTINGS_CHILD";
    if (std::getenv(kChildMarker)) {
        Settings settings = DefaultSettings("");
        settings.OutputFormat = 1234;
        SaveSettings(settings, *OpenUserSettingsStore(), kSaveWindowState);
        return;
    }
    testutil::TempDir home;
    const auto child = testutil::Run({"/proc/self/exe", "--gtest_filter=SettingsUserStore.LivesBelowXdgConfigHome"},
                                     {"XDG_CONFIG_HOME=" + home.path(), std::string(kChildMarker) + "=1"});
    ASSERT_EQ(child.exitCode, 0) << child.out << child.err;
    EXPECT_EQ(LoadFrom(home.file("Quellbrook/Tonecraft.conf")).OutputFormat, 1234);
}

}  // namespace
}  // namespace tonewright
