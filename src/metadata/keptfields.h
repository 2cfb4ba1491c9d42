#pragma once

#include <string>

#include "metadata/taginfo.h"

namespace tonewright {

// The fields a tag transfer keeps beyond the nine, by their Vorbis comment names (which
// TagLib's property interface uses for every tag family too).
constexpr const char* kKeptFieldNames[] = {
    "ALBUMARTIST",           "DISCNUMBER",           "DISCTOTAL",
    "TRACKTOTAL",            "REPLAYGAIN_TRACK_GAIN", "REPLAYGAIN_TRACK_PEAK",
    "REPLAYGAIN_ALBUM_GAIN", "REPLAYGAIN_ALBUM_PEAK", "MUSICBRAINZ_TRACKID",
    "MUSICBRAINZ_ALBUMID",   "MUSICBRAINZ_ARTISTID", "MUSICBRAINZ_ALBUMARTISTID",
    "MUSICBRAINZ_RELEASEGROUPID", "MUSICBRAINZ_RELEASETRACKID", "BPM",
    "COMPILATION",           "LYRICS",
};

// Reads the kept fields and the embedded pictures of a file TagLib knows into `tags.kept`
// and `tags.pictures`: ID3v2 (MP3, WAV, AIFF: TPE2, TPOS, TXXX, UFID, TBPM, TCMP, USLT,
// APIC), Vorbis comments (FLAC, Ogg Vorbis, Opus: pictures as FLAC PICTURE blocks or
// METADATA_BLOCK_PICTURE), MP4 items (aART, disk, trkn, cpil, tmpo, ©lyr, "----" items,
// covr) and ASF attributes (WM/ names, WM/Picture). A disc or track number "n/total" gives
// its total as DISCTOTAL or TRACKTOTAL and DISCNUMBER keeps the number alone. Pictures over
// kLargestPicture are not kept; returns how many were left out.
int ReadKeptTags(const std::string& path, TagInfo& tags);

}  // namespace tonewright
