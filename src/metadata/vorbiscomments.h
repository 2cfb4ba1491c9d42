#pragma once

#include <string>
#include <utility>
#include <vector>

#include "metadata/taginfo.h"

namespace tonewright {

// The Vorbis comments (field name, UTF-8 value) of a tag record, as Ogg Vorbis and FLAC
// write them: the non-empty values, the track only when its number is above 0. Malformed
// bytes are repaired by the text conversion, and a value it refuses is left out.
std::vector<std::pair<const char*, std::string>> VorbisComments(const TagInfo& tags);

}  // namespace tonewright
