#pragma once

namespace tonewright {

// The ID3v1 genre names, indexed by genre number: the 80 genres of the ID3v1 standard
// (0-79) and the 68 common extensions (80-147), followed by a null entry that ends the
// table.
constexpr int kId3v1GenreCount = 148;
extern const char* const Id3v1GenreNames[kId3v1GenreCount + 1];

}  // namespace tonewright
