#pragma once

#include <string>

#include "sources/audiosource.h"

namespace tonewright {

// One row of the file list: a source file with the properties read when it was added.
struct FileEntry {
    std::string sourcePath;
    int sourceChannels = 0;           // every row but MP3 rows
    int channelMode = kModeUnknown;   // MP3 rows only
    int sampleRate = 0;               // Hz
    int bitrate = 0;                  // kbps
    int duration = 0;                 // whole seconds
    int inputType = 0;
    std::string targetPath;           // set during a batch; stays only when the row converted
    std::string outputSubfolder;      // with an output folder, the folders below it the target
                                      // goes in ("artist/album/"); empty = the folder itself
};

// The cell texts of a row, as the file list and `tonewright-cli --info` show them.
std::string DurationText(const FileEntry& entry);
std::string BitrateText(const FileEntry& entry);
std::string FrequencyText(const FileEntry& entry);
std::string ChannelsText(const FileEntry& entry);

}  // namespace tonewright
