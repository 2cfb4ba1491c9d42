// Tracker modules and MIDI files through the decoder layer: lengths from the play-through
// and the tempo map, rendering at the requested rate up to exactly that length, and clean
// refusal of damaged files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "sources/bass/bass.h"
#include "sources/bass/bassfixtures.h"
#include "support/testutil.h"

using namespace tonewright;
using namespace basstest;

namespace {

const char* const kSystemSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

uint64_t ExpectedBytes(double seconds, int rate) { return static_cast<uint64_t>(std::llround(seconds * rate)) * 4; }

struct Rendered {
    uint64_t bytes = 0;
    int peak = 0;
    bool endedAtLength = false;
};

// Decodes a channel to its end in reads of an odd size.
Rendered RenderAll(uint32_t handle) {
    Rendered rendered;
    std::vector<int16_t> buffer(2 * 1000 + 2);
    for (int calls = 0; calls < 100000; ++calls) {
        const uint32_t got = BASS_ChannelGetData(handle, buffer.data(), 4001);
        if (got == BASS_DATA_END) {
            rendered.endedAtLength = rendered.bytes == BASS_ChannelGetLength(handle, BASS_POS_BYTE);
            break;
        }
        EXPECT_EQ(got % 4, 0u);
        for (uint32_t i = 0; i < got / 2; ++i) rendered.peak = std::max(rendered.peak, std::abs(int{buffer[i]}));
        rendered.bytes += got;
        EXPECT_EQ(BASS_ChannelGetPosition(handle, BASS_POS_BYTE), rendered.bytes);
    }
    return rendered;
}

struct ModuleKind {
    const char* name;
    Bytes (*make)(int rows);
    int rows;
};

class BassModuleTest : public ::testing::TestWithParam<ModuleKind> {
protected:
    testutil::TempDir dir;
    std::string Write(const Bytes& bytes) {
        const std::string path = dir.file(std::string("song.") + GetParam().name);
        testutil::WriteBytes(path, bytes);
        return path;
    }
};

}  // namespace

TEST_P(BassModuleTest, RendersThePlayThroughAtTheRequestedRate) {
    const ModuleKind& kind = GetParam();
    const std::string path = Write(kind.make(kind.rows));
    for (int rate : {44100, 22050}) {
        const HMUSIC music = BASS_MusicLoad(path.c_str(), BASS_MUSIC_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP, rate);
        ASSERT_NE(music, 0u) << rate;
        BASS_CHANNELINFO info{};
        ASSERT_EQ(BASS_ChannelGetInfo(music, &info), 1);
        EXPECT_EQ(info.freq, static_cast<uint32_t>(rate));
        EXPECT_EQ(info.chans, 2u);
        EXPECT_EQ(info.flags & BASS_SAMPLE_8BITS, 0u);
        const uint64_t length = BASS_ChannelGetLength(music, BASS_POS_BYTE);
        EXPECT_EQ(length, ExpectedBytes(kind.rows * kSecondsPerRow, rate));
        EXPECT_NEAR(BASS_ChannelBytes2Seconds(music, length), kind.rows * kSecondsPerRow, 1e-4);
        EXPECT_EQ(BASS_StreamGetFilePosition(music, BASS_FILEPOS_END), BASS_POSITION_UNKNOWN);

        const Rendered rendered = RenderAll(music);
        EXPECT_TRUE(rendered.endedAtLength);
        EXPECT_GT(rendered.peak, 1000) << "the square wave is heard";
        EXPECT_EQ(BASS_StreamFree(music), 0) << "a module is freed as music";
        EXPECT_EQ(BASS_MusicFree(music), 1);
        EXPECT_EQ(BASS_MusicFree(music), 0);
    }
}

TEST_P(BassModuleTest, IsNoStream) {
    const ModuleKind& kind = GetParam();
    EXPECT_EQ(BASS_StreamCreateFile(Write(kind.make(kind.rows)).c_str(), BASS_STREAM_DECODE), 0u);
}

TEST_P(BassModuleTest, CutShortFailsOrEndsEarly) {
    const ModuleKind& kind = GetParam();
    const Bytes whole = kind.make(kind.rows);
    for (size_t keep : {size_t{4}, whole.size() / 4, whole.size() / 2, whole.size() - 10}) {
        const std::string path = Write(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep)));
        const HMUSIC music = BASS_MusicLoad(path.c_str(), BASS_MUSIC_DECODE, 44100);
        if (!music) continue;
        const Rendered rendered = RenderAll(music);
        EXPECT_LE(rendered.bytes, BASS_ChannelGetLength(music, BASS_POS_BYTE)) << keep;
        BASS_MusicFree(music);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, BassModuleTest,
                         ::testing::Values(ModuleKind{"mod", MakeModFile, 16}, ModuleKind{"xm", MakeXmFile, 24},
                                           ModuleKind{"it", MakeItFile, 32}),
                         [](const ::testing::TestParamInfo<ModuleKind>& info) { return std::string(info.param.name); });

namespace {

class BassMidiTest : public ::testing::Test {
protected:
    testutil::TempDir dir;
    std::string Write(const std::string& name, const Bytes& bytes) {
        testutil::WriteBytes(dir.file(name), bytes);
        return dir.file(name);
    }
};

}  // namespace

TEST_F(BassMidiTest, LengthFollowsTheTempoMap) {
    const std::string mid = Write("song.mid", MakeTempoChangeSong());
    const std::string rmi = Write("song.rmi", WrapInRmid(MakeTempoChangeSong()));
    for (const std::string& path : {mid, rmi}) {
        for (int rate : {44100, 22050}) {
            const HSTREAM stream = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, rate);
            ASSERT_NE(stream, 0u) << path;
            EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), ExpectedBytes(kTempoChangeSongSeconds, rate));
            BASS_StreamFree(stream);
        }
    }
}

TEST_F(BassMidiTest, RateZeroIsTheOutputRate) {
    const std::string path = Write("song.mid", MakeTempoChangeSong());
    ASSERT_EQ(BASS_Init(0, 32000, 0), 1);
    const HSTREAM stream = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 0);
    BASS_Free();
    const HSTREAM after = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 0);
    BASS_CHANNELINFO info{}, afterInfo{};
    BASS_ChannelGetInfo(stream, &info);
    BASS_ChannelGetInfo(after, &afterInfo);
    EXPECT_EQ(info.freq, 32000u);
    EXPECT_EQ(afterInfo.freq, 44100u);
    BASS_StreamFree(stream);
    BASS_StreamFree(after);
}

TEST_F(BassMidiTest, RendersWithItsSoundFontToTheEndOfTheSong) {
    const std::string path = Write("song.mid", MakeTempoChangeSong());
    const HSOUNDFONT font = BASS_MIDI_FontInit(kSystemSoundFont, 0);
    ASSERT_NE(font, 0u);
    EXPECT_EQ(BASS_MIDI_FontInit(kSystemSoundFont, 0), font);

    const HSTREAM withFont = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100);
    const BASS_MIDI_FONT entry{font, -1, 0};
    ASSERT_EQ(BASS_MIDI_StreamSetFonts(withFont, &entry, 1), 1);
    const Rendered heard = RenderAll(withFont);
    EXPECT_TRUE(heard.endedAtLength);
    EXPECT_GT(heard.peak, 300);

    // No font of its own and none by default: the notes have no sound.
    ASSERT_EQ(BASS_MIDI_StreamSetFonts(0, nullptr, 0), 1);
    const HSTREAM silent = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100);
    const Rendered quiet = RenderAll(silent);
    EXPECT_TRUE(quiet.endedAtLength);
    EXPECT_EQ(quiet.peak, 0);

    // A default font serves every stream that has none of its own.
    ASSERT_EQ(BASS_MIDI_StreamSetFonts(0, &entry, 1), 1);
    const HSTREAM byDefault = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100);
    EXPECT_GT(RenderAll(byDefault).peak, 300);
    BASS_MIDI_StreamSetFonts(0, nullptr, 0);
    for (HSTREAM stream : {withFont, silent, byDefault}) EXPECT_EQ(BASS_StreamFree(stream), 1);
}

TEST_F(BassMidiTest, RefusesWhatIsNoSoundFont) {
    const std::string path = Write("song.mid", MakeTempoChangeSong());
    EXPECT_EQ(BASS_MIDI_FontInit(path.c_str(), 0), 0u);
    EXPECT_EQ(BASS_MIDI_FontInit(dir.file("missing.sf2").c_str(), 0), 0u);
    const BASS_MIDI_FONT unknown{9999, -1, 0};
    EXPECT_EQ(BASS_MIDI_StreamSetFonts(0, &unknown, 1), 0);
    const BASS_MIDI_FONT onePreset{BASS_MIDI_FontInit(kSystemSoundFont, 0), 0, 0};
    EXPECT_EQ(BASS_MIDI_StreamSetFonts(0, &onePreset, 1), 0);
}

TEST_F(BassMidiTest, TrackWithoutEndMarkerEndsAtItsLastEvent) {
    std::vector<Bytes> tracks = TempoChangeTracks();
    tracks[0].resize(tracks[0].size() - 3 - VarLen(960).size());  // drop the tempo track's end
    tracks[1].resize(tracks[1].size() - 3 - VarLen(120).size());  // the piano's last note ends at 2760
    const std::string path = Write("song.mid", MakeSmf(1, 480, tracks));
    const HSTREAM stream = BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100);
    ASSERT_NE(stream, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), ExpectedBytes(2.0 + 840 / 960.0 * 0.5, 44100));
    BASS_StreamFree(stream);
}

namespace {

struct BrokenMidi {
    const char* name;
    Bytes (*make)();
};

Bytes WithTrack(const Bytes& track) { return MakeSmf(0, 480, {track}); }

const BrokenMidi kBrokenMidi[] = {
    {"NotMidi", [] { return Bytes(64, 0x55); }},
    {"CutInATrack", [] { Bytes b = MakeTempoChangeSong(); b.resize(b.size() - 9); return b; }},
    {"MissingTrack", [] { Bytes b = MakeTempoChangeSong(); b[11] = 3; return b; }},
    {"NoTracks", [] { return MakeSmf(1, 480, {}); }},
    {"SmpteTime", [] { return MakeSmf(1, 0xE728, TempoChangeTracks()); }},
    {"ZeroDivision", [] { return MakeSmf(1, 0, TempoChangeTracks()); }},
    {"LongHeader", [] { Bytes b = MakeTempoChangeSong(); b[7] = 7; return b; }},
    {"RunningStatusFirst", [] { return WithTrack({0x00, 60, 100, 0x00, 0xFF, 0x2F, 0x00}); }},
    {"TempoOfTwoBytes", [] { return WithTrack({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00, 0xFF, 0x2F, 0x00}); }},
    {"FiveByteDelta", [] { return WithTrack({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100}); }},
    {"SystemMessage", [] { return WithTrack({0x00, 0xF2, 0x00, 0x00, 0x00, 0xFF, 0x2F, 0x00}); }},
    {"MetaPastTrackEnd", [] { return WithTrack({0x00, 0xFF, 0x01, 0x40, 'a', 'b'}); }},
    {"EmptySong", [] { return WithTrack({0x00, 0xFF, 0x2F, 0x00}); }},
    {"DayLongSong", [] {
         Bytes track;
         for (int i = 0; i < 12; ++i) track.insert(track.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 0});
         return WithTrack(track);
     }},
};

}  // namespace

TEST_F(BassMidiTest, RefusesDamagedFiles) {
    for (const BrokenMidi& broken : kBrokenMidi) {
        const std::string path = Write("broken.mid", broken.make());
        EXPECT_EQ(BASS_MIDI_StreamCreateFile(path.c_str(), BASS_STREAM_DECODE, 44100), 0u) << broken.name;
    }
}
