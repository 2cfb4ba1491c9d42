#include <gtest/gtest.h>

#include <sstream>

#include "settings/savedvalues.h"
#include "settings/settings.h"

namespace tonewright {
namespace {

// The stored names and their defaults (documents folder known): the contract with every
// settings store the program has already written.
constexpr const char* kDocumentedOptions = R"(
OutputFormat=1000 OptStartPageIndex=0 Folder= DestOutputFolderOpt=399 DestSpecifiedFolder=/docs
CreateDirs=0 TargetExistsOpt=11 NamePattern= OutputFiles2MyDocuments=1 BrowseOutputFolder=1 MonoType=0
EnableExtFilter=0 FilterExts= ParallelJobs=1 CoverFromFolder=1 SurroundDownmix=1 DitherOnReduce=1
AutoDestMP3EncodingParam=1 MP3BitRate=128 MP3SampleRate=44100 MP3ChannelMode=1 MP3ID3TagType=1
MP3WriteID3Version=1 AmplifyMp3=0 AmplifyMp3Coeff=100 MP3EncodingMode=0 MP3VBRQuality=2 MP3WriteInfoFrame=0
AutoDestWAVEncodingParam=1 WAVSampleRate=44100 WAVBitsPerSample=16 WAVChannelNum=2 AmplifyWav=0
AmplifyWavCoeff=100
AutoDestWMAEncodingParam=1 WMABitRate=128000 WMASampleRate=44100 WMAChannels=2 WMAID3TagType=1
AmplifyWMA=0 AmplifyWMACoeff=100
AutoDestOGGEncodingParam=1 OGGBitRate=128 OGGSampleRate=44100 OGGChannels=2 OGGID3TagType=1
AmplifyOGG=0 AmplifyOGGCoeff=100 OGGEncodingMode=0 OGGQuality=5
AutoDestAACEncodingParam=1 AACVBR=1 AACVBRQuality=100 AACABRBitRate=128 AACMpegVersion=0
AACEnableTNS=0 AACEnableMidside=1 AACBlockType=0 AACChannels=0 AmplifyAAC=0 AmplifyAACCoef=100
AutoDestM4AEncodingParam=1 M4AVBR=1 M4AVBRQuality=100 M4AABRBitRate=128 M4AEnableTNS=0
M4AEnableMidside=1 M4ABlockType=0 M4AChannels=0 AmplifyM4A=0 AmplifyM4ACoef=100 M4AID3TagType=1
AMRType=0 AMRMode=6 AMRWBMode=6 AMRDTX=0 AWBMode=6 AWBDTX=0 AmplifyAMR=0 AmplifyAMRCoef=100
FLACCompression=5 FLACChannels=0 FLACID3TagType=1 AmplifyFLAC=0 AmplifyFLACCoeff=100
OpusBitRate=128 OpusMode=0 OpusComplexity=10 OpusChannels=0 OpusID3TagType=1 AmplifyOpus=0 AmplifyOpusCoeff=100
MainWindowLeft=0 MainWindowTop=0 MainWindowWidth=0 MainWindowHeight=0 MainWindowMaximized=0
FileColumnWidth=0 DurationColumnWidth=0 BitRateColumnWidth=0 FreqColumnWidth=0 ChannelsColumnWidth=0
StatusColumnWidth=0
)";
constexpr const char* kDocumentedTag =
    "TitleAsFileName=1 Title= Artist= Album= Year= Genre= Comment= Composer= Copyright= "
    "TrackNumType=0 CustomTrackNum=0";

void AddDocumented(std::map<std::string, std::string>& values, const std::string& group, const char* list) {
    std::istringstream words(list);
    for (std::string word; words >> word;)
        values[group + "/" + word.substr(0, word.find('='))] = word.substr(word.find('=') + 1);
}

TEST(SettingsSave, DefaultsAreStoredUnderTheirDocumentedNames) {
    std::map<std::string, std::string> documented;
    AddDocumented(documented, "Options", kDocumentedOptions);
    for (const char* tag : {"MP3Tag", "OGGTag", "WMATag", "M4ATag", "FLACTag", "OpusTag"})
        AddDocumented(documented, std::string("Options/") + tag, kDocumentedTag);
    EXPECT_EQ(SavedValues(DefaultSettings("/docs")), documented);
}

// Changing one value by name changes exactly that stored value: no two names share a member.
TEST(SettingsSave, EachNameHasItsOwnMember) {
    const Settings defaults = DefaultSettings("/docs");
    const auto stored = SavedValues(defaults);
    for (const auto& [key, value] : stored) {
        const std::string name = key.substr(key.find('/') + 1);  // "MP3BitRate", "MP3Tag/Artist"
        Settings changed = defaults;
        std::string error;
        for (const char* candidate : {"1", "0", "3"}) {  // one of them passes every read-back rule
            ASSERT_TRUE(SetSettingByName(changed, name, candidate, error)) << error;
            if (SavedValues(changed).at(key) != value) break;
        }
        auto expected = stored;
        expected[key] = SavedValues(changed).at(key);
        EXPECT_NE(expected[key], value) << name;
        EXPECT_EQ(SavedValues(changed), expected) << name;
    }
}

std::vector<std::string> WritesFor(unsigned mask, bool writable = true) {
    MemorySettingsStore store;
    store.setWritable(writable);
    EXPECT_EQ(SaveSettings(DefaultSettings("/docs"), store, mask), mask ? 1 : 0);
    return store.writes();
}

TEST(SettingsSave, MaskSelectsGroupsInFixedOrder) {
    using Keys = std::vector<std::string>;
    EXPECT_EQ(WritesFor(kSaveWindowState), (Keys{"Options/OutputFormat", "Options/OptStartPageIndex"}));
    EXPECT_EQ(WritesFor(kSaveFolder), (Keys{"Options/Folder"}));
    EXPECT_EQ(WritesFor(kSaveWindowPlacement).size(), 11u);
    EXPECT_EQ(WritesFor(kSaveWindowPlacement).front(), "Options/MainWindowLeft");
    EXPECT_TRUE(WritesFor(0).empty());
    EXPECT_TRUE(WritesFor(kSaveAll, false).empty());

    const Keys all = WritesFor(kSaveAll);
    ASSERT_EQ(all.size(), SavedValues(DefaultSettings("")).size());
    EXPECT_EQ(Keys(all.begin(), all.begin() + 4), (Keys{"Options/OutputFormat", "Options/OptStartPageIndex",
                                                         "Options/Folder", "Options/DestOutputFolderOpt"}));
    Keys groups;
    for (const std::string& key : all) {
        const std::string group = key.substr(0, key.rfind('/'));
        if (groups.empty() || groups.back() != group) groups.push_back(group);
    }
    EXPECT_EQ(groups, (Keys{"Options", "Options/MP3Tag", "Options/OGGTag", "Options/WMATag", "Options/M4ATag",
                            "Options/FLACTag", "Options/OpusTag"}));
}

}  // namespace
}  // namespace tonewright
