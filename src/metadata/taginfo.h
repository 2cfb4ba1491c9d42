#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tonewright {

// An embedded picture: its ID3v2/FLAC picture type (3 the front cover), MIME type, UTF-8
// description and the image file's bytes.
struct Picture {
    int type = 3;
    std::string mimeType;
    std::string description;
    std::string data;
};

// Pictures larger than this are left out of every target: a FLAC picture block cannot hold
// more, and a tag that size is not what anyone keeps a cover for.
constexpr size_t kLargestPicture = 16u << 20;

// The tag record carried from a source to a target: nine texts in a fixed order, and, when
// tags are transferred from the source, the further fields people keep (by their Vorbis
// comment names, see KeptFieldNames) and the pictures. Texts are UTF-8.
struct TagInfo {
    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string genre;
    std::string comment;
    std::string track;
    std::string composer;
    std::string copyright;
    std::map<std::string, std::string> kept;
    std::vector<Picture> pictures;
};

// A kept field's value, "" when the record has none.
const std::string& KeptField(const TagInfo& tags, const std::string& name);

// The leading decimal integer of a track text such as "7/12"; 0 when it has no digits.
int TrackNumber(const std::string& trackText);

// The year a year text gives, as a number field (an ID3v1 year of four characters) takes
// it: the text's first number of four or more digits (its first four: "c.1999" and
// "05/01/2004" give 1999 and 2004), else its first number; 0 when the text has no digits.
int YearNumber(const std::string& yearText);

}  // namespace tonewright
