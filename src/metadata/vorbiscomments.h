#pragma once

#include <string>
#include <utility>
#include <vector>

#include "metadata/taginfo.h"

namespace tonewright {

// The Vorbis comments (field name, UTF-8 value) of a tag record, as Ogg Vorbis and FLAC
// write them: the non-empty values, the track only when its number is above 0, then the kept
// fields under their own names. Malformed bytes are repaired by the text conversion, and a
// value it refuses is left out. Pictures are not among them: FLAC writes them as PICTURE
// blocks, Ogg streams as METADATA_BLOCK_PICTURE comments (VorbisPictureComment).
std::vector<std::pair<const char*, std::string>> VorbisComments(const TagInfo& tags);

// The comments of an Ogg stream (Vorbis, Opus): VorbisComments, then one
// METADATA_BLOCK_PICTURE comment per picture.
std::vector<std::pair<const char*, std::string>> OggStreamComments(const TagInfo& tags);

}  // namespace tonewright
