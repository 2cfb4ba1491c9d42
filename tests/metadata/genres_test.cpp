#include "metadata/genres.h"

#include <gtest/gtest.h>

#include <cstring>

using tonewright::Id3v1GenreNames;
using tonewright::kId3v1GenreCount;

TEST(Id3v1Genres, HoldsTheStandardAndExtendedNamesThenANull) {
    for (int i = 0; i < kId3v1GenreCount; ++i) {
        ASSERT_NE(Id3v1GenreNames[i], nullptr) << i;
        EXPECT_GT(std::strlen(Id3v1GenreNames[i]), 0u) << i;
    }
    EXPECT_EQ(Id3v1GenreNames[kId3v1GenreCount], nullptr);
    EXPECT_STREQ(Id3v1GenreNames[0], "Blues");
    EXPECT_STREQ(Id3v1GenreNames[17], "Rock");
    EXPECT_STREQ(Id3v1GenreNames[67], "Psychadelic");
    EXPECT_STREQ(Id3v1GenreNames[79], "Hard Rock");
    EXPECT_STREQ(Id3v1GenreNames[80], "Folk");
    EXPECT_STREQ(Id3v1GenreNames[147], "Synthpop");
}
