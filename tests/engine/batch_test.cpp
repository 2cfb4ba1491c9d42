#include <gtest/gtest.h>

#include <filesystem>

#include "base/inputtype.h"
#include "encoders/wav/wavoutput.h"
#include "engine/batch.h"
#include "engine/fileentry.h"
#include "engine/filelist.h"
#include "engine/optionalparts.h"
#include "engine/outputformat.h"
#include "settings/settings.h"
#include "support/recordinghost.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

class BatchTest : public ::testing::Test {
protected:
    testutil::TempDir dir;
    Settings settings = DefaultSettings("");
    OptionalParts parts;
    BatchContext context;
    testutil::RecordingHost host;
    FileList list;

    void SetUp() override {
        settings.DestOutputFolderOpt = 399;
        settings.DestSpecifiedFolder = dir.file("out");
        settings.OutputFiles2MyDocuments = 0;
        context.settings = &settings;
        context.outputFormat = kOutputWav;
        context.parts = &parts;
        setenv("TONEWRIGHT_SYSTEM_SOUNDFONT", "/nonexistent/none.sf2", 1);
    }

    std::string Tone(const std::string& name, double seconds = 0.5) {
        testutil::MakeToneWithSox(dir.file(name), 44100, 2, seconds, "-b 16");
        return dir.file(name);
    }

    FileEntry& Add(const std::string& path) {
        std::string reason;
        EXPECT_EQ(list.AddFile(path, reason), FileList::AddResult::Added) << path;
        return list[list.size() - 1];
    }

    void Run() {
        std::vector<FileEntry*> entries;
        std::vector<int> rows;
        for (size_t i = 0; i < list.size(); ++i) {
            entries.push_back(&list[i]);
            rows.push_back(static_cast<int>(i));
        }
        ConvertBatch(entries, rows, context, host);
    }

    // Files under out/ whose names mark them as unfinished conversions.
    int LeftoverTemporaries() {
        int count = 0;
        std::error_code ec;
        for (auto& e : std::filesystem::recursive_directory_iterator(dir.path(), ec))
            if (e.path().filename().string().find(".part-") != std::string::npos) ++count;
        return count;
    }
};

}  // namespace

TEST_F(BatchTest, ConvertsRowsAndReportsTheirProgressAndTargets) {
    Add(Tone("gone.wav"));
    Add(Tone("b.wav"));
    Add(Tone("c.wav"));
    std::filesystem::remove(dir.file("gone.wav"));  // removed after it was listed
    Run();
    EXPECT_EQ(host.status[0], "Conversion Failure (no decoder could read this file: it may be damaged, "
                              "or in a format this program does not read)");
    EXPECT_EQ(host.status[1], "b.wav");
    EXPECT_EQ(host.status[2], "c.wav");
    EXPECT_TRUE(list[0].targetPath.empty());
    EXPECT_EQ(list[1].targetPath, dir.file("out/b.wav"));
    EXPECT_EQ(host.end.convertedTargets, (std::vector<std::string>{dir.file("out/b.wav"), dir.file("out/c.wav")}));
    EXPECT_FALSE(host.end.cancelled);
    EXPECT_EQ(host.batchesStarted, 1);
    EXPECT_FALSE(host.batchRunning);
    EXPECT_EQ(LeftoverTemporaries(), 0);

    // Percentage and bar only grow, each report moves one of them, and the file ends full.
    const std::vector<RowProgress>& reports = host.progress[1];
    ASSERT_GE(reports.size(), 2u);
    for (size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GE(reports[i].percent, reports[i - 1].percent);
        EXPECT_GE(reports[i].bar, reports[i - 1].bar);
        EXPECT_TRUE(reports[i].percent > reports[i - 1].percent || reports[i].bar > reports[i - 1].bar) << i;
        EXPECT_EQ(reports[i].text, "Converting b.wav..." + std::to_string(reports[i].percent) + "%");
    }
    EXPECT_EQ(reports.back().percent, 100);
    EXPECT_EQ(reports.back().bar, testutil::RecordingHost::kBarSteps);
}

TEST_F(BatchTest, OnlyFailuresThatCarryAReasonSaySo) {
    Add(Tone("a.wav"));
    Add(Tone("b.wav"));
    Add(Tone("c.wav"));
    settings.TargetExistsOpt = 33;
    testutil::Shell("mkdir -p " + dir.file("out") + " && touch " + dir.file("out/a.wav"));
    std::filesystem::remove(dir.file("b.wav"));
    std::filesystem::remove(dir.file("c.wav"));
    Run();
    EXPECT_EQ(host.status[0], "Target exists and skipped");
    EXPECT_EQ(host.status[2].rfind("Conversion Failure (", 0), 0u);
    EXPECT_EQ(host.rowsWithReasons, (std::vector<int>{1, 2}));
    EXPECT_TRUE(host.end.convertedTargets.empty());
}

TEST_F(BatchTest, MidiRowsFailWithoutSoundFontWhenTheUserDeclines) {
    FileEntry& midi = Add(Tone("song.wav"));
    midi.inputType = kInputMidi;
    Add(Tone("plain.wav"));
    host.answer = false;
    Run();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_NE(host.questions[0].find("ct4mgm.sf2"), std::string::npos);
    EXPECT_EQ(host.status[0], kSoundFontMissingStatus);
    EXPECT_EQ(host.status[1], "plain.wav");
    EXPECT_TRUE(host.openedUrls.empty());
}

TEST_F(BatchTest, ChoosingToFetchTheSoundFontEndsTheBatchUntouched) {
    FileEntry& midi = Add(Tone("song.wav"));
    midi.inputType = kInputMidi;
    host.answer = true;
    Run();
    EXPECT_TRUE(host.status.empty());
    EXPECT_EQ(host.batchesStarted, 0);
    EXPECT_EQ(host.openedFolders.size(), 1u);
    ASSERT_EQ(host.openedUrls.size(), 1u);
    EXPECT_NE(host.openedUrls[0].find("soundfont"), std::string::npos);
}

TEST_F(BatchTest, BatchWithoutMidiNeverAsksForTheSoundFont) {
    Add(Tone("a.wav"));
    Run();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.status[0], "a.wav");
}

TEST_F(BatchTest, CancelLeavesNoPartialFileAndLaterRowsUntouched) {
    Add(Tone("long.wav", 8.0));
    Add(Tone("next.wav"));
    host.cancelAtCheck = 5;
    Run();
    EXPECT_EQ(host.status[0], "Cancelled");
    EXPECT_EQ(host.status.count(1), 0u);
    EXPECT_FALSE(testutil::Exists(dir.file("out/long.wav")));
    EXPECT_EQ(LeftoverTemporaries(), 0);
    EXPECT_TRUE(host.end.cancelled);
    EXPECT_FALSE(host.batchRunning);
}

TEST_F(BatchTest, OverwriteWithAFailingConversionKeepsTheOldFile) {
    Add(Tone("a.wav"));
    testutil::Shell("mkdir -p " + dir.file("out"));
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    testutil::WriteBytes(dir.file("out/a.wav"), old);
    testutil::WriteBytes(dir.file("a.wav"), {'R', 'I', 'F', 'F', 0, 0});  // damaged after it was listed
    settings.TargetExistsOpt = 22;
    Run();
    EXPECT_EQ(host.status[0].rfind("Conversion Failure", 0), 0u);
    EXPECT_EQ(testutil::ReadBytes(dir.file("out/a.wav")), old);
    EXPECT_EQ(LeftoverTemporaries(), 0);
}

// A row that fails leaves no file under its name, so the next row of that name takes it,
// whatever the existing-target rule; rows converted at once get the same names.
TEST_F(BatchTest, AFailedRowGivesItsNameBack) {
    testutil::Shell("mkdir -p " + dir.file("sub"));
    for (const auto& [rule, jobs] : {std::pair{33, 1}, {11, 1}, {33, 2}, {11, 2}}) {
        SCOPED_TRACE(std::to_string(rule) + " with " + std::to_string(jobs) + " job(s)");
        context.jobs = jobs;
        host = testutil::RecordingHost();
        list.Clear();
        Add(Tone("a.wav"));
        Add(Tone("sub/a.wav"));
        testutil::WriteBytes(dir.file("a.wav"), {'R', 'I', 'F', 'F', 0, 0});  // damaged after it was listed
        settings.TargetExistsOpt = rule;
        Run();
        EXPECT_EQ(host.status[0].rfind("Conversion Failure", 0), 0u) << host.status[0];
        EXPECT_EQ(host.status[1], "a.wav");
        EXPECT_EQ(list[1].targetPath, dir.file("out/a.wav"));
        std::filesystem::remove(dir.file("out/a.wav"));
    }
}

TEST_F(BatchTest, OverwriteReplacesTheOldFileWhenTheConversionSucceeds) {
    Add(Tone("a.wav"));
    testutil::Shell("mkdir -p " + dir.file("out") + " && echo old > " + dir.file("out/a.wav"));
    settings.TargetExistsOpt = 22;
    Run();
    EXPECT_EQ(host.status[0], "a.wav");
    EXPECT_GT(testutil::FileSize(dir.file("out/a.wav")), 44u * 1000);
}
