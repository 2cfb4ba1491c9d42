#pragma once

#include <string>
#include <vector>

#include "settings/settingcodes.h"
#include "settings/settingsstore.h"

namespace tonewright {

// The tag written into a tagged output format when the format's tag mode is
// kTagFromTemplate. Edited with the "Edit ID3 Tag" dialog; one per tagged format (MP3, OGG,
// WMA, M4A, FLAC, Opus).
struct TagTemplate {
    int TitleAsFileName = 1;  // 1 = the title is the source file name without extension
    std::string Title, Artist, Album, Year, Genre, Comment, Composer, Copyright;  // UTF-8
    int TrackNumType = 0;     // 0 none, 1 position in the batch, 2 CustomTrackNum
    int CustomTrackNum = 0;
};

// The most files converted at once that ParallelJobs allows; larger stored values read back
// as this.
constexpr int kMaxParallelJobs = 64;

// Every user option of the converter. Each member is named exactly as its value in the
// settings store. The initialisers are the defaults, except for the two that depend on the
// user's documents folder (see DefaultSettings).
struct Settings {
    // Main window state
    int OutputFormat = 1000;
    int OptStartPageIndex = 0;

    // Main window placement between runs. A width or height of 0 leaves the window at its
    // classic size where the desktop places it; positions and sizes are in pixels.
    int MainWindowLeft = 0;
    int MainWindowTop = 0;
    int MainWindowWidth = 0;
    int MainWindowHeight = 0;
    int MainWindowMaximized = 0;
    // File list column widths in layout units; 0 is the list's own width for the column.
    int FileColumnWidth = 0;
    int DurationColumnWidth = 0;
    int BitRateColumnWidth = 0;
    int FreqColumnWidth = 0;
    int ChannelsColumnWidth = 0;
    int StatusColumnWidth = 0;

    // General and output
    std::string Folder;
    int DestOutputFolderOpt = kTargetsNextToSource;  // an OutputFolderChoice
    std::string DestSpecifiedFolder;
    int CreateDirs = 0;
    int TargetExistsOpt = kRenameTarget;  // a TargetExistsRule
    std::string NamePattern;  // the target's path below its folder from tags; empty = the source's name
    int OutputFiles2MyDocuments = 1;
    int BrowseOutputFolder = 1;
    int MonoType = kMonoMix;  // a MonoPick
    int EnableExtFilter = 0;
    std::string FilterExts;  // extensions without dots, comma separated
    int ParallelJobs = 1;    // files the desktop program converts at once; 1 = one after the other
    int CoverFromFolder = 1;  // 1: a transfer from a source without a picture takes its folder's cover
    int SurroundDownmix = 1;  // 1: more than two channels are mixed to stereo or mono; 0: the front pair
    int DitherOnReduce = 1;   // 1: samples of more than 16 bits are dithered when stored in 16

    // MP3
    int AutoDestMP3EncodingParam = 1;
    int MP3BitRate = 128;  // kbps, 0 = as the source
    int MP3SampleRate = 44100;
    int MP3ChannelMode = 1;  // 0 stereo, 1 joint stereo, 3 mono, 4 as the source
    int MP3EncodingMode = 0;    // 0 constant bit rate (MP3BitRate), 1 variable bit rate (MP3VBRQuality)
    int MP3VBRQuality = 2;      // LAME's V0 (best) .. V9
    int MP3WriteInfoFrame = 0;  // 1: constant-bit-rate files get the LAME/Info frame too
    int MP3ID3TagType = kTagFromSource;  // a TagMode, as the other formats' tag types
    int MP3WriteID3Version = 1;  // 0 v1, 1 v2, 2 both
    int AmplifyMp3 = 0;
    int AmplifyMp3Coeff = 100;  // percent

    // WAV
    int AutoDestWAVEncodingParam = 1;
    int WAVSampleRate = 44100;
    int WAVBitsPerSample = 16;
    int WAVChannelNum = 2;
    int AmplifyWav = 0;
    int AmplifyWavCoeff = 100;

    // WMA
    int AutoDestWMAEncodingParam = 1;
    int WMABitRate = 128000;  // bits per second
    int WMASampleRate = 44100;
    int WMAChannels = 2;
    int WMAID3TagType = kTagFromSource;
    int AmplifyWMA = 0;
    int AmplifyWMACoeff = 100;

    // Ogg Vorbis
    int AutoDestOGGEncodingParam = 1;
    int OGGBitRate = 128;  // kbps, 0 = as the source
    int OGGSampleRate = 44100;
    int OGGChannels = 2;
    int OGGEncodingMode = 0;  // 0 bit rate (OGGBitRate), 1 quality (OGGQuality)
    int OGGQuality = 5;       // -1 .. 10
    int OGGID3TagType = kTagFromSource;
    int AmplifyOGG = 0;
    int AmplifyOGGCoeff = 100;

    // AAC (ADTS)
    int AutoDestAACEncodingParam = 1;
    int AACVBR = 1;
    int AACVBRQuality = 100;
    int AACABRBitRate = 128;
    int AACMpegVersion = 0;  // 0 MPEG-4, 1 MPEG-2
    int AACEnableTNS = 0;
    int AACEnableMidside = 1;
    int AACBlockType = 0;
    int AACChannels = 0;  // 0 the source's (up to 5.1; more are mixed to stereo), 1 mono, 2 stereo
    int AmplifyAAC = 0;
    int AmplifyAACCoef = 100;

    // MP4 / M4A / M4B
    int AutoDestM4AEncodingParam = 1;
    int M4AVBR = 1;
    int M4AVBRQuality = 100;
    int M4AABRBitRate = 128;
    int M4AEnableTNS = 0;
    int M4AEnableMidside = 1;
    int M4ABlockType = 0;
    int M4AChannels = 0;  // as AACChannels
    int AmplifyM4A = 0;
    int AmplifyM4ACoef = 100;
    int M4AID3TagType = kTagFromSource;

    // AMR
    int AMRType = 0;  // 0 narrow band (.amr), 1 wide band
    int AMRMode = 6;
    int AMRWBMode = 6;
    int AMRDTX = 0;
    int AWBMode = 6;
    int AWBDTX = 0;
    int AmplifyAMR = 0;
    int AmplifyAMRCoef = 100;

    TagTemplate MP3Tag, OGGTag, WMATag, M4ATag;

    // FLAC (lossless: the source's rate and channels)
    int FLACCompression = 5;  // libFLAC's level, 0 fastest .. 8 smallest
    int FLACChannels = 0;     // 0 the source's (up to 8), 1 mono, 2 stereo
    int FLACID3TagType = kTagFromSource;
    int AmplifyFLAC = 0;
    int AmplifyFLACCoeff = 100;
    TagTemplate FLACTag;

    // Opus (the source's rate and channels; libopus encodes at 48000 Hz)
    int OpusBitRate = 128;    // kbit/s of the whole stream, 6..510
    int OpusMode = 0;         // 0 variable bit rate, 1 constrained variable bit rate, 2 constant bit rate
    int OpusComplexity = 10;  // libopus's 0 fastest .. 10 best
    int OpusChannels = 0;     // 0 the source's (up to 8), 1 mono, 2 stereo
    int OpusID3TagType = kTagFromSource;
    int AmplifyOpus = 0;
    int AmplifyOpusCoeff = 100;
    TagTemplate OpusTag;

    // Lower-cased pieces of FilterExts while EnableExtFilter is on, else empty; kept up to
    // date by RebuildExtensionFilter.
    std::vector<std::string> extensionFilter;
};

// The defaults. With a known documents folder, targets go there (kTargetsInCustomFolder);
// without one they go next to their sources.
Settings DefaultSettings(const std::string& documentsFolder);

// Rebuilds settings.extensionFilter from FilterExts and EnableExtFilter: FilterExts
// lower-cased (ASCII letters) and split at every comma, each piece, even an empty one,
// becoming one entry.
void RebuildExtensionFilter(Settings& settings);

// Reads every stored value into `settings`, the tag templates as LoadTagTemplate does, and
// rebuilds the extension filter. A missing option, or one that is not a whole number where
// one is needed, keeps its field; a store that cannot be read at all changes no field.
// Out-of-range values are corrected by the value's read-back rule.
void LoadSettings(Settings& settings, const SettingsStore& store);

// Groups of values for SaveSettings.
constexpr unsigned kSaveFolder = 0x04;       // Folder
constexpr unsigned kSaveOptions = 0x08;      // every other option and the tag templates
constexpr unsigned kSaveWindowState = 0x10;  // OutputFormat and OptStartPageIndex
constexpr unsigned kSaveWindowPlacement = 0x20;  // the MainWindow... and ...ColumnWidth values

// Writes the groups selected by `mask`. Returns 0 when the mask is 0, else 1, also when the
// store refused the write (which is dropped silently).
int SaveSettings(const Settings& settings, SettingsStore& store, unsigned mask);

// One tag template, by format word "MP3", "OGG", "WMA", "M4A", "FLAC" or "Opus". The load returns false,
// leaving `tag` untouched, when the store holds no template for that format; otherwise a
// missing text becomes empty and a missing number keeps its field.
bool LoadTagTemplate(const SettingsStore& store, const std::string& formatWord, TagTemplate& tag);
void SaveTagTemplate(SettingsStore& store, const std::string& formatWord, const TagTemplate& tag);

// True on the first start of the program (FirstRun absent or non-zero, or the store
// unreadable); marks the store so that later starts return false.
bool CheckFirstRun(SettingsStore& store);

// Sets one value as the command line's --set NAME=VALUE does: NAME is a stored value name
// ("MP3BitRate") or a tag field below its template ("MP3Tag/Artist"). The value's read-back
// rule applies. Returns false with a message in `error` for an unknown name or a value that
// is not a whole number where one is needed; `settings` is then unchanged.
bool SetSettingByName(Settings& settings, const std::string& name, const std::string& value,
                      std::string& error);
// The value of a setting named as SetSettingByName takes it, as text; false for an unknown
// name.
bool GetSettingByName(const Settings& settings, const std::string& name, std::string& value);
// Every name SetSettingByName knows: the options in store order, then each tag template's
// fields ("MP3Tag/Title").
std::vector<std::string> SettingNames();
// The known name a misspelt one most likely means (letter case ignored, a few letters off),
// or "" when none is close.
std::string NearestSettingName(const std::string& name);

}  // namespace tonewright
