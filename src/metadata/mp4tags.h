#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// Reads the iTunes-style metadata items of an MP4/M4A file: title, artist, album, year,
// genre, comment, composer and copyright as texts, the track as its number. Returns 1 when
// at least one text item was read (the track alone does not count), else 0; `tags` gets
// the items the file has and keeps its other values.
int ReadMp4Tags(const std::string& path, TagInfo& tags);

}  // namespace tonewright
