#pragma once

#include <string>

#include "settings/settings.h"

namespace tonewright {

// The copies of the settings that the pages of the options sheet edit, in the form the
// pages show them: channel settings as radio indexes, flags as bools. CopyOptionsIn fills
// them from Settings; CopyOptionsOut writes them back after OK.

struct AmplifyValues {
    bool on = false;
    int coeff = 100;  // percent
};

struct GeneralValues {
    int outputFolderOpt = 199;  // 199 next to the source, 399 the custom folder
    std::string customFolder;
    bool createDirs = false;
    int targetExistsOpt = 11;  // 11 rename, 22 overwrite, 33 skip
    bool documentsFallback = true;
    bool browseWhenDone = true;
    int monoType = 0;
    bool filterOn = false;
    std::string filterText;
    int parallelJobs = 1;  // files converted at once
};

// The tag choice of a tagged format: 0 the template, 1 transfer from the source, 2 none.
struct TagValues {
    int type = 1;
    TagTemplate tag;
};

// The encoding parameters of a page with a preset list (MP3, WAV, OGG).
struct EncodingChoice {
    bool autoParams = true;
    int sampleRate = 44100;  // 0 = as the source
    int detail = 128;        // bit rate in kbps, bits per sample for WAV; 0 = as the source
    int channelRadio = 0;
};

struct Mp3Values {
    EncodingChoice encoding;  // channel radio: joint stereo, stereo, mono, as the source
    int id3Version = 1;    // 0 v1, 1 v2, 2 both
    TagValues tag;
    AmplifyValues amplify;
};

struct WavValues {
    EncodingChoice encoding;  // channel radio: stereo, mono, as the source
    AmplifyValues amplify;
};

struct WmaValues {
    bool autoParams = true;
    int sampleRate = 44100;
    int bitRate = 128000;  // bits per second
    int channels = 2;
    TagValues tag;
    AmplifyValues amplify;
};

struct OggValues {
    EncodingChoice encoding;  // channel radio: stereo, mono, as the source
    TagValues tag;
    AmplifyValues amplify;
};

struct AmrValues {
    int type = 0;  // 0 narrow band, 1 wide band
    int nbMode = 6;
    int wbMode = 6;
    bool nbDtx = false;
    int awbMode = 6;
    bool awbDtx = false;
    AmplifyValues amplify;
};

// The AAC and the MP4 page; the MP4 page has no MPEG version, the AAC page no tag.
struct AacValues {
    bool autoParams = true;
    int vbrRadio = 1;  // 0 ABR, 1 VBR
    int quality = 100;
    int bitRate = 128;
    bool tns = false;
    bool midSide = true;
    int mpegRadio = 0;  // 0 MPEG-4, 1 MPEG-2
    int blockType = 0;
    TagValues tag;
    AmplifyValues amplify;
};

struct OptionValues {
    GeneralValues general;
    Mp3Values mp3;
    WavValues wav;
    WmaValues wma;
    OggValues ogg;
    AmrValues amr;
    AacValues aac;
    AacValues m4a;
};

OptionValues CopyOptionsIn(const Settings& settings);
// Writes the values back. A format whose Auto choice is on keeps its rate, bit-rate and
// channel settings (and, for AAC and MP4, every encoder detail); tags and amplification
// are always written. Rebuilds the extension filter.
void CopyOptionsOut(const OptionValues& values, Settings& settings);

// The radio indexes of the channel settings and back.
int Mp3ChannelRadio(int channelMode);
int Mp3ChannelMode(int radio);
int ChannelCountRadio(int channels);
int ChannelCountFromRadio(int radio);

}  // namespace tonewright
