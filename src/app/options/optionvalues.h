#pragma once

#include <string>

#include "settings/settings.h"

namespace tonewright {

// The values the pages of the options sheet edit, in the form the pages show them: channel
// settings as radio indexes, flags as bools. Each page's values are copied in from Settings
// when the sheet opens and written back after OK.

struct AmplifyValues {
    bool on = false;
    int coeff = 100;  // percent
};

// The tag choice of a tagged format.
struct TagValues {
    int type = kTagFromSource;  // a TagMode
    TagTemplate tag;
};

// What a format's settings group (OutputFormatSettings in the format registry) holds, as
// the format's page shows it. Members the format has no setting for stay unused.
struct FormatValues {
    bool autoParams = true;
    TagValues tag;
    AmplifyValues amplify;
};

// Fills the members of `values` that the settings group of the format `code` holds.
void CopyFormatIn(const Settings& settings, int code, FormatValues& values);
// Writes them back.
void CopyFormatOut(const FormatValues& values, int code, Settings& settings);

// The encoding parameters of a page with a preset list.
struct EncodingChoice {
    int sampleRate = 44100;  // 0 = as the source
    int detail = 128;        // bit rate in kbps or bits per sample; 0 = as the source
    int channelRadio = 0;
};

// Where a preset page's parameters are stored, and how its channel radio stands for the
// stored channel value.
struct StoredEncoding {
    int Settings::*sampleRate;
    int Settings::*detail;
    int Settings::*channels;
    int (*channelRadio)(int stored);
    int (*storedChannels)(int radio);
};

// The values of a page with a preset list.
struct PresetValues : FormatValues {
    EncodingChoice encoding;
};

// The settings group of the format `code` and the encoding parameters. Written back, the
// parameters keep their stored values while Auto is on.
PresetValues CopyPresetIn(const Settings& settings, int code, const StoredEncoding& stored);
void CopyPresetOut(const PresetValues& values, int code, const StoredEncoding& stored, Settings& settings);

// The radio index of a channel count (stereo, mono, as the source) and back.
int ChannelCountRadio(int channels);
int ChannelCountFromRadio(int radio);

struct GeneralValues {
    int outputFolderOpt = kTargetsNextToSource;  // an OutputFolderChoice
    std::string customFolder;
    bool createDirs = false;
    int targetExistsOpt = kRenameTarget;  // a TargetExistsRule
    bool documentsFallback = true;
    bool browseWhenDone = true;
    int monoType = kMonoMix;  // a MonoPick
    bool filterOn = false;
    std::string filterText;
    int parallelJobs = 1;  // files converted at once
};

GeneralValues CopyGeneralIn(const Settings& settings);
// Also rebuilds the extension filter.
void CopyGeneralOut(const GeneralValues& values, Settings& settings);

}  // namespace tonewright
