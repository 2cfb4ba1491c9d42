#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// Reads the tags of a file in any format TagLib knows (by its content where its name does
// not tell): the first value of each of the properties TITLE, ARTIST, ALBUM, DATE, GENRE,
// COMMENT, TRACKNUMBER, COMPOSER and COPYRIGHT. Vorbis comments (Ogg, FLAC) keep the comment
// as DESCRIPTION as often as COMMENT: DESCRIPTION stands in when COMMENT is absent. Returns
// 1 when at least one value is there, else 0 with `tags` untouched.
int ReadFileTags(const std::string& path, TagInfo& tags);

}  // namespace tonewright
