// A settings store that is damaged, hand-edited into nonsense or not a file at all must
// never stop the programs: they start with usable values and convert, and a later save
// leaves a working store.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "cli/clitest.h"
#include "settings/settingsfields.h"

using namespace testutil;

namespace {

class CorruptSettingsStore : public ::testing::Test, protected CliFixture {
protected:
    std::string StorePath() const { return dir.file("config/Quellbrook/Tonecraft.conf"); }

    void WriteStore(const std::string& content) {
        std::filesystem::create_directories(dir.file("config/Quellbrook"));
        WriteBytes(StorePath(), std::vector<uint8_t>(content.begin(), content.end()));
    }

    std::string Tone() {
        const std::string path = dir.file("tone.wav");
        if (!Exists(path)) MakeToneWithSox(path, 44100, 2, 0.3, "-b 16");
        return path;
    }

    // Converts the tone; every report line must be a complete decodable target or a
    // failure text, and no temporary file may be left.
    void ExpectConvertsOrFailsCleanly(const std::string& format, const std::string& context) {
        const std::string out = dir.file("out-" + format);
        const auto r = Cli({"-q", "-f", format, "-o", out, "--if-exists", "overwrite", Tone()});
        ASSERT_TRUE(r.exitCode == 0 || r.exitCode == 1) << context << " exit " << r.exitCode << "\n" << r.err;
        const std::string status = r.out.substr(r.out.find('\t') + 1);
        if (r.exitCode == 0) {
            const std::string target = out + "/" + status.substr(0, status.size() - 1);
            EXPECT_GT(DecodeWithFfmpeg(target, 2).frames(), 0u) << context << " " << target;
        } else {
            EXPECT_NE(status.find("Failure"), std::string::npos) << context << " " << status;
        }
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(out, ec))
            EXPECT_EQ(e.path().filename().string().find(".part-"), std::string::npos) << context;
    }
};

}  // namespace

TEST_F(CorruptSettingsStore, DamagedStoreGivesDefaultsAndASaveRepairsIt) {
    std::string huge(1 << 20, 'x');
    const std::string damaged[] = {
        std::string("\x00\xff\xfe[Options\x01\n=\n\x80\x81", 12),
        "[Options]\nMP3BitRate=12",  // cut short in the middle of a line
        "[Options\nMP3BitRate=\"unterminated\n[[[\n",
        "[Options]\nDestOutputFolderOpt=" + huge + "\n",
        "",
    };
    for (const std::string& content : damaged) {
        WriteStore(content);
        ExpectConvertsOrFailsCleanly("mp3", "damaged store");
        const auto saved = Cli({"--set", "MP3BitRate=192", "--save", "--info", Tone()});
        EXPECT_EQ(saved.exitCode, 0) << saved.err;
        const auto bytes = ReadBytes(StorePath());
        EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("MP3BitRate=192"), std::string::npos);
    }
}

TEST_F(CorruptSettingsStore, FolderInPlaceOfTheStoreStillConverts) {
    std::filesystem::create_directories(StorePath());
    ExpectConvertsOrFailsCleanly("wav", "folder as store");
    EXPECT_TRUE(std::filesystem::is_directory(StorePath()));
}

// Every number of the store set to an absurd value at once, for every output format: each
// conversion either gives a decodable file or a failure row, never a crash or a hang.
TEST_F(CorruptSettingsStore, AbsurdNumbersEverywhereNeverCrashAConversion) {
    const std::string values[] = {"0", "-1", std::to_string(INT_MAX), std::to_string(INT_MIN), "99999999999999",
                                  "abc"};
    for (const std::string& value : values) {
        std::string content = "[Options]\n";
        for (const auto& field : tonewright::OptionFields())
            if (field.number) content += std::string(field.name) + "=" + value + "\n";
        WriteStore(content);
        for (const char* format : {"wav", "mp3", "ogg", "m4a", "aac", "amr", "awb", "wma", "flac", "opus"})
            ExpectConvertsOrFailsCleanly(format, std::string(format) + " with every number " + value);
    }
}
