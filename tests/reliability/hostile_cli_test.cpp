// A slice of the hostile-input corpus end to end through tonewright-cli, to WAV and to MP3:
// every damaged file gets a report line that is either its complete target's name or a
// failure text, a failed row leaves no file under its target's name, and no temporary file
// stays behind. Names that start with a dash are files after "--" and options before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/inputtype.h"
#include "cli/clitest.h"
#include "reliability/hostilemutations.h"
#include "reliability/hostileseeds.h"
#include "sources/codecs/littleendian.h"

using namespace hostile;
using namespace testutil;

namespace {

// Per family to WAV: the empty file, a cut after the first byte and one in the middle, two
// absurd header fields, one file with changed bytes. To MP3: the seed, the middle cut and
// the changed bytes.
constexpr CorpusSize kWavSlice = {256, 1, 1, 2};

bool IsFailureText(const std::string& status) {
    for (const char* start : {"Conversion Failure", "Failed to load", "Failure."})
        if (status.rfind(start, 0) == 0) return true;
    return false;
}

std::map<std::string, std::string> ReportLines(const std::string& out) {
    std::map<std::string, std::string> lines;
    size_t start = 0;
    for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = out.substr(start, end - start);
        const size_t tab = line.rfind('\t');
        if (tab != std::string::npos) lines[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return lines;
}

std::string Stem(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

// A WAV file whose RIFF and data sizes agree with its length: nothing was cut off.
bool IsCompleteWav(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 44 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        tonewright::LoadLe32(bytes.data() + 4) != bytes.size() - 8)
        return false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = tonewright::LoadLe32(bytes.data() + at + 4);
        if (std::string(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 4) == "data")
            return bytes.size() - at - 8 == size || bytes.size() - at - 8 == size + (size & 1);
        at += 8 + size + (size & 1);
    }
    return false;
}

// An MP3 target starts with its ID3v2 tag or a frame and holds at least one frame.
bool LooksLikeMp3(const std::vector<uint8_t>& bytes) {
    return bytes.size() > 128 && ((bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3') ||
                                  (bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0));
}

std::vector<std::string> FilesIn(const std::string& folder) {
    const auto listing = testutil::Run({"ls", "-A", folder});
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t end; (end = listing.out.find('\n', start)) != std::string::npos; start = end + 1)
        names.push_back(listing.out.substr(start, end - start));
    return names;
}

class HostileCli : public ::testing::Test, protected CliFixture {};

}  // namespace

TEST_F(HostileCli, EveryDamagedFileGetsAFailureRowOrACompleteTarget) {
    const std::string corpus = dir.file("corpus");
    testutil::Run({"mkdir", "-p", corpus});
    extraEnv.push_back("TONEWRIGHT_CD_DEVICES=" + CdImagePath(corpus));
    std::vector<std::string> seeds, toWav, toMp3;
    unsigned seedNumber = 1;
    for (const Family& family : Families()) {
        const std::string seed = corpus + "/" + family.slug + ".seed" + family.extension;
        family.makeSeed(seed);
        seeds.push_back(seed);
        toWav.push_back(seed);
        toMp3.push_back(seed);
        std::string middleCut;  // the cuts come in ascending order
        for (const HostileFile& file : WriteMutations(family, ReadBytes(seed), corpus, kWavSlice, seedNumber++)) {
            toWav.push_back(file.path);
            if (file.damage == Damage::Flipped) toMp3.push_back(file.path);
            if (file.damage == Damage::Truncated) middleCut = file.path;
        }
        toMp3.push_back(middleCut);
    }

    for (const auto& [format, paths] : {std::pair<std::string, std::vector<std::string>>{"wav", toWav}, {"mp3", toMp3}}) {
        const std::string out = dir.file("out-" + format);
        std::vector<std::string> args = {"-q", "-f", format, "-o", out, "--"};
        args.insert(args.end(), paths.begin(), paths.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 1) << r.err;
        const auto lines = ReportLines(r.out);
        for (const std::string& path : paths) {
            const auto line = lines.find(path);
            ASSERT_NE(line, lines.end()) << format << ": no report line for " << path;
            const std::string target = out + "/" + Stem(path) + "." + format;
            if (line->second == Stem(path) + "." + format) {
                const auto bytes = ReadBytes(target);
                EXPECT_TRUE(format == "wav" ? IsCompleteWav(bytes) : LooksLikeMp3(bytes)) << target;
            } else {
                EXPECT_TRUE(IsFailureText(line->second)) << path << ": " << line->second;
                EXPECT_FALSE(Exists(target)) << target;
            }
        }
        // MIDI files fail here for want of a SoundFont; every other seed converts.
        for (const std::string& seed : seeds) {
            if (tonewright::ClassifyInputType(seed) != tonewright::kInputMidi) {
                EXPECT_EQ(lines.at(seed), Stem(seed) + "." + format);
            }
        }
        for (const std::string& name : FilesIn(out)) EXPECT_EQ(name.find(".part"), std::string::npos) << name;
    }
}

// A chained Ogg Vorbis file whose second link has one bit of its setup header flipped (the
// page checksum made right again): libvorbis takes that header and divides by zero on the
// link's first packet. The stream ends with the first link, and the batch goes on.
TEST_F(HostileCli, AChainedVorbisLinkWithADamagedSetupHeaderEndsTheStream) {
    for (const char* tone : {"440", "880"}) {
        Shell("ffmpeg -v error -f lavfi -i sine=f=" + std::string(tone) + ":d=1.5 -ac 2 -c:a libvorbis " +
              Quote(dir.file(std::string(tone) + ".ogg")));
    }
    Bytes chain = ReadBytes(dir.file("440.ogg"));
    Bytes second = ReadBytes(dir.file("880.ogg"));
    const std::string setupStart = "\x05vorbis";
    const auto setup = std::search(second.begin(), second.end(), setupStart.begin(), setupStart.end());
    ASSERT_NE(setup, second.end());
    setup[20] ^= 0x10;  // among the code word lengths of the first codebook
    chain.insert(chain.end(), second.begin(), second.end());
    RecomputeOggChecksums(chain);
    WriteBytes(dir.file("chain.ogg"), chain);
    MakeToneWithSox(dir.file("after.wav"), 8000, 1, 0.2, "");

    const std::string out = dir.file("out");
    const auto r =
        Cli({"-q", "-f", "wav", "-o", out, dir.file("440.ogg"), dir.file("chain.ogg"), dir.file("after.wav")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, dir.file("440.ogg") + "\t440.wav\n" + dir.file("chain.ogg") + "\tchain.wav\n" +
                         dir.file("after.wav") + "\tafter.wav\n");
    EXPECT_EQ(ReadBytes(out + "/chain.wav"), ReadBytes(out + "/440.wav")) << "the first link's audio";
    EXPECT_EQ(FilesIn(out), (std::vector<std::string>{"440.wav", "after.wav", "chain.wav"}));
}

TEST_F(HostileCli, DashNamesAreFilesOnlyAfterDoubleDash) {
    const std::string work = "cd " + Quote(dir.path());
    Shell("sox -n -r 8000 -c 1 " + Quote(dir.file("-rf.wav")) + " synth 0.2 sine 440");
    Shell("sox -n -r 8000 -c 1 " + Quote(dir.file("--help.mp3")) + " synth 0.2 sine 440");

    const auto refused = Cli({"-q", "-f", "wav", "-o", "out", "-rf.wav"}, work);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("unknown option -rf.wav"), std::string::npos) << refused.err;
    EXPECT_FALSE(Exists(dir.file("out")));

    const auto converted = Cli({"-q", "-f", "wav", "-o", "out", "--", "-rf.wav", "--help.mp3"}, work);
    EXPECT_EQ(converted.exitCode, 0) << converted.out << converted.err;
    EXPECT_EQ(converted.out, "-rf.wav\t-rf.wav\n--help.mp3\t--help.wav\n");
    EXPECT_TRUE(IsCompleteWav(ReadBytes(dir.file("out/-rf.wav"))));
    EXPECT_TRUE(IsCompleteWav(ReadBytes(dir.file("out/--help.wav"))));

    const auto dotted = Cli({"-q", "-f", "wav", "-o", "dotted", "./-rf.wav"}, work);
    EXPECT_EQ(dotted.exitCode, 0) << dotted.err;
    EXPECT_TRUE(Exists(dir.file("dotted/-rf.wav")));
}

TEST_F(HostileCli, NamesWithQuotesSpacesAndBytesThatAreNotUtf8Convert) {
    const std::vector<std::string> stems = {"a\"b'c d", "\xff\xfe", "$(touch pwned)", "%s%n"};
    std::vector<std::string> args = {"-q", "-f", "mp3", "-o", dir.file("out"), "--"};
    for (const std::string& stem : stems) {
        Shell("sox -n -r 8000 -c 1 " + Quote(dir.file(stem + ".wav")) + " synth 0.2 sine 440");
        args.push_back(dir.file(stem + ".wav"));
    }
    const auto r = Cli(args, "cd " + Quote(dir.path()));
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const auto lines = ReportLines(r.out);
    for (const std::string& stem : stems) {
        EXPECT_EQ(lines.count(dir.file(stem + ".wav")), 1u) << r.out;
        EXPECT_TRUE(LooksLikeMp3(ReadBytes(dir.file("out/" + stem + ".mp3")))) << stem;
    }
    EXPECT_FALSE(Exists(dir.file("pwned")));
}
