#include "settings/settingsfields.h"

#include <algorithm>

namespace tonewright {

namespace {

// Read-back rules: stored values outside what the program handles become a usable value.

int Mp3ChannelMode(int mode) {  // dual channel (2) and unknown modes become joint stereo
    return mode == 0 || mode == 1 || mode == 3 || mode == 4 ? mode : 1;
}

int ZeroToTwoElseTwo(int value) { return value >= 0 && value <= 2 ? value : 2; }

// An AAC block type (0..2) or MPEG version (0, 1) the encoder does not know becomes the default.
int ZeroToTwoElseZero(int value) { return value >= 0 && value <= 2 ? value : 0; }

int ZeroOrOneElseZero(int value) { return value == 1 ? 1 : 0; }

int OneOrTwoElseTwo(int value) { return value == 1 || value == 2 ? value : 2; }

int Mp3VbrQuality(int quality) { return std::clamp(quality, 0, 9); }

int VorbisQuality(int quality) { return std::clamp(quality, -1, 10); }

int GainPercent(int percent) { return std::clamp(percent, 10, 3000); }

int FlacLevel(int level) { return level >= 0 && level <= 8 ? level : 5; }

int OpusKbps(int kbps) { return std::clamp(kbps, 6, 510); }

int OpusModeCode(int mode) { return mode >= 0 && mode <= 2 ? mode : 0; }

int OpusComplexityLevel(int complexity) { return complexity >= 0 && complexity <= 10 ? complexity : 10; }

int JobCount(int jobs) { return std::clamp(jobs, 1, kMaxParallelJobs); }

int NotNegative(int value) { return std::max(value, 0); }

int Kbps(int bitRate) {  // a rate stored in bits per second
    return bitRate > 1000 ? bitRate / 1000 : bitRate;
}

using S = Settings;
constexpr unsigned kWindow = kSaveWindowState;
constexpr unsigned kOpt = kSaveOptions;
constexpr unsigned kPlace = kSaveWindowPlacement;

}  // namespace

const std::vector<ValueField<Settings>>& OptionFields() {
    static const std::vector<ValueField<Settings>> fields = {
        TextField("Folder", &S::Folder, kSaveFolder),
        NumberField("DestOutputFolderOpt", &S::DestOutputFolderOpt, kOpt),
        TextField("DestSpecifiedFolder", &S::DestSpecifiedFolder, kOpt),
        NumberField("CreateDirs", &S::CreateDirs, kOpt),
        NumberField("BrowseOutputFolder", &S::BrowseOutputFolder, kOpt),
        NumberField("OutputFiles2MyDocuments", &S::OutputFiles2MyDocuments, kOpt),
        NumberField("TargetExistsOpt", &S::TargetExistsOpt, kOpt),
        TextField("NamePattern", &S::NamePattern, kOpt),
        NumberField("MonoType", &S::MonoType, kOpt),
        NumberField("EnableExtFilter", &S::EnableExtFilter, kOpt),
        TextField("FilterExts", &S::FilterExts, kOpt),
        NumberField("ParallelJobs", &S::ParallelJobs, kOpt, JobCount),
        NumberField("CoverFromFolder", &S::CoverFromFolder, kOpt),
        NumberField("SurroundDownmix", &S::SurroundDownmix, kOpt),
        NumberField("DitherOnReduce", &S::DitherOnReduce, kOpt),
        NumberField("OutputFormat", &S::OutputFormat, kWindow),

        NumberField("AutoDestMP3EncodingParam", &S::AutoDestMP3EncodingParam, kOpt),
        NumberField("MP3BitRate", &S::MP3BitRate, kOpt),
        NumberField("MP3SampleRate", &S::MP3SampleRate, kOpt),
        NumberField("MP3ChannelMode", &S::MP3ChannelMode, kOpt, Mp3ChannelMode),
        NumberField("MP3EncodingMode", &S::MP3EncodingMode, kOpt, ZeroOrOneElseZero),
        NumberField("MP3VBRQuality", &S::MP3VBRQuality, kOpt, Mp3VbrQuality),
        NumberField("MP3WriteInfoFrame", &S::MP3WriteInfoFrame, kOpt),

        NumberField("AutoDestWAVEncodingParam", &S::AutoDestWAVEncodingParam, kOpt),
        NumberField("WAVSampleRate", &S::WAVSampleRate, kOpt),
        NumberField("WAVBitsPerSample", &S::WAVBitsPerSample, kOpt),
        NumberField("WAVChannelNum", &S::WAVChannelNum, kOpt, ZeroToTwoElseTwo),

        NumberField("AutoDestWMAEncodingParam", &S::AutoDestWMAEncodingParam, kOpt),
        NumberField("WMABitRate", &S::WMABitRate, kOpt),
        NumberField("WMASampleRate", &S::WMASampleRate, kOpt),
        NumberField("WMAChannels", &S::WMAChannels, kOpt, OneOrTwoElseTwo),
        NumberField("WMAID3TagType", &S::WMAID3TagType, kOpt, ZeroToTwoElseTwo),
        NumberField("AmplifyWMA", &S::AmplifyWMA, kOpt),
        NumberField("AmplifyWMACoeff", &S::AmplifyWMACoeff, kOpt, GainPercent),

        NumberField("AutoDestOGGEncodingParam", &S::AutoDestOGGEncodingParam, kOpt),
        NumberField("OGGBitRate", &S::OGGBitRate, kOpt, Kbps),
        NumberField("OGGSampleRate", &S::OGGSampleRate, kOpt),
        NumberField("OGGChannels", &S::OGGChannels, kOpt, ZeroToTwoElseTwo),
        NumberField("OGGEncodingMode", &S::OGGEncodingMode, kOpt, ZeroOrOneElseZero),
        NumberField("OGGQuality", &S::OGGQuality, kOpt, VorbisQuality),
        NumberField("OGGID3TagType", &S::OGGID3TagType, kOpt),
        NumberField("AmplifyOGG", &S::AmplifyOGG, kOpt),
        NumberField("AmplifyOGGCoeff", &S::AmplifyOGGCoeff, kOpt, GainPercent),

        NumberField("AutoDestAACEncodingParam", &S::AutoDestAACEncodingParam, kOpt),
        NumberField("AACVBR", &S::AACVBR, kOpt),
        NumberField("AACVBRQuality", &S::AACVBRQuality, kOpt),
        NumberField("AACABRBitRate", &S::AACABRBitRate, kOpt),
        NumberField("AACMpegVersion", &S::AACMpegVersion, kOpt, ZeroOrOneElseZero),
        NumberField("AACEnableTNS", &S::AACEnableTNS, kOpt),
        NumberField("AACEnableMidside", &S::AACEnableMidside, kOpt),
        NumberField("AACBlockType", &S::AACBlockType, kOpt, ZeroToTwoElseZero),
        NumberField("AACChannels", &S::AACChannels, kOpt, ZeroToTwoElseZero),
        NumberField("AmplifyAAC", &S::AmplifyAAC, kOpt),
        NumberField("AmplifyAACCoef", &S::AmplifyAACCoef, kOpt),

        NumberField("AutoDestM4AEncodingParam", &S::AutoDestM4AEncodingParam, kOpt),
        NumberField("M4AVBR", &S::M4AVBR, kOpt),
        NumberField("M4AVBRQuality", &S::M4AVBRQuality, kOpt),
        NumberField("M4AABRBitRate", &S::M4AABRBitRate, kOpt),
        NumberField("M4AEnableTNS", &S::M4AEnableTNS, kOpt),
        NumberField("M4AEnableMidside", &S::M4AEnableMidside, kOpt),
        NumberField("M4ABlockType", &S::M4ABlockType, kOpt, ZeroToTwoElseZero),
        NumberField("M4AChannels", &S::M4AChannels, kOpt, ZeroToTwoElseZero),
        NumberField("AmplifyM4A", &S::AmplifyM4A, kOpt),
        NumberField("AmplifyM4ACoef", &S::AmplifyM4ACoef, kOpt),
        NumberField("M4AID3TagType", &S::M4AID3TagType, kOpt, ZeroToTwoElseTwo),

        NumberField("AMRType", &S::AMRType, kOpt),
        NumberField("AMRMode", &S::AMRMode, kOpt),
        NumberField("AMRWBMode", &S::AMRWBMode, kOpt),
        NumberField("AMRDTX", &S::AMRDTX, kOpt),
        NumberField("AWBMode", &S::AWBMode, kOpt),
        NumberField("AWBDTX", &S::AWBDTX, kOpt),
        NumberField("AmplifyAMR", &S::AmplifyAMR, kOpt),
        NumberField("AmplifyAMRCoef", &S::AmplifyAMRCoef, kOpt),

        NumberField("FLACCompression", &S::FLACCompression, kOpt, FlacLevel),
        NumberField("FLACChannels", &S::FLACChannels, kOpt, ZeroToTwoElseZero),
        NumberField("FLACID3TagType", &S::FLACID3TagType, kOpt, ZeroToTwoElseTwo),
        NumberField("AmplifyFLAC", &S::AmplifyFLAC, kOpt),
        NumberField("AmplifyFLACCoeff", &S::AmplifyFLACCoeff, kOpt, GainPercent),

        NumberField("OpusBitRate", &S::OpusBitRate, kOpt, OpusKbps),
        NumberField("OpusMode", &S::OpusMode, kOpt, OpusModeCode),
        NumberField("OpusComplexity", &S::OpusComplexity, kOpt, OpusComplexityLevel),
        NumberField("OpusChannels", &S::OpusChannels, kOpt, ZeroToTwoElseZero),
        NumberField("OpusID3TagType", &S::OpusID3TagType, kOpt, ZeroToTwoElseTwo),
        NumberField("AmplifyOpus", &S::AmplifyOpus, kOpt),
        NumberField("AmplifyOpusCoeff", &S::AmplifyOpusCoeff, kOpt, GainPercent),

        NumberField("MP3ID3TagType", &S::MP3ID3TagType, kOpt),
        NumberField("MP3WriteID3Version", &S::MP3WriteID3Version, kOpt),
        NumberField("AmplifyMp3", &S::AmplifyMp3, kOpt),
        NumberField("AmplifyMp3Coeff", &S::AmplifyMp3Coeff, kOpt, GainPercent),
        NumberField("AmplifyWav", &S::AmplifyWav, kOpt),
        NumberField("AmplifyWavCoeff", &S::AmplifyWavCoeff, kOpt, GainPercent),
        NumberField("OptStartPageIndex", &S::OptStartPageIndex, kWindow),

        NumberField("MainWindowLeft", &S::MainWindowLeft, kPlace),
        NumberField("MainWindowTop", &S::MainWindowTop, kPlace),
        NumberField("MainWindowWidth", &S::MainWindowWidth, kPlace, NotNegative),
        NumberField("MainWindowHeight", &S::MainWindowHeight, kPlace, NotNegative),
        NumberField("MainWindowMaximized", &S::MainWindowMaximized, kPlace, ZeroOrOneElseZero),
        NumberField("FileColumnWidth", &S::FileColumnWidth, kPlace, NotNegative),
        NumberField("DurationColumnWidth", &S::DurationColumnWidth, kPlace, NotNegative),
        NumberField("BitRateColumnWidth", &S::BitRateColumnWidth, kPlace, NotNegative),
        NumberField("FreqColumnWidth", &S::FreqColumnWidth, kPlace, NotNegative),
        NumberField("ChannelsColumnWidth", &S::ChannelsColumnWidth, kPlace, NotNegative),
        NumberField("StatusColumnWidth", &S::StatusColumnWidth, kPlace, NotNegative),
    };
    return fields;
}

const std::vector<ValueField<TagTemplate>>& TagFields() {
    using T = TagTemplate;
    constexpr bool kClear = true;  // a template's missing text is empty, not left as it was
    static const std::vector<ValueField<TagTemplate>> fields = {
        NumberField("TitleAsFileName", &T::TitleAsFileName),
        TextField("Title", &T::Title, 0, kClear),
        TextField("Artist", &T::Artist, 0, kClear),
        TextField("Album", &T::Album, 0, kClear),
        TextField("Year", &T::Year, 0, kClear),
        TextField("Genre", &T::Genre, 0, kClear),
        TextField("Comment", &T::Comment, 0, kClear),
        TextField("Composer", &T::Composer, 0, kClear),
        TextField("Copyright", &T::Copyright, 0, kClear),
        NumberField("TrackNumType", &T::TrackNumType),
        NumberField("CustomTrackNum", &T::CustomTrackNum),
    };
    return fields;
}

const std::vector<TagSlot>& TagSlots() {
    static const std::vector<TagSlot> slots = {
        {"MP3", &S::MP3Tag},
        {"OGG", &S::OGGTag},
        {"WMA", &S::WMATag},
        {"M4A", &S::M4ATag},
        {"FLAC", &S::FLACTag},
        {"Opus", &S::OpusTag},
    };
    return slots;
}

std::string TagGroup(const std::string& formatWord) { return std::string(kOptionsGroup) + "/" + formatWord + "Tag"; }

}  // namespace tonewright
