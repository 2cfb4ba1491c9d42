#include <gtest/gtest.h>

#include "settings/savedvalues.h"
#include "settings/settings.h"

namespace tonewright {
namespace {

TEST(SettingsSetByName, RejectsUnknownNamesAndBadNumbers) {
    const Settings before = DefaultSettings("");
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"NoSuchValue", "1"}, {"mp3bitrate", "1"}, {"FirstRun", "0"}, {"extensionFilter", "wav"},
             {"AACTag/Artist", "x"}, {"MP3Tag/Nope", "x"}, {"MP3Tag", "x"}, {"Options/MP3BitRate", "1"},
             {"MP3BitRate", "fast"}, {"MP3BitRate", ""}, {"MP3BitRate", "1.5"}, {"MP3BitRate", " 1"},
             {"MP3BitRate", "99999999999"}, {"WMATag/TrackNumType", "one"}}) {
        Settings settings = before;
        std::string error;
        EXPECT_FALSE(SetSettingByName(settings, name, value, error)) << name << "=" << value;
        EXPECT_NE(error.find(name), std::string::npos) << error;
        EXPECT_EQ(SavedValues(settings), SavedValues(before)) << name;
    }
}

}  // namespace
}  // namespace tonewright
