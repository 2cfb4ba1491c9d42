#pragma once

#include <cstdint>
#include <vector>

#include "metadata/taginfo.h"

namespace tonewright {

enum Id3Version { kId3v1 = 1, kId3v2 = 2 };

// Renders the tag block an MP3 target carries, in memory: for kId3v1 the 128-byte ID3v1 tag
// (ID3v1.1, the track in the comment's last byte), for any other version a complete ID3v2.3
// tag (header, frames, TagLib's padding). The frames, in order: TIT2, TPE1, TALB, TYER
// always; TCOM and TCOP when not empty; COMM (language "XXX", no description) always; TRCK
// when the track number's low byte is not 0, "n" or "n/total" when the total's low byte is
// not 0; TCON always (TagLib puts it last when it renders ID3v2.3, a number as "(n)"); then
// the frames of the kept fields (see AddKeptFrames) and an APIC frame per picture. The
// ID3v2 genre and year are the texts; the ID3v1 genre byte is the text's entry in the ID3v1
// genre list (case ignored), 12 (Other) when it has none, and the ID3v1 year the year text's
// first four-digit number ("c.1999" gives 1999), else its first number. ID3v1 texts are
// Latin-1, a character beyond it written as "?". `values.track` is not used: the track comes
// as a number. An empty result means the block could not be rendered.
std::vector<uint8_t> BuildId3Tag(int version, const TagInfo& values, int trackNumber, int trackTotal);

// The ID3v1 genre number of a genre text: its index in the genre list, compared without
// regard to case, or 12 (Other).
int Id3v1GenreNumber(const std::string& genre);

}  // namespace tonewright
