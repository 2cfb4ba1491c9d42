#pragma once

#include <cstddef>
#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// A name pattern builds a target's path below its output folder from the source's tags:
// "%albumartist|artist%/%album%/%disc%-%track:2% %title%". A field is written %name%; a
// list %a|b|c% takes the first that is not empty; %name:N% writes the field's leading
// number with at least N digits ("7/12" with :2 gives "07"); %% is a percent sign; a "/"
// outside the fields starts a folder.

// Why the pattern cannot be used ("unknown field %foo%"), or "" when it can.
std::string NamePatternProblem(const std::string& pattern);

// The field names a pattern knows, for help texts: "title, artist, ...".
std::string NamePatternFieldList();

// The path the pattern gives for a source with these tags, without extension, relative and
// "/"-separated. Values cannot add folders ("/" in a tag becomes "_"); characters that
// Linux, FAT or SMB file systems refuse in a name become "_"; a component that comes out
// empty, "." or ".." reads "_", except the file's own name, which is then the source's;
// each component is cut (at a character's boundary) to the longest name a folder takes, the
// last one leaving `extensionRoom` bytes for the extension and a number. The pattern must
// be usable (NamePatternProblem).
std::string ExpandNamePattern(const std::string& pattern, const TagInfo& tags, const std::string& sourcePath,
                              size_t extensionRoom);

}  // namespace tonewright
