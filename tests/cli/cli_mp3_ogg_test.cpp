// MP3 and Ogg Vorbis output of tonewright-cli end to end, checked with independent readers:
// the ffprobe and ffmpeg programs for the stream and the audio, TagLib for the tags.
#include <gtest/gtest.h>

#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>

#include <cmath>
#include <map>

#include "cli/clitest.h"
#include "encoders/mp3frames.h"
#include "encoders/vorbispages.h"

using namespace testutil;

namespace {

// What ffprobe tells about the first audio stream.
struct StreamFacts {
    int sampleRate = 0;
    int channels = 0;
    int bitrate = 0;  // bits per second; the nominal one for Vorbis
};

StreamFacts Probe(const std::string& path) {
    const auto r = Run({"ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
                        "stream=sample_rate,channels,bit_rate", "-of", "default=noprint_wrappers=1", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::map<std::string, int> values;
    size_t at = 0;
    while (at < r.out.size()) {
        const size_t end = r.out.find('\n', at);
        const std::string line = r.out.substr(at, end - at);
        const size_t eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
        at = end == std::string::npos ? r.out.size() : end + 1;
    }
    return {values["sample_rate"], values["channels"], values["bit_rate"]};
}

std::vector<int16_t> Channel(const Pcm16& pcm, int channel) {
    std::vector<int16_t> samples(pcm.frames());
    for (size_t f = 0; f < samples.size(); ++f) samples[f] = pcm.samples[f * pcm.channels + channel];
    return samples;
}

// How well `decoded` reproduces `reference` once the encoder's delay is skipped: the delay
// (0..maxDelay samples) is the one that leaves the least error over a stretch of the signal;
// the signal-to-error ratio is then taken over everything the two have in common.
struct Match {
    size_t delay = 0;
    double snrDb = 0;
};

Match Compare(const std::vector<int16_t>& reference, const std::vector<int16_t>& decoded, size_t maxDelay) {
    constexpr size_t kWindow = 4096, kStart = 2048;
    Match best;
    double bestError = INFINITY;
    for (size_t delay = 0; delay <= maxDelay && delay + kStart + kWindow <= decoded.size(); ++delay) {
        double error = 0;
        for (size_t i = kStart; i < kStart + kWindow && i < reference.size() && error < bestError; ++i) {
            const double d = decoded[i + delay] - reference[i];
            error += d * d;
        }
        if (error < bestError) {
            bestError = error;
            best.delay = delay;
        }
    }
    double signal = 0, error = 0;
    for (size_t i = 0; i < reference.size() && i + best.delay < decoded.size(); ++i) {
        const double d = decoded[i + best.delay] - reference[i];
        signal += double(reference[i]) * reference[i];
        error += d * d;
    }
    best.snrDb = 10 * std::log10(signal / std::max(error, 1.0));
    return best;
}

std::string TagText(const TagLib::String& text) { return text.to8Bit(true); }

class CliMp3OggTest : public ::testing::Test, protected CliFixture {
protected:
    // Converts with the settings given as NAME=VALUE; returns the target's path.
    std::string Convert(const std::string& format, const std::vector<std::string>& sources,
                        const std::vector<std::string>& settings = {}) {
        std::vector<std::string> args = {"-q", "-f", format, "-o", dir.file("out"), "--if-exists", "overwrite"};
        for (const auto& s : settings) args.insert(args.end(), {"--set", s});
        args.insert(args.end(), sources.begin(), sources.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        const std::string name = sources.back().substr(sources.back().rfind('/') + 1);
        return dir.file("out/" + name.substr(0, name.rfind('.')) + "." + format);
    }

    // A frequency sweep on each channel (rising on the left, falling on the right): unlike a
    // steady tone, it matches itself at one delay only.
    std::string MakeSweep(const std::string& name, int rate, int channels, double seconds,
                          const std::string& volume = "0.5") {
        const std::string path = dir.file(name);
        Shell("sox -n -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " -b 16 " + Quote(path) +
              " synth " + std::to_string(seconds) + " sine 100-4000 sine 3000-200 vol " + volume);
        return path;
    }

    // Stereo noise pulsing 20 times a second: at LAME's V2 it needs about what music needs.
    std::string MakePulsingNoise(const std::string& name, double seconds) {
        const std::string path = dir.file(name);
        Shell("sox -R -n -r 44100 -c 2 -b 16 " + Quote(path) + " synth " + std::to_string(seconds) +
              " whitenoise vol 0.5 tremolo 20 100");
        return path;
    }

    // A one-second sine coded by the ffmpeg program with every tag field set.
    std::string MakeTaggedSource(const std::string& name, const std::string& codecArgs) {
        const std::string path = dir.file(name);
        Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=1 -ac 2 -metadata " + Quote("title=Tïtle ✓") +
              " -metadata " + Quote("artist=Артист") + " -metadata album=Album -metadata date=2003" +
              " -metadata genre=Jazz -metadata track=3/12 -metadata composer=Compo -metadata copyright=CopyR " +
              codecArgs + " " + Quote(path));
        return path;
    }
};

// One conversion of a sweep and the stream it must give.
struct StreamCase {
    const char* label;
    const char* format;
    int sourceRate, sourceChannels;
    std::vector<std::string> settings;
    int rate, channels, kbps;
    int mode;  // MPEG mode of the first MP3 frame; -1 any but mono; unused for Ogg
};

class CliMp3OggStreamTest : public CliMp3OggTest, public ::testing::WithParamInterface<StreamCase> {};

}  // namespace

TEST_P(CliMp3OggStreamTest, FollowsTheParameterRules) {
    const StreamCase& c = GetParam();
    const std::string source = MakeSweep("sweep.wav", c.sourceRate, c.sourceChannels, 0.3);
    const std::string target = Convert(c.format, {source}, c.settings);
    const StreamFacts facts = Probe(target);
    EXPECT_EQ(facts.sampleRate, c.rate);
    EXPECT_EQ(facts.channels, c.channels);
    EXPECT_EQ(facts.bitrate, c.kbps * 1000);
    if (std::string(c.format) != "mp3") return;
    const Mp3Frame first = ReadMp3Frame(ReadBytes(target), 0);
    if (c.mode >= 0) EXPECT_EQ(first.mode, c.mode);
    else EXPECT_NE(first.mode, 3);
    EXPECT_FALSE(first.isInfoFrame);
}

INSTANTIATE_TEST_SUITE_P(
    Mp3AndOgg, CliMp3OggStreamTest,
    ::testing::Values(
        StreamCase{"Mp3AutoStereo", "mp3", 44100, 2, {}, 44100, 2, 128, -1},
        StreamCase{"Mp3AutoMono", "mp3", 22050, 1, {}, 22050, 1, 48, 3},
        StreamCase{"Mp3BitRateFromTheTable", "mp3", 44100, 2,
                   {"AutoDestMP3EncodingParam=0", "MP3SampleRate=22050", "MP3BitRate=0"}, 22050, 2, 64, 1},
        StreamCase{"Mp3BitRateLimited", "mp3", 44100, 2,
                   {"AutoDestMP3EncodingParam=0", "MP3SampleRate=11025", "MP3BitRate=320", "MP3ChannelMode=0"},
                   11025, 2, 64, 0},
        StreamCase{"Mp3BitRateRaised", "mp3", 44100, 2,
                   {"AutoDestMP3EncodingParam=0", "MP3BitRate=8", "MP3ChannelMode=3"}, 44100, 1, 32, 3},
        StreamCase{"Mp3ModeAsTheSource", "mp3", 22050, 1,
                   {"AutoDestMP3EncodingParam=0", "MP3ChannelMode=4", "MP3SampleRate=0"}, 22050, 1, 128, 3},
        StreamCase{"OggAuto", "ogg", 44100, 2, {}, 44100, 2, 128, 0},
        StreamCase{"OggAutoFrom8000Hz", "ogg", 8000, 1, {}, 11025, 1, 24, 0},
        // Quality mode: the header's nominal bit rate is libvorbis's estimate for quality 5.
        StreamCase{"OggQualityMode", "ogg", 44100, 2,
                   {"AutoDestOGGEncodingParam=0", "OGGEncodingMode=1", "OGGQuality=5", "OGGBitRate=64"},
                   44100, 2, 160, 0},
        StreamCase{"OggBitRateClamped", "ogg", 44100, 2,
                   {"AutoDestOGGEncodingParam=0", "OGGSampleRate=22050", "OGGChannels=1", "OGGBitRate=500"},
                   22050, 1, 80, 0},
        StreamCase{"OggRateAndBitRateSnapped", "ogg", 44100, 2,
                   {"AutoDestOGGEncodingParam=0", "OGGSampleRate=47000", "OGGBitRate=500"}, 48000, 2, 480, 0},
        StreamCase{"OggUpmixedAtTheSourceRate", "ogg", 8000, 1,
                   {"AutoDestOGGEncodingParam=0", "OGGSampleRate=0", "OGGBitRate=0"}, 8000, 2, 48, 0},
        // The rate converter gives nothing for the first block when it lowers the rate.
        StreamCase{"OggTinyRateSnappedAndUpmixed", "ogg", 44100, 1,
                   {"AutoDestOGGEncodingParam=0", "OGGSampleRate=7"}, 8000, 2, 80, 0}),
    [](const ::testing::TestParamInfo<StreamCase>& info) { return std::string(info.param.label); });

// WAV output follows the same road; its stored rate is kept within 6 to 192 kHz.
INSTANTIATE_TEST_SUITE_P(
    Wav, CliMp3OggStreamTest,
    ::testing::Values(StreamCase{"WavTinyRateRaised", "wav", 44100, 1,
                                 {"AutoDestWAVEncodingParam=0", "WAVSampleRate=7"}, 6000, 2, 192, 0},
                      StreamCase{"WavHugeRateLowered", "wav", 44100, 2,
                                 {"AutoDestWAVEncodingParam=0", "WAVSampleRate=400000"}, 192000, 2, 6144, 0}),
    [](const ::testing::TestParamInfo<StreamCase>& info) { return std::string(info.param.label); });

TEST_F(CliMp3OggTest, Mp3DecodesToTheSourceAfterTheEncoderDelay) {
    const std::string source = MakeSweep("sweep.wav", 44100, 2, 1.0);
    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 got = DecodeWithFfmpeg(Convert("mp3", {source}));
    ASSERT_EQ(got.channels, 2);
    for (int c = 0; c < 2; ++c) {
        const Match match = Compare(Channel(expected, c), Channel(got, c), 3000);
        EXPECT_GT(match.snrDb, 20) << "channel " << c << " delay " << match.delay;
        // LAME's delay plus the padding of the last frame: less than two frames beyond.
        EXPECT_GE(got.frames(), expected.frames() + match.delay);
        EXPECT_LT(got.frames(), expected.frames() + match.delay + 2 * 1152);
    }
}

// With the LAME/Info frame (always there in VBR files, asked for in CBR ones) the ffmpeg
// program trims the encoder delay and padding: the source's exact sample count comes back.
TEST_F(CliMp3OggTest, Mp3InfoFrameGivesTheExactLength) {
    const std::string source = MakePulsingNoise("long.wav", 60.0);
    const size_t sourceFrames = DecodeWithFfmpeg(source).frames();
    const struct {
        std::vector<std::string> settings;
        int minKbps, maxKbps;
    } cases[] = {
        {{"AutoDestMP3EncodingParam=0", "MP3EncodingMode=1", "MP3VBRQuality=2", "MP3BitRate=32"}, 150, 260},
        {{"AutoDestMP3EncodingParam=0", "MP3BitRate=192", "MP3WriteInfoFrame=1"}, 191, 193},
    };
    for (const auto& c : cases) {
        std::vector<std::string> settings = c.settings;
        settings.insert(settings.end(), {"MP3ID3TagType=0", "MP3Tag/Title=Long", "MP3WriteID3Version=2"});
        const std::string target = Convert("mp3", {source}, settings);
        const auto bytes = ReadBytes(target);
        const size_t audioStart = Id3v2Size(bytes);
        ASSERT_GT(audioStart, 0u);
        EXPECT_TRUE(ReadMp3Frame(bytes, audioStart).isInfoFrame) << c.settings[1];
        const Pcm16 got = DecodeWithFfmpeg(target);
        EXPECT_EQ(got.frames(), sourceFrames) << c.settings[1];
        const double kbps = (bytes.size() - audioStart - 128) * 8.0 / 60.0 / 1000.0;
        EXPECT_GE(kbps, c.minKbps) << c.settings[1];
        EXPECT_LE(kbps, c.maxKbps) << c.settings[1];
    }
}

TEST_F(CliMp3OggTest, Mp3MonoModePicksTheChosenChannel) {
    const std::string source = MakeSweep("sweep.wav", 44100, 2, 1.0);
    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 got = DecodeWithFfmpeg(
        Convert("mp3", {source}, {"AutoDestMP3EncodingParam=0", "MP3ChannelMode=3", "MonoType=2"}));
    ASSERT_EQ(got.channels, 1);
    EXPECT_GT(Compare(Channel(expected, 1), got.samples, 3000).snrDb, 20);
    EXPECT_LT(Compare(Channel(expected, 0), got.samples, 3000).snrDb, 3);
}

TEST_F(CliMp3OggTest, EightBitSourcesAreWidenedAndAmplified) {
    const std::string quiet = MakeSweep("quiet.wav", 22050, 1, 1.0, "0.2");
    const std::string source = dir.file("quiet8.wav");
    Shell("sox " + Quote(quiet) + " -b 8 " + Quote(source));
    const Pcm16 expected = DecodeWithFfmpeg(quiet);
    for (const std::string format : {"mp3", "ogg"}) {
        const std::string word = format == "mp3" ? "Mp3" : "OGG";
        const Pcm16 got = DecodeWithFfmpeg(
            Convert(format, {source}, {"Amplify" + word + "=1", "Amplify" + word + "Coeff=200"}));
        std::vector<int16_t> doubled(expected.samples);
        for (auto& s : doubled) s = static_cast<int16_t>(2 * s);
        EXPECT_GT(Compare(doubled, got.samples, 3000).snrDb, 15) << format;
    }
}

TEST_F(CliMp3OggTest, OggDecodesToTheSourceAtTheRightLength) {
    const std::string source = MakeSweep("sweep.wav", 44100, 2, 1.0);
    const Pcm16 expected = DecodeWithFfmpeg(source);
    const Pcm16 same = DecodeWithFfmpeg(Convert("ogg", {source}));
    ASSERT_EQ(same.channels, 2);
    EXPECT_EQ(same.frames(), expected.frames());
    for (int c = 0; c < 2; ++c) {
        const Match match = Compare(Channel(expected, c), Channel(same, c), 100);
        EXPECT_EQ(match.delay, 0u);
        EXPECT_GT(match.snrDb, 20) << "channel " << c;
    }
    // Quality 0 gives a clearly smaller file than quality 5, whatever the bit rate says.
    const std::string noise = MakePulsingNoise("noise.wav", 5.0);
    const std::vector<std::string> byQuality = {"AutoDestOGGEncodingParam=0", "OGGEncodingMode=1", "OGGBitRate=128"};
    std::vector<std::string> low = byQuality, high = byQuality;
    low.push_back("OGGQuality=0");
    high.push_back("OGGQuality=5");
    const size_t lowSize = ReadBytes(Convert("ogg", {noise}, low)).size();
    const size_t highSize = ReadBytes(Convert("ogg", {noise}, high)).size();
    EXPECT_LT(lowSize * 3, highSize * 2) << lowSize << " " << highSize;
    const Pcm16 resampled = DecodeWithFfmpeg(
        Convert("ogg", {source}, {"AutoDestOGGEncodingParam=0", "OGGSampleRate=22050", "OGGChannels=2"}));
    EXPECT_NEAR(static_cast<double>(resampled.frames()), expected.frames() / 2.0, 2);
}

TEST_F(CliMp3OggTest, TemplateTagsWithTitlesFromNamesAndBatchTrackNumbers) {
    const std::string first = MakeSweep("Ünïcode sóng.wav", 22050, 1, 0.2);
    const std::string second = MakeSweep("b.wav", 22050, 1, 0.2);
    const std::vector<std::string> mp3Settings = {
        "MP3ID3TagType=0", "MP3WriteID3Version=2", "MP3Tag/Artist=Ärtist Жук", "MP3Tag/Genre=jazz",
        "MP3Tag/Comment=Some words", "MP3Tag/Year=1999", "MP3Tag/TrackNumType=1"};
    Convert("mp3", {first, second}, mp3Settings);
    const struct {
        const char* file;
        const char* title;
        unsigned track;
    } targets[] = {{"out/Ünïcode sóng.mp3", "Ünïcode sóng", 1}, {"out/b.mp3", "b", 2}};
    for (const auto& t : targets) {
        TagLib::MPEG::File file(dir.file(t.file).c_str());
        ASSERT_TRUE(file.hasID3v2Tag()) << t.file;
        auto* v2 = file.ID3v2Tag();
        EXPECT_EQ(TagText(v2->title()), t.title);
        EXPECT_EQ(TagText(v2->artist()), "Ärtist Жук");
        EXPECT_EQ(TagText(v2->genre()), "jazz");
        EXPECT_EQ(TagText(v2->comment()), "Some words");
        EXPECT_EQ(v2->year(), 1999u);
        EXPECT_EQ(v2->track(), t.track);
        const auto bytes = ReadBytes(dir.file(t.file));
        ASSERT_GT(bytes.size(), 128u);
        const std::vector<uint8_t> v1(bytes.end() - 128, bytes.end());
        EXPECT_EQ(std::string(v1.begin(), v1.begin() + 3), "TAG");
        EXPECT_EQ(v1[126], t.track);
        EXPECT_EQ(v1[127], 8) << "Jazz";
        EXPECT_EQ(std::string(v1.begin() + 33, v1.begin() + 39), "\xC4rtist") << "Latin-1";
    }

    Convert("ogg", {first, second},
            {"OGGID3TagType=0", "OGGTag/Album=Албом", "OGGTag/TrackNumType=2", "OGGTag/CustomTrackNum=9"});
    TagLib::Ogg::Vorbis::File ogg(dir.file("out/Ünïcode sóng.ogg").c_str());
    const auto fields = ogg.tag()->fieldListMap();
    EXPECT_EQ(TagText(fields["TITLE"].toString()), "Ünïcode sóng");
    EXPECT_EQ(TagText(fields["ALBUM"].toString()), "Албом");
    EXPECT_EQ(TagText(fields["TRACKNUMBER"].toString()), "9");
    EXPECT_FALSE(fields.contains("ARTIST"));
}

TEST_F(CliMp3OggTest, SourceTagsAreTransferred) {
    const struct {
        const char* name;
        const char* codecArgs;
        const char* trackText;  // as the source's reader gives it
    } sources[] = {
        {"a.mp3", "-c:a libmp3lame -b:a 128k -id3v2_version 3", "3/12"},
        {"b.ogg", "-c:a libvorbis", "3/12"},
        {"c.flac", "-c:a flac", "3/12"},
        {"d.m4a", "-c:a aac", "3"},
        {"e.aiff", "-write_id3v2 1", "3/12"},  // an ID3v2 tag in the file's "ID3 " chunk
    };
    for (const auto& s : sources) {
        const std::string source = MakeTaggedSource(s.name, s.codecArgs);
        TagLib::MPEG::File mp3(Convert("mp3", {source}, {"MP3ID3TagType=1"}).c_str());
        ASSERT_TRUE(mp3.hasID3v2Tag()) << s.name;
        auto* v2 = mp3.ID3v2Tag();
        EXPECT_EQ(TagText(v2->title()), "Tïtle ✓") << s.name;
        EXPECT_EQ(TagText(v2->artist()), "Артист") << s.name;
        EXPECT_EQ(TagText(v2->album()), "Album") << s.name;
        EXPECT_EQ(TagText(v2->genre()), "Jazz") << s.name;
        EXPECT_EQ(v2->year(), 2003u) << s.name;
        EXPECT_EQ(v2->track(), 3u) << s.name;
        EXPECT_EQ(TagText(v2->properties()["COMPOSER"].toString()), "Compo") << s.name;

        TagLib::Ogg::Vorbis::File ogg(Convert("ogg", {source}, {"OGGID3TagType=1"}).c_str());
        const auto fields = ogg.tag()->fieldListMap();
        EXPECT_EQ(TagText(fields["TITLE"].toString()), "Tïtle ✓") << s.name;
        EXPECT_EQ(TagText(fields["ARTIST"].toString()), "Артист") << s.name;
        EXPECT_EQ(TagText(fields["DATE"].toString()), "2003") << s.name;
        EXPECT_EQ(TagText(fields["TRACKNUMBER"].toString()), s.trackText) << s.name;
        EXPECT_EQ(TagText(fields["COPYRIGHT"].toString()), "CopyR") << s.name;
    }
}

TEST_F(CliMp3OggTest, Mp3ToMp3CopiesTheSourcesId3BlocksByteForByte) {
    const std::string tagged = MakeTaggedSource("tagged.mp3", "-c:a libmp3lame -id3v2_version 3 -write_id3v1 1");
    const auto in = ReadBytes(tagged);
    const size_t id3v2 = Id3v2Size(in);
    ASSERT_GT(id3v2, 10u);
    ASSERT_EQ(std::string(in.end() - 128, in.end() - 125), "TAG");
    // The ID3 version setting asks for ID3v1 only; the copy keeps both blocks anyway. The
    // information frame, written last, lands right after the ID3v2 block.
    const auto out = ReadBytes(
        Convert("mp3", {tagged}, {"MP3ID3TagType=1", "MP3WriteID3Version=0", "MP3WriteInfoFrame=1"}));
    ASSERT_GT(out.size(), id3v2 + 128);
    EXPECT_TRUE(std::equal(in.begin(), in.begin() + id3v2, out.begin()));
    EXPECT_TRUE(std::equal(in.end() - 128, in.end(), out.end() - 128));
    EXPECT_EQ(ReadMp3Frame(out, id3v2).sampleRate, 44100);
    EXPECT_TRUE(ReadMp3Frame(out, id3v2).isInfoFrame);

    const std::string plain = dir.file("plain.mp3");
    Shell("ffmpeg -v error -f lavfi -i sine=f=440:d=1 -c:a libmp3lame -id3v2_version 0 -map_metadata -1 " +
          Quote(plain));
    const auto bare = ReadBytes(Convert("mp3", {plain}, {"MP3ID3TagType=1", "MP3WriteID3Version=2"}));
    EXPECT_EQ(Id3v2Size(bare), 0u);
    EXPECT_NE(std::string(bare.end() - 128, bare.end() - 125), "TAG");
    EXPECT_EQ(ReadMp3Frame(bare, 0).sampleRate, 44100);

    const auto none = ReadBytes(Convert("mp3", {tagged}, {"MP3ID3TagType=2"}));
    EXPECT_EQ(Id3v2Size(none), 0u) << "tag type 2 writes no tag";
}

TEST_F(CliMp3OggTest, OggSerialNumbersRepeatAcrossRunsAndDifferWithinOne) {
    const std::string a = MakeSweep("a.wav", 22050, 1, 0.2);
    const std::string b = MakeSweep("b.wav", 22050, 1, 0.2);
    auto serial = [&](const std::string& name) {
        const auto pages = ReadOggPages(ReadBytes(dir.file("out/" + name)));
        return pages.empty() ? 0xFFFFFFFFu : pages[0].serial;
    };
    // One file after the other, so the first file of the run takes the first number.
    ASSERT_EQ(Cli({"-q", "-j", "1", "-f", "ogg", "-o", dir.file("out"), a, b}).exitCode, 0);
    const uint32_t firstOfRun = serial("a.ogg");
    EXPECT_NE(serial("b.ogg"), firstOfRun);
    Shell("rm -r " + Quote(dir.file("out")));
    Convert("ogg", {b});
    EXPECT_EQ(serial("b.ogg"), firstOfRun);
}

TEST_F(CliMp3OggTest, AWriteFailureFailsTheRowAndLeavesNoTarget) {
    const std::string source = dir.file("noise.wav");
    Shell("sox -n -r 44100 -c 2 -b 16 " + Quote(source) + " synth 3 whitenoise vol 0.5");
    Shell("mkdir -p " + Quote(dir.file("out")));
    for (const std::string format : {"mp3", "ogg"}) {
        // A file-size limit of 8 KiB makes the writes fail part way.
        const auto r = Cli({"-q", "-f", format, "-o", dir.file("out"), source}, "ulimit -f 8");
        EXPECT_EQ(r.exitCode, 1) << format;
        EXPECT_EQ(r.out.rfind(source + "\tConversion Failure (File too large)", 0), 0u) << r.out;
        EXPECT_EQ(testutil::Run({"ls", "-A", dir.file("out")}).out, "") << format;
    }
}
