#include "settings/allowedvalues.h"

#include <cstring>

namespace tonewright {

namespace {

struct Allowed {
    const char* name;
    const char* values;
};

constexpr const char* kFlag = "0 off, 1 on";
constexpr const char* kAuto = "1 the program chooses, 0 the values below";
constexpr const char* kGain = "10..3000 percent (100 unchanged)";
constexpr const char* kTagMode = "0 the tag template, 1 the source's tag, 2 no tag";
constexpr const char* kText = "any text";
constexpr const char* kRateOrSource = "a rate in Hz, 0 the source's";
constexpr const char* kChannelsOrAll = "1 mono, 2 stereo, 0 the source's (up to 8)";
constexpr const char* kChannelsUpTo51 = "1 mono, 2 stereo, 0 the source's (up to 5.1, more mixed to stereo)";
constexpr const char* kAacVbr = "1 variable bit rate by quality, 0 average bit rate";
constexpr const char* kAacQuality = "10..500";
constexpr const char* kKbpsOrSource = "kbps, 0 the source's";
constexpr const char* kBlockType = "0 (the encoder chooses its blocks itself)";
constexpr const char* kPixels = "pixels from the screen's left or top edge";
constexpr const char* kColumnWidth = "layout units (pixels at an 8-point font), 0 the list's own width";
constexpr const char* kWideBandMode = "0..8: 6.60 8.85 12.65 14.25 15.85 18.25 19.85 23.05 23.85 kbps";

const Allowed kOptions[] = {
    {"Folder", "the folder the file dialogs open in"},
    {"DestOutputFolderOpt", "199 next to each source, 399 in DestSpecifiedFolder"},
    {"DestSpecifiedFolder", "a folder"},
    {"CreateDirs", "1 rebuild each source's folder path below DestSpecifiedFolder, 0 not"},
    {"BrowseOutputFolder", kFlag},
    {"OutputFiles2MyDocuments", kFlag},
    {"TargetExistsOpt", "11 rename, 22 overwrite, 33 skip"},
    {"NamePattern", "empty: the source's name; else the path below the output folder from tags, "
                    "e.g. %artist%/%album%/%track:2% %title%"},
    {"MonoType", "0 (left+right)/2, 1 left channel, 2 right channel"},
    {"EnableExtFilter", kFlag},
    {"FilterExts", "extensions without dots, comma separated"},
    {"ParallelJobs", "1..64 files at once"},
    {"CoverFromFolder",
     "1 a tag transfer from a source without a picture takes cover.jpg, cover.png, folder.jpg or front.jpg "
     "beside it, 0 not"},
    {"SurroundDownmix", "1 more than two channels are mixed down to stereo or mono, 0 the front pair is taken"},
    {"DitherOnReduce", "1 samples of more than 16 bits are dithered when stored in 16, 0 rounded"},
    {"OutputFormat", "the output format's code (-f chooses it by name)"},
    {"AutoDestMP3EncodingParam", kAuto},
    {"MP3BitRate", kKbpsOrSource},
    {"MP3SampleRate", kRateOrSource},
    {"MP3ChannelMode", "0 stereo, 1 joint stereo, 3 mono, 4 the source's"},
    {"MP3EncodingMode", "0 constant bit rate (MP3BitRate), 1 variable bit rate (MP3VBRQuality)"},
    {"MP3VBRQuality", "0..9 (0 best, largest)"},
    {"MP3WriteInfoFrame", "1 constant-bit-rate files get the LAME/Info frame too, 0 not"},
    {"AutoDestWAVEncodingParam", kAuto},
    {"WAVSampleRate", kRateOrSource},
    {"WAVBitsPerSample", "8, 16 or 24, 32 floating point, 0 the source's"},
    {"WAVChannelNum", kChannelsOrAll},
    {"AutoDestWMAEncodingParam", kAuto},
    {"WMABitRate", "bits per second of a WMA codec format"},
    {"WMASampleRate", "a rate in Hz of a WMA codec format"},
    {"WMAChannels", "1 or 2"},
    {"WMAID3TagType", kTagMode},
    {"AmplifyWMA", kFlag},
    {"AmplifyWMACoeff", kGain},
    {"AutoDestOGGEncodingParam", kAuto},
    {"OGGBitRate", kKbpsOrSource},
    {"OGGSampleRate", kRateOrSource},
    {"OGGChannels", kChannelsOrAll},
    {"OGGEncodingMode", "0 bit rate (OGGBitRate), 1 quality (OGGQuality)"},
    {"OGGQuality", "-1..10 (10 best, largest)"},
    {"OGGID3TagType", kTagMode},
    {"AmplifyOGG", kFlag},
    {"AmplifyOGGCoeff", kGain},
    {"AutoDestAACEncodingParam", kAuto},
    {"AACVBR", kAacVbr},
    {"AACVBRQuality", kAacQuality},
    {"AACABRBitRate", kKbpsOrSource},
    {"AACMpegVersion", "0 MPEG-4, 1 MPEG-2"},
    {"AACEnableTNS", kFlag},
    {"AACEnableMidside", kFlag},
    {"AACBlockType", kBlockType},
    {"AACChannels", kChannelsUpTo51},
    {"AmplifyAAC", kFlag},
    {"AmplifyAACCoef", kGain},
    {"AutoDestM4AEncodingParam", kAuto},
    {"M4AVBR", kAacVbr},
    {"M4AVBRQuality", kAacQuality},
    {"M4AABRBitRate", kKbpsOrSource},
    {"M4AEnableTNS", kFlag},
    {"M4AEnableMidside", kFlag},
    {"M4ABlockType", kBlockType},
    {"M4AChannels", kChannelsUpTo51},
    {"AmplifyM4A", kFlag},
    {"AmplifyM4ACoef", kGain},
    {"M4AID3TagType", kTagMode},
    {"AMRType", "0 narrow band, 1 wide band"},
    {"AMRMode", "0..7: 4.75 5.15 5.9 6.7 7.4 7.95 10.2 12.2 kbps"},
    {"AMRWBMode", kWideBandMode},
    {"AMRDTX", kFlag},
    {"AWBMode", kWideBandMode},
    {"AWBDTX", kFlag},
    {"AmplifyAMR", kFlag},
    {"AmplifyAMRCoef", kGain},
    {"FLACCompression", "0..8: 0 fastest, 8 smallest"},
    {"FLACChannels", kChannelsOrAll},
    {"FLACID3TagType", kTagMode},
    {"AmplifyFLAC", kFlag},
    {"AmplifyFLACCoeff", kGain},
    {"OpusBitRate", "6..510 kbps (the whole stream, mono or stereo)"},
    {"OpusMode", "0 variable bit rate, 1 constrained variable bit rate, 2 constant bit rate"},
    {"OpusComplexity", "0..10: 0 fastest, 10 best"},
    {"OpusChannels", kChannelsOrAll},
    {"OpusID3TagType", kTagMode},
    {"AmplifyOpus", kFlag},
    {"AmplifyOpusCoeff", kGain},
    {"MP3ID3TagType", kTagMode},
    {"MP3WriteID3Version", "0 ID3v1, 1 ID3v2, 2 both"},
    {"AmplifyMp3", kFlag},
    {"AmplifyMp3Coeff", kGain},
    {"AmplifyWav", kFlag},
    {"AmplifyWavCoeff", kGain},
    {"OptStartPageIndex", "the options page shown first, from 0"},
    {"MainWindowLeft", kPixels},
    {"MainWindowTop", kPixels},
    {"MainWindowWidth", "pixels, 0 the classic size"},
    {"MainWindowHeight", "pixels, 0 the classic size"},
    {"MainWindowMaximized", kFlag},
    {"FileColumnWidth", kColumnWidth},
    {"DurationColumnWidth", kColumnWidth},
    {"BitRateColumnWidth", kColumnWidth},
    {"FreqColumnWidth", kColumnWidth},
    {"ChannelsColumnWidth", kColumnWidth},
    {"StatusColumnWidth", kColumnWidth},
};

const Allowed kTagTemplate[] = {
    {"TitleAsFileName", "1 the source's file name, 0 Title"},
    {"Title", kText},
    {"Artist", kText},
    {"Album", kText},
    {"Year", kText},
    {"Genre", kText},
    {"Comment", kText},
    {"Composer", kText},
    {"Copyright", kText},
    {"TrackNumType", "0 none, 1 the file's place in the batch, 2 CustomTrackNum"},
    {"CustomTrackNum", "a track number"},
};

template <size_t N>
const char* Find(const Allowed (&table)[N], const std::string& name) {
    for (const Allowed& entry : table)
        if (name == entry.name) return entry.values;
    return "";
}

}  // namespace

std::string AllowedValues(const std::string& name) {
    const std::string::size_type slash = name.find('/');
    return slash == std::string::npos ? Find(kOptions, name) : Find(kTagTemplate, name.substr(slash + 1));
}

}  // namespace tonewright
