#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// Writes the header attributes of a finished Windows Media file, each once: Title, Author,
// Description and Copyright in the content description every reader knows, and
// WM/AlbumArtist (the kept album artist, else the artist), WM/AlbumTitle, WM/Genre,
// WM/TrackNumber (the track's leading number, as a 32-bit number), WM/Year and WM/Composer.
// Empty texts are written as empty attributes. Kept fields are added where Windows Media has
// an attribute (WM/PartOfSet "n/total", WM/BeatsPerMinute, WM/IsCompilation, WM/Lyrics,
// replaygain_track_gain..., MusicBrainz/Track Id...), and each picture as WM/Picture. The
// file is reached as OpenOutputFile finds it (never reopened by name while it is an open
// target). False when the file could not be read or saved.
bool WriteWmaAttributes(const std::string& path, const TagInfo& tags);

}  // namespace tonewright
