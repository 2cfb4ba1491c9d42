// Every output format against a disk that fails: at creation, within the headers, in the
// middle of the stream and at close, each through the real batch. The failing row must say
// so, leave no file under the target's name and no temporary file, keep the file it was to
// overwrite, and the next row must convert. Short writes alone must still give the same
// sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/inputtype.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/amr/amroutput.h"
#include "encoders/flac/flacoutput.h"
#include "encoders/mp3/mp3output.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/opus/opusoutput.h"
#include "encoders/outputfault.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "encoders/winmedia/wmaformats.h"
#include "encoders/winmedia/wmaoutput.h"
#include "engine/batch.h"
#include "engine/fileentry.h"
#include "engine/filelist.h"
#include "engine/optionalparts.h"
#include "engine/outputformat.h"
#include "engine/pipeline.h"
#include "engine/progress.h"
#include "settings/settings.h"
#include "support/recordinghost.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

constexpr double kToneSeconds = 1.0;

struct FormatCase {
    const char* label;
    int code;
    const char* extension;
    // Past the headers and well before the end of the tone's file: the WAV header is 44
    // bytes, Vorbis's three header pages about 4300, the ASF header about 830, MP4's boxes
    // before the first sample 44, the AMR magic 6 or 9, FLAC's blocks about 130, Opus's two
    // header pages about 650; MP3 and ADTS AAC start with audio.
    int64_t midStream;
};

const FormatCase kFormats[] = {
    {"Wav", kOutputWav, ".wav", 100000}, {"Mp3", kOutputMp3, ".mp3", 8000}, {"Ogg", kOutputOgg, ".ogg", 6000},
    {"Wma", kOutputWma, ".wma", 9000},   {"Aac", kOutputAac, ".aac", 10000}, {"Mp4", kOutputMp4, ".mp4", 10000},
    {"M4a", kOutputM4a, ".m4a", 10000},  {"M4b", kOutputM4b, ".m4b", 10000}, {"Amr", kOutputAmr, ".amr", 600},
    {"Awb", kOutputAwb, ".awb", 1200},   {"Flac", kOutputFlac, ".flac", 8000}, {"Opus", kOutputOpus, ".opus", 4000},
};

void PrintTo(const FormatCase& format, std::ostream* out) { *out << format.label; }

struct PointCase {
    const char* label;
    std::string (*plan)(const FormatCase& format);  // in TONEWRIGHT_FAULT's notation
    const char* reason;                              // empty: the row converts
};

std::string After(int64_t bytes) { return "after=" + std::to_string(bytes); }

// A full disk within the headers shows when the file is flushed at its end; in the middle
// of the stream, with a small buffer, it shows while the encoder still writes.
const PointCase kPoints[] = {
    {"AtOpen", [](const FormatCase&) { return std::string("open"); }, "Permission denied"},
    {"InHeaders", [](const FormatCase&) { return After(20); }, "No space left on device"},
    {"MidStream", [](const FormatCase& f) { return After(f.midStream) + ",buffer=512"; }, "No space left on device"},
    {"ShortWritesThenFull", [](const FormatCase& f) { return After(f.midStream) + ",short=7"; },
     "No space left on device"},
    {"AtClose", [](const FormatCase&) { return std::string("close"); }, "Input/output error"},
    {"AtFsync", [](const FormatCase&) { return std::string("fsync"); }, "Input/output error"},
    {"ShortWritesOnly", [](const FormatCase&) { return std::string("short=7"); }, ""},
};

void PrintTo(const PointCase& point, std::ostream* out) { *out << point.label; }

class FaultsMatrixTest : public ::testing::TestWithParam<std::tuple<FormatCase, PointCase>> {
protected:
    static inline std::unique_ptr<testutil::TempDir> toneDir;
    testutil::TempDir dir;
    Settings settings = DefaultSettings("");
    OptionalParts parts;
    BatchContext context;
    testutil::RecordingHost host;
    FileList list;

    static void SetUpTestSuite() {
        toneDir = std::make_unique<testutil::TempDir>();
        testutil::MakeToneWithSox(toneDir->file("tone.wav"), 44100, 2, kToneSeconds, "-b 16");
    }
    static void TearDownTestSuite() { toneDir.reset(); }

    void SetUp() override {
        settings.DestOutputFolderOpt = 399;
        settings.DestSpecifiedFolder = dir.file("out");
        settings.OutputFiles2MyDocuments = 0;
        settings.TargetExistsOpt = 22;  // overwrite
        // No tags, so that the two rows' files differ in nothing but their sound's bytes.
        settings.MP3ID3TagType = settings.WMAID3TagType = settings.OGGID3TagType = settings.M4AID3TagType = 2;
        settings.FLACID3TagType = settings.OpusID3TagType = 2;
        context.settings = &settings;
        context.parts = &parts;
        std::filesystem::create_directory(dir.file("out"));
    }
    void TearDown() override { PlanOutputFault(OutputFault{}); }

    void Add(const std::string& name) {
        std::filesystem::copy_file(toneDir->file("tone.wav"), dir.file(name));
        std::string reason;
        ASSERT_EQ(list.AddFile(dir.file(name), reason), FileList::AddResult::Added) << reason;
    }

    std::set<std::string> OutputNames() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.file("out")))
            names.insert(e.path().filename().string());
        return names;
    }
};

std::string CaseName(const ::testing::TestParamInfo<std::tuple<FormatCase, PointCase>>& info) {
    return std::string(std::get<0>(info.param).label) + std::get<1>(info.param).label;
}

// Seconds of sound in a file as the reference decoder reads it.
double Seconds(const testutil::Pcm16& pcm) { return pcm.sampleRate ? double(pcm.frames()) / pcm.sampleRate : 0; }

}  // namespace

TEST_P(FaultsMatrixTest, FailingWriteFailsOnlyItsRow) {
    const auto& [format, point] = GetParam();
    context.outputFormat = format.code;
    const std::string first = std::string("first") + format.extension;
    const std::string second = std::string("second") + format.extension;
    const std::vector<uint8_t> earlier(5000, 'e');
    testutil::WriteBytes(dir.file("out/" + first), earlier);
    Add("first.wav");
    Add("second.wav");

    OutputFault fault;
    ASSERT_TRUE(ParseOutputFault(point.plan(format), fault));
    PlanOutputFault(fault);
    ConvertBatch({&list[0], &list[1]}, {0, 1}, context, host);
    EXPECT_FALSE(TakeOutputFault().Any()) << "the first row's file was not written through OutputFile";

    const bool fails = point.reason[0] != '\0';
    EXPECT_EQ(host.status[0], fails ? "Conversion Failure (" + std::string(point.reason) + ")" : first);
    EXPECT_EQ(host.status[1], second);
    EXPECT_EQ(OutputNames(), (std::set<std::string>{first, second})) << "no temporary file is left";
    if (fails) {
        EXPECT_EQ(testutil::ReadBytes(dir.file("out/" + first)), earlier);
    }

    EXPECT_LT(format.midStream, static_cast<int64_t>(testutil::FileSize(dir.file("out/" + second))) * 3 / 4)
        << "the mid-stream point lies before the end of the file";
    if (!fails) {
        // Ogg streams (Vorbis, Opus) carry a serial number of their own.
        if (format.code != kOutputOgg && format.code != kOutputOpus) {
            EXPECT_EQ(testutil::ReadBytes(dir.file("out/" + first)), testutil::ReadBytes(dir.file("out/" + second)));
        }
        const testutil::Pcm16 clean = testutil::DecodeWithFfmpeg(dir.file("out/" + second));
        EXPECT_NEAR(Seconds(clean), kToneSeconds, 0.2);
        const testutil::Pcm16 shortWritten = testutil::DecodeWithFfmpeg(dir.file("out/" + first));
        EXPECT_EQ(shortWritten.sampleRate, clean.sampleRate);
        EXPECT_EQ(testutil::MaxAbsDiff(shortWritten.samples, clean.samples), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultsMatrixTest,
                         ::testing::Combine(::testing::ValuesIn(kFormats), ::testing::ValuesIn(kPoints)), CaseName);

class FaultsPipelineTest : public ::testing::TestWithParam<FormatCase> {
protected:
    testutil::TempDir dir;
    testutil::RecordingHost host;
    FileProgress progress{host, 0, testutil::RecordingHost::kBarSteps};
    void TearDown() override { PlanOutputFault(OutputFault{}); }
};

// A pipeline that returns 0 leaves no partial target, whether the disk fills while the
// headers are written or in the middle of the stream.
TEST_P(FaultsPipelineTest, FailedConversionRemovesItsPartialTarget) {
    const FormatCase& format = GetParam();
    testutil::MakeToneWithSox(dir.file("tone.wav"), 44100, 2, kToneSeconds, "-b 16");
    const Settings settings = DefaultSettings("");
    WmaFormatList wmaFormats;
    ASSERT_EQ(FillWmaFormatList(wmaFormats), 1);
    for (const std::string& plan : {After(20) + ",buffer=16", After(format.midStream) + ",buffer=512"}) {
        OutputFault fault;
        ASSERT_TRUE(ParseOutputFault(plan, fault));
        PlanOutputFault(fault);
        std::string reason;
        ConversionJob job;
        job.inputType = kInputWav;
        job.sourcePath = dir.file("tone.wav");
        job.targetPath = dir.file(std::string("target") + format.extension);
        job.settings = &settings;
        job.progress = &progress;
        job.failureReason = &reason;
        job.wmaFormats = &wmaFormats;
        EXPECT_EQ(RunPipeline(job, *FindOutputFormat(format.code)), 0) << plan;
        EXPECT_EQ(reason, "No space left on device") << plan;
        EXPECT_FALSE(testutil::Exists(job.targetPath)) << plan;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultsPipelineTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.label); });
