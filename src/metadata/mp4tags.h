#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// Reads the iTunes-style metadata items of an MP4/M4A file: title, artist, album, year,
// genre, comment, composer and copyright as texts, the track as its number. Returns 1 when
// at least one text item was read (the track alone does not count), else 0; `tags` gets
// the items the file has and keeps its other values.
int ReadMp4Tags(const std::string& path, TagInfo& tags);

// Adds to a finished MP4 file the kept fields and pictures of `tags` as iTunes-style items:
// aART, disk (number/total), the track total into trkn, cpil, tmpo, \251lyr, "----" items
// named "com.apple.iTunes" and the field (replaygain_track_gain..., the MusicBrainz ids by
// their usual names) and covr. The file is reached as OpenOutputFile finds it. True when
// there was nothing to add or the file was saved.
bool WriteMp4KeptTags(const std::string& path, const TagInfo& tags);

}  // namespace tonewright
