// The list's properties read from headers alone must be exactly what opening the file with
// its decoders gives, and the header way must be taken for the common files it is made for.
#include <gtest/gtest.h>

#include "base/inputtype.h"
#include "engine/sourcefactory.h"
#include "sources/audiosource.h"
#include "sources/headerprobe/headerproperties.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace testutil;

namespace {

struct HeaderCase {
    const char* name;
    const char* make;  // shell command; $F is the file, $T a 2.3 s stereo tone
    bool fromHeaders;   // whether the headers alone may answer
};

const char* const kTone = "-f lavfi -i 'sine=frequency=440:duration=2.3' -f lavfi -i "
                          "'sine=frequency=1000:duration=2.3' -filter_complex amerge=inputs=2";

const HeaderCase kCases[] = {
    {"stereo.wav", "ffmpeg $T -c:a pcm_s16le $F", true},
    {"tagged.wav", "ffmpeg $T -c:a pcm_s16le -metadata title=Tone -metadata artist=Me $F", true},
    {"mono8.wav", "sox -n -r 11025 -c 1 -b 8 $F synth 3.7 sine 440", true},
    {"id3v1.wav", "ffmpeg $T -c:a pcm_s16le $F && printf 'TAG%125s' x >> $F", true},
    {"float.wav", "ffmpeg $T -c:a pcm_f32le $F", false},
    {"six.wav", "ffmpeg -f lavfi -i 'sine=duration=2.3' -ac 6 -c:a pcm_s16le $F", false},
    {"cut.wav", "ffmpeg $T -c:a pcm_s16le $F && truncate -s 300000 $F", false},
    {"adpcm.wav", "ffmpeg $T -c:a adpcm_ms $F", false},
    {"cbr.mp3", "ffmpeg $T -c:a libmp3lame -b:a 128k $F", true},
    {"vbr.mp3", "ffmpeg $T -c:a libmp3lame -q:a 2 -write_id3v1 1 $F", true},
    {"mono22.mp3", "ffmpeg $T -ac 1 -ar 22050 -c:a libmp3lame -b:a 48k -metadata title=T $F", true},
    {"stereo.mp3", "ffmpeg $T -c:a libmp3lame -b:a 160k -joint_stereo 0 -id3v2_version 0 $F", true},
    {"noinfo.mp3", "ffmpeg $T -c:a libmp3lame -b:a 128k -write_xing 0 $F", false},
    {"junk.mp3", "printf 'junkjunk' > $F && ffmpeg $T -c:a libmp3lame -id3v2_version 0 -f mp3 - >> $F", false},
    {"mp2.mp3", "ffmpeg $T -c:a mp2 -b:a 192k -f mp2 $F", false},
    {"flac.wav", "ffmpeg $T -c:a flac -f flac $F", false},
    {"tagged.flac", "ffmpeg $T -metadata title=Tone $F", true},
    {"mono.flac", "sox -n -r 8000 -c 1 -b 16 $F synth 4.2 sine 440", true},
    {"six.flac", "ffmpeg -f lavfi -i 'sine=duration=2.3' -ac 6 $F", false},
};

std::string Substitute(std::string command, const std::string& file) {
    for (size_t at; (at = command.find("$T")) != std::string::npos;) command.replace(at, 2, kTone);
    for (size_t at; (at = command.find("$F")) != std::string::npos;) command.replace(at, 2, Quote(file));
    return command;
}

}  // namespace

TEST(HeaderPropertiesTest, AgreeWithTheDecodersAndAnswerForPlainFiles) {
    TempDir dir;
    for (const HeaderCase& c : kCases) {
        const std::string path = dir.file(c.name);
        Shell(Substitute(std::string("ffmpeg() { command ffmpeg -v error -y \"$@\"; }; ") + c.make, path));
        const int inputType = ClassifyInputType(path);
        HeaderProperties header;
        ASSERT_EQ(ReadHeaderProperties(path, inputType, header), c.fromHeaders) << c.name;
        if (!c.fromHeaders) continue;
        std::string reason;
        auto source = OpenSource(path, inputType, 0, SourceUse::Properties, reason);
        ASSERT_TRUE(source) << c.name;
        EXPECT_EQ(header.durationSeconds, source->GetDuration()) << c.name;
        EXPECT_EQ(header.sampleRate, source->GetSampleRate()) << c.name;
        EXPECT_EQ(header.bitrateKbps, source->GetBitrate()) << c.name;
        if (inputType == kInputMp3) EXPECT_EQ(header.channelMode, source->GetChannelMode()) << c.name;
        else EXPECT_EQ(header.sourceChannels, source->GetSourceChannels()) << c.name;
    }
}
