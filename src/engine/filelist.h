#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/fileentry.h"

namespace tonewright {

// The files to convert, each listed once. Paths are made absolute and clean when added, so
// the same file given twice (even as "./a.wav" and "a.wav") is listed once.
class FileList {
public:
    enum class AddResult { Added, AlreadyListed, Failed };

    // Reads the file's properties through the source factory and appends a row. On
    // Failed, failureReason may hold a note for the user.
    AddResult AddFile(const std::string& path, std::string& failureReason);
    void Remove(size_t row);
    void Clear();

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    FileEntry& operator[](size_t row) { return *entries_[row]; }
    const FileEntry& operator[](size_t row) const { return *entries_[row]; }

private:
    std::vector<std::unique_ptr<FileEntry>> entries_;
    std::set<std::string> listedPaths_;
};

}  // namespace tonewright
