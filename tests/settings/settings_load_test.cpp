#include <gtest/gtest.h>

#include "settings/savedvalues.h"
#include "settings/settings.h"

namespace tonewright {
namespace {

TEST(SettingsLoad, EmptyOrUnreadableStoreKeepsDefaults) {
    MemorySettingsStore empty;
    Settings withDocuments = DefaultSettings("/home/u/Documents");
    LoadSettings(withDocuments, empty);
    EXPECT_EQ(withDocuments.DestOutputFolderOpt, 399);
    EXPECT_EQ(withDocuments.DestSpecifiedFolder, "/home/u/Documents");
    EXPECT_EQ(DefaultSettings("").DestOutputFolderOpt, 199);
    EXPECT_EQ(DefaultSettings("").DestSpecifiedFolder, "");

    MemorySettingsStore unreadable;
    unreadable.preset("Options", "MP3BitRate", "320");
    unreadable.preset("Options/MP3Tag", "Artist", "A");
    unreadable.setReadable(false);
    Settings settings = DefaultSettings("");
    LoadSettings(settings, unreadable);
    EXPECT_EQ(SavedValues(settings), SavedValues(DefaultSettings("")));
}

struct StoredNumber {
    const char* name;
    int Settings::*member;
    const char* stored;
    int expected;
};

void PrintTo(const StoredNumber& c, std::ostream* out) { *out << c.name << "=\"" << c.stored << "\""; }

class SettingsReadBack : public testing::TestWithParam<StoredNumber> {};

// Loading and setting by name apply the same read-back rule.
TEST_P(SettingsReadBack, CorrectsStoredAndSetValues) {
    const StoredNumber& c = GetParam();
    MemorySettingsStore store;
    store.preset("Options", c.name, c.stored);
    Settings loaded = DefaultSettings("");
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded.*c.member, c.expected);

    Settings set = DefaultSettings("");
    std::string error;
    EXPECT_EQ(SetSettingByName(set, c.name, c.stored, error), ParseWholeNumber(c.stored).has_value());
    EXPECT_EQ(set.*c.member, c.expected);
}

using S = Settings;
INSTANTIATE_TEST_SUITE_P(Rules, SettingsReadBack, testing::Values(
    StoredNumber{"OGGBitRate", &S::OGGBitRate, "160000", 160},
    StoredNumber{"OGGBitRate", &S::OGGBitRate, "1000", 1000},
    StoredNumber{"MP3ChannelMode", &S::MP3ChannelMode, "2", 1},
    StoredNumber{"MP3ChannelMode", &S::MP3ChannelMode, "4", 4},
    StoredNumber{"MP3EncodingMode", &S::MP3EncodingMode, "2", 0},
    StoredNumber{"MP3VBRQuality", &S::MP3VBRQuality, "12", 9},
    StoredNumber{"MP3VBRQuality", &S::MP3VBRQuality, "-1", 0},
    StoredNumber{"OGGEncodingMode", &S::OGGEncodingMode, "-1", 0},
    StoredNumber{"OGGQuality", &S::OGGQuality, "11", 10},
    StoredNumber{"OGGQuality", &S::OGGQuality, "-2", -1},
    StoredNumber{"OGGQuality", &S::OGGQuality, "-1", -1},
    StoredNumber{"AmplifyWMACoeff", &S::AmplifyWMACoeff, "5", 10},
    StoredNumber{"AmplifyWMACoeff", &S::AmplifyWMACoeff, "5000", 3000},
    StoredNumber{"AmplifyMp3Coeff", &S::AmplifyMp3Coeff, "9", 10},
    StoredNumber{"AmplifyWavCoeff", &S::AmplifyWavCoeff, "3001", 3000},
    StoredNumber{"AmplifyOGGCoeff", &S::AmplifyOGGCoeff, "0", 10},
    StoredNumber{"AmplifyAACCoef", &S::AmplifyAACCoef, "5", 5},
    StoredNumber{"WAVChannelNum", &S::WAVChannelNum, "0", 0},
    StoredNumber{"WAVChannelNum", &S::WAVChannelNum, "3", 2},
    StoredNumber{"OGGChannels", &S::OGGChannels, "-1", 2},
    StoredNumber{"WMAChannels", &S::WMAChannels, "0", 2},
    StoredNumber{"WMAID3TagType", &S::WMAID3TagType, "3", 2},
    StoredNumber{"M4AID3TagType", &S::M4AID3TagType, "-1", 2},
    StoredNumber{"AACMpegVersion", &S::AACMpegVersion, "2", 0},
    StoredNumber{"AACBlockType", &S::AACBlockType, "3", 0},
    StoredNumber{"M4ABlockType", &S::M4ABlockType, "-1", 0},
    StoredNumber{"MP3BitRate", &S::MP3BitRate, "160000", 160000},
    StoredNumber{"OpusBitRate", &S::OpusBitRate, "5", 6},
    StoredNumber{"OpusBitRate", &S::OpusBitRate, "600", 510},
    StoredNumber{"OpusMode", &S::OpusMode, "3", 0},
    StoredNumber{"OpusComplexity", &S::OpusComplexity, "-1", 10},
    StoredNumber{"ParallelJobs", &S::ParallelJobs, "0", 1},
    StoredNumber{"ParallelJobs", &S::ParallelJobs, "-3", 1},
    StoredNumber{"ParallelJobs", &S::ParallelJobs, "4", 4},
    StoredNumber{"ParallelJobs", &S::ParallelJobs, "65", 64},
    StoredNumber{"MainWindowLeft", &S::MainWindowLeft, "-40", -40},  // a screen left of the first
    StoredNumber{"MainWindowWidth", &S::MainWindowWidth, "-1", 0},
    StoredNumber{"StatusColumnWidth", &S::StatusColumnWidth, "-7", 0},
    StoredNumber{"MainWindowMaximized", &S::MainWindowMaximized, "2", 0},
    // Text that is not a whole 32-bit number counts as missing.
    StoredNumber{"MP3BitRate", &S::MP3BitRate, "", 128},
    StoredNumber{"MP3BitRate", &S::MP3BitRate, "192kbps", 128},
    StoredNumber{"MP3BitRate", &S::MP3BitRate, "4294967296", 128}));

TEST(SettingsLoad, FilterIsRebuiltFromStoredAndSetValues) {
    MemorySettingsStore store;
    store.preset("Options", "FilterExts", "WAV,Mp3,");
    store.preset("Options", "EnableExtFilter", "1");
    Settings settings = DefaultSettings("");
    LoadSettings(settings, store);
    EXPECT_EQ(settings.extensionFilter, (std::vector<std::string>{"wav", "mp3", ""}));

    std::string error;
    ASSERT_TRUE(SetSettingByName(settings, "EnableExtFilter", "0", error));
    EXPECT_TRUE(settings.extensionFilter.empty());
}

}  // namespace
}  // namespace tonewright
