#pragma once

#include <string>

namespace tonewright {

// The tag record carried from a source to a target: nine texts in a fixed order.
// Texts are UTF-8.
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
};

// The leading decimal integer of a track text such as "7/12"; 0 when it has no digits.
int TrackNumber(const std::string& trackText);

// The year a year text gives, as a number field (an ID3v1 year of four characters) takes
// it: the text's first number of four or more digits (its first four: "c.1999" and
// "05/01/2004" give 1999 and 2004), else its first number; 0 when the text has no digits.
int YearNumber(const std::string& yearText);

}  // namespace tonewright
