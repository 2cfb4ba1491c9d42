#pragma once

#include <condition_variable>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/fileentry.h"

namespace tonewright {

// What reading one file's list properties gave: its row, or the reason it has none.
struct ProbedFile {
    std::unique_ptr<FileEntry> entry;  // null when the file could not be read
    std::string failureReason;         // may be empty on failure
};

// Reads a file's list properties (its duration, bit rate, rate and channels) through the
// source factory. `path` is absolute and clean. Safe to call on several threads at once.
ProbedFile ProbeFile(const std::string& path);

// Reads the properties of many files on worker threads and hands the results out in the
// order of the paths, each as soon as it and all before it are read. Workers run ahead of
// the reader by a bounded number of files, so memory stays flat with the list's length.
class OrderedProbes {
public:
    OrderedProbes(std::vector<std::string> paths, int jobs);
    ~OrderedProbes();
    OrderedProbes(const OrderedProbes&) = delete;
    OrderedProbes& operator=(const OrderedProbes&) = delete;

    // Waits at most `wait` for the next path's result; false when it is not read yet.
    bool Next(ProbedFile& result, std::chrono::milliseconds wait);
    bool AtEnd() const { return delivered_ == paths_.size(); }

private:
    void Work();

    const std::vector<std::string> paths_;
    std::vector<ProbedFile> results_;
    std::vector<char> ready_;
    size_t delivered_ = 0;  // results handed out; only the reader's thread changes it
    size_t claimed_ = 0;    // paths taken by a worker
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable resultReady_;
    std::condition_variable roomAhead_;
    std::vector<std::thread> workers_;
};

}  // namespace tonewright
