#pragma once

#include <gtest/gtest.h>

#include <taglib/xiphcomment.h>

#include <string>

#include "support/testutil.h"

namespace testutil {

// A one-second stereo FLAC file with every common tag, in several scripts.
inline void WriteTaggedFlac(const std::string& path) {
    Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=1 -ac 2 -metadata " + Quote("title=Tïtle ✓") + " -metadata " +
          Quote("artist=Артист") + " -metadata album=Album -metadata date=2003 -metadata genre=Jazz" +
          " -metadata track=3/12 -metadata composer=Compo -metadata copyright=CopyR -c:a flac " + Quote(path));
}

// The tags of WriteTaggedFlac as Vorbis comments of a target.
inline void ExpectTaggedFlacComments(const TagLib::Ogg::FieldListMap& fields) {
    EXPECT_EQ(fields["TITLE"].toString().to8Bit(true), "Tïtle ✓");
    EXPECT_EQ(fields["ARTIST"].toString().to8Bit(true), "Артист");
    EXPECT_EQ(fields["ALBUM"].toString().to8Bit(true), "Album");
    EXPECT_EQ(fields["DATE"].toString().to8Bit(true), "2003");
    EXPECT_EQ(fields["GENRE"].toString().to8Bit(true), "Jazz");
    EXPECT_EQ(fields["TRACKNUMBER"].toString().to8Bit(true), "3/12");
    EXPECT_EQ(fields["COMPOSER"].toString().to8Bit(true), "Compo");
    EXPECT_EQ(fields["COPYRIGHT"].toString().to8Bit(true), "CopyR");
}

}  // namespace testutil
