#include "engine/filelist.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <unordered_set>

#include "base/pathutil.h"
#include "engine/orderedprobes.h"

namespace tonewright {

FileList::AddResult FileList::AddFile(const std::string& givenPath, std::string& failureReason) {
    const std::string path = AbsoluteCleanPath(givenPath);
    if (listedPaths_.count(path)) return AddResult::AlreadyListed;

    ProbedFile probed = ProbeFile(path);
    failureReason = std::move(probed.failureReason);
    return Append(std::move(probed.entry));
}

FileList::AddResult FileList::Append(std::unique_ptr<FileEntry> entry) {
    if (!entry) return AddResult::Failed;
    listedPaths_.insert(entry->sourcePath);
    entries_.push_back(std::move(entry));
    return AddResult::Added;
}

void FileList::AddFiles(const std::vector<std::string>& givenPaths, int jobs, const AddObserver& observer) {
    // A file already listed is settled before any reading starts; a file given again takes
    // the outcome of its first mention (listed once, or the same failure).
    constexpr size_t kRead = SIZE_MAX, kListed = SIZE_MAX - 1;
    std::vector<size_t> firstMention(givenPaths.size(), kRead);
    std::vector<std::string> toRead;
    std::map<std::string, size_t> mentioned;
    constexpr size_t kPathsBetweenWaits = 256;
    for (size_t i = 0; i < givenPaths.size(); ++i) {
        if (i % kPathsBetweenWaits == kPathsBetweenWaits - 1 && observer.waiting) observer.waiting();
        std::string path = AbsoluteCleanPath(givenPaths[i]);
        if (listedPaths_.count(path)) firstMention[i] = kListed;
        else if (const auto [at, isNew] = mentioned.emplace(path, i); !isNew) firstMention[i] = at->second;
        else toRead.push_back(std::move(path));
    }
    OrderedProbes probes(std::move(toRead), jobs);
    std::vector<AddResult> results(givenPaths.size(), AddResult::AlreadyListed);
    std::vector<std::string> reasons(givenPaths.size());
    for (size_t i = 0; i < givenPaths.size(); ++i) {
        if (firstMention[i] == kRead) {
            ProbedFile probed;
            while (!probes.Next(probed, std::chrono::milliseconds(20)))
                if (observer.waiting) observer.waiting();
            results[i] = Append(std::move(probed.entry));
            reasons[i] = std::move(probed.failureReason);
        } else if (firstMention[i] != kListed && results[firstMention[i]] == AddResult::Failed) {
            results[i] = AddResult::Failed;
            reasons[i] = reasons[firstMention[i]];
        }
        if (!observer.added(i, results[i], reasons[i])) return;
    }
}

void FileList::Remove(const std::vector<const FileEntry*>& entries) {
    const std::unordered_set<const FileEntry*> removed(entries.begin(), entries.end());
    for (const FileEntry* entry : entries) listedPaths_.erase(entry->sourcePath);
    const auto isRemoved = [&](const std::unique_ptr<FileEntry>& entry) { return removed.count(entry.get()) != 0; };
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), isRemoved), entries_.end());
}

void FileList::Clear() {
    entries_.clear();
    listedPaths_.clear();
}

}  // namespace tonewright
