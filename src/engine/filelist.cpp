#include "engine/filelist.h"

#include "base/inputtype.h"
#include "base/pathutil.h"
#include "engine/sourcefactory.h"

namespace tonewright {

namespace {

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

}  // namespace

FileList::AddResult FileList::AddFile(const std::string& givenPath, std::string& failureReason) {
    const std::string path = AbsoluteCleanPath(givenPath);
    if (listedPaths_.count(path)) return AddResult::AlreadyListed;

    const int inputType = ClassifyInputType(path);
    auto source = IsFolder(path) ? nullptr : OpenSource(path, inputType, 0, SourceUse::Properties, failureReason);
    if (!source) {
        const std::string extension = AsciiLower(PathExtension(path));
        if (inputType == kInputCdTrack)
            failureReason = "IMPORTANT: please DO NOT add CDA file from hard drive, but add CDA file from CD drive.";
        else if (extension == ".swf" || extension == ".flv")
            failureReason = "Flash files carry their sound in a way this converter does not read; "
                            "please extract the audio with a video tool first.";
        return AddResult::Failed;
    }
    if (source->GetSampleRate() <= 0 && PromisesAudio(inputType)) {
        failureReason = "No sound was found in the file: it may be empty, damaged or not what its extension says.";
        return AddResult::Failed;
    }

    auto entry = std::make_unique<FileEntry>();
    entry->sourcePath = path;
    entry->inputType = inputType;
    entry->duration = source->GetDuration();
    entry->sampleRate = source->GetSampleRate();
    entry->bitrate = source->GetBitrate();
    if (inputType == kInputMp3) entry->channelMode = source->GetChannelMode();
    else entry->sourceChannels = source->GetSourceChannels();
    source->Close();

    entries_.push_back(std::move(entry));
    listedPaths_.insert(path);
    return AddResult::Added;
}

void FileList::Remove(size_t row) {
    if (row >= entries_.size()) return;
    listedPaths_.erase(entries_[row]->sourcePath);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
}

void FileList::Clear() {
    entries_.clear();
    listedPaths_.clear();
}

}  // namespace tonewright
