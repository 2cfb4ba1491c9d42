#pragma once

#include <string>

#include "metadata/taginfo.h"

struct AVFormatContext;

namespace tonewright {

// Reads the tags of a file that FFmpeg opened: the container's metadata, then the audio
// stream's (Ogg files keep their comments with the stream). The year is the date text's
// YearNumber ("c.1999" gives 1999), the track the track text's leading number, each as
// decimal text and only when positive.
// Returns 0 (tags untouched) when the file has none of the nine values, else 1.
int ReadContainerTags(const AVFormatContext& container, int audioStream, TagInfo& tags);
// The same values from the tags TagLib reads in the file, for a container that was kept off
// them (OpenContainer); same rules and result.
int ReadFileTagsAsContainer(const std::string& path, TagInfo& tags);

}  // namespace tonewright
