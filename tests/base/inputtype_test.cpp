#include <gtest/gtest.h>

#include "base/inputtype.h"

using namespace tonewright;

TEST(InputTypeTest, ClassifiesByExtensionWithoutRegardToCase) {
    const struct {
        const char* path;
        int expected;
    } cases[] = {
        {"/music/SONG.MP3", kInputMp3},           {"song.Mp4", kInputMp4},
        {"song.m4b", kInputM4a},                  {"song", kInputOther},
        {"song.xyz", kInputOther},                {"take.WAVE", kInputWav},
        {"/a.mp3/folder/noext", kInputOther},     {"tune.mp+", kInputMusepack},
        {"film.ogv", kInputOgg},                  {"track01.cda", kInputCdTrack},
        {"archive.tar.flac", kInputFlac},         {"beat.KAR", kInputMidi},
        {"clip.xwmv", kInputWindowsMedia},        {"voice.snd", kInputAu},
        {"/home/u/.mp3", kInputOther},  // a hidden file's name is not an extension
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyInputType(c.path), c.expected) << c.path;
}

TEST(InputTypeTest, OnlyRenderedSourcesEndAtTheirDeclaredLength) {
    EXPECT_TRUE(EndsAtDeclaredLength(kInputMidi));
    EXPECT_TRUE(EndsAtDeclaredLength(kInputTrackerModule));
    EXPECT_FALSE(EndsAtDeclaredLength(kInputWav));
    EXPECT_FALSE(EndsAtDeclaredLength(kInputMp3));
}
