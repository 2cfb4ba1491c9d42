#include "engine/orderedprobes.h"

#include <algorithm>

#include "base/inputtype.h"
#include "base/pathutil.h"
#include "engine/sourcefactory.h"
#include "sources/headerprobe/headerproperties.h"

namespace tonewright {

namespace {

// How far the workers may run ahead of the reader: enough to keep them busy while the
// reader shows a row, little enough that stopping early wastes no noticeable work.
constexpr size_t kMaxAhead = 512;

// Extensions that name a sound format, where a file without an audio stream is damaged or
// misnamed. Containers that may hold video only (MP4, Windows Media) and the rendered and
// other kinds are left alone.
bool PromisesAudio(int inputType) {
    switch (inputType) {
        case kInputMp3: case kInputWav: case kInputFlac: case kInputWavPack: case kInputAdx:
        case kInputMonkeysAudio: case kInputMusepack: case kInputSpeex: case kInputTta: case kInputOgg:
        case kInputAu: case kInputAiff: case kInputAac: case kInputM4a:
            return true;
        default:
            return false;
    }
}

std::unique_ptr<FileEntry> NewEntry(const std::string& path, int inputType, const HeaderProperties& properties) {
    auto entry = std::make_unique<FileEntry>();
    entry->sourcePath = path;
    entry->inputType = inputType;
    entry->duration = properties.durationSeconds;
    entry->sampleRate = properties.sampleRate;
    entry->bitrate = properties.bitrateKbps;
    if (inputType == kInputMp3) entry->channelMode = properties.channelMode;
    else entry->sourceChannels = properties.sourceChannels;
    return entry;
}

}  // namespace

ProbedFile ProbeFile(const std::string& path) {
    ProbedFile probed;
    const int inputType = ClassifyInputType(path);
    HeaderProperties properties;
    if (ReadHeaderProperties(path, inputType, properties)) {
        probed.entry = NewEntry(path, inputType, properties);
        return probed;
    }
    auto source =
        IsFolder(path) ? nullptr : OpenSource(path, inputType, 0, SourceUse::Properties, probed.failureReason);
    if (!source) {
        const std::string extension = AsciiLower(PathExtension(path));
        if (inputType == kInputCdTrack)
            probed.failureReason =
                "IMPORTANT: please DO NOT add CDA file from hard drive, but add CDA file from CD drive.";
        else if (extension == ".swf" || extension == ".flv")
            probed.failureReason = "Flash files carry their sound in a way this converter does not read; "
                                   "please extract the audio with a video tool first.";
        return probed;
    }
    if (source->GetSampleRate() <= 0 && PromisesAudio(inputType)) {
        probed.failureReason =
            "No sound was found in the file: it may be empty, damaged or not what its extension says.";
        return probed;
    }

    properties.durationSeconds = source->GetDuration();
    properties.sampleRate = source->GetSampleRate();
    properties.bitrateKbps = source->GetBitrate();
    properties.sourceChannels = source->GetSourceChannels();
    properties.channelMode = source->GetChannelMode();
    source->Close();
    probed.entry = NewEntry(path, inputType, properties);
    return probed;
}

OrderedProbes::OrderedProbes(std::vector<std::string> paths, int jobs)
    : paths_(std::move(paths)), results_(paths_.size()), ready_(paths_.size(), 0) {
    const size_t workers = std::min(paths_.size(), static_cast<size_t>(std::max(1, jobs)));
    for (size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

OrderedProbes::~OrderedProbes() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    roomAhead_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void OrderedProbes::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        roomAhead_.wait(lock, [this] {
            return stopping_ || claimed_ == paths_.size() || claimed_ < delivered_ + kMaxAhead;
        });
        if (stopping_ || claimed_ == paths_.size()) return;
        const size_t index = claimed_++;
        lock.unlock();
        ProbedFile probed = ProbeFile(paths_[index]);
        lock.lock();
        results_[index] = std::move(probed);
        ready_[index] = 1;
        if (index == delivered_) resultReady_.notify_one();
    }
}

bool OrderedProbes::Next(ProbedFile& result, std::chrono::milliseconds wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (AtEnd() || !resultReady_.wait_for(lock, wait, [this] { return ready_[delivered_] != 0; })) return false;
    result = std::move(results_[delivered_]);
    ++delivered_;
    roomAhead_.notify_one();
    return true;
}

}  // namespace tonewright
