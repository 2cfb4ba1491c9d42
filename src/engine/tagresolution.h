#pragma once

#include <string>

#include "metadata/taginfo.h"
#include "settings/settingcodes.h"

namespace tonewright {

class AudioSource;
struct TagTemplate;

// Resolves the tags one target gets, once per file. Template: the title is the source's
// file name without extension when TitleAsFileName is set, the track is the row's position
// in the batch (TrackNumType 1), CustomTrackNum (2) or 0, written as "%d" into tags.track.
// Source: MP4-family inputs are read with ReadMp4Tags first, then the source's GetTags.
// Returns false (tags untouched) when the target gets no tag.
bool ResolveTags(int tagMode, const TagTemplate& tagTemplate, int batchNumber, const std::string& sourcePath,
                 int inputType, AudioSource& source, TagInfo& tags);

// What a transfer from the source adds to the nine: the kept fields and the embedded
// pictures (ReadKeptTags); with `coverFromFolder` and no embedded picture, the folder's
// cover (ReadFolderCover). Returns the note for the row's status when pictures over
// kLargestPicture were left out, else "".
std::string AddKeptTags(const std::string& sourcePath, bool coverFromFolder, TagInfo& tags);

}  // namespace tonewright
