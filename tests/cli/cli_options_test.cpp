// tonewright-cli's options, reports and exit statuses.
#include <gtest/gtest.h>

#include "cli/clitest.h"

using namespace testutil;

namespace {

class CliOptionsTest : public ::testing::Test, protected CliFixture {
protected:
    std::string Tone(const std::string& name, int rate, int channels, double seconds) {
        MakeToneWithSox(dir.file(name), rate, channels, seconds, "-b 16");
        return dir.file(name);
    }
};

}  // namespace

TEST_F(CliOptionsTest, InfoPrintsTheFileListColumns) {
    const std::string a = Tone("a.wav", 22050, 2, 3.0);
    // 3.725 s: the duration shows whole seconds; the bit rate is the data over the exact length.
    const std::string b = Tone("b.wav", 8000, 1, 3725.0 / 1000);
    WriteBytes(dir.file("bad.wav"), {'R', 'I', 'F', 'F'});
    const auto r = Cli({"--info", a, b, dir.file("bad.wav"), dir.file("missing.wav"), a});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, a + "\t00:03\t706 kbps\t22050 Hz\tStereo\n" + b + "\t00:03\t128 kbps\t8000 Hz\tMono\n" +
                         dir.file("bad.wav") + "\tFailed to load\n" + dir.file("missing.wav") +
                         "\tFailed to load (no such file)\n");
}

TEST_F(CliOptionsTest, UsageErrorsExitWithTwo) {
    const std::string a = Tone("a.wav", 8000, 1, 0.1);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--bogus", a}, {"-f", "aiff", a}, {"--set", "NoSuchValue=1", a},
          {"--set", "MP3BitRate=loud", a}, {"--if-exists", "maybe", a}, {}, {"-o"},
          {"--name-pattern", "%nope%", a}, {"--name-pattern", "%track:x%", a}, {"--name-pattern", "%title", a},
          {"--set", "NamePattern=%nope%", a}, {"--keep-tree", "--next-to-source", a},
          {"--copy-other", "--next-to-source", a},
          {"--keep-tree", "--mirror", "-o", "out", a}, {"--shard", "5/4", a}, {"--shard", "0/4", a},
          {"--shard", "1", a}, {"--files-from", "/nonexistent/list"}, {"--json=yes", a}}) {
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("tonewright-cli: "), std::string::npos);
    }
    const auto help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("output format: mp3 wav wma ogg aac m4a mp4 m4b amr awb flac opus\n"), std::string::npos)
        << "the formats in the desktop program's selector order";
    EXPECT_EQ(Cli({"--version"}).out.rfind("tonewright-cli ", 0), 0u);
}

TEST_F(CliOptionsTest, SetChangesTheRunAndSaveKeepsItForTheNext) {
    const std::string a = Tone("a.wav", 44100, 2, 1.0);
    auto r = Cli({"-q", "-f", "wav", "-o", dir.file("out"), "--set", "AutoDestWAVEncodingParam=0", "--set",
                  "WAVSampleRate=16000", "--set", "WAVChannelNum=1", "--set", "MonoType=1", "--save", a});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(r.err, "") << "every value set acts";
    Pcm16 got = DecodeWithFfmpeg(dir.file("out/a.wav"), 0);
    EXPECT_EQ(got.sampleRate, 16000);
    EXPECT_EQ(got.channels, 1);
    EXPECT_NEAR(double(got.frames()), 16000.0, 2.0);

    // The next run, without options, uses what was saved: WAV output, 16 kHz, the folder.
    r = Cli({"-q", a});
    EXPECT_EQ(r.out, a + "\ta_1.wav\n");
    EXPECT_EQ(DecodeWithFfmpeg(dir.file("out/a_1.wav"), 0).sampleRate, 16000);
}

// A value set on the command line that will not act as given is named on stderr, with the
// setting that would let it act; the run goes on.
TEST_F(CliOptionsTest, SetWarnsOfValuesThatCannotActAndListSettingsShowsThemAll) {
    const std::string a = Tone("a.wav", 8000, 1, 0.1);
    const struct {
        std::vector<std::string> args;
        const char* warning;
    } cases[] = {
        {{"-f", "mp3", "--set", "MP3BitRate=320"},
         "MP3BitRate=320 has no effect while AutoDestMP3EncodingParam=1 (--set AutoDestMP3EncodingParam=0 lets it "
         "act)"},
        {{"-f", "mp3", "--set", "AutoDestMP3EncodingParam=0", "--set", "MP3ChannelMode=2"},
         "MP3ChannelMode=2 is read back as 1"},
        {{"-f", "mp3", "--set", "AutoDestMP3EncodingParam=0", "--set", "MP3VBRQuality=0"},
         "MP3VBRQuality=0 has no effect while MP3EncodingMode=0 (--set MP3EncodingMode=1 lets it act)"},
        {{"-f", "mp3", "--set", "AutoDestMP3EncodingParam=0", "--set", "MP3EncodingMode=1", "--set",
          "MP3WriteInfoFrame=1"},
         "MP3WriteInfoFrame=1 has no effect while MP3EncodingMode=1 (--set MP3EncodingMode=0 lets it act)"},
        {{"-f", "ogg", "--set", "AutoDestOGGEncodingParam=0", "--set", "OGGEncodingMode=1", "--set", "OGGBitRate=192"},
         "OGGBitRate=192 has no effect while OGGEncodingMode=1 (--set OGGEncodingMode=0 lets it act)"},
        {{"-f", "wav", "--set", "AmplifyWavCoeff=150"},
         "AmplifyWavCoeff=150 has no effect while AmplifyWav=0 (--set AmplifyWav=1 lets it act)"},
        {{"-f", "wav", "--set", "AmplifyWavCoeff=5000", "--set", "AmplifyWav=1"},
         "AmplifyWavCoeff=5000 is read back as 3000"},
        {{"-f", "ogg", "--set", "MP3Tag/Artist=X"},
         "MP3Tag/Artist=X has no effect: the output format is OGG (-f mp3 would use it)"},
        {{"-f", "awb", "--set", "AMRMode=2"},
         "AMRMode=2 has no effect: the output format is AWB (-f amr would use it)"},
        {{"-f", "ogg", "--set", "OGGTag/Year=1999"},
         "OGGTag/Year=1999 has no effect while OGGID3TagType=1 (--set OGGID3TagType=0 lets it act)"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"-q", "-o", dir.file("out")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(a);
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "tonewright-cli: warning: " + std::string(c.warning) + "\n");
    }
    const auto misspelt = Cli({"--set", "Mp3Bitrate=3", a});
    EXPECT_EQ(misspelt.exitCode, 2);
    EXPECT_NE(misspelt.err.find("unknown setting \"Mp3Bitrate\" (did you mean MP3BitRate?)"), std::string::npos)
        << misspelt.err;

    const auto list = Cli({"--list-settings", "--set", "MP3BitRate=192"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_NE(list.out.find("\nMP3BitRate\t192\t128\tkbps, 0 the source's\n"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\nMP3Tag/Title\t\t\tany text\n"), std::string::npos);
    size_t lines = 0, described = 0;
    for (size_t start = 0, end; (end = list.out.find('\n', start)) != std::string::npos; start = end + 1, ++lines)
        described += list.out[end - 1] != '\t';
    EXPECT_EQ(described, lines) << "every setting says what it may hold";
}

TEST_F(CliOptionsTest, FoldersAreSearchedWithTheExtensionFilter) {
    Shell("mkdir -p " + Quote(dir.file("in/sub")));
    Tone("in/b.wav", 8000, 1, 0.2);
    Tone("in/sub/a.wav", 8000, 1, 0.2);
    Shell("cp " + Quote(dir.file("in/b.wav")) + " " + Quote(dir.file("in/skip.wave")));
    WriteBytes(dir.file("in/notes.txt"), {'h', 'i'});
    Shell("ln -s " + Quote(dir.file("in/sub/a.wav")) + " " + Quote(dir.file("in/link.lnk")));
    const auto r = Cli({"--info", "--set", "EnableExtFilter=1", "--set", "FilterExts=WAV", dir.file("in")});
    EXPECT_EQ(r.out, dir.file("in/b.wav") + "\t\t128 kbps\t8000 Hz\tMono\n" + dir.file("in/sub/a.wav") +
                         "\t\t128 kbps\t8000 Hz\tMono\n")
        << "the link leads to a listed file already in the list, the others are filtered out";
}

// The completions and the manual page come from the option table: every option the help
// shows is in each, and bash completes an option's values.
TEST_F(CliOptionsTest, CompletionsAndManualPageNameEveryOption) {
    const std::string help = Cli({"--help"}).out;
    const auto bash = Cli({"--print-completion", "bash"});
    const auto zsh = Cli({"--print-completion", "zsh"});
    const auto man = Cli({"--print-man"});
    ASSERT_EQ(bash.exitCode + zsh.exitCode + man.exitCode, 0);
    size_t options = 0;
    for (size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
        const size_t end = help.find_first_of(" =\n,;)", at);
        const std::string name = help.substr(at, end - at);
        if (name.size() < 3 || help[at - 1] != ' ') continue;
        ++options;
        std::string roff;
        for (const char c : name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(bash.out.find(name), std::string::npos) << name;
        EXPECT_NE(zsh.out.find(name), std::string::npos) << name;
        EXPECT_NE(man.out.find(roff), std::string::npos) << name;
    }
    EXPECT_GE(options, 20u);
    WriteBytes(dir.file("completion.bash"), std::vector<uint8_t>(bash.out.begin(), bash.out.end()));
    const auto completed = testutil::Run({"bash", "-c", "source " + Quote(dir.file("completion.bash")) +
                                                            "; COMP_WORDS=(tonewright-cli --if-exists s); COMP_CWORD=2;"
                                                            " _tonewright_cli; echo ${COMPREPLY[@]}"});
    EXPECT_EQ(completed.out, "skip\n");
    EXPECT_EQ(Cli({"--print-completion", "fish"}).exitCode, 2);
}
