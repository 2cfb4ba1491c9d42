#include "reliability/hostiledrive.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

#include "base/inputtype.h"
#include "engine/blockloop.h"
#include "engine/progress.h"
#include "engine/sourcefactory.h"
#include "sources/aiff/aiffsource.h"
#include "sources/au/ausource.h"
#include "sources/vorbis/vorbissource.h"
#include "sources/wav/wavsource.h"
#include "support/recordinghost.h"
#include "support/testutil.h"

using tonewright::AudioSource;
using tonewright::kBlockSamples;

namespace hostile {

namespace {

// Rendered songs may last up to a day; the corpus reads this much of one (47 s at 44.1 kHz).
constexpr uint64_t kRenderedFrameCap = uint64_t{1} << 21;
// A stream decodes from the bytes of its file: no codec here gets near 1024 frames a byte
// (the densest, low-rate MP3 and AMR, stay below 64), so more means a source that runs on
// without reading.
constexpr uint64_t kStreamFramesPerByte = 1024;
constexpr uint64_t kMinStreamFrameCap = uint64_t{1} << 20;
constexpr int kMaxRenderedSeconds = 24 * 3600;

// The file in hand, named on standard error when the program dies reading it. A fixed
// buffer, so the crash handler need not allocate.
char g_fileInHand[1024];

void NameFileInHand() {
    const char prefix[] = "\nCRASH while reading: ";
    ssize_t ignored = write(STDERR_FILENO, prefix, sizeof prefix - 1);
    ignored = write(STDERR_FILENO, g_fileInHand, std::strlen(g_fileInHand));
    ignored = write(STDERR_FILENO, "\n", 1);
    (void)ignored;
}

// The sanitizers report the crash and then call back; without them a fatal signal names the
// file and then takes its default course.
void InstallCrashNote() {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(NameFileInHand);
#else
    struct sigaction action {};
    action.sa_handler = [](int) { NameFileInHand(); };
    action.sa_flags = SA_RESETHAND;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) sigaction(signal, &action, nullptr);
#endif
}

uint64_t StreamFrameCap(const std::string& path) {
    return std::max(kMinStreamFrameCap, kStreamFramesPerByte * testutil::FileSize(path));
}

// What the file list and the tag code read of every opened source; tag blocks are copied
// whole, so a block shorter than its stated length shows under the address sanitizer.
void ReadEveryProperty(AudioSource& source, const std::string& label) {
    EXPECT_GE(source.GetDuration(), 0) << label;
    EXPECT_GE(source.GetBitrate(), 0) << label;
    EXPECT_GE(source.GetSampleRate(), 0) << label;
    int width = 0, height = 0;
    source.GetVideoSize(width, height);
    (void)source.GetFrameRate();
    std::vector<uint8_t> copy;
    if (const uint8_t* v1 = source.GetId3v1Tag()) copy.assign(v1, v1 + 128);
    int v2Length = 0;
    if (const uint8_t* v2 = source.GetId3v2Tag(v2Length)) {
        EXPECT_GE(v2Length, 10) << label;
        copy.assign(v2, v2 + std::max(v2Length, 0));
    }
    tonewright::TagInfo tags;
    source.GetTags(tags);
}

// The properties a pipeline relies on: a delivery it can take and a rate it can divide by.
bool DecodingPropertiesHold(AudioSource& source, bool rendered, const std::string& label) {
    ReadEveryProperty(source, label);
    const int channels = source.GetChannels(), bits = source.GetBitsPerSample();
    const bool hold = (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && source.GetSampleRate() > 0 &&
                      source.GetSourceChannels() >= channels &&
                      (!rendered || (source.GetLength() > 0 && source.GetDuration() <= kMaxRenderedSeconds));
    EXPECT_TRUE(hold) << label << ": channels " << channels << " of " << source.GetSourceChannels() << ", bits "
                      << bits << ", rate " << source.GetSampleRate() << ", length " << source.GetLength()
                      << ", duration " << source.GetDuration();
    return hold;
}

}  // namespace

DriveResult DriveThroughOpenSource(const std::string& path, const std::string& label) {
    const int inputType = tonewright::ClassifyInputType(path);
    const bool rendered = tonewright::EndsAtDeclaredLength(inputType);
    std::string reason;
    if (auto properties = tonewright::OpenSource(path, inputType, 0, tonewright::SourceUse::Properties, reason)) ReadEveryProperty(*properties, label);

    DriveResult result;
    std::unique_ptr<AudioSource> source = tonewright::OpenSource(path, inputType, kRenderRate, tonewright::SourceUse::Conversion, result.failureReason);
    if (!source) return result;
    result.opened = true;
    if (!DecodingPropertiesHold(*source, rendered, label)) return result;

    const uint64_t cap = rendered ? kRenderedFrameCap : StreamFrameCap(path);
    testutil::RecordingHost host;
    tonewright::FileProgress progress(host, 0, testutil::RecordingHost::kBarSteps);
    const auto outcome = tonewright::RunBlockLoop(
        *source, inputType, progress, label, [&](uint8_t*, uint8_t*, int count) {
            EXPECT_TRUE(count >= 1 && count <= kBlockSamples) << label << ": block of " << count;
            result.frames += static_cast<uint64_t>(std::max(count, 0));
            return result.frames < cap ? 1 : 0;
        });
    if (outcome == tonewright::LoopOutcome::WriteFailed) {
        result.capped = true;
        EXPECT_TRUE(rendered) << label << ": a stream of " << testutil::FileSize(path) << " bytes delivered more than "
                              << cap << " frames";
    }
    return result;
}

void DriveOwnReader(OwnReader reader, const std::string& path, const std::string& label) {
    std::unique_ptr<AudioSource> source;
    switch (reader) {
        case OwnReader::Wav: source = std::make_unique<tonewright::WavSource>(); break;
        case OwnReader::Aiff: source = std::make_unique<tonewright::AiffSource>(); break;
        case OwnReader::Au: source = std::make_unique<tonewright::AuSource>(); break;
        case OwnReader::Vorbis: source = std::make_unique<tonewright::VorbisSource>(); break;
        case OwnReader::None: return;
    }
    if (!source->Open(path, 0)) return;
    if (!DecodingPropertiesHold(*source, false, label)) return;
    // Buffers of exactly one block, and none on the right for a mono delivery.
    const size_t blockBytes = static_cast<size_t>(kBlockSamples) * (source->GetBitsPerSample() / 8);
    std::vector<uint8_t> left(blockBytes), right(source->GetChannels() == 2 ? blockBytes : 0);
    const uint64_t cap = StreamFrameCap(path);
    uint64_t frames = 0;
    for (;;) {
        const int count = source->ReadBlock(left.data(), right.empty() ? nullptr : right.data());
        if (count <= 0) break;
        ASSERT_LE(count, kBlockSamples) << label << " (own reader)";
        frames += static_cast<uint64_t>(count);
        ASSERT_LT(frames, cap) << label << " (own reader): runs on without reading";
    }
}

Watchdog::Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { Run(); }) { InstallCrashNote(); }

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::Watch(const std::string& label) {
    std::snprintf(g_fileInHand, sizeof g_fileInHand, "%s", label.c_str());
    {
        std::lock_guard<std::mutex> lock(mutex_);
        label_ = label;
        deadline_ = std::chrono::steady_clock::now() + limit_;
        watching_ = true;
    }
    wake_.notify_all();
}

void Watchdog::Done() {
    g_fileInHand[0] = '\0';
    std::lock_guard<std::mutex> lock(mutex_);
    watching_ = false;
}

void Watchdog::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (!watching_) {
            wake_.wait(lock);
            continue;
        }
        const auto deadline = deadline_;
        if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && watching_ && deadline_ == deadline) {
            std::fprintf(stderr, "HANG: %s took more than %lld s\n", label_.c_str(),
                         static_cast<long long>(limit_.count()));
            std::abort();
        }
    }
}

}  // namespace hostile
